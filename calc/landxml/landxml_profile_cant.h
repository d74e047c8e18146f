// LandXML: an alignment's <Profile> and <Cant> taken over as Trace Alignment's profile and cant
// lines.
#pragma once

#include <string>

#include "alignment/track_heights.h"
#include "landxml/xml_tree.h"

// The alignment's <ProfAlign> as profile lines "station elevation [Rv]" (Rv on the inner
// points), or the refusal its vertical curves give ("" and no lines without a profile).
std::string ProfileLines(const XmlNode& alignment, std::string& lines);

// The alignment's <Cant> as cant lines, one per <CantStation> in file order: "station C" with C
// its appliedCant (in millimetres as written), negative for a curve to the left
// (curvature="ccw"), after the pivot line its rotationPoint gives (RotationPoints); or the
// refusal of a station that does not ramp straight or does not read, or of lines that CALC would
// not read (a pivot line among them). Speeds and the other attributes are not used.
std::string CantLines(const XmlNode& alignment, std::string& lines);

// A <Cant>'s rotationPoint and the pivot it stands for: insideRail is taken as the lower rail.
struct RotationPoint {
  const char* name;
  PivotAt at;
};
extern const RotationPoint kRotationPoints[5];
