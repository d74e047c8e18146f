// One picture of the alignment drawing on a device: where it goes and at what sizes. Shared by
// the renderer and the pieces it draws with.
#pragma once

#include <string>

#include "drawing/drawing_view.h"

// What one picture of the scene needs besides the scene.
struct DrawingFrame {
  ScreenRect area;        // the whole picture
  PlanView plan;          // survey coordinates onto the device
  double pixel = 1;       // device units per screen pixel: line widths and tick lengths
  int fontHeight = 13;    // label height in device units
  std::string scaleText;  // "1:n" under the scale bar on paper, empty on screen
  // Paper: the long section keeps every VPI's label, crowded or not.
  bool everyLabel = false;
};
