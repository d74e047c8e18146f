// Draws an alignment's scene on any device context: the window's back buffer, a printer's page
// or an enhanced metafile. All sizes are given in the device's units.
#pragma once

#include <windows.h>

#include <string>

#include "drawing/drawing_scene.h"
#include "drawing/drawing_view.h"
#include "drawing_window/drawing_frame.h"

// Where the plan and the long section go: the plan alone fills the area; with a profile it keeps
// the upper three fifths.
struct DrawingLayout {
  ScreenRect plan;
  bool hasSection = false;
  ScreenRect section;
};
DrawingLayout LayOutDrawing(const ScreenRect& area, const DrawingScene& scene);

// The plan's margin in device units: room for labels beyond the outermost vertex or point.
double PlanMargin(const DrawingFrame& frame);

// Draws the whole picture on white.
void RenderDrawing(HDC dc, const DrawingScene& scene, const DrawingFrame& frame);

// The frame that shows the whole scene in `area`, as Home and the clipboard give it.
DrawingFrame FittedFrame(const DrawingScene& scene, const SurveyBox& box, const ScreenRect& area,
                         double pixel, int fontHeight);
