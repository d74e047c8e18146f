// The one renderer of the alignment drawing: the picture's layout and its two parts on white.
#include "drawing_window/drawing_render.h"

#include "drawing_window/drawing_gdi.h"
#include "drawing_window/drawing_parts.h"

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
  ForgetLabelFontWidths();
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
