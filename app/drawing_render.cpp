// The one renderer of the alignment drawing. Everything is clipped in floating point before it
// reaches GDI, so that a plan zoomed far in never hands the device a coordinate it cannot hold.
#include "drawing_render.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "label_places.h"

namespace {

// Colours: the track dark, construction light, surveyed points where they stand out.
const COLORREF kTrack = RGB(20, 40, 110);
const COLORREF kConstruction = RGB(165, 165, 165);
const COLORREF kTicks = RGB(80, 80, 80);
const COLORREF kText = RGB(0, 0, 0);
const COLORREF kPointOnTrack = RGB(210, 0, 0);
const COLORREF kPointOutside = RGB(190, 0, 190);
const COLORREF kFrame = RGB(120, 120, 120);

// Up to this many points every name is drawn, even over another.
constexpr size_t kAlwaysNamedPoints = 300;

// The largest ticks on the long section's axes.
constexpr size_t kMostTicks = 2000;

// One GDI pen or font selected for as long as the guard lives.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object)
      : dc_(dc), object_(object), previous_(SelectObject(dc, object)) {}
  ~Selected() {
    SelectObject(dc_, previous_);
    DeleteObject(object_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_;
  HGDIOBJ previous_;
};

// A pen one device unit wide is a cosmetic one: much faster to draw than a geometric pen.
HPEN MakePen(const DrawingFrame& frame, double width, COLORREF colour) {
  const int units = static_cast<int>(std::lround(width * frame.pixel));
  if (units <= 1) return CreatePen(PS_SOLID, 1, colour);
  LOGBRUSH brush{BS_SOLID, colour, 0};
  return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, units, &brush, 0,
                      nullptr);
}

HFONT MakeFont(int height, bool bold) {
  return CreateFontA(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     VARIABLE_PITCH | FF_SWISS, "Arial");
}

POINT Rounded(ScreenPoint p) {
  return {static_cast<LONG>(std::lround(p.x)), static_cast<LONG>(std::lround(p.y))};
}

ScreenRect Grown(const ScreenRect& rect, double by) {
  return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

bool Inside(const ScreenRect& rect, ScreenPoint p) {
  return p.x >= rect.left && p.x <= rect.right && p.y >= rect.top && p.y <= rect.bottom;
}

// A line from a to b, the part inside `clip` only.
void Segment(HDC dc, ScreenPoint a, ScreenPoint b, const ScreenRect& clip) {
  if (!ClipSegment(a, b, clip)) return;
  const POINT ends[2] = {Rounded(a), Rounded(b)};
  Polyline(dc, ends, 2);
}

// A dashed line from a to b: dashes of `dash` with gaps of `gap`, drawn as short segments so that
// every device (printers and metafiles too) shows the same pattern at any width.
void DashedSegment(HDC dc, ScreenPoint a, ScreenPoint b, const ScreenRect& clip, double dash,
                   double gap) {
  if (!ClipSegment(a, b, clip)) return;
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (!(length > 0)) return;
  const double ux = (b.x - a.x) / length;
  const double uy = (b.y - a.y) / length;
  for (double from = 0; from < length; from += dash + gap) {
    const double to = std::fmin(from + dash, length);
    const POINT ends[2] = {Rounded({a.x + ux * from, a.y + uy * from}),
                           Rounded({a.x + ux * to, a.y + uy * to})};
    Polyline(dc, ends, 2);
  }
}

// A polyline through screen points, broken where it leaves `clip`.
void ClippedPolyline(HDC dc, const std::vector<ScreenPoint>& points, const ScreenRect& clip) {
  std::vector<POINT> run;
  auto flush = [&]() {
    if (run.size() >= 2) Polyline(dc, run.data(), static_cast<int>(run.size()));
    run.clear();
  };
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    ScreenPoint a = points[i];
    ScreenPoint b = points[i + 1];
    if (!ClipSegment(a, b, clip)) {
      flush();
      continue;
    }
    const POINT start = Rounded(a);
    if (run.empty() || run.back().x != start.x || run.back().y != start.y) {
      flush();
      run.push_back(start);
    }
    const POINT end = Rounded(b);
    if (end.x != run.back().x || end.y != run.back().y) run.push_back(end);
    // A point that left the clip ends this run.
    if (b.x != points[i + 1].x || b.y != points[i + 1].y) flush();
  }
  flush();
}

// The advances of the label font's characters and its height, read once per picture: asking the
// device for the size of each of thousands of labels costs more than drawing them.
struct LabelFontWidths {
  HDC dc = nullptr;
  int advance[256] = {};
  int height = 0;
};
LabelFontWidths labelFont;

void ReadLabelFontWidths(HDC dc) {
  labelFont.dc = dc;
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  labelFont.height = metrics.tmHeight;
  if (!GetCharWidth32A(dc, 0, 255, labelFont.advance)) labelFont.dc = nullptr;
}

SIZE TextSize(HDC dc, const std::string& text) {
  SIZE size{};
  if (dc == labelFont.dc) {
    for (unsigned char c : text) size.cx += labelFont.advance[c];
    size.cy = labelFont.height;
    return size;
  }
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void Text(HDC dc, double x, double y, const std::string& text) {
  TextOutA(dc, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), text.c_str(),
           static_cast<int>(text.size()));
}

// A label beside `at`, `gap` away in the screen direction (dx, dy): the text's box is pushed out
// along that direction until its nearest side clears the gap. Skipped when it would be out of
// `clip` altogether.
void Label(HDC dc, ScreenPoint at, double dx, double dy, double gap, const std::string& text,
           const ScreenRect& clip) {
  const double length = std::hypot(dx, dy);
  if (length > 0) {
    dx /= length;
    dy /= length;
  }
  const SIZE size = TextSize(dc, text);
  // Along (dx, dy), a box of w by h reaches |dx| w / 2 + |dy| h / 2 from its centre.
  const double reach = std::fabs(dx) * size.cx / 2 + std::fabs(dy) * size.cy / 2;
  const double centreX = at.x + dx * (gap + reach);
  const double centreY = at.y + dy * (gap + reach);
  const double left = centreX - size.cx / 2.0;
  const double top = centreY - size.cy / 2.0;
  if (left > clip.right || top > clip.bottom || left + size.cx < clip.left ||
      top + size.cy < clip.top)
    return;
  Text(dc, left, top, text);
}

// The box of a text of `size` pushed out from `at` by `gap` in the direction (dx, dy), a unit
// vector: along it, a box of w by h reaches |dx| w / 2 + |dy| h / 2 from its centre.
ScreenRect BoxBeside(ScreenPoint at, double dx, double dy, double gap, SIZE size) {
  const double reach = std::fabs(dx) * size.cx / 2 + std::fabs(dy) * size.cy / 2;
  const double centreX = at.x + dx * (gap + reach);
  const double centreY = at.y + dy * (gap + reach);
  return {centreX - size.cx / 2.0, centreY - size.cy / 2.0, centreX + size.cx / 2.0,
          centreY + size.cy / 2.0};
}

// A label of the plan kept clear of the labels and the track drawn before it: the places tried
// are `gap`, then `gap` plus one, two... label heights out, in each of the directions in turn.
// One that had to move off its first place gets a thin leader line back to `at`. A label that
// need not show is left out when every place is taken. Returns whether it was drawn.
bool PlacedLabel(HDC dc, LabelPlaces& places, ScreenPoint at,
                 const std::vector<ScreenPoint>& directions, double gap, int distances,
                 const std::string& text, bool mustShow, const DrawingFrame& frame,
                 const ScreenRect& clip) {
  const SIZE size = TextSize(dc, text);
  const double spacing = 1.5 * frame.pixel;
  std::vector<ScreenRect> candidates;
  for (int k = 0; k < distances; ++k) {
    for (ScreenPoint direction : directions) {
      const double length = std::hypot(direction.x, direction.y);
      if (length > 0) direction = {direction.x / length, direction.y / length};
      const ScreenRect box =
          BoxBeside(at, direction.x, direction.y, gap + k * size.cy * 1.05, size);
      candidates.push_back(Grown(box, spacing));
    }
  }
  // Places off the picture count as taken.
  const ScreenRect inner = Grown(clip, spacing);
  std::vector<ScreenRect> onPicture;
  for (const ScreenRect& box : candidates) {
    if (box.left >= inner.left && box.right <= inner.right && box.top >= inner.top &&
        box.bottom <= inner.bottom)
      onPicture.push_back(box);
  }
  if (!onPicture.empty()) candidates.swap(onPicture);
  const int chosen = places.Choose(candidates, mustShow);
  if (chosen < 0) return false;
  const ScreenRect box = Grown(candidates[chosen], -spacing);
  if (box.left > clip.right || box.top > clip.bottom || box.right < clip.left ||
      box.bottom < clip.top)
    return false;
  places.Take(candidates[chosen]);
  const ScreenPoint nearest{std::fmin(std::fmax(at.x, box.left), box.right),
                            std::fmin(std::fmax(at.y, box.top), box.bottom)};
  if (std::hypot(nearest.x - at.x, nearest.y - at.y) > gap + size.cy * 0.5) {
    // The leader runs to the nearest point of the box.
    const ScreenPoint end{std::fmin(std::fmax(at.x, box.left), box.right),
                          std::fmin(std::fmax(at.y, box.top), box.bottom)};
    Selected pen(dc, MakePen(frame, 0.6, kConstruction));
    Segment(dc, at, end, clip);
  }
  Text(dc, box.left, box.top, text);
  return true;
}

// Marks the line a-b as taken, in pieces of about a grid cell so that a long straight takes only
// the boxes along it.
void TakeLine(LabelPlaces& places, ScreenPoint a, ScreenPoint b, double width, double piece,
              const ScreenRect& clip) {
  if (!ClipSegment(a, b, Grown(clip, piece))) return;
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  const int pieces = 1 + static_cast<int>(std::fmin(length / piece, 10000));
  for (int i = 0; i < pieces; ++i) {
    const ScreenPoint from{a.x + (b.x - a.x) * i / pieces, a.y + (b.y - a.y) * i / pieces};
    const ScreenPoint to{a.x + (b.x - a.x) * (i + 1) / pieces,
                         a.y + (b.y - a.y) * (i + 1) / pieces};
    places.Take(Grown({std::fmin(from.x, to.x), std::fmin(from.y, to.y), std::fmax(from.x, to.x),
                       std::fmax(from.y, to.y)},
                      width));
  }
}

// The screen direction of a survey direction (Y right, X up).
ScreenPoint OnScreen(PlanePoint direction) {
  return {direction.Y, -direction.X};
}

ScreenPoint Along(ScreenPoint at, ScreenPoint direction, double by) {
  return {at.x + direction.x * by, at.y + direction.y * by};
}

// ---- The plan ----

void DrawTangentPolygon(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
                        const ScreenRect& clip) {
  Selected pen(dc, MakePen(frame, 1, kConstruction));
  const std::vector<AlignmentVertex>& vertices = scene.alignment.vertices;
  for (size_t i = 0; i + 1 < vertices.size(); ++i) {
    DashedSegment(dc, ToScreen(frame.plan, vertices[i].at),
                  ToScreen(frame.plan, vertices[i + 1].at), clip, 8 * frame.pixel, 5 * frame.pixel);
  }
}

// The track traced to a quarter of a screen pixel, element by element, leaving out the elements
// that lie wholly off the picture. Labels keep off it.
void DrawTrack(HDC dc, LabelPlaces& places, const DrawingScene& scene, const DrawingFrame& frame,
               const ScreenRect& clip) {
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
    points.clear();
    for (const PlanePoint& p : TraceElement(scene.alignment, static_cast<int>(e), tolerance))
      points.push_back(ToScreen(frame.plan, p));
    ClippedPolyline(dc, points, clip);
    for (size_t i = 0; i + 1 < points.size(); ++i)
      TakeLine(places, points[i], points[i + 1], 2 * frame.pixel, 12 * frame.pixel, clip);
  }
}

void DrawChainageTicks(HDC dc, LabelPlaces& places, const DrawingScene& scene,
                       const DrawingFrame& frame, const ScreenRect& clip) {
  const Alignment& alignment = scene.alignment;
  const SIZE digit = TextSize(dc, "0");
  const double step = LabelledTickStep(alignment.PKstart, alignment.PKend, frame.plan.scale,
                                       static_cast<double>(digit.cx));
  // Far in, the ticks of the whole track would be too many: then there are none.
  const std::vector<ChainageTick> ticks = ChainageTicks(alignment, step, 20000);
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
    const ScreenPoint side = OnScreen(scene.vertexLabelSide[i]);
    const ScreenPoint turned{-side.y, side.x};
    PlacedLabel(dc, places, at,
                {side,
                 {side.x + turned.x, side.y + turned.y},
                 {side.x - turned.x, side.y - turned.y},
                 turned,
                 {-turned.x, -turned.y}},
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
      const ScreenPoint turned{-away.y, away.x};
      PlacedLabel(dc, places, at,
                  {away,
                   {away.x + turned.x, away.y + turned.y},
                   {away.x - turned.x, away.y - turned.y},
                   turned,
                   {-turned.x, -turned.y}},
                  arm + frame.pixel, 3, point.name, mustShow, frame, clip);
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

// The marks first, the names after them in order of importance: a name never hides a mark, and
// a chainage label gives way to the vertices' and main points' names.
void DrawPlan(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
              const ScreenRect& plan) {
  const ScreenRect clip = plan;
  LabelPlaces places(4 * frame.fontHeight);
  DrawNorthArrow(dc, places, frame, plan);
  DrawScaleBar(dc, places, frame, plan);
  DrawTangentPolygon(dc, scene, frame, clip);
  DrawTrack(dc, places, scene, frame, clip);
  DrawMainPointTicks(dc, places, scene, frame, clip);
  DrawPointMarks(dc, places, scene, frame, clip);
  DrawVertices(dc, places, scene, frame, clip);
  DrawMainPointNames(dc, places, scene, frame, clip);
  DrawChainageTicks(dc, places, scene, frame, clip);
  DrawPointNames(dc, places, scene, frame, clip);
}

// ---- The long section ----

// Chainage across, height up, each stretched to fill its box.
struct SectionMap {
  ScreenRect box;
  double PKfrom, PKto, Hlow, Hhigh;
  ScreenPoint At(double PK, double H) const {
    return {box.left + (PK - PKfrom) / (PKto - PKfrom) * (box.right - box.left),
            box.bottom - (H - Hlow) / (Hhigh - Hlow) * (box.bottom - box.top)};
  }
};

std::string Fixed(double value, int decimals, bool sign) {
  char text[64];
  std::snprintf(text, sizeof text, sign ? "%+.*f" : "%.*f", decimals, value);
  return text;
}

void DrawSectionAxes(HDC dc, const SectionMap& map, const DrawingFrame& frame) {
  Selected pen(dc, MakePen(frame, 1, kFrame));
  HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, static_cast<int>(map.box.left), static_cast<int>(map.box.top),
            static_cast<int>(map.box.right) + 1, static_cast<int>(map.box.bottom) + 1);
  SelectObject(dc, previousBrush);
  SetTextColor(dc, kTicks);
  const ScreenRect anywhere = Grown(map.box, 1e4);
  const double tick = 5 * frame.pixel;
  // Heights: a label's height apart and more.
  const double perMetre = (map.box.bottom - map.box.top) / (map.Hhigh - map.Hlow);
  const double Hstep = RoundStepAtLeast(1.6 * frame.fontHeight / perMetre);
  for (double k = std::ceil(map.Hlow / Hstep);
       k * Hstep <= map.Hhigh && k < std::ceil(map.Hlow / Hstep) + kMostTicks; ++k) {
    const ScreenPoint at = map.At(map.PKfrom, k * Hstep);
    Segment(dc, at, {at.x - tick, at.y}, anywhere);
    Label(dc, {at.x - tick, at.y}, -1, 0, 2 * frame.pixel, TickLabel(k * Hstep, Hstep), anywhere);
  }
  const SIZE digit = TextSize(dc, "0");
  const double PKstep = LabelledTickStep(map.PKfrom, map.PKto,
                                         (map.box.right - map.box.left) / (map.PKto - map.PKfrom),
                                         static_cast<double>(digit.cx));
  for (double k = std::ceil(map.PKfrom / PKstep - 1e-9);
       k * PKstep <= map.PKto + 1e-9 * PKstep && k < std::ceil(map.PKfrom / PKstep) + kMostTicks;
       ++k) {
    const ScreenPoint at = map.At(k * PKstep, map.Hlow);
    Segment(dc, at, {at.x, at.y + tick}, anywhere);
    Label(dc, {at.x, at.y + tick}, 0, 1, frame.pixel, TickLabel(k * PKstep, PKstep), anywhere);
  }
}

void DrawSection(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
                 const ScreenRect& area) {
  const std::vector<ProfileVPI>& vpis = scene.profile.vpis;
  const HeightRange heights = SectionHeights(scene);
  double spare = (heights.high - heights.low) * 0.15;
  if (!(spare > 0)) spare = 1;
  const SIZE wide = TextSize(dc, "000000.0");
  SectionMap map{{area.left + wide.cx + 12 * frame.pixel, area.top + frame.fontHeight * 3.2,
                  area.right - 20 * frame.pixel, area.bottom - frame.fontHeight * 2},
                 scene.alignment.PKstart,
                 scene.alignment.PKend,
                 heights.low - spare,
                 heights.high + spare * 2.5};
  if (!(map.box.right > map.box.left + 10 && map.box.bottom > map.box.top + 10) ||
      !(map.PKto > map.PKfrom))
    return;
  DrawSectionAxes(dc, map, frame);
  const ScreenRect clip = map.box;

  // The grade lines light and dashed, the design line with its vertical curves over them.
  {
    Selected pen(dc, MakePen(frame, 1, kConstruction));
    for (size_t j = 0; j + 1 < vpis.size(); ++j) {
      DashedSegment(dc, map.At(vpis[j].PK, vpis[j].H), map.At(vpis[j + 1].PK, vpis[j + 1].H), clip,
                    8 * frame.pixel, 5 * frame.pixel);
    }
  }
  LabelPlaces places(4 * frame.fontHeight);
  // The axes' labels outside the box.
  places.Take({area.left, map.box.bottom, area.right, area.bottom});
  places.Take({area.left, area.top, map.box.left, area.bottom});
  {
    Selected pen(dc, MakePen(frame, 2, kTrack));
    std::vector<ScreenPoint> line;
    const double from = std::fmax(vpis.front().PK, map.PKfrom);
    const double to = std::fmin(vpis.back().PK, map.PKto);
    const int steps =
        static_cast<int>(std::fmin(4000, (map.box.right - map.box.left) / frame.pixel));
    for (int i = 0; i <= steps && to > from; ++i) {
      const double PK = from + (to - from) * i / steps;
      double H = 0;
      if (DesignHeight(scene.profile, PK, H)) line.push_back(map.At(PK, H));
    }
    ClippedPolyline(dc, line, clip);
    for (size_t i = 0; i + 1 < line.size(); ++i)
      TakeLine(places, line[i], line[i + 1], 2 * frame.pixel, 12 * frame.pixel, clip);
  }
  // The points with a height, as crosses at their chainage, in one call.
  const double arm = 4 * frame.pixel;
  {
    std::vector<POINT> ends;
    for (const DrawingPoint& point : scene.points) {
      if (!point.onTrack || !point.hasHeight) continue;
      const ScreenPoint at = map.At(point.PK, point.H);
      if (!Inside(Grown(clip, -arm), at)) continue;
      for (const ScreenPoint& end :
           {ScreenPoint{at.x - arm, at.y - arm}, ScreenPoint{at.x + arm, at.y + arm},
            ScreenPoint{at.x - arm, at.y + arm}, ScreenPoint{at.x + arm, at.y - arm}})
        ends.push_back(Rounded(end));
      places.Take({at.x - arm, at.y - arm, at.x + arm, at.y + arm});
    }
    if (!ends.empty()) {
      Selected pen(dc, MakePen(frame, 1.2, kPointOnTrack));
      const std::vector<DWORD> counts(ends.size() / 2, 2);
      PolyPolyline(dc, ends.data(), counts.data(), static_cast<DWORD>(counts.size()));
    }
  }
  // Each VPI: a small circle, a thin line down to the axis, its PK and H above (below where that
  // is taken); the grade of each stretch by its middle.
  const ScreenPoint up{0, -1};
  const ScreenPoint down{0, 1};
  {
    Selected pen(dc, MakePen(frame, 1, kText));
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SetTextColor(dc, kText);
    const ScreenRect labels = Grown(clip, frame.fontHeight * 3);
    const double radius = 3.5 * frame.pixel;
    for (const ProfileVPI& vpi : vpis) {
      const ScreenPoint at = map.At(vpi.PK, vpi.H);
      if (!Inside(Grown(clip, 1), at)) continue;
      DashedSegment(dc, {at.x, at.y + radius}, {at.x, map.box.bottom}, clip, 2 * frame.pixel,
                    3 * frame.pixel);
      Ellipse(dc, static_cast<int>(std::lround(at.x - radius)),
              static_cast<int>(std::lround(at.y - radius)),
              static_cast<int>(std::lround(at.x + radius)) + 1,
              static_cast<int>(std::lround(at.y + radius)) + 1);
      places.Take({at.x - radius, at.y - radius, at.x + radius, at.y + radius});
      PlacedLabel(dc, places, at, {up, down, {0.7, -0.7}, {-0.7, -0.7}}, radius + frame.pixel, 6,
                  "PK " + Fixed(vpi.PK, 2, false) + "  H " + Fixed(vpi.H, 3, false), true, frame,
                  labels);
    }
    SelectObject(dc, previousBrush);
    for (size_t j = 0; j < scene.profile.grades.size() && j + 1 < vpis.size(); ++j) {
      const double PK = (vpis[j].PK + vpis[j + 1].PK) / 2;
      const ScreenPoint at = map.At(PK, (vpis[j].H + vpis[j + 1].H) / 2);
      if (!Inside(clip, at)) continue;
      PlacedLabel(dc, places, at, {down, up}, 4 * frame.pixel, 4,
                  Fixed(scene.profile.grades[j] * 1000, 2, true) + " \x89", true, frame, labels);
    }
  }
  // Their dH beside the points' crosses; among thousands, where there is room.
  SetTextColor(dc, kPointOnTrack);
  const bool mustShow = scene.points.size() <= kAlwaysNamedPoints;
  for (const DrawingPoint& point : scene.points) {
    if (!point.onTrack || !point.hasDesign) continue;
    const ScreenPoint at = map.At(point.PK, point.H);
    if (!Inside(clip, at)) continue;
    const ScreenPoint side{0.7, point.dH >= 0 ? -0.7 : 0.7};
    PlacedLabel(dc, places, at, {side, {-side.x, side.y}, {side.x, -side.y}, {-side.x, -side.y}},
                arm, 3, "dH " + Fixed(point.dH, 4, true), mustShow, frame, clip);
  }
}

}  // namespace

DrawingLayout LayOutDrawing(const ScreenRect& area, const DrawingScene& scene) {
  DrawingLayout layout;
  layout.plan = area;
  layout.hasSection = scene.profile.vpis.size() >= 2;
  if (layout.hasSection) {
    const double split = area.top + (area.bottom - area.top) * 3 / 5;
    layout.plan.bottom = split;
    layout.section = {area.left, split, area.right, area.bottom};
  }
  return layout;
}

double PlanMargin(const DrawingFrame& frame) {
  return 3.5 * frame.fontHeight + 10 * frame.pixel;
}

void RenderDrawing(HDC dc, const DrawingScene& scene, const DrawingFrame& frame) {
  const RECT whole = {static_cast<LONG>(frame.area.left), static_cast<LONG>(frame.area.top),
                      static_cast<LONG>(frame.area.right), static_cast<LONG>(frame.area.bottom)};
  FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  Selected font(dc, MakeFont(frame.fontHeight, false));
  ReadLabelFontWidths(dc);
  const DrawingLayout layout = LayOutDrawing(frame.area, scene);
  DrawPlan(dc, scene, frame, layout.plan);
  if (layout.hasSection) {
    Selected pen(dc, MakePen(frame, 1, kFrame));
    Segment(dc, {layout.section.left, layout.section.top},
            {layout.section.right, layout.section.top}, Grown(layout.section, 1));
    DrawSection(dc, scene, frame, layout.section);
  }
  labelFont.dc = nullptr;
}

DrawingFrame FittedFrame(const DrawingScene& scene, const SurveyBox& box, const ScreenRect& area,
                         double pixel, int fontHeight) {
  DrawingFrame frame;
  frame.area = area;
  frame.pixel = pixel;
  frame.fontHeight = fontHeight;
  frame.plan = FitPlanView(box, LayOutDrawing(area, scene).plan, PlanMargin(frame));
  return frame;
}
