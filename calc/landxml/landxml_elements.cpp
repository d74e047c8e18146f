// LandXML: a plan that does not read as vertices taken over as element lines. Each element is
// written with its own start, its direction found from its coordinates (never from the file's
// direction attributes, which design programs write in different units and senses): the one
// that makes the element, built with its own length and radii, end on the chord to its <End>.
#include <algorithm>
#include <cmath>
#include <vector>

#include "alignment/alignment_texts.h"
#include "alignment/transition_laws.h"
#include "geometry.h"
#include "landxml/landxml_elements.h"
#include "landxml/landxml_numbers.h"
#include "number_text.h"
#include "shortest_text.h"

namespace {

// Elements shorter than this are left out.
const double kShortest = 1e-6;
// How far an element built from its start may end from its <End> (how far from the end of the one
// before, and at what angle to it, the next may start is the element lines' own rule).
const double kEndGap = 1e-3;
// How far the spirals of one plan may turn in all (radians), some thousands of full turns: each
// is built piece by piece, and a file of absurd spirals must not keep the import busy for long.
const double kMostSpiralTurning = 1e5;

// One element of the file as an element line's values; R1 and R2 signed, positive turning
// right (clockwise).
struct FileElement {
  bool readable = false;
  ChainKind kind = ChainKind::Straight;
  const TransitionLaw* law = nullptr;  // a transition's
  double L = 0, R1 = 0, R2 = 0;
  PlanePoint start = {0, 0}, end = {0, 0};
};

double LengthOf(PlanePoint a, PlanePoint b) {
  return Distance(b.Y - a.Y, b.X - a.X);
}

// +1 for "cw", -1 for "ccw", 0 without a rot that reads.
double RotSign(const XmlNode& node) {
  const std::string* rot = node.Attribute("rot");
  if (!rot) return 0;
  const std::string value = Trim(*rot);
  if (value == "cw") return 1;
  if (value == "ccw") return -1;
  return 0;
}

// The length attribute, or the length the coordinates give when it is absent; false when it
// is there and not a number.
bool ReadLength(const XmlNode& node, double fromCoordinates, double& length) {
  const std::string* text = node.Attribute("length");
  if (!text) {
    length = fromCoordinates;
    return true;
  }
  return ReadXmlNumber(*text, length);
}

// A spiral's radius without its sign: "INF", 0 or no attribute give 0 (a straight's).
bool ReadSpiralRadius(const std::string* text, double& radius) {
  radius = 0;
  if (!text) return true;
  const std::string value = Trim(*text);
  if (value == "INF" || value == "inf" || value == "Inf") return true;
  if (!ReadXmlNumber(value, radius)) return false;
  radius = Absolute(radius);
  return std::isfinite(radius);
}

bool ReadCurve(const XmlNode& node, FileElement& e) {
  PlanePoint centre = {0, 0};
  const bool hasCentre = ReadXmlPoint(node.Child("Center"), centre);
  double R = 0;
  const std::string* radius = node.Attribute("radius");
  if (radius && ReadXmlNumber(*radius, R) && R != 0) {
    R = Absolute(R);
  } else if (hasCentre) {
    R = LengthOf(e.start, centre);
  }
  if (!(R > 0 && std::isfinite(R))) return false;
  double sign = RotSign(node);
  if (sign == 0 && hasCentre) {
    // Without rot, to the side of the chord where the centre lies.
    const double across = CrossProduct(e.end.Y - e.start.Y, e.end.X - e.start.X,
                                       centre.Y - e.start.Y, centre.X - e.start.X);
    sign = across < 0 ? 1 : across > 0 ? -1 : 0;
  }
  if (sign == 0) return false;
  const double half = LengthOf(e.start, e.end) / (2 * R);
  if (!ReadLength(node, 2 * R * std::asin(half > 1 ? 1 : half), e.L)) return false;
  e.kind = ChainKind::Curve;
  e.R1 = e.R2 = sign * R;
  return true;
}

bool ReadSpiral(const XmlNode& node, FileElement& e) {
  const std::string* type = node.Attribute("spiType");
  const std::string* length = node.Attribute("length");
  const double sign = RotSign(node);
  double r1 = 0, r2 = 0;
  e.law = type ? LawOfLandXml(Trim(*type)) : &ClothoidLaw();
  if (!e.law || !length || !ReadXmlNumber(*length, e.L) || sign == 0 ||
      !ReadSpiralRadius(node.Attribute("radiusStart"), r1) ||
      !ReadSpiralRadius(node.Attribute("radiusEnd"), r2))
    return false;
  e.R1 = r1 == 0 ? 0.0 : sign * r1;  // never "-0"
  e.R2 = r2 == 0 ? 0.0 : sign * r2;
  // A spiral of equal radii is the curve or straight that it is.
  e.kind = r1 != r2 ? ChainKind::Spiral : r1 != 0 ? ChainKind::Curve : ChainKind::Straight;
  return true;
}

FileElement ReadFileElement(const XmlNode& node) {
  FileElement e;
  if (!ReadXmlPoint(node.Child("Start"), e.start) || !ReadXmlPoint(node.Child("End"), e.end))
    return e;
  if (node.name == "Line") {
    e.readable = ReadLength(node, LengthOf(e.start, e.end), e.L);
  } else if (node.name == "Curve") {
    e.readable = ReadCurve(node, e);
  } else {
    e.readable = ReadSpiral(node, e);
  }
  e.readable = e.readable && e.L >= 0 && std::isfinite(e.L);
  return e;
}

// "straight L", "curve L R", "spiral L R1 R2" (or the word of the transition's law).
std::string OwnFields(const FileElement& e) {
  switch (e.kind) {
    case ChainKind::Straight: return "straight " + ShortestText(e.L);
    case ChainKind::Curve: return "curve " + ShortestText(e.L) + " " + ShortestText(e.R1);
    case ChainKind::Spiral:
      return e.law->word + (" " + ShortestText(e.L)) + " " + ShortestText(e.R1) + " " +
             ShortestText(e.R2);
  }
  return "";
}

// The element of one line, read as CALC reads it; false when it does not read.
bool BuildElement(const std::string& line, bool xBeforeY, ChainElement& element) {
  const ElementChainReading reading = ReadElementChain(line, 0, xBeforeY);
  if (!reading.problems.empty() || reading.chain.elements.size() != 1) return false;
  element = reading.chain.elements.front();
  return true;
}

// The direction in degrees, in [0, 360), that makes the element end on the chord to its <End>:
// the chord's direction less the chord angle of the element built at direction 0.
bool StartDirection(const FileElement& e, double& degrees) {
  ChainElement atZero;
  if (!BuildElement(OwnFields(e) + " 0 0 0", false, atZero)) return false;
  const double own = DirAngle(atZero.end.Y, atZero.end.X);
  const double chord = DirAngle(e.end.Y - e.start.Y, e.end.X - e.start.X);
  degrees = std::fmod((chord - own) / TimesPi(1) * 180, 360.0);
  if (degrees < 0) degrees += 360;
  if (degrees >= 360) degrees = 0;
  return std::isfinite(degrees);
}

// The element number of an "!Element <n>..." problem line, from 1; 0 for any other line.
size_t ProblemElement(const std::string& problem) {
  const std::string head = "!Element ";
  if (problem.compare(0, head.size(), head) != 0) return 0;
  size_t number = 0;
  for (size_t i = head.size(); i < problem.size() && problem[i] >= '0' && problem[i] <= '9'; ++i)
    number = number * 10 + static_cast<size_t>(problem[i] - '0');
  return number;
}

}  // namespace

std::string ElementsRefusal(double PK) {
  return "its elements at " + FixedText(PK, 4) +
         " do not read as straights, curves and transition curves";
}

std::string PlanElementLines(const XmlNode& coordGeom, double PKstart, bool xBeforeY,
                             std::string& lines) {
  lines.clear();
  std::vector<double> PKs;
  double PK = PKstart;
  double spiralTurning = 0;
  for (const XmlNode& child : coordGeom.children) {
    if (child.name != "Line" && child.name != "Curve" && child.name != "Spiral") continue;
    const FileElement e = ReadFileElement(child);
    if (!e.readable) return ElementsRefusal(PK);
    if (e.L < kShortest) continue;
    if (e.kind == ChainKind::Spiral) {
      spiralTurning +=
          e.L / std::min(Absolute(e.R1 == 0 ? e.R2 : e.R1), Absolute(e.R2 == 0 ? e.R1 : e.R2));
      if (!(spiralTurning <= kMostSpiralTurning)) return ElementsRefusal(PK);
    }
    double degrees = 0;
    if (!StartDirection(e, degrees)) return ElementsRefusal(PK);
    const std::string first = ShortestText(xBeforeY ? e.start.X : e.start.Y);
    const std::string second = ShortestText(xBeforeY ? e.start.Y : e.start.X);
    const std::string line = OwnFields(e) + " " + first + " " + second + " " +
                             ShortestText(degrees) + " " + ShortestText(PK);
    ChainElement built;
    if (!BuildElement(line, xBeforeY, built) || !(LengthOf(built.end, e.end) <= kEndGap))
      return ElementsRefusal(PK);
    lines += (lines.empty() ? "" : "\r\n") + line;
    PKs.push_back(PK);
    PK = built.PKstart + built.L;  // as the chain runs on from this element
  }
  if (PKs.empty()) return ElementsRefusal(PKstart);
  // The lines as CALC reads them: an element that starts more than 1 mm from the end of the one
  // before, or turns there by more than 0.001 rad, is refused at its own start.
  const AlignmentReading reading = ReadAlignment({ShortestText(PKstart), lines, xBeforeY, ""});
  if (!reading.problems.empty()) {
    const size_t n = ProblemElement(reading.problems.front());
    lines.clear();
    return ElementsRefusal(n >= 1 && n <= PKs.size() ? PKs[n - 1] : PKstart);
  }
  return "";
}
