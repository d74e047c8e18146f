// Draws the versine diagram on any device context: the window's back buffer, a printer's page or
// an enhanced metafile. Sizes in the device's units.
#pragma once

#include <windows.h>

#include "drawing/drawing_view.h"
#include "versines/versine_diagram.h"

// The whole diagram fitted to `area` on white: `pixel` device units per screen pixel (line
// widths, dots), labels `fontHeight` device units high.
void RenderVersineDiagram(HDC dc, const VersineDiagram& diagram, const ScreenRect& area,
                          double pixel, int fontHeight);
