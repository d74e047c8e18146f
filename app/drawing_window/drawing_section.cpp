// The long section of the alignment drawing: chainage across, height up, the design line with
// its vertical curves, the VPIs with their PK and H, the grades, and the points with their dH.
// Where everything goes is worked out by LayOutSection; this paints it.
#include <cmath>
#include <vector>

#include "drawing/section_layout.h"
#include "drawing_window/drawing_gdi.h"
#include "drawing_window/drawing_parts.h"

namespace {

COLORREF ColourOf(SectionTextKind kind) {
  switch (kind) {
    case SectionTextKind::Axis: return kTicks;
    case SectionTextKind::Point: return kPointOnTrack;
    default: return kText;
  }
}

void DrawFrameAndTicks(HDC dc, const SectionLayout& layout, const DrawingFrame& frame) {
  const ScreenRect& box = layout.map.box;
  Selected pen(dc, MakePen(frame, 1, kFrame));
  HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, static_cast<int>(box.left), static_cast<int>(box.top),
            static_cast<int>(box.right) + 1, static_cast<int>(box.bottom) + 1);
  SelectObject(dc, previousBrush);
  const ScreenRect anywhere = Grown(box, 1e4);
  for (const SectionLine& tick : layout.ticks) Segment(dc, tick.from, tick.to, anywhere);
}

void DrawVPIMarks(HDC dc, const SectionLayout& layout, const DrawingFrame& frame) {
  const ScreenRect& clip = layout.map.box;
  const double radius = layout.markRadius;
  Selected pen(dc, MakePen(frame, 1, kText));
  HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
  for (const SectionVPI& vpi : layout.vpis) {
    const ScreenPoint at = vpi.at;
    DashedSegment(dc, {at.x, at.y + radius}, {at.x, clip.bottom}, clip, 2 * frame.pixel,
                  3 * frame.pixel);
    Ellipse(dc, static_cast<int>(std::lround(at.x - radius)),
            static_cast<int>(std::lround(at.y - radius)),
            static_cast<int>(std::lround(at.x + radius)) + 1,
            static_cast<int>(std::lround(at.y + radius)) + 1);
  }
  SelectObject(dc, previousBrush);
}

void DrawCrosses(HDC dc, const SectionLayout& layout, const DrawingFrame& frame) {
  if (layout.crosses.empty()) return;
  const double arm = layout.crossArm;
  // Thousands of points: in one call.
  std::vector<POINT> ends;
  for (const ScreenPoint& at : layout.crosses) {
    for (const ScreenPoint& end :
         {ScreenPoint{at.x - arm, at.y - arm}, ScreenPoint{at.x + arm, at.y + arm},
          ScreenPoint{at.x - arm, at.y + arm}, ScreenPoint{at.x + arm, at.y - arm}})
      ends.push_back(Rounded(end));
  }
  Selected pen(dc, MakePen(frame, 1.2, kPointOnTrack));
  const std::vector<DWORD> counts(ends.size() / 2, 2);
  PolyPolyline(dc, ends.data(), counts.data(), static_cast<DWORD>(counts.size()));
}

}  // namespace

void DrawSection(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
                 const ScreenRect& area) {
  SectionStyle style;
  style.pixel = frame.pixel;
  style.fontHeight = frame.fontHeight;
  style.everyLabel = frame.everyLabel;
  const SectionLayout layout = LayOutSection(scene, area, LabelFontOf(dc), style);
  if (!layout.drawn) return;
  const ScreenRect& clip = layout.map.box;
  DrawFrameAndTicks(dc, layout, frame);
  // The grade lines light and dashed, the design line with its vertical curves over them.
  {
    Selected pen(dc, MakePen(frame, 1, kConstruction));
    for (const SectionLine& grade : layout.grades)
      DashedSegment(dc, grade.from, grade.to, clip, 8 * frame.pixel, 5 * frame.pixel);
  }
  {
    Selected pen(dc, MakePen(frame, 2, kTrack));
    ClippedPolyline(dc, layout.line, clip);
  }
  {
    Selected pen(dc, MakePen(frame, 0.6, kConstruction));
    const ScreenRect anywhere = Grown(area, 1e4);
    for (const SectionLine& leader : layout.leaders) Segment(dc, leader.from, leader.to, anywhere);
  }
  DrawCrosses(dc, layout, frame);
  DrawVPIMarks(dc, layout, frame);
  for (const SectionText& text : layout.texts) {
    SetTextColor(dc, ColourOf(text.kind));
    Text(dc, text.box.left, text.box.top, text.text);
  }
}
