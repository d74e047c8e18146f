// The alignment drawing leaving the screen: on paper and on the clipboard.
#pragma once

#include <windows.h>

#include <string>

#include "drawing/drawing_scene.h"
#include "drawing/drawing_view.h"

// Ctrl+P: the Print dialog (printer, copies), then the drawing fitted on one landscape page at a
// round scale, under a header line with the document's name ("Untitled" without a file), the date
// and the plan's scale "1:n". No printer, a failing dialog or a refused job get a message.
void PrintDrawing(HWND owner, const DrawingScene& scene, const SurveyBox& box,
                  const std::string& documentPath);

// Ctrl+C: the drawing fitted to a picture of width x height screen pixels, as an enhanced metafile
// on the clipboard. False when the clipboard could not be had.
bool CopyDrawing(HWND owner, const DrawingScene& scene, const SurveyBox& box, int width,
                 int height);
