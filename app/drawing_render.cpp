// The one renderer of the alignment drawing. Everything is clipped in floating point before it
// reaches GDI, so that a plan zoomed far in never hands the device a coordinate it cannot hold.
#include "drawing_render.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Colours: the track dark, construction light, surveyed points where they stand out.
const COLORREF kTrack = RGB(20, 40, 110);
const COLORREF kConstruction = RGB(165, 165, 165);
const COLORREF kTicks = RGB(80, 80, 80);
const COLORREF kText = RGB(0, 0, 0);
const COLORREF kPointOnTrack = RGB(210, 0, 0);
const COLORREF kPointOutside = RGB(190, 0, 190);
const COLORREF kFrame = RGB(120, 120, 120);

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

HPEN MakePen(const DrawingFrame& frame, double width, COLORREF colour) {
  const int units = static_cast<int>(std::lround(width * frame.pixel));
  LOGBRUSH brush{BS_SOLID, colour, 0};
  return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                      units > 0 ? units : 1, &brush, 0, nullptr);
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

SIZE TextSize(HDC dc, const std::string& text) {
  SIZE size{};
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
// that lie wholly off the picture.
void DrawTrack(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
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
  }
}

void DrawChainageTicks(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
                       const ScreenRect& clip) {
  const Alignment& alignment = scene.alignment;
  const SIZE digit = TextSize(dc, "0");
  const double step = LabelledTickStep(alignment.PKstart, alignment.PKend, frame.plan.scale,
                                       static_cast<double>(digit.cx));
  // Far in, the ticks of the whole track would be too many: only those on the picture count.
  const size_t most = 20000;
  const std::vector<ChainageTick> ticks = ChainageTicks(alignment, step, most);
  Selected pen(dc, MakePen(frame, 1, kTicks));
  SetTextColor(dc, kTicks);
  const double length = 7 * frame.pixel;
  for (const ChainageTick& tick : ticks) {
    const ScreenPoint at = ToScreen(frame.plan, tick.at);
    if (!Inside(Grown(clip, 50 * frame.pixel), at)) continue;
    const ScreenPoint left = OnScreen(tick.left);
    Segment(dc, at, Along(at, left, length), clip);
    Label(dc, Along(at, left, length), left.x, left.y, 2 * frame.pixel, TickLabel(tick.PK, step),
          clip);
  }
}

void DrawMainPoints(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
                    const ScreenRect& clip) {
  Selected pen(dc, MakePen(frame, 1.5, kTrack));
  SetTextColor(dc, kText);
  const double length = 9 * frame.pixel;
  // Where two main points fall together (no spiral), the second label goes under the first.
  ScreenPoint previous{NAN, NAN};
  int stacked = 0;
  for (const DrawingMainPoint& main : scene.mainPoints) {
    const ScreenPoint at = ToScreen(frame.plan, main.at);
    if (!Inside(Grown(clip, 200 * frame.pixel), at)) continue;
    const ScreenPoint inward = OnScreen(main.inward);
    Segment(dc, Along(at, inward, -length), Along(at, inward, length), clip);
    const bool together = std::hypot(at.x - previous.x, at.y - previous.y) < 2 * frame.pixel;
    stacked = together ? stacked + 1 : 0;
    previous = at;
    const ScreenPoint labelAt = Along(at, inward, length + stacked * frame.fontHeight * 1.1);
    Label(dc, labelAt, inward.x, inward.y, 2 * frame.pixel, main.name, clip);
  }
}

void DrawVertices(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
                  const ScreenRect& clip) {
  Selected pen(dc, MakePen(frame, 1.2, kText));
  HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
  SetTextColor(dc, kText);
  const double radius = 4 * frame.pixel;
  const std::vector<AlignmentVertex>& vertices = scene.alignment.vertices;
  for (size_t i = 0; i < vertices.size(); ++i) {
    const ScreenPoint at = ToScreen(frame.plan, vertices[i].at);
    if (!Inside(Grown(clip, 200 * frame.pixel), at)) continue;
    if (Inside(clip, at)) {
      Ellipse(dc, static_cast<int>(std::lround(at.x - radius)),
              static_cast<int>(std::lround(at.y - radius)),
              static_cast<int>(std::lround(at.x + radius)) + 1,
              static_cast<int>(std::lround(at.y + radius)) + 1);
    }
    const ScreenPoint side = OnScreen(scene.vertexLabelSide[i]);
    Label(dc, at, side.x, side.y, radius + 3 * frame.pixel, vertices[i].name, clip);
  }
  SelectObject(dc, previousBrush);
}

// Each point as a cross with its name, and its offset as a line from its foot on the track.
void DrawPoints(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
                const ScreenRect& clip) {
  const double arm = 4 * frame.pixel;
  for (int pass = 0; pass < 2; ++pass) {
    const bool onTrack = pass == 0;
    const COLORREF colour = onTrack ? kPointOnTrack : kPointOutside;
    Selected pen(dc, MakePen(frame, 1.2, colour));
    SetTextColor(dc, colour);
    for (const DrawingPoint& point : scene.points) {
      if (point.onTrack != onTrack) continue;
      const ScreenPoint at = ToScreen(frame.plan, point.at);
      if (onTrack) Segment(dc, ToScreen(frame.plan, point.foot), at, clip);
      if (!Inside(Grown(clip, 100 * frame.pixel), at)) continue;
      Segment(dc, {at.x - arm, at.y - arm}, {at.x + arm, at.y + arm}, clip);
      Segment(dc, {at.x - arm, at.y + arm}, {at.x + arm, at.y - arm}, clip);
      if (point.name.empty()) continue;
      // The name on the side away from the track, where the offset line is not.
      ScreenPoint away{1, -1};
      if (onTrack) {
        const ScreenPoint foot = ToScreen(frame.plan, point.foot);
        if (std::hypot(at.x - foot.x, at.y - foot.y) > 1) away = {at.x - foot.x, at.y - foot.y};
      }
      Label(dc, at, away.x, away.y, arm + frame.pixel, point.name, clip);
    }
  }
}

void DrawNorthArrow(HDC dc, const DrawingFrame& frame, const ScreenRect& plan) {
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
}

// A round length about a fifth of the plan's width, in black and white quarters, labelled with
// its length (and the paper's scale when there is one).
void DrawScaleBar(HDC dc, const DrawingFrame& frame, const ScreenRect& plan) {
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
}

void DrawPlan(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
              const ScreenRect& plan) {
  const ScreenRect clip = plan;
  DrawTangentPolygon(dc, scene, frame, clip);
  DrawTrack(dc, scene, frame, clip);
  DrawChainageTicks(dc, scene, frame, clip);
  DrawMainPoints(dc, scene, frame, clip);
  DrawVertices(dc, scene, frame, clip);
  DrawPoints(dc, scene, frame, clip);
  DrawNorthArrow(dc, frame, plan);
  DrawScaleBar(dc, frame, plan);
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
  }
  // Each VPI: a small circle, a thin line down to the axis, its PK and H above; the grade of each
  // stretch under its middle.
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
      Label(dc, {at.x, at.y - radius - frame.fontHeight}, 0, -1, frame.pixel,
            "PK " + Fixed(vpi.PK, 2, false), labels);
      Label(dc, {at.x, at.y - radius}, 0, -1, frame.pixel, "H " + Fixed(vpi.H, 3, false), labels);
    }
    SelectObject(dc, previousBrush);
    for (size_t j = 0; j < scene.profile.grades.size() && j + 1 < vpis.size(); ++j) {
      const double PK = (vpis[j].PK + vpis[j + 1].PK) / 2;
      const ScreenPoint at = map.At(PK, (vpis[j].H + vpis[j + 1].H) / 2);
      if (!Inside(clip, at)) continue;
      Label(dc, at, 0, 1, 6 * frame.pixel, Fixed(scene.profile.grades[j] * 1000, 2, true) + " \x89",
            labels);
    }
  }
  // The points with a height, as crosses at their chainage with their dH.
  const double arm = 4 * frame.pixel;
  Selected pen(dc, MakePen(frame, 1.2, kPointOnTrack));
  SetTextColor(dc, kPointOnTrack);
  for (const DrawingPoint& point : scene.points) {
    if (!point.onTrack || !point.hasHeight) continue;
    const ScreenPoint at = map.At(point.PK, point.H);
    if (!Inside(clip, at)) continue;
    Segment(dc, {at.x - arm, at.y - arm}, {at.x + arm, at.y + arm}, clip);
    Segment(dc, {at.x - arm, at.y + arm}, {at.x + arm, at.y - arm}, clip);
    if (point.hasDesign) {
      Label(dc, at, point.dH >= 0 ? 1 : 1, point.dH >= 0 ? -1 : 1, arm,
            "dH " + Fixed(point.dH, 4, true), clip);
    }
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
  const DrawingLayout layout = LayOutDrawing(frame.area, scene);
  DrawPlan(dc, scene, frame, layout.plan);
  if (layout.hasSection) {
    Selected pen(dc, MakePen(frame, 1, kFrame));
    Segment(dc, {layout.section.left, layout.section.top},
            {layout.section.right, layout.section.top}, Grown(layout.section, 1));
    DrawSection(dc, scene, frame, layout.section);
  }
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
