// The track's cant: how much higher one rail lies than the other along the chainage, given at
// chainages and running between them linearly or by a transition law named on the line where the
// ramp starts.
//
// Glossary:
//   C         the applied cant in millimetres, positive where the left rail (looking towards
//             growing chainage) lies higher: the cant of a curve to the right
//   dCant     a measured cant minus the design cant
//   twist     the change of measured cant per metre of chainage, in mm/m
#pragma once

#include <string>
#include <vector>

#include "alignment/track_heights.h"
struct TransitionLaw;

struct CantPoint {
  std::string PKtext;  // the PK field as typed on its line, for the report
  double PK;
  double C;
  const TransitionLaw* ramp;  // the shape of the ramp to the next line; null: a straight ramp
};

struct Cant {
  std::vector<CantPoint> points;  // in line order, PK growing
  CantPivot pivot;                // the pivot line's, when the field has one
};

// The cant lines of the dialog's field, "PK C [shape]" by the point-list rules: shape one of the
// transition laws' cant words (bloss, cosine, sine, helmert; any case), other third fields and any
// further fields ignored; and on any line at most one pivot line (track_heights.h), which is no
// cant line: the echo of every non-blank line as typed, the problem lines (the first kind found
// only, every line of that kind: lines not read, among them a pivot line that does not read and
// every pivot line after the first; too few cant lines; a PK that does not grow; with a pivot
// line, a cant not below the rail-head distance) and, without problems, the cant. A blank text
// gives no echo, no problems and no points.
struct CantReading {
  std::vector<std::string> echo;
  std::vector<std::string> problems;
  Cant cant;
};
CantReading ReadCant(const std::string& text);

// The design cant at chainage PK, C(j) + (C(j+1) - C(j)) f(t) between neighbouring lines, t the
// fraction of the way from line j to line j+1 and f the law of line j's shape (t without one);
// false when PK lies outside the first and the last line by 1e-6 or more, is not a number, or there
// are no lines.
bool DesignCant(const Cant& cant, double PK, double& C);

// The warning of a chainage outside the cant: "!Chainage outside of cant!".
extern const char* const kChainageOutsideCant;
