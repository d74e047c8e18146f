// The plan of the alignment drawing: the track, its tangent polygon, vertices, main points (in the
// element form, without vertices, each element's start) and chainage ticks, the surveyed points
// with their offsets, a north arrow and a scale bar.
#include <cmath>
#include <vector>

#include "drawing_window/drawing_gdi.h"
#include "drawing_window/drawing_parts.h"

namespace {

void DrawTangentPolygon(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
                        const ScreenRect& clip) {
  Selected pen(dc, MakePen(frame, 1, kConstruction));
  const std::vector<AlignmentVertex>& vertices = scene.alignment.vertices;
  for (size_t i = 0; i + 1 < vertices.size(); ++i) {
    DashedSegment(dc, ToScreen(frame.plan, vertices[i].at),
                  ToScreen(frame.plan, vertices[i + 1].at), clip, 8 * frame.pixel, 5 * frame.pixel);
  }
}

// The chainages of the track that may show on the picture.
struct ChainageRange {
  double from = INFINITY;
  double to = -INFINITY;
};

// The track traced to a quarter of a screen pixel, element by element, leaving out the elements
// that lie wholly off the picture; returns the chainages of those drawn. Labels keep off it.
ChainageRange DrawTrack(HDC dc, LabelPlaces& places, const DrawingScene& scene,
                        const DrawingFrame& frame, const ScreenRect& clip) {
  ChainageRange shown;
  Selected pen(dc, MakePen(frame, 2, kTrack));
  const double tolerance = 0.25 * frame.pixel / frame.plan.scale;
  const double clipReach = std::hypot(clip.right - clip.left, clip.bottom - clip.top) / 2;
  const ScreenPoint clipCentre{(clip.left + clip.right) / 2, (clip.top + clip.bottom) / 2};
  std::vector<ScreenPoint> points;
  for (size_t e = 0; e < scene.alignment.elements.size(); ++e) {
    const ElementReach reach = ReachOfElement(scene.alignment, static_cast<int>(e));
    const ScreenPoint start = ToScreen(frame.plan, reach.centre);
    if (std::hypot(start.x - clipCentre.x, start.y - clipCentre.y) >
        clipReach + reach.reach * frame.plan.scale)
      continue;
    shown.from = std::fmin(shown.from, scene.alignment.elements[e].PKstart);
    shown.to = std::fmax(shown.to, scene.alignment.elements[e].PKend);
    points.clear();
    for (const PlanePoint& p : TraceElement(scene.alignment, static_cast<int>(e), tolerance))
      points.push_back(ToScreen(frame.plan, p));
    ClippedPolyline(dc, points, clip);
    for (size_t i = 0; i + 1 < points.size(); ++i)
      TakeLine(places, points[i], points[i + 1], 2 * frame.pixel, 12 * frame.pixel, clip);
  }
  return shown;
}

void DrawChainageTicks(HDC dc, LabelPlaces& places, const DrawingScene& scene,
                       const DrawingFrame& frame, const ScreenRect& clip,
                       const ChainageRange& shown) {
  const Alignment& alignment = scene.alignment;
  const SIZE digit = TextSize(dc, "0");
  const ChainageSpan span = ChainageSpanOf(alignment);
  const double step =
      LabelledTickStep(span.from, span.to, frame.plan.scale, static_cast<double>(digit.cx));
  // Only the stretch on the picture: far in, the ticks of the whole track would be too many.
  const std::vector<ChainageTick> ticks =
      ChainageTicks(alignment, step, shown.from, shown.to, 20000);
  Selected pen(dc, MakePen(frame, 1, kTicks));
  SetTextColor(dc, kTicks);
  const double length = 7 * frame.pixel;
  for (const ChainageTick& tick : ticks) {
    const ScreenPoint at = ToScreen(frame.plan, tick.at);
    if (!Inside(Grown(clip, 50 * frame.pixel), at)) continue;
    const ScreenPoint left = OnScreen(tick.left);
    const ScreenPoint end = Along(at, left, length);
    Segment(dc, at, end, clip);
    const ScreenPoint right{-left.x, -left.y};
    if (!PlacedLabel(dc, places, end, {left}, 2 * frame.pixel, 3, TickLabel(tick.PK, step), false,
                     frame, clip)) {
      // Across the track when its left side is taken (by a curve's names).
      PlacedLabel(dc, places, at, {right}, length, 3, TickLabel(tick.PK, step), false, frame, clip);
    }
  }
}

void DrawMainPointTicks(HDC dc, LabelPlaces& places, const DrawingScene& scene,
                        const DrawingFrame& frame, const ScreenRect& clip) {
  Selected pen(dc, MakePen(frame, 1.5, kTrack));
  const double length = 9 * frame.pixel;
  for (const DrawingMainPoint& main : scene.mainPoints) {
    const ScreenPoint at = ToScreen(frame.plan, main.at);
    if (!Inside(Grown(clip, 20 * frame.pixel), at)) continue;
    const ScreenPoint inward = OnScreen(main.inward);
    Segment(dc, Along(at, inward, -length), Along(at, inward, length), clip);
    TakeLine(places, Along(at, inward, -length), Along(at, inward, length), frame.pixel,
             12 * frame.pixel, clip);
  }
}

// The names go inside the curve, stacked outwards from the tick where they would meet.
void DrawMainPointNames(HDC dc, LabelPlaces& places, const DrawingScene& scene,
                        const DrawingFrame& frame, const ScreenRect& clip) {
  SetTextColor(dc, kText);
  const double length = 9 * frame.pixel;
  for (const DrawingMainPoint& main : scene.mainPoints) {
    const ScreenPoint at = ToScreen(frame.plan, main.at);
    if (!Inside(Grown(clip, 200 * frame.pixel), at)) continue;
    const ScreenPoint inward = OnScreen(main.inward);
    PlacedLabel(dc, places, Along(at, inward, length), {inward, {-inward.x, -inward.y}},
                2 * frame.pixel, 8, main.name, true, frame, clip);
  }
}

// Where a label may go, best first: on the given side, then half turned either way from it,
// then square to it either way.
std::vector<ScreenPoint> AroundSide(ScreenPoint side) {
  const ScreenPoint turned{-side.y, side.x};
  return {side,
          {side.x + turned.x, side.y + turned.y},
          {side.x - turned.x, side.y - turned.y},
          turned,
          {-turned.x, -turned.y}};
}

void DrawVertices(HDC dc, LabelPlaces& places, const DrawingScene& scene, const DrawingFrame& frame,
                  const ScreenRect& clip) {
  const double radius = 4 * frame.pixel;
  const std::vector<AlignmentVertex>& vertices = scene.alignment.vertices;
  {
    Selected pen(dc, MakePen(frame, 1.2, kText));
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    for (const AlignmentVertex& vertex : vertices) {
      const ScreenPoint at = ToScreen(frame.plan, vertex.at);
      if (!Inside(clip, at)) continue;
      Ellipse(dc, static_cast<int>(std::lround(at.x - radius)),
              static_cast<int>(std::lround(at.y - radius)),
              static_cast<int>(std::lround(at.x + radius)) + 1,
              static_cast<int>(std::lround(at.y + radius)) + 1);
      places.Take({at.x - radius, at.y - radius, at.x + radius, at.y + radius});
    }
    SelectObject(dc, previousBrush);
  }
  SetTextColor(dc, kText);
  for (size_t i = 0; i < vertices.size(); ++i) {
    const ScreenPoint at = ToScreen(frame.plan, vertices[i].at);
    if (!Inside(Grown(clip, 200 * frame.pixel), at)) continue;
    PlacedLabel(dc, places, at, AroundSide(OnScreen(scene.vertexLabelSide[i])),
                radius + 2 * frame.pixel, 4, vertices[i].name, true, frame, clip);
  }
}

// Each point as a cross, and its offset as a line from its foot on the track.
void DrawPointMarks(HDC dc, LabelPlaces& places, const DrawingScene& scene,
                    const DrawingFrame& frame, const ScreenRect& clip) {
  const double arm = 4 * frame.pixel;
  // Thousands of points: their lines go to the device in one call per colour.
  std::vector<POINT> ends;
  auto add = [&](ScreenPoint a, ScreenPoint b) {
    if (!ClipSegment(a, b, clip)) return;
    ends.push_back(Rounded(a));
    ends.push_back(Rounded(b));
  };
  for (int pass = 0; pass < 2; ++pass) {
    const bool onTrack = pass == 0;
    ends.clear();
    for (const DrawingPoint& point : scene.points) {
      if (point.onTrack != onTrack) continue;
      const ScreenPoint at = ToScreen(frame.plan, point.at);
      if (onTrack) add(ToScreen(frame.plan, point.foot), at);
      if (!Inside(Grown(clip, arm), at)) continue;
      add({at.x - arm, at.y - arm}, {at.x + arm, at.y + arm});
      add({at.x - arm, at.y + arm}, {at.x + arm, at.y - arm});
      places.Take({at.x - arm, at.y - arm, at.x + arm, at.y + arm});
    }
    if (ends.empty()) continue;
    Selected pen(dc, MakePen(frame, 1.2, onTrack ? kPointOnTrack : kPointOutside));
    const std::vector<DWORD> counts(ends.size() / 2, 2);
    PolyPolyline(dc, ends.data(), counts.data(), static_cast<DWORD>(counts.size()));
  }
}

// The names on the side away from the track, where the offset line is not, or around it.
void DrawPointNames(HDC dc, LabelPlaces& places, const DrawingScene& scene,
                    const DrawingFrame& frame, const ScreenRect& clip) {
  const double arm = 4 * frame.pixel;
  // A few points show every name, crowded or not; among thousands a name that would fall on
  // another waits for a closer view.
  const bool mustShow = scene.points.size() <= kAlwaysNamedPoints;
  for (int pass = 0; pass < 2; ++pass) {
    const bool onTrack = pass == 0;
    SetTextColor(dc, onTrack ? kPointOnTrack : kPointOutside);
    for (const DrawingPoint& point : scene.points) {
      if (point.onTrack != onTrack || point.name.empty()) continue;
      const ScreenPoint at = ToScreen(frame.plan, point.at);
      if (!Inside(Grown(clip, 100 * frame.pixel), at)) continue;
      ScreenPoint away{1, -1};
      if (onTrack) {
        const ScreenPoint foot = ToScreen(frame.plan, point.foot);
        const double length = std::hypot(at.x - foot.x, at.y - foot.y);
        if (length > 1) away = {(at.x - foot.x) / length, (at.y - foot.y) / length};
      }
      PlacedLabel(dc, places, at, AroundSide(away), arm + frame.pixel, 3, point.name, mustShow,
                  frame, clip);
    }
  }
}

void DrawNorthArrow(HDC dc, LabelPlaces& places, const DrawingFrame& frame,
                    const ScreenRect& plan) {
  const double size = 22 * frame.pixel;
  const ScreenPoint tip{plan.right - 2 * size, plan.top + frame.fontHeight * 1.8};
  const POINT arrow[4] = {Rounded(tip), Rounded({tip.x + size / 3, tip.y + size}),
                          Rounded({tip.x, tip.y + size * 0.75}),
                          Rounded({tip.x - size / 3, tip.y + size})};
  Selected pen(dc, MakePen(frame, 1, kText));
  HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Polygon(dc, arrow, 4);
  SelectObject(dc, previousBrush);
  SetTextColor(dc, kText);
  Label(dc, tip, 0, -1, 2 * frame.pixel, "X", plan);
  places.Take({tip.x - size / 2, tip.y - frame.fontHeight * 1.5, tip.x + size / 2, tip.y + size});
}

// A round length about a fifth of the plan's width, in black and white quarters, labelled with
// its length (and the paper's scale when there is one).
void DrawScaleBar(HDC dc, LabelPlaces& places, const DrawingFrame& frame, const ScreenRect& plan) {
  const double length = RoundLengthAtMost((plan.right - plan.left) / 5 / frame.plan.scale);
  if (!(length > 0)) return;
  const double width = length * frame.plan.scale;
  const double height = 5 * frame.pixel;
  const double left = plan.left + 12 * frame.pixel;
  const double bottom =
      plan.bottom - 10 * frame.pixel - (frame.scaleText.empty() ? 0 : frame.fontHeight * 1.2);
  Selected pen(dc, MakePen(frame, 1, kText));
  for (int quarter = 0; quarter < 4; ++quarter) {
    HGDIOBJ previousBrush =
        SelectObject(dc, GetStockObject(quarter % 2 == 0 ? BLACK_BRUSH : WHITE_BRUSH));
    Rectangle(dc, static_cast<int>(std::lround(left + width * quarter / 4)),
              static_cast<int>(std::lround(bottom - height)),
              static_cast<int>(std::lround(left + width * (quarter + 1) / 4)) + 1,
              static_cast<int>(std::lround(bottom)) + 1);
    SelectObject(dc, previousBrush);
  }
  SetTextColor(dc, kText);
  const ScreenRect anywhere = Grown(plan, 1e4);
  Label(dc, {left, bottom - height}, 0, -1, 2 * frame.pixel, "0", anywhere);
  Label(dc, {left + width, bottom - height}, 0, -1, 2 * frame.pixel, TickLabel(length, length),
        anywhere);
  if (!frame.scaleText.empty())
    Label(dc, {left, bottom}, 0.0001, 1, 3 * frame.pixel, frame.scaleText, anywhere);
  places.Take({left - frame.fontHeight, bottom - height - frame.fontHeight * 1.5,
               left + width + frame.fontHeight * 2, plan.bottom});
}

}  // namespace

// The marks first, the names after them in order of importance: a name never hides a mark, and
// a chainage label gives way to the vertices' and main points' names.
void DrawPlan(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
              const ScreenRect& plan) {
  const ScreenRect clip = plan;
  LabelPlaces places(4 * frame.fontHeight);
  DrawNorthArrow(dc, places, frame, plan);
  DrawScaleBar(dc, places, frame, plan);
  DrawTangentPolygon(dc, scene, frame, clip);
  const ChainageRange shown = DrawTrack(dc, places, scene, frame, clip);
  DrawMainPointTicks(dc, places, scene, frame, clip);
  DrawPointMarks(dc, places, scene, frame, clip);
  DrawVertices(dc, places, scene, frame, clip);
  DrawMainPointNames(dc, places, scene, frame, clip);
  DrawChainageTicks(dc, places, scene, frame, clip, shown);
  DrawPointNames(dc, places, scene, frame, clip);
}
