// The alignment drawing's content on any bytes: the first byte picks "X before Y" (1) and the
// worked profile (2); the rest is split at NULs as for Trace Alignment: "selection" alone (the
// worked vertices), "vertices NUL selection", or "vertices NUL profile NUL selection". Whatever
// the text, a scene has a problem (a warning line, and nothing else) or a usable alignment; it
// holds one point per readable selected line; fitting shows every vertex (in the element form
// every element's start) and point inside the margins; the traced track starts and ends at its
// elements' ends with a bounded number of points; chainage ticks lie on the alignment's chainage
// range; tick labels never crowd.
#include <cmath>
#include <string>
#include <vector>

#include "drawing/drawing_scene.h"
#include "drawing/drawing_view.h"
#include "fuzz_checks.h"
#include "point_lists/point_lines.h"

namespace {

const char* const kWorkedVertices =
    "V0 500 200\nV1 900 1200 600 120\nV2 700 2200 800 0\nV3 1500 3000 500 80\nV4 1600 4000";
const char* const kWorkedProfile = "1100 151\n1800 158 10000\n3000 149 15000\n4200 155 0\n5200 152";

std::vector<std::string> SplitAtNul(const std::string& text) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == '\0') {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::vector<std::string> parts = SplitAtNul(rest);
  AlignmentTexts texts{"1000", kWorkedVertices, (data[0] & 1) != 0,
                       (data[0] & 2) != 0 ? kWorkedProfile : ""};
  std::string selection = parts.back();
  if (parts.size() >= 2) texts.vertices = parts[0];
  if (parts.size() >= 3) texts.profile = parts[1];
  const std::string detail = Visible(rest);

  const DrawingScene scene = BuildDrawingScene(texts, selection);
  if (!scene.problem.empty()) {
    FuzzCheck(scene.problem.front() == '!' && scene.problem.back() == '!',
              "a problem is a warning line", detail);
    FuzzCheck(scene.points.empty() && scene.alignment.elements.empty(),
              "a scene with a problem holds nothing else", detail);
    return 0;
  }
  size_t readable = 0;
  for (const std::string& line : NonBlankLines(selection)) {
    PointLine point;
    if (ReadPointLine(line, point)) ++readable;
  }
  FuzzCheck(scene.points.size() == readable, "one point per readable line", detail);
  FuzzCheck(scene.vertexLabelSide.size() == scene.alignment.vertices.size(),
            "every vertex has a side for its name", detail);

  const SurveyBox box = SceneBox(scene);
  const ScreenRect area{0, 0, 800, 500};
  const double margin = 40;
  const PlanView view = FitPlanView(box, area, margin);
  FuzzCheck(view.scale > 0 && std::isfinite(view.scale), "a usable scale", detail);
  auto shown = [&](PlanePoint p) {
    const ScreenPoint at = ToScreen(view, p);
    const double slack = 1e-6 * (800 + std::fabs(at.x) + std::fabs(at.y));
    return at.x >= margin - slack && at.x <= 800 - margin + slack && at.y >= margin - slack &&
           at.y <= 500 - margin + slack;
  };
  // Spans beyond what a double can scale back (1e300 apart) are left to the device.
  const bool ordinary = !box.empty && box.maxY - box.minY < 1e250 && box.maxX - box.minX < 1e250;
  if (ordinary) {
    for (const AlignmentVertex& vertex : scene.alignment.vertices)
      FuzzCheck(shown(vertex.at), "fitting shows every vertex", detail);
    for (const DrawingMainPoint& main : scene.mainPoints) {
      if (IsElementForm(scene.alignment))
        FuzzCheck(shown(main.at), "fitting shows every element's start", detail);
    }
    for (const DrawingPoint& point : scene.points) {
      if (std::isfinite(point.at.Y) && std::isfinite(point.at.X))
        FuzzCheck(shown(point.at), "fitting shows every point", detail);
    }
  }

  const Alignment& alignment = scene.alignment;
  const double length = alignment.PKend - alignment.PKstart;
  for (size_t e = 0; e < alignment.elements.size(); ++e) {
    const std::vector<PlanePoint> trace =
        TraceElement(alignment, static_cast<int>(e), 0.25 / view.scale);
    FuzzCheck(trace.size() >= 2 && trace.size() <= 100000, "a traced element has a bounded size",
              detail);
  }
  if (std::isfinite(length) && length > 0) {
    const double step = LabelledTickStep(alignment.PKstart, alignment.PKend, view.scale, 7);
    FuzzCheck(step > 0, "a positive tick step", detail);
    const std::vector<ChainageTick> ticks =
        ChainageTicks(alignment, step, -INFINITY, INFINITY, 1000);
    FuzzCheck(ticks.size() <= 1000, "no more ticks than asked", detail);
    // In the element form the chainage may jump at a station equation: a tick lies in the range
    // of one of the elements.
    auto onTrack = [&](double PK) {
      auto within = [PK](double from, double to) {
        return PK >= from - 1e-6 * std::fabs(from) - 1e-9 && PK <= to + 1e-6 * std::fabs(to) + 1e-9;
      };
      if (!IsElementForm(alignment)) return within(alignment.PKstart, alignment.PKend);
      for (const AlignmentElement& element : alignment.elements) {
        if (within(element.PKstart, element.PKend)) return true;
      }
      return false;
    };
    for (const ChainageTick& tick : ticks) {
      FuzzCheck(onTrack(tick.PK), "ticks lie on the alignment", detail);
      if (std::isfinite(step * view.scale) && step * view.scale < 1e12) {
        FuzzCheck(step * view.scale >= (TickLabel(tick.PK, step).size() + 1) * 7 - 1e-9,
                  "tick labels stand their width apart", detail);
      }
    }
  }
  return 0;
}
