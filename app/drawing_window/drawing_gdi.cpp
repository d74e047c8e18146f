// The drawing's pieces on a device context. Everything is clipped in floating point before it
// reaches GDI, so that a plan zoomed far in never hands the device a coordinate it cannot hold.
#include "drawing_window/drawing_gdi.h"

#include <cmath>

namespace {

// The advances of the label font's characters and its height, read once per picture: asking the
// device for the size of each of thousands of labels costs more than drawing them.
struct LabelFontWidths {
  HDC dc = nullptr;
  int advance[256] = {};
  int height = 0;
};
LabelFontWidths labelFont;

}  // namespace

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
  const std::vector<ScreenRect> candidates =
      PlacesAround(at, directions, gap, distances, size.cx, size.cy, spacing, clip);
  const int chosen = places.Choose(candidates, mustShow);
  if (chosen < 0) return false;
  const ScreenRect box = Grown(candidates[chosen], -spacing);
  if (box.left > clip.right || box.top > clip.bottom || box.right < clip.left ||
      box.bottom < clip.top)
    return false;
  places.Take(candidates[chosen]);
  ScreenPoint end;
  if (NeedsLeader(at, box, gap, size.cy, end)) {
    // The leader runs to the nearest point of the box.
    Selected pen(dc, MakePen(frame, 0.6, kConstruction));
    Segment(dc, at, end, clip);
  }
  Text(dc, box.left, box.top, text);
  return true;
}

// The screen direction of a survey direction (Y right, X up).
ScreenPoint OnScreen(PlanePoint direction) {
  return {direction.Y, -direction.X};
}

ScreenPoint Along(ScreenPoint at, ScreenPoint direction, double by) {
  return {at.x + direction.x * by, at.y + direction.y * by};
}

LabelFont LabelFontOf(HDC dc) {
  LabelFont font;
  if (dc == labelFont.dc) {
    for (int c = 0; c < 256; ++c) font.advance[c] = labelFont.advance[c];
    font.height = labelFont.height;
    return font;
  }
  for (int c = 0; c < 256; ++c) {
    const std::string one(1, static_cast<char>(c));
    font.advance[c] = TextSize(dc, one).cx;
  }
  font.height = TextSize(dc, "0").cy;
  return font;
}

void ForgetLabelFontWidths() {
  labelFont.dc = nullptr;
}
