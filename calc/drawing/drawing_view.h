// The drawing of an alignment, its geometry on a flat surface: where survey coordinates land in a
// window or on a page (one scale on both axes, +X up and +Y to the right), fitting, zooming about
// a point and panning; and the round steps and lengths its ticks, labels and scale bar use.
// Portable: screen units are pixels of whatever device draws, y growing downwards.
#pragma once

#include <string>

#include "alignment/alignment.h"

struct ScreenPoint {
  double x;
  double y;
};

struct ScreenRect {
  double left, top, right, bottom;
};

// The survey points a drawing must show; empty until a finite point is added.
struct SurveyBox {
  bool empty = true;
  double minY = 0, minX = 0, maxY = 0, maxX = 0;
};
void AddToBox(SurveyBox& box, PlanePoint point);  // non-finite points are left out

// The survey point (Y0, X0) lands on the device's origin; `scale` is device units per unit of
// length on both axes.
struct PlanView {
  double scale = 1;
  double Y0 = 0;
  double X0 = 0;
};

ScreenPoint ToScreen(const PlanView& view, PlanePoint point);
PlanePoint ToSurvey(const PlanView& view, ScreenPoint point);

// The largest scale at which the box fits inside `area` less `margin` on every side, centred
// there. A box of one point (or an area smaller than its margins) gets scale 1 about its centre.
PlanView FitPlanView(const SurveyBox& box, const ScreenRect& area, double margin);

// The view magnified by `factor` about the screen point `at`, which keeps showing the same survey
// point; the scale stays within [minScale, maxScale]. A factor that is not positive and finite
// changes nothing.
PlanView ZoomPlanView(const PlanView& view, ScreenPoint at, double factor, double minScale,
                      double maxScale);

// The view moved so that the drawing follows the mouse by (dx, dy) device units.
PlanView PanPlanView(const PlanView& view, double dx, double dy);

// The smallest round step (1, 2 or 5 times a power of ten) not below `least`; 1 for a `least`
// that is not positive and finite.
double RoundStepAtLeast(double least);

// The largest round length (1, 2 or 5 times a power of ten) not above `most`; 0 for a `most`
// that is not positive and finite.
double RoundLengthAtMost(double most);

// A scale denominator for paper: the smallest of 1, 2, 2.5 and 5 times a power of ten not below n.
double RoundScaleDenominator(double n);

// The label of a tick at `value` (a multiple of `step`): a plain number with as many decimals as
// the step needs ("1200", "1200.5", "-0.25"); never "-0".
std::string TickLabel(double value, double step);

// A figure of the drawing with `decimals` decimals, with its sign when `sign` ("+3.89"); one that
// rounds to zero is "0.00", neither "-0.00" nor "+0.00".
std::string DrawingFigure(double value, int decimals, bool sign);

// The tick step for labels of values between `from` and `to` drawn `unitsApart` device units per
// unit of value: the smallest round step at which neighbouring labels stand at least their own
// width plus one character apart, a label being TickLabel's characters times `charWidth`.
double LabelledTickStep(double from, double to, double unitsApart, double charWidth);

// Cuts the segment a-b to the rectangle; false when nothing of it lies inside.
bool ClipSegment(ScreenPoint& a, ScreenPoint& b, const ScreenRect& rect);
