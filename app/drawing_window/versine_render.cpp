// The versine diagram's renderer: two panels over the stations, each with its scale, and the
// station names under them.
#include "drawing_window/versine_render.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawing_window/drawing_gdi.h"
#include "geometry.h"
#include "versines/versine_report.h"

namespace {

const COLORREF kMeasured = RGB(200, 30, 30);
const COLORREF kDesign = kTrack;
const COLORREF kGrid = RGB(225, 225, 225);
const COLORREF kOutwardBar = RGB(30, 120, 190);
const COLORREF kInwardBar = RGB(220, 130, 30);

// A panel's frame, its grid lines at every tick with the values at its left, the zero line darker,
// and its title above it.
void DrawScale(HDC dc, const ScreenRect& panel, const DiagramAxis& axis, const DrawingFrame& frame,
               const std::string& title) {
  const double gap = frame.fontHeight / 2.0;
  const int ticks = static_cast<int>(std::lround((axis.high - axis.low) / axis.step));
  for (int k = 0; k <= ticks && k <= 1000; ++k) {
    const double value = axis.low + k * axis.step;
    const double y = ValueY(panel, axis, value);
    Selected pen(dc, MakePen(frame, 1, std::fabs(value) < axis.step / 2 ? kTicks : kGrid));
    Segment(dc, {panel.left, y}, {panel.right, y}, Grown(panel, 1));
    const std::string label = TickLabel(value, axis.step);
    const SIZE size = TextSize(dc, label);
    Text(dc, panel.left - gap - size.cx, y - size.cy / 2.0, label);
  }
  Selected pen(dc, MakePen(frame, 1, kFrame));
  const std::vector<ScreenPoint> box = {{panel.left, panel.top},
                                        {panel.right, panel.top},
                                        {panel.right, panel.bottom},
                                        {panel.left, panel.bottom},
                                        {panel.left, panel.top}};
  ClippedPolyline(dc, box, Grown(panel, 2));
  Text(dc, panel.left, panel.top - 1.5 * frame.fontHeight, title);
}

// A short sample of a line in the legend, then its text; returns where the next one starts.
double LegendItem(HDC dc, double x, double y, const DrawingFrame& frame, bool dots, bool bold,
                  COLORREF colour, const std::string& text) {
  const double length = 2.5 * frame.fontHeight;
  {
    Selected pen(dc, MakePen(frame, bold ? 3 : 1, colour));
    Segment(dc, {x, y}, {x + length, y}, {x - 10, y - 10, x + length + 10, y + 10});
  }
  if (dots) {
    Selected pen(dc, MakePen(frame, 1, colour));
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ previous = SelectObject(dc, brush);
    const double r = 2.5 * frame.pixel;
    for (double at : {x, x + length})
      Ellipse(dc, static_cast<int>(std::lround(at - r)), static_cast<int>(std::lround(y - r)),
              static_cast<int>(std::lround(at + r)), static_cast<int>(std::lround(y + r)));
    SelectObject(dc, previous);
    DeleteObject(brush);
  }
  const SIZE size = TextSize(dc, text);
  Text(dc, x + length + frame.fontHeight / 2.0, y - size.cy / 2.0, text);
  return x + length + frame.fontHeight + size.cx + 2 * frame.fontHeight;
}

void DrawVersines(HDC dc, const VersineDiagram& diagram, const ScreenRect& panel,
                  const DrawingFrame& frame) {
  double low = 0, high = 0;
  for (const std::vector<double>* values : {&diagram.measured, &diagram.design})
    for (double v : *values) low = std::min(low, v), high = std::max(high, v);
  const DiagramAxis axis = ValueAxis(low, high, panel.bottom - panel.top, 2.5 * frame.fontHeight);
  const SIZE title = TextSize(dc, "Versines, mm");
  DrawScale(dc, panel, axis, frame, "Versines, mm");
  const double legendY = panel.top - frame.fontHeight;
  double x = panel.left + title.cx + 3 * frame.fontHeight;
  x = LegendItem(dc, x, legendY, frame, true, false, kMeasured, "measured");
  LegendItem(dc, x, legendY, frame, false, true, kDesign, "design");

  const size_t n = diagram.measured.size();
  std::vector<ScreenPoint> measured, design;
  for (size_t i = 0; i < n; ++i) {
    const double sx = StationX(panel, i, n);
    measured.push_back({sx, ValueY(panel, axis, diagram.measured[i])});
    design.push_back({sx, ValueY(panel, axis, diagram.design[i])});
  }
  const ScreenRect clip = Grown(panel, 1);
  {
    Selected pen(dc, MakePen(frame, 1, kMeasured));
    ClippedPolyline(dc, measured, clip);
    HBRUSH brush = CreateSolidBrush(kMeasured);
    HGDIOBJ previous = SelectObject(dc, brush);
    const double r = 2.5 * frame.pixel;
    for (const ScreenPoint& p : measured) {
      if (!Inside(clip, p)) continue;
      Ellipse(dc, static_cast<int>(std::lround(p.x - r)), static_cast<int>(std::lround(p.y - r)),
              static_cast<int>(std::lround(p.x + r)), static_cast<int>(std::lround(p.y + r)));
    }
    SelectObject(dc, previous);
    DeleteObject(brush);
  }
  Selected pen(dc, MakePen(frame, 3, kDesign));
  ClippedPolyline(dc, design, clip);
}

void DrawSlews(HDC dc, const VersineDiagram& diagram, const ScreenRect& panel,
               const DrawingFrame& frame) {
  double low = 0, high = 0;
  for (double v : diagram.outward) low = std::min(low, v), high = std::max(high, v);
  const DiagramAxis axis = ValueAxis(low, high, panel.bottom - panel.top, 2.5 * frame.fontHeight);
  DrawScale(dc, panel, axis, frame, "Slews, mm: outward up, inward down");
  const size_t n = diagram.outward.size();
  const double apart = StationApart(panel, n);
  const double half = std::max(0.5 * frame.pixel, std::min(0.3 * apart, 8 * frame.pixel));
  const double zero = ValueY(panel, axis, 0);
  for (size_t i = 0; i < n; ++i) {
    const double x = StationX(panel, i, n);
    const double y = ValueY(panel, axis, diagram.outward[i]);
    if (!std::isfinite(y)) continue;
    RECT bar = {static_cast<LONG>(std::lround(x - half)),
                static_cast<LONG>(std::lround(std::min(y, zero))),
                static_cast<LONG>(std::lround(x + half)),
                static_cast<LONG>(std::lround(std::max(y, zero)))};
    bar.right = std::max(bar.right, bar.left + 1);  // a bar at least a pixel wide
    HBRUSH brush = CreateSolidBrush(diagram.outward[i] >= 0 ? kOutwardBar : kInwardBar);
    FillRect(dc, &bar, brush);
    DeleteObject(brush);
  }
  const double labelWidth = TextSize(dc, "-000.0").cx + frame.fontHeight / 2.0;
  for (size_t i : LabelledSlews(diagram.outward, apart, labelWidth)) {
    const std::string value = UnsignedFixedText(diagram.sign * diagram.outward[i], 1);
    const SIZE size = TextSize(dc, value);
    const double x = StationX(panel, i, n) - size.cx / 2.0;
    const double y = ValueY(panel, axis, diagram.outward[i]);
    Text(dc, x, diagram.outward[i] >= 0 ? y - size.cy - 2 * frame.pixel : y + 2 * frame.pixel,
         value);
  }
}

// The names of every so many stations under the slews, with a light line up through both panels.
void DrawNames(HDC dc, const VersineDiagram& diagram, const VersineDiagramLayout& layout,
               const DrawingFrame& frame) {
  const size_t n = diagram.names.size();
  const ScreenRect& slews = layout.slews;
  const double apart = StationApart(slews, n);
  double widest = 0;
  for (const std::string& name : diagram.names)
    widest = std::max(widest, static_cast<double>(TextSize(dc, name).cx));
  const size_t every = NameEvery(apart, widest, frame.fontHeight);
  Selected pen(dc, MakePen(frame, 1, kGrid));
  for (size_t i = 0; i < n; i += every) {
    const double x = StationX(slews, i, n);
    Segment(dc, {x, layout.versines.top}, {x, layout.versines.bottom}, layout.versines);
    Segment(dc, {x, slews.bottom}, {x, slews.bottom + frame.fontHeight / 3.0},
            Grown(slews, frame.fontHeight));
    const SIZE size = TextSize(dc, diagram.names[i]);
    Text(dc, x - size.cx / 2.0, layout.namesTop, diagram.names[i]);
  }
}

}  // namespace

void RenderVersineDiagram(HDC dc, const VersineDiagram& diagram, const ScreenRect& area,
                          double pixel, int fontHeight) {
  const RECT whole = {static_cast<LONG>(area.left), static_cast<LONG>(area.top),
                      static_cast<LONG>(area.right), static_cast<LONG>(area.bottom)};
  FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SetTextColor(dc, kText);
  DrawingFrame frame;
  frame.area = area;
  frame.pixel = pixel;
  frame.fontHeight = fontHeight;
  Selected font(dc, MakeFont(fontHeight, false));
  ReadLabelFontWidths(dc);
  const double scaleWidth = TextSize(dc, "-00000").cx + fontHeight / 2.0;
  const VersineDiagramLayout layout = LayOutVersineDiagram(area, fontHeight, scaleWidth);
  DrawNames(dc, diagram, layout, frame);
  DrawVersines(dc, diagram, layout.versines, frame);
  DrawSlews(dc, diagram, layout.slews, frame);
  ForgetLabelFontWidths();
}
