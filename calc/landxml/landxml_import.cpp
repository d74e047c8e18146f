// LandXML: one alignment of a design file taken over into Trace Alignment's texts. The plan's
// elements are read from their coordinates (never from the file's direction attributes, which
// design programs write in different conventions), checked in a fixed order of refusals, turned
// into vertices where the straights meet, and the result built again to make sure it runs
// through the file's own element ends. A plan that does not read as vertices is taken over as
// element lines (landxml_elements.cpp).
#include "landxml/landxml.h"

#include <cmath>
#include <limits>

#include "alignment/transition_laws.h"
#include "geometry.h"
#include "landxml/landxml_elements.h"
#include "landxml/landxml_numbers.h"
#include "landxml/landxml_profile_cant.h"
#include "number_text.h"
#include "shortest_text.h"

namespace {

const double kInfinite = std::numeric_limits<double>::infinity();

// Straights whose directions differ by no more than this count as one.
const double kSameDirection = 1e-6;

// How far the file's element ends may lie from the alignment built from the vertices.
const double kEndAgreement = 1e-3;

const char* const kNotInOrder =
    "its elements at %s do not read as straight, spiral, curve, spiral, straight";

enum PlanKind { LineKind, CurveKind, SpiralKind };

struct PlanElement {
  PlanKind kind;
  double PK = 0;          // where it starts: chainages run on from staStart
  bool readable = false;  // its points and numbers were read
  PlanePoint start = {0, 0}, end = {0, 0};
  double length = 0;
  double R = 0;            // a curve's radius
  bool hasCentre = false;  // a curve's <Center> was read
  PlanePoint centre = {0, 0};
  double radiusStart = kInfinite, radiusEnd = 0;  // a spiral's, infinite for "INF" or 0
  std::string spiType = "clothoid";               // a spiral's, as written
};

// A spiral from the straight onto a curve, from a curve back onto the straight, or between two
// curves (neither radius infinite).
bool IntoCurve(const PlanElement& e) {
  return e.kind == SpiralKind && std::isinf(e.radiusStart) && !std::isinf(e.radiusEnd);
}
bool OutOfCurve(const PlanElement& e) {
  return e.kind == SpiralKind && !std::isinf(e.radiusStart) && std::isinf(e.radiusEnd);
}
bool BetweenCurves(const PlanElement& e) {
  return e.kind == SpiralKind && !std::isinf(e.radiusStart) && !std::isinf(e.radiusEnd);
}

double LengthOf(PlanePoint a, PlanePoint b) {
  return Distance(b.Y - a.Y, b.X - a.X);
}

// A spiral's radius: "INF" or 0 is infinite; false when it is missing or not a number.
bool ReadSpiralRadius(const std::string* text, double& radius) {
  if (!text) return false;
  const std::string value = Trim(*text);
  if (value == "INF" || value == "inf" || value == "Inf") {
    radius = kInfinite;
    return true;
  }
  if (!ReadXmlNumber(value, radius)) return false;
  radius = radius == 0 ? kInfinite : Absolute(radius);
  return true;
}

PlanElement ReadPlanElement(const XmlNode& node, PlanKind kind) {
  PlanElement e;
  e.kind = kind;
  e.readable = ReadXmlPoint(node.Child("Start"), e.start) && ReadXmlPoint(node.Child("End"), e.end);
  if (!e.readable) return e;
  const std::string* length = node.Attribute("length");
  switch (kind) {
    case LineKind: e.length = LengthOf(e.start, e.end); break;
    case CurveKind: {
      e.hasCentre = ReadXmlPoint(node.Child("Center"), e.centre);
      const std::string* radius = node.Attribute("radius");
      if (radius && ReadXmlNumber(*radius, e.R) && e.R != 0) {
        e.R = Absolute(e.R);
      } else if (e.hasCentre) {
        e.R = LengthOf(e.start, e.centre);
      } else {
        e.readable = false;
      }
      if (!(length && ReadXmlNumber(*length, e.length) && e.length > 0)) {
        // Without its length the shorter arc between its ends.
        const double half = LengthOf(e.start, e.end) / (2 * e.R);
        e.length = 2 * e.R * std::asin(half > 1 ? 1 : half);
      }
      e.readable = e.readable && e.R > 0 && std::isfinite(e.R);
      break;
    }
    case SpiralKind: {
      const std::string* type = node.Attribute("spiType");
      if (type) e.spiType = Trim(*type);
      e.readable = length && ReadXmlNumber(*length, e.length) && e.length > 0 &&
                   ReadSpiralRadius(node.Attribute("radiusStart"), e.radiusStart) &&
                   ReadSpiralRadius(node.Attribute("radiusEnd"), e.radiusEnd);
      break;
    }
  }
  return e;
}

// The plan's elements in file order with their chainages, lines of no length left out. A
// <Chain> or <IrregularLine> sets chained.
std::vector<PlanElement> ReadPlan(const XmlNode& coordGeom, double PKstart, bool& chained) {
  std::vector<PlanElement> plan;
  double PK = PKstart;
  for (const XmlNode& child : coordGeom.children) {
    if (child.name == "Chain" || child.name == "IrregularLine") chained = true;
    PlanKind kind;
    if (child.name == "Line") {
      kind = LineKind;
    } else if (child.name == "Curve") {
      kind = CurveKind;
    } else if (child.name == "Spiral") {
      kind = SpiralKind;
    } else {
      continue;  // a <Feature> or another program's own element
    }
    PlanElement e = ReadPlanElement(child, kind);
    e.PK = PK;
    if (e.readable && e.kind == LineKind && e.length == 0) continue;
    if (e.readable) PK += e.length;
    plan.push_back(e);
  }
  return plan;
}

double DirectionOf(const PlanElement& line) {
  return DirAngle(line.end.Y - line.start.Y, line.end.X - line.start.X);
}

// Whether straight b continues straight a: their directions agree within kSameDirection, or,
// going on the same way, a's end and b's start lie within kEndAgreement of the straight from a's
// start to b's end. A straight split at a station equation in a file written to the millimetre
// turns by more than 1e-6 rad over a short piece, and is still one straight.
bool LinesContinue(const PlanElement& a, const PlanElement& b) {
  double difference = Absolute(DirectionOf(b) - DirectionOf(a));
  if (difference > TimesPi(1)) difference = TimesPi(2) - difference;
  if (difference <= kSameDirection) return true;
  const double uY = b.end.Y - a.start.Y, uX = b.end.X - a.start.X;
  const double length = Distance(uY, uX);
  const auto across = [&](PlanePoint P) {
    return Absolute(CrossProduct(uY, uX, P.Y - a.start.Y, P.X - a.start.X)) / length;
  };
  const bool sameWay = (a.end.Y - a.start.Y) * (b.end.Y - b.start.Y) +
                           (a.end.X - a.start.X) * (b.end.X - b.start.X) >
                       0;
  return sameWay && length > 0 && across(a.end) <= kEndAgreement &&
         across(b.start) <= kEndAgreement;
}

// The refusal of a plan that neither the vertex form nor the element form takes, or "".
std::string KindRefusal(const std::vector<PlanElement>& plan, bool chained) {
  if (chained) return "it holds a <Chain> or an <IrregularLine>";
  for (const PlanElement& e : plan) {
    if (e.kind == SpiralKind && !LawOfLandXml(e.spiType))
      return Reason("the spiral at %s is a ", e.PK) + e.spiType + ", not a " + LandXmlLawNames();
  }
  return "";
}

// The first refusal of the vertex form that names the order of the elements, or "".
std::string OrderRefusal(const std::vector<PlanElement>& plan) {
  // Only clothoids have a vertex form: other transitions are taken over as elements.
  for (const PlanElement& e : plan)
    if (e.kind == SpiralKind && e.spiType != ClothoidLaw().landXml)
      return Reason(kNotInOrder, e.PK);
  if (plan.front().kind != LineKind) return "it starts with a curve";
  if (plan.back().kind != LineKind) return "it ends with a curve";
  for (size_t i = 1; i < plan.size(); ++i) {
    const PlanElement &a = plan[i - 1], &b = plan[i];
    if (a.kind == LineKind && b.kind == LineKind && a.readable && b.readable &&
        !LinesContinue(a, b)) {
      return Reason("two straights meet at an angle at %s", b.PK);
    }
  }
  for (size_t i = 1; i < plan.size(); ++i) {
    const PlanElement &a = plan[i - 1], &b = plan[i];
    if ((a.kind == CurveKind || OutOfCurve(a)) && (b.kind == CurveKind || IntoCurve(b)))
      return Reason("two curves meet at %s", b.PK);
  }
  for (const PlanElement& e : plan) {
    if (e.readable && BetweenCurves(e)) return Reason("a spiral joins two curves at %s", e.PK);
  }
  return "";
}

// One curve of the plan between two straights: the indices of its elements (-1: no spiral).
struct CurveGroup {
  int lineBefore, spiralIn, curve, spiralOut, lineAfter;
};

bool IsLine(const PlanElement& e) {
  return e.kind == LineKind;
}
bool IsCurve(const PlanElement& e) {
  return e.kind == CurveKind;
}

// The plan read as line, then any number of [spiral] curve [spiral] line; false with the
// element that breaks the sequence (plan.size() when the plan ends too early).
bool ReadSequence(const std::vector<PlanElement>& plan, std::vector<CurveGroup>& groups,
                  int& offending) {
  const int n = static_cast<int>(plan.size());
  // Whether the element at i is there, was read, and passes the test.
  const auto is = [&](int i, bool (*test)(const PlanElement&)) {
    return i < n && plan[static_cast<size_t>(i)].readable && test(plan[static_cast<size_t>(i)]);
  };
  offending = 0;
  if (!is(0, IsLine)) return false;
  int line = 0;
  for (int i = 1;;) {
    while (is(i, IsLine)) line = i++;  // straights that continue one another
    if (i == n) return true;
    CurveGroup group = {line, -1, -1, -1, -1};
    if (is(i, IntoCurve)) group.spiralIn = i++;
    offending = i;
    if (!is(i, IsCurve)) return false;
    group.curve = i++;
    if (is(i, OutOfCurve)) group.spiralOut = i++;
    offending = i;
    if (!is(i, IsLine)) return false;
    group.lineAfter = line = i++;
    groups.push_back(group);
  }
}

// Where the straight through a and b and the one through c and d meet; false when parallel.
bool Intersection(PlanePoint a, PlanePoint b, PlanePoint c, PlanePoint d, PlanePoint& at) {
  const double uY = b.Y - a.Y, uX = b.X - a.X, wY = d.Y - c.Y, wX = d.X - c.X;
  const double denominator = CrossProduct(uY, uX, wY, wX);
  const double t = CrossProduct(c.Y - a.Y, c.X - a.X, wY, wX) / denominator;
  if (!std::isfinite(t) || Absolute(denominator) < 1e-12 * Distance(uY, uX) * Distance(wY, wX))
    return false;
  at = {a.Y + t * uY, a.X + t * uX};
  return true;
}

std::string VertexLine(const std::string& name, PlanePoint at, bool xBeforeY) {
  return name + " " +
         (xBeforeY ? ShortestText(at.X) + " " + ShortestText(at.Y)
                   : ShortestText(at.Y) + " " + ShortestText(at.X));
}

// The plan as vertex lines, or the refusal of a sequence that does not read.
std::string PlanVertices(const std::vector<PlanElement>& plan, bool xBeforeY, std::string& lines,
                         std::vector<CurveGroup>& groups) {
  std::vector<AlignmentVertex> vertices;
  int offending = 0;
  if (!ReadSequence(plan, groups, offending)) {
    const size_t at = static_cast<size_t>(
        offending < static_cast<int>(plan.size()) ? offending : static_cast<int>(plan.size()) - 1);
    return Reason(kNotInOrder, plan[at].PK);
  }
  const auto element = [&](int i) -> const PlanElement& { return plan[static_cast<size_t>(i)]; };
  vertices.push_back({"V0", plan.front().start, 0, 0});
  int firstOfLine = 0;  // the first element of the straight before the next curve
  for (const CurveGroup& g : groups) {
    const int first = g.spiralIn >= 0 ? g.spiralIn : g.curve;
    AlignmentVertex v = {"V" + std::to_string(vertices.size()), {0, 0}, element(g.curve).R, 0};
    int lastOfAfter = g.lineAfter;
    while (lastOfAfter + 1 < static_cast<int>(plan.size()) &&
           element(lastOfAfter + 1).kind == LineKind)
      ++lastOfAfter;
    if (!Intersection(element(firstOfLine).start, element(g.lineBefore).end,
                      element(g.lineAfter).start, element(lastOfAfter).end, v.at)) {
      return Reason(kNotInOrder, element(first).PK);
    }
    v.L = g.spiralIn >= 0 ? element(g.spiralIn).length : 0;
    v.L2 = g.spiralOut >= 0 ? element(g.spiralOut).length : 0;
    vertices.push_back(v);
    firstOfLine = g.lineAfter;
  }
  vertices.push_back({"V" + std::to_string(vertices.size()), plan.back().end, 0, 0});

  for (size_t i = 0; i < vertices.size(); ++i) {
    const AlignmentVertex& v = vertices[i];
    lines += VertexLine(v.name, v.at, xBeforeY);
    if (i > 0 && i + 1 < vertices.size()) {
      lines += " " + ShortestText(v.R) + " " + ShortestText(v.L);
      if (v.L2 != v.L) lines += " " + ShortestText(v.L2);
    }
    if (i + 1 < vertices.size()) lines += "\r\n";
  }
  return "";
}

double FirstPK(const std::vector<PlanElement>& plan, const CurveGroup& g) {
  return plan[static_cast<size_t>(g.spiralIn >= 0 ? g.spiralIn : g.curve)].PK;
}

// The chainage where the curve of the vertex that a problem line names starts (groups[i - 1]
// for vertex i), or PK start when it names none.
double ProblemPK(const std::string& problem, const Alignment& a,
                 const std::vector<PlanElement>& plan, const std::vector<CurveGroup>& groups) {
  for (size_t i = 1; i + 1 < a.vertices.size() && i <= groups.size(); ++i) {
    const std::string& name = a.vertices[i].name;
    if (problem.find(" " + name + ":") != std::string::npos ||
        problem.find(" " + name + " ") != std::string::npos)
      return FirstPK(plan, groups[i - 1]);
  }
  return a.PKstart;
}

// The middle of a curve's arc as the file draws it: on the circle about its <Center> through
// its Start, halfway between its ends (on the far side for an arc longer than half the circle).
bool ArcMiddle(const PlanElement& e, PlanePoint& middle) {
  const PlanePoint chordMiddle = {(e.start.Y + e.end.Y) / 2, (e.start.X + e.end.X) / 2};
  const double away = LengthOf(e.centre, chordMiddle);
  if (!e.hasCentre || !(away > 0)) return false;
  const double scale = LengthOf(e.centre, e.start) / away * (e.length > e.R * TimesPi(1) ? -1 : 1);
  middle = {e.centre.Y + scale * (chordMiddle.Y - e.centre.Y),
            e.centre.X + scale * (chordMiddle.X - e.centre.X)};
  return true;
}

// The refusal when the alignment built from the vertex lines does not agree with the file's
// geometry: each element's ends, and the middle of each arc, within kEndAgreement of it. (Where
// the main points lie along the track is left to the vertices: with a small turn, the rounding
// of the file's coordinates moves the tangents' meeting point along them far more than across.)
std::string GeometryRefusal(const std::string& PKstart, const std::string& vertexLines,
                            bool xBeforeY, const std::vector<PlanElement>& plan,
                            const std::vector<CurveGroup>& groups) {
  const AlignmentReading reading = ReadAlignment({PKstart, vertexLines, xBeforeY, ""});
  const Alignment& a = reading.alignment;
  if (!reading.problems.empty())
    return Reason(kNotInOrder, ProblemPK(reading.problems.front(), a, plan, groups));
  for (const PlanElement& e : plan) {
    std::vector<PlanePoint> points = {e.start, e.end};
    PlanePoint middle = {0, 0};
    if (e.kind == CurveKind && ArcMiddle(e, middle)) points.push_back(middle);
    for (PlanePoint P : points) {
      const AlignmentStation station = ProjectOntoAlignment(a, P);
      if (!station.found || !(Absolute(station.d) <= kEndAgreement))
        return Reason(kNotInOrder, e.PK);
    }
  }
  return "";
}

}  // namespace

LandXmlTakeOver TakeOverAlignment(const XmlNode& alignment, bool xBeforeY) {
  LandXmlTakeOver result;
  const auto refuse = [&](const std::string& reason) {
    result.refusal =
        "Alignment " + LandXmlAlignmentName(alignment) + " cannot be taken over: " + reason + ".";
    result.texts = AlignmentTexts();
    return result;
  };
  double PKstart = 0;
  const std::string* staStart = alignment.Attribute("staStart");
  if (staStart && !ReadXmlNumber(*staStart, PKstart)) PKstart = 0;

  const XmlNode* coordGeom = alignment.Child("CoordGeom");
  bool chained = false;
  const std::vector<PlanElement> plan =
      coordGeom ? ReadPlan(*coordGeom, PKstart, chained) : std::vector<PlanElement>();
  if (plan.empty() && !chained) return refuse("it has no geometry");
  std::string reason = KindRefusal(plan, chained);
  if (!reason.empty()) return refuse(reason);
  const std::string orderReason = OrderRefusal(plan);

  std::string vertexLines;
  std::vector<CurveGroup> groups;
  const std::string PKtext = ShortestText(PKstart);
  std::string planReason = orderReason;
  if (planReason.empty()) planReason = PlanVertices(plan, xBeforeY, vertexLines, groups);
  if (planReason.empty()) planReason = GeometryRefusal(PKtext, vertexLines, xBeforeY, plan, groups);
  // A plan that does not read as vertices is taken over as its elements.
  if (!planReason.empty())
    planReason = PlanElementLines(*coordGeom, PKstart, xBeforeY, vertexLines);
  if (!planReason.empty()) return refuse(planReason);

  // A profile or cant that does not read leaves its field empty, and the plan is taken over.
  std::string profileLines, cantLines;
  const std::string profileReason = ProfileLines(alignment, profileLines);
  if (!profileReason.empty()) profileLines.clear();
  const std::string cantReason = CantLines(alignment, cantLines);
  if (!cantReason.empty()) cantLines.clear();
  result.warning =
      PartialTakeOverMessage(LandXmlAlignmentName(alignment), profileReason, cantReason);

  result.texts.PKstart = PKtext;
  result.texts.vertices = vertexLines;
  result.texts.xBeforeY = xBeforeY;
  result.texts.profile = profileLines;
  result.texts.cant = cantLines;
  return result;
}

std::string PartialTakeOverMessage(const std::string& name, const std::string& profileReason,
                                   const std::string& cantReason) {
  if (profileReason.empty() && cantReason.empty()) return "";
  const std::string without =
      profileReason.empty() ? "its cant: " + cantReason
      : cantReason.empty()  ? "its profile: " + profileReason
                            : "its profile and its cant: " + profileReason + "; " + cantReason;
  return "Alignment " + name + " was taken over without " + without + ".";
}
