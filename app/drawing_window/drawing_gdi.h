// The drawing's pieces on a device context: pens, fonts, clipped lines and labels that keep
// clear of each other. Shared by the plan and the long section; sizes in device units.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "drawing/label_places.h"
#include "drawing_window/drawing_frame.h"

// Colours: the track dark, construction light, surveyed points where they stand out.
const COLORREF kTrack = RGB(20, 40, 110);
const COLORREF kConstruction = RGB(165, 165, 165);
const COLORREF kTicks = RGB(80, 80, 80);
const COLORREF kText = RGB(0, 0, 0);
const COLORREF kPointOnTrack = RGB(210, 0, 0);
const COLORREF kPointOutside = RGB(190, 0, 190);
const COLORREF kFrame = RGB(120, 120, 120);

// One GDI pen or font selected for as long as the guard lives.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object)
      : dc_(dc), object_(object), previous_(SelectObject(dc, object)) {}
  ~Selected() {
    SelectObject(dc_, previous_);
    DeleteObject(object_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_;
  HGDIOBJ previous_;
};

// A pen one device unit wide is a cosmetic one: much faster to draw than a geometric pen.
HPEN MakePen(const DrawingFrame& frame, double width, COLORREF colour);

// A clear sans-serif font, `height` device units from top to bottom of its letters.
HFONT MakeFont(int height, bool bold);

POINT Rounded(ScreenPoint p);

ScreenRect Grown(const ScreenRect& rect, double by);

bool Inside(const ScreenRect& rect, ScreenPoint p);

// A line from a to b, the part inside `clip` only.
void Segment(HDC dc, ScreenPoint a, ScreenPoint b, const ScreenRect& clip);

// A dashed line from a to b: dashes of `dash` with gaps of `gap`, drawn as short segments so that
// every device (printers and metafiles too) shows the same pattern at any width.
void DashedSegment(HDC dc, ScreenPoint a, ScreenPoint b, const ScreenRect& clip, double dash,
                   double gap);

// A polyline through screen points, broken where it leaves `clip`.
void ClippedPolyline(HDC dc, const std::vector<ScreenPoint>& points, const ScreenRect& clip);

void ReadLabelFontWidths(HDC dc);

SIZE TextSize(HDC dc, const std::string& text);

void Text(HDC dc, double x, double y, const std::string& text);

// A label beside `at`, `gap` away in the screen direction (dx, dy): the text's box is pushed out
// along that direction until its nearest side clears the gap. Skipped when it would be out of
// `clip` altogether.
void Label(HDC dc, ScreenPoint at, double dx, double dy, double gap, const std::string& text,
           const ScreenRect& clip);

// A label of the plan kept clear of the labels and the track drawn before it: the places tried
// are `gap`, then `gap` plus one, two... label heights out, in each of the directions in turn.
// One that had to move off its first place gets a thin leader line back to `at`. A label that
// need not show is left out when every place is taken. Returns whether it was drawn.
bool PlacedLabel(HDC dc, LabelPlaces& places, ScreenPoint at,
                 const std::vector<ScreenPoint>& directions, double gap, int distances,
                 const std::string& text, bool mustShow, const DrawingFrame& frame,
                 const ScreenRect& clip);

// The screen direction of a survey direction (Y right, X up).
ScreenPoint OnScreen(PlanePoint direction);

ScreenPoint Along(ScreenPoint at, ScreenPoint direction, double by);

// The label font's advances and height as read by ReadLabelFontWidths (measured anew on another
// device context).
LabelFont LabelFontOf(HDC dc);

// Forgets the label font read by ReadLabelFontWidths (its device context is going away).
void ForgetLabelFontWidths();
