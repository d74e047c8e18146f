// The two parts of the alignment drawing, each drawn into its own part of the picture.
#pragma once

#include <windows.h>

#include "drawing/drawing_scene.h"
#include "drawing_window/drawing_frame.h"

// The plan in `plan`, with the label font selected.
void DrawPlan(HDC dc, const DrawingScene& scene, const DrawingFrame& frame, const ScreenRect& plan);

// The long section in `area`, with the label font selected; the scene has two VPIs or more.
void DrawSection(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
                 const ScreenRect& area);
