// The versine diagram as plain data: what "Diagram" shows, prints and copies. Above, the measured
// versines (dots joined by a thin line) and the design's (a bold line) against a scale in mm;
// below, the slews as bars from a zero line, outward up, with their values at the largest; the
// station names along the bottom, thinned so that they never overlap. Portable: device units,
// y growing downwards.
#pragma once

#include <string>
#include <vector>

#include "drawing/drawing_view.h"
#include "versines/versines.h"

struct VersineDiagram {
  std::vector<std::string> names;
  std::vector<double> measured;  // mm, as printed
  std::vector<double> design;    // mm, as printed
  std::vector<double> outward;   // the slews in mm, outwards (away from the curve's centre) > 0
  double sign = 1;               // the versines' sign: a slew as printed is sign * outward
};

// The diagram of a result without problems.
VersineDiagram BuildVersineDiagram(const VersineResult& result);

// A panel's values: from low (its bottom) to high (its top), rounded out to whole ticks of step.
struct DiagramAxis {
  double low = 0;
  double high = 1;
  double step = 1;
};

// The axis of the values from `low` to `high` (0 always included) drawn over `height` device
// units, ticks at least `spacing` apart.
DiagramAxis ValueAxis(double low, double high, double height, double spacing);

// Where a value lands in a panel: its bottom at axis.low, its top at axis.high.
double ValueY(const ScreenRect& panel, const DiagramAxis& axis, double value);

// The stations' spacing across a panel, and where station i of n lands: each in the middle of
// its n-th of the width, so that the bars of the first and the last stay inside.
double StationApart(const ScreenRect& panel, size_t n);
double StationX(const ScreenRect& panel, size_t i, size_t n);

// Every how many stations a name is written (1, 2, 5, 10, 20, 50...) so that names of up to
// `widest` device units, `apart` units from station to station, keep one `gap` between them.
size_t NameEvery(double apart, double widest, double gap);

// The stations whose slew gets its value: the largest in size first, then every other at least
// half as large whose label (`width` wide) keeps clear of those already chosen; at most twelve.
std::vector<size_t> LabelledSlews(const std::vector<double>& outward, double apart, double width);

// The picture's parts: the versines' panel above the slews' (three to two), the names' band
// below; the panels leave `scaleWidth` on the left for the scale's labels.
struct VersineDiagramLayout {
  ScreenRect versines;
  ScreenRect slews;
  double namesTop = 0;
};
VersineDiagramLayout LayOutVersineDiagram(const ScreenRect& area, double fontHeight,
                                          double scaleWidth);
