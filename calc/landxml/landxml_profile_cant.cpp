// LandXML: the profile and the cant of a design file's alignment, read as the lines that Trace
// Alignment's Profile and Cant fields hold, and checked as CALC would read them.
#include "landxml/landxml_profile_cant.h"

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
      double Rv = 0;
      if (p.kind == "CircCurve") {
        const std::string* radius = p.node->Attribute("radius");
        if (!radius || !ReadXmlNumber(*radius, Rv))
          return Reason("its profile at %s does not read as grades and vertical curves", p.PK);
        Rv = Absolute(Rv);
      } else if (p.kind == "ParaCurve") {
        double length = 0;
        const std::string* text = p.node->Attribute("length");
        if (!text || !ReadXmlNumber(*text, length))
          return Reason("its profile at %s does not read as grades and vertical curves", p.PK);
        const ProfilePoint &before = points[j - 1], &after = points[j + 1];
        const double in = (p.H - before.H) / (p.PK - before.PK);
        const double out = (after.H - p.H) / (after.PK - p.PK);
        if (in != out) Rv = Absolute(length) / Absolute(out - in);
      }
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

std::string CantLines(const XmlNode& alignment, std::string& lines) {
  const XmlNode* cant = alignment.Child("Cant");
  if (!cant) return "";
  double PK = 0;
  bool first = true;
  for (const XmlNode& station : cant->children) {
    if (station.name != "CantStation") continue;
    const std::string* at = station.Attribute("station");
    const std::string* applied = station.Attribute("appliedCant");
    double C = 0;
    if (!at || !ReadXmlNumber(*at, PK) || !applied || !ReadXmlNumber(*applied, C))
      return Reason("its cant after %s does not read as chainages and cants", PK);
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
  // Whatever CALC would not read (one station only, stations that do not grow) is refused here,
  // as the profile is, so that every alignment taken over calculates.
  const std::vector<std::string> problems = ReadCant(lines).problems;
  if (problems.empty() || first) return "";
  const size_t at = problems.front().find("PK ");
  const double problemPK =
      at == std::string::npos ? TextToNum(lines) : TextToNum(problems.front().substr(at + 3));
  return Reason("its cant at %s does not read as chainages and cants", problemPK);
}

