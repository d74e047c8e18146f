// The pictures of the drawing windows leaving the screen: on paper and on the clipboard.
#pragma once

#include <windows.h>

#include <functional>
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

// Any picture as printing and copying draw it: fitted to `area` of a device, `pixel` device units
// per screen pixel, labels `fontHeight` device units high; dpiX is the device's dots per inch
// across. Returns the text at the right of the printed page's header ("Plan 1:500"), or "".
using PictureRenderer = std::function<std::string(HDC dc, const ScreenRect& area, double pixel,
                                                  int fontHeight, int dpiX)>;

// The Print dialog, then the picture on one landscape page per copy under the header line (the
// document's name, the date, the renderer's text). No printer, a failing dialog or a refused job
// get a message.
void PrintPicture(HWND owner, const PictureRenderer& render, const std::string& documentPath);

// The picture drawn to width x height screen pixels as an enhanced metafile on the clipboard,
// described as `title`. False when the clipboard could not be had.
bool CopyPicture(HWND owner, const PictureRenderer& render, int width, int height,
                 const std::string& title);
