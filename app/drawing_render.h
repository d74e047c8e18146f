// Draws an alignment's scene on any device context: the window's back buffer, a printer's page
// or an enhanced metafile. All sizes are given in the device's units.
#pragma once

#include <windows.h>

#include <string>

#include "drawing_scene.h"
#include "drawing_view.h"

// What one picture of the scene needs besides the scene.
struct DrawingFrame {
  ScreenRect area;        // the whole picture
  PlanView plan;          // survey coordinates onto the device
  double pixel = 1;       // device units per screen pixel: line widths and tick lengths
  int fontHeight = 13;    // label height in device units
  std::string scaleText;  // "1:n" under the scale bar on paper, empty on screen
};

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
