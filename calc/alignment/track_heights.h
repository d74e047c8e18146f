// The track across: the pivot of the cant (the line across the track that keeps the profile's
// height) and the gauge, read from the Cant field's pivot line, and the heights they give to
// each rail and to the plane of the rail heads.
//
// Glossary:
//   H         the profile's height at a chainage: the top of rail at the pivot
//   C, D      the cant in millimetres (positive where the left rail lies higher) and in metres
//   b         the distance of the rail heads' centres: the gauge and 0.065 (1.500 at 1.435)
//   zc        the height of the track's centre
//   psi       the angle of the rail heads' plane across the track: sin(psi) = D / b
//   d         an offset, positive to the right, measured horizontally from the track's centre
#pragma once

#include "point_lists/point_lines.h"

enum class PivotAt { Inner, Centre, Outer, Left, Right };

struct CantPivot {
  bool given = false;  // no pivot line: heights come from the profile alone
  PivotAt at = PivotAt::Centre;
  double gauge = 1.435;
};

// The gauge taken when the pivot line gives none, and the range a gauge in metres lies in.
constexpr double kStandardGauge = 1.435;
constexpr double kLeastGauge = 0.3;
constexpr double kLargestGauge = 3.0;

// True for the fields of a pivot line: the first field is "pivot" in any case.
bool IsPivotLine(const LineFields& split);

// A pivot line "pivot <where> [gauge]": false for one field or more than three, an unknown
// word, or a gauge that is no number written in full or not from 0.3 to 3 metres.
bool ReadPivotLine(const LineFields& split, CantPivot& pivot);

// The word a pivot line is written with: inner, centre, outer, left, right.
const char* PivotWord(PivotAt at);

// b: the distance of the rail heads' centres.
double RailHeadDistance(const CantPivot& pivot);

struct RailHeights {
  double centre, left, right;
};

// The heights of the track's centre and of each rail at profile height H and cant C: the
// pivot's rail (or the centre) stays at H.
RailHeights RailHeightsAt(const CantPivot& pivot, double H, double C);

// z(d), the height of the rail heads' plane at offset d; false more than b (and 1e-6) from the
// centre, where there is no track surface.
bool TrackSurfaceHeight(const CantPivot& pivot, double H, double C, double d, double& z);
