// The drawing's content, computed once per "Drawing"; only the traced track and the chainage
// ticks depend on the zoom and are made as the view asks for them.
#include "drawing/drawing_scene.h"

#include <cmath>

#include "alignment/alignment_heights.h"
#include "point_lists/point_lines.h"

namespace {

constexpr size_t kMostTracePoints = 100000;

// The unit vector along a, or `otherwise` when a has no length.
PlanePoint Unit(PlanePoint a, PlanePoint otherwise) {
  const double length = std::hypot(a.Y, a.X);
  if (!(length > 0) || !std::isfinite(length)) return otherwise;
  return {a.Y / length, a.X / length};
}

// The unit normal to the right of growing chainage at PK on the element.
PlanePoint RightNormal(const Alignment& alignment, int element, double PK) {
  const PlanePoint on = SetOutOnElement(alignment, element, PK, 0);
  return Unit(Minus(SetOutOnElement(alignment, element, PK, 1), on), {1, 0});
}

// The element to set out on at PK: the one holding it, or the nearer end one.
int ElementNear(const Alignment& alignment, double PK) {
  const int element = ElementAtChainage(alignment, PK);
  if (element >= 0) return element;
  return PK < alignment.PKstart ? 0 : static_cast<int>(alignment.elements.size()) - 1;
}

// Per vertex, the side its name goes: away from the curve, or beyond the track's ends.
std::vector<PlanePoint> VertexLabelSides(const Alignment& alignment) {
  const size_t count = alignment.vertices.size();
  std::vector<PlanePoint> sides(count, PlanePoint{1, 0});
  if (count < 2) return sides;
  sides[0] = Unit({-alignment.directions[0].Y, -alignment.directions[0].X}, {1, 0});
  sides[count - 1] = Unit(alignment.directions[count - 2], {1, 0});
  for (size_t i = 1; i + 1 < count; ++i) {
    const PlanePoint in = alignment.directions[i - 1];
    const PlanePoint out = alignment.directions[i];
    // Away from the centre: the incoming direction less the outgoing one points outside the turn.
    sides[i] = Unit({in.Y - out.Y, in.X - out.X}, Unit({in.X, -in.Y}, {1, 0}));
  }
  return sides;
}

// In the element form: each element's start, named by its number, its label towards the centre of
// the element (a straight's: of the element before it, or to the right).
std::vector<DrawingMainPoint> ElementStarts(const ElementChain& chain) {
  std::vector<DrawingMainPoint> points;
  double lastCurvature = 0;
  for (size_t i = 0; i < chain.elements.size(); ++i) {
    const ChainElement& element = chain.elements[i];
    const double curvature = element.kStart != 0 ? element.kStart : element.kEnd;
    if (curvature != 0) lastCurvature = curvature;
    const double side = lastCurvature < 0 ? -1 : 1;
    // Right of the direction angle (from +X towards +Y) is the angle a quarter turn on.
    const PlanePoint right{std::cos(element.direction), -std::sin(element.direction)};
    points.push_back({std::to_string(i + 1), element.start, {side * right.Y, side * right.X}});
    if (element.kEnd != 0) lastCurvature = element.kEnd;
  }
  return points;
}

std::vector<DrawingMainPoint> MainPoints(const Alignment& alignment) {
  if (IsElementForm(alignment)) return ElementStarts(alignment.chain);
  std::vector<DrawingMainPoint> points;
  for (size_t i = 1; i + 1 < alignment.vertices.size(); ++i) {
    const VertexCurve& curve = alignment.curves[i];
    const std::string& vertex = alignment.vertices[i].name;
    const struct {
      const char* name;
      PlanePoint at;
      double PK;
    } mains[] = {{"NSK", curve.NSK, curve.PK_NSK},
                 {"NKK", curve.NKK, curve.PK_NKK},
                 {"KKK", curve.KKK, curve.PK_KKK},
                 {"KSK", curve.KSK, curve.PK_KSK}};
    for (const auto& main : mains) {
      const PlanePoint right = RightNormal(alignment, ElementNear(alignment, main.PK), main.PK);
      const double side = curve.s < 0 ? -1 : 1;
      points.push_back({vertex + " " + main.name, main.at, {side * right.Y, side * right.X}});
    }
  }
  return points;
}

DrawingPoint ReadDrawingPoint(const Alignment& alignment, const Profile& profile,
                              const PointLine& line, bool xBeforeY, bool hasHeight, double H) {
  DrawingPoint point;
  point.name = line.name;
  point.at = xBeforeY ? PlanePoint{line.second, line.first} : PlanePoint{line.first, line.second};
  point.hasHeight = hasHeight;
  point.H = H;
  const AlignmentStation station = ProjectOntoAlignment(alignment, point.at);
  if (station.found) {
    point.onTrack = true;
    point.PK = station.PK;
    point.d = station.d;
    point.foot = SetOutOnElement(alignment, station.element, station.PK, 0);
    double design = 0;
    if (hasHeight && DesignHeight(profile, station.PK, design)) {
      point.hasDesign = true;
      point.dH = H - design;
    }
  }
  return point;
}

// The smallest |R| along a chain element (infinite on a straight).
double SharpestRadius(const ChainElement& element) {
  return 1 / std::fmax(std::fabs(element.kStart), std::fabs(element.kEnd));
}

// The number of multiples of step in [from, to] and the first of them, as they will be computed:
// a quotient rounded up or down by its last bit is put right.
struct Multiples {
  double first;
  double last;
};
Multiples MultiplesWithin(double step, double from, double to) {
  double first = std::ceil(from / step);
  if ((first - 1) * step >= from) first -= 1;
  if (first * step < from) first += 1;
  double last = std::floor(to / step);
  if ((last + 1) * step <= to) last += 1;
  if (last * step > to) last -= 1;
  return {first, last};
}

ChainageTick TickAt(const Alignment& alignment, int element, double PK) {
  const PlanePoint right = RightNormal(alignment, element, PK);
  return {PK, SetOutOnElement(alignment, element, PK, 0), {-right.Y, -right.X}};
}

// In the element form chainages may jump at a station equation: each element gets the ticks of
// its own chainage range, a tick at a joint once.
std::vector<ChainageTick> ElementFormTicks(const Alignment& alignment, double step, double from,
                                           double to, size_t most) {
  std::vector<ChainageTick> ticks;
  std::vector<Multiples> multiples;
  double count = 0;
  for (const AlignmentElement& element : alignment.elements) {
    multiples.push_back(
        MultiplesWithin(step, std::fmax(from, element.PKstart), std::fmin(to, element.PKend)));
    if (multiples.back().last >= multiples.back().first)
      count += multiples.back().last - multiples.back().first + 1;
  }
  if (!(count <= static_cast<double>(most))) return ticks;
  for (size_t e = 0; e < alignment.elements.size(); ++e) {
    const bool joined = e > 0 && alignment.elements[e - 1].PKend == alignment.elements[e].PKstart;
    // Counted, not stepped: far from 0 a multiple plus one may round back to itself.
    const double number = multiples[e].last - multiples[e].first + 1;
    for (double n = 0; n < number; ++n) {
      const double PK = (multiples[e].first + n) * step;
      if ((n > 0 || joined) && !ticks.empty() && ticks.back().PK == PK) continue;
      ticks.push_back(TickAt(alignment, static_cast<int>(e), PK));
    }
  }
  return ticks;
}

}  // namespace

ChainageSpan ChainageSpanOf(const Alignment& alignment) {
  if (!IsElementForm(alignment)) return {alignment.PKstart, alignment.PKend};
  ChainageSpan span{INFINITY, -INFINITY};
  for (const AlignmentElement& element : alignment.elements) {
    span.from = std::fmin(span.from, element.PKstart);
    span.to = std::fmax(span.to, element.PKend);
  }
  if (!(span.from <= span.to)) span = {alignment.PKstart, alignment.PKend};
  return span;
}

DrawingScene BuildDrawingScene(const AlignmentTexts& texts, const std::string& selection) {
  DrawingScene scene;
  AlignmentReading reading = ReadAlignment(texts);
  if (!reading.problems.empty()) {
    scene.problem = reading.problems.front();
    return scene;
  }
  ProfileReading profile = ReadProfile(texts.profile);
  if (!profile.problems.empty()) {
    scene.problem = profile.problems.front();
    return scene;
  }
  scene.alignment = std::move(reading.alignment);
  scene.profile = std::move(profile.profile);
  scene.vertexLabelSide = VertexLabelSides(scene.alignment);
  scene.mainPoints = MainPoints(scene.alignment);
  for (const SelectedPoint& each : ReadSelectedPoints(selection).read) {
    double H = 0;
    const bool hasHeight = ReadPointHeight(each.line, H);
    scene.points.push_back(
        ReadDrawingPoint(scene.alignment, scene.profile, each.point, texts.xBeforeY, hasHeight, H));
  }
  return scene;
}

SurveyBox SceneBox(const DrawingScene& scene) {
  SurveyBox box;
  if (IsElementForm(scene.alignment)) {
    // No tangent polygon: every element counts, straights too.
    double length = 0;
    for (const AlignmentElement& element : scene.alignment.elements)
      length += element.PKend - element.PKstart;
    for (size_t i = 0; i < scene.alignment.elements.size(); ++i) {
      for (const PlanePoint& point :
           TraceElement(scene.alignment, static_cast<int>(i), 1e-3 * length))
        AddToBox(box, point);
    }
    for (const DrawingPoint& point : scene.points) AddToBox(box, point.at);
    return box;
  }
  for (const AlignmentVertex& vertex : scene.alignment.vertices) AddToBox(box, vertex.at);
  // The track stays inside the tangent polygon, save where a curve bulges past it at a vertex.
  for (size_t i = 0; i < scene.alignment.elements.size(); ++i) {
    if (scene.alignment.elements[i].kind == StraightElement) continue;
    for (const PlanePoint& point :
         TraceElement(scene.alignment, static_cast<int>(i),
                      1e-3 * (scene.alignment.PKend - scene.alignment.PKstart)))
      AddToBox(box, point);
  }
  for (const DrawingPoint& point : scene.points) AddToBox(box, point.at);
  return box;
}

std::vector<PlanePoint> TraceElement(const Alignment& alignment, int element, double tolerance) {
  const AlignmentElement& piece = alignment.elements[element];
  const double length = piece.PKend - piece.PKstart;
  size_t steps = 1;
  if (piece.kind != StraightElement && length > 0) {
    // A chord of length c on a curve of radius R strays c^2 / (8 R) from it; spirals are no
    // sharper than their arc.
    const double R = IsElementForm(alignment) ? SharpestRadius(alignment.chain.elements[element])
                                              : alignment.curves[piece.vertex].R;
    const double chord = std::sqrt(8 * R * (tolerance > 0 ? tolerance : 1e-3));
    const double wanted = chord > 0 ? std::ceil(length / chord) : 1;
    steps = wanted >= kMostTracePoints || !std::isfinite(wanted) ? kMostTracePoints - 1
                                                                 : static_cast<size_t>(wanted);
    if (steps < 1) steps = 1;
  }
  std::vector<PlanePoint> points;
  points.reserve(steps + 1);
  for (size_t i = 0; i <= steps; ++i) {
    const double PK = i == steps ? piece.PKend : piece.PKstart + length * i / steps;
    points.push_back(SetOutOnElement(alignment, element, PK, 0));
  }
  return points;
}

ElementReach ReachOfElement(const Alignment& alignment, int element) {
  const AlignmentElement& piece = alignment.elements[element];
  return {SetOutOnElement(alignment, element, piece.PKstart, 0), piece.PKend - piece.PKstart};
}

std::vector<ChainageTick> ChainageTicks(const Alignment& alignment, double step, double from,
                                        double to, size_t most) {
  std::vector<ChainageTick> ticks;
  if (!(step > 0) || alignment.elements.empty()) return ticks;
  if (IsElementForm(alignment)) return ElementFormTicks(alignment, step, from, to, most);
  from = std::fmax(from, alignment.PKstart);
  to = std::fmin(to, alignment.PKend);
  // The multiples k * step inside [from, to].
  const Multiples multiples = MultiplesWithin(step, from, to);
  const double first = multiples.first;
  const double last = multiples.last;
  if (!(last >= first) || last - first + 1 > static_cast<double>(most)) return ticks;
  // Counted, not stepped: far from 0 a multiple plus one may round back to itself.
  for (double n = 0; n < last - first + 1; ++n) {
    const double PK = (first + n) * step;
    if (!ticks.empty() && ticks.back().PK == PK) continue;
    ticks.push_back(TickAt(alignment, ElementNear(alignment, PK), PK));
  }
  return ticks;
}

HeightRange SectionHeights(const DrawingScene& scene) {
  HeightRange range{INFINITY, -INFINITY};
  auto add = [&range](double H) {
    if (!std::isfinite(H)) return;
    range.low = std::fmin(range.low, H);
    range.high = std::fmax(range.high, H);
  };
  const std::vector<ProfileVPI>& vpis = scene.profile.vpis;
  for (const ProfileVPI& vpi : vpis) add(vpi.H);
  if (!vpis.empty()) {
    // A crest or a sag may lie inside a vertical curve, away from every VPI.
    constexpr int kSamples = 400;
    const double from = vpis.front().PK;
    const double to = vpis.back().PK;
    for (int i = 0; i <= kSamples; ++i) {
      double H = 0;
      if (DesignHeight(scene.profile, from + (to - from) * i / kSamples, H)) add(H);
    }
  }
  for (const DrawingPoint& point : scene.points) {
    if (point.hasHeight && point.onTrack) add(point.H);
  }
  if (!(range.low <= range.high)) range = {0, 1};
  return range;
}
