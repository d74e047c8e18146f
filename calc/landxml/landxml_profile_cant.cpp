// LandXML: the profile and the cant of a design file's alignment, read as the lines that Trace
// Alignment's Profile and Cant fields hold, and checked as CALC would read them.
#include "landxml/landxml_profile_cant.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "alignment/cant.h"
#include "alignment/profile.h"
#include "alignment/transition_laws.h"
#include "geometry.h"
#include "landxml/landxml_numbers.h"
#include "number_text.h"
#include "shortest_text.h"

namespace {

// A point of the <ProfAlign>: a <PVI> or a vertical curve at its VPI.
struct ProfilePoint {
  std::string kind;
  double PK = 0, H = 0;
  const XmlNode* node = nullptr;
};

// The Rv of a <CircCurve> or <ParaCurve> between grades `in` and `out`: the parabola with the
// circle's tangent points (taken horizontally), or the one of the parabola's length; 0 where the
// grades are equal. A negative radius or length is its size. False when it does not read.
bool VerticalCurveRv(const XmlNode& curve, double in, double out, double& Rv) {
  const bool circle = curve.name == "CircCurve";
  const std::string* text = curve.Attribute(circle ? "radius" : "length");
  double size = 0;
  if (!text || !ReadXmlNumber(*text, size)) return false;
  Rv = 0;
  if (in == out) return true;
  double T = Absolute(size) / 2;
  if (circle) {
    const double angleIn = std::atan(in), angleOut = std::atan(out);
    T = Absolute(size) * std::tan(Absolute(angleOut - angleIn) / 2) *
        (std::cos(angleIn) + std::cos(angleOut)) / 2;
  }
  Rv = 2 * T / Absolute(out - in);
  return true;
}

// Whether the <Cant>'s appliedCant values are written in metres (0.150 for 150 mm), as some
// design programs write them: the largest size is above 0 and below 1, which no cant in
// millimetres is.
bool CantInMetres(const XmlNode& cant) {
  double largest = 0;
  for (const XmlNode& station : cant.children) {
    const std::string* applied = station.Attribute("appliedCant");
    double C = 0;
    if (station.name == "CantStation" && applied && ReadXmlNumber(*applied, C))
      largest = std::max(largest, Absolute(C));
  }
  return largest > 0 && largest < 1;
}

// A cant in metres in millimetres, to 9 decimals so that 0.0524 gives 52.4 and not the
// product's last-bit error.
double Millimetres(double metres) {
  return std::round(metres * 1000 * 1e9) / 1e9;
}

}  // namespace

std::string ProfileLines(const XmlNode& alignment, std::string& lines) {
  const XmlNode* profile = alignment.Child("Profile");
  const XmlNode* profAlign = profile ? profile->Child("ProfAlign") : nullptr;
  if (!profAlign) return "";
  std::vector<ProfilePoint> points;
  for (const XmlNode& child : profAlign->children) {
    if (child.name != "PVI" && child.name != "ParaCurve" && child.name != "CircCurve" &&
        child.name != "UnsymParaCurve")
      continue;
    ProfilePoint point;
    point.kind = child.name;
    point.node = &child;
    if (!ReadXmlPair(&child, point.PK, point.H)) {  // "station elevation"
      const double PK = points.empty() ? 0 : points.back().PK;
      return Reason("its profile after %s does not read as grades and vertical curves", PK);
    }
    if (point.kind == "UnsymParaCurve") {
      double lengthIn = 0;
      const std::string* in = child.Attribute("lengthIn");
      const double start = in && ReadXmlNumber(*in, lengthIn) ? point.PK - lengthIn : point.PK;
      return Reason("its profile has an unsymmetrical vertical curve at %s", start);
    }
    points.push_back(point);
  }
  if (points.empty()) return "";
  for (size_t j = 0; j < points.size(); ++j) {
    const ProfilePoint& p = points[j];
    std::string line = ShortestText(p.PK) + " " + ShortestText(p.H);
    if (j > 0 && j + 1 < points.size()) {
      const ProfilePoint &before = points[j - 1], &after = points[j + 1];
      const double in = (p.H - before.H) / (p.PK - before.PK);
      const double out = (after.H - p.H) / (after.PK - p.PK);
      double Rv = 0;
      if (p.kind != "PVI" && !VerticalCurveRv(*p.node, in, out, Rv))
        return Reason("its profile at %s does not read as grades and vertical curves", p.PK);
      line += " " + ShortestText(Rv);
    }
    lines += line;
    if (j + 1 < points.size()) lines += "\r\n";
  }
  // Whatever CALC would not read (one point only, stations that do not grow, curves that
  // overlap) is refused here, at the station its first problem line names.
  const std::vector<std::string> problems = ReadProfile(lines).problems;
  if (problems.empty()) return "";
  const size_t at = problems.front().find("PK ");
  const double PK =
      at == std::string::npos ? points.front().PK : TextToNum(problems.front().substr(at + 3));
  return Reason("its profile at %s does not read as grades and vertical curves", PK);
}

const RotationPoint kRotationPoints[5] = {{"insideRail", PivotAt::Inner},
                                          {"center", PivotAt::Centre},
                                          {"outsideRail", PivotAt::Outer},
                                          {"leftRail", PivotAt::Left},
                                          {"rightRail", PivotAt::Right}};

namespace {

const char* const kPivotNotRead =
    "its cant's pivot does not read as a rotation point and a gauge in metres";

// The pivot line of a <Cant>'s rotationPoint, "pivot <word> [gauge]" with its CR LF, or none for
// no rotationPoint or one of another value; false when its gauge is there but no number.
bool PivotLine(const XmlNode& cant, std::string& line) {
  const std::string* rotation = cant.Attribute("rotationPoint");
  if (!rotation) return true;
  for (const RotationPoint& point : kRotationPoints) {
    if (Trim(*rotation) != point.name) continue;
    line = std::string("pivot ") + PivotWord(point.at);
    const std::string* gauge = cant.Attribute("gauge");
    double value = 0;
    if (gauge && !ReadXmlNumber(*gauge, value)) return false;
    if (gauge) line += " " + ShortestText(value);
    line += "\r\n";
  }
  return true;
}

}  // namespace

std::string CantLines(const XmlNode& alignment, std::string& lines) {
  const XmlNode* cant = alignment.Child("Cant");
  if (!cant) return "";
  double PK = 0;
  bool first = true;
  const bool metres = CantInMetres(*cant);
  for (const XmlNode& station : cant->children) {
    if (station.name != "CantStation") continue;
    const std::string* at = station.Attribute("station");
    const std::string* applied = station.Attribute("appliedCant");
    double C = 0;
    if (!at || !ReadXmlNumber(*at, PK) || !applied || !ReadXmlNumber(*applied, C))
      return Reason("its cant after %s does not read as chainages and cants", PK);
    if (metres) C = Millimetres(C);
    // A clothoid carries a straight ramp of cant; the other laws shape the ramp that starts here.
    const std::string* transition = station.Attribute("transitionType");
    const TransitionLaw* ramp = transition ? LawOfLandXml(Trim(*transition)) : nullptr;
    if (transition && !ramp) {
      return Reason("its cant ramp at %s is a ", PK) + Trim(*transition) + ", not a " +
             LandXmlLawNames();
    }
    const std::string* curvature = station.Attribute("curvature");
    if (curvature && Trim(*curvature) == "ccw") C = -Absolute(C);
    if (curvature && Trim(*curvature) == "cw") C = Absolute(C);
    if (!first) lines += "\r\n";
    lines += ShortestText(PK) + " " + ShortestText(C == 0 ? 0.0 : C);
    if (ramp && *ramp->cantWord) lines += std::string(" ") + ramp->cantWord;
    first = false;
  }
  if (first) return "";  // without stations there is no cant, nor a pivot
  std::string pivot;
  if (!PivotLine(*cant, pivot)) return kPivotNotRead;
  lines = pivot + lines;
  // Whatever CALC would not read (one station only, stations that do not grow, a pivot line that
  // does not read) is refused here, as the profile is, so that every alignment taken over
  // calculates.
  const std::vector<std::string> problems = ReadCant(lines).problems;
  if (problems.empty()) return "";
  if (problems.front().compare(0, 20, "!Cant line not read:") == 0) return kPivotNotRead;
  const size_t at = problems.front().find("PK ");
  const double problemPK =
      at == std::string::npos ? TextToNum(lines) : TextToNum(problems.front().substr(at + 3));
  return Reason("its cant at %s does not read as chainages and cants", problemPK);
}
