// LandXML: an alignment's <Profile> and <Cant> taken over as Trace Alignment's profile and cant
// lines.
#pragma once

#include <string>

#include "alignment/track_heights.h"
#include "landxml/xml_tree.h"

// The alignment's <ProfAlign> as profile lines "station elevation [Rv]" (Rv on the inner
// points: a <CircCurve>'s the parabola's with the circle's tangent points, a <ParaCurve>'s its
// length over the change of grade), or the reason it does not read ("" and no lines without a
// profile; the lines are then of no use).
std::string ProfileLines(const XmlNode& alignment, std::string& lines);

// The alignment's <Cant> as cant lines, one per <CantStation> in file order: "station C" with C
// its appliedCant (in millimetres; values all below 1 are metres and are multiplied by 1000),
// negative for a curve to the left (curvature="ccw"), after the pivot line its rotationPoint
// gives (kRotationPoints); or the reason why not: a station that does not ramp straight or does
// not read, or lines that CALC would not read (a pivot line among them: the lines are then of no
// use). Speeds and the other attributes are not used.
std::string CantLines(const XmlNode& alignment, std::string& lines);

// A <Cant>'s rotationPoint and the pivot it stands for: insideRail is taken as the lower rail.
struct RotationPoint {
  const char* name;
  PivotAt at;
};
extern const RotationPoint kRotationPoints[5];
