// LandXML: the alignment in Trace Alignment's texts written as a LandXML 1.2 document tree, its
// elements in chainage order with the coordinates a design program or controller reads (an
// alignment in the element form as its own elements, landxml_element_export.cpp).
#include "landxml/landxml.h"

#include <cmath>

#include "alignment/transition_laws.h"
#include "geometry.h"
#include "landxml/landxml_elements.h"
#include "landxml/landxml_nodes.h"
#include "landxml/landxml_profile_cant.h"
#include "shortest_text.h"
#include "spiral.h"

namespace {

const char* const kNamespace = "http://www.landxml.org/schema/LandXML-1.2";

PlanePoint Along(PlanePoint from, double distance, double direction) {
  return {from.Y + distance * std::sin(direction), from.X + distance * std::cos(direction)};
}

double DirectionOf(PlanePoint u) {
  return DirAngle(u.Y, u.X);
}

// Where a spiral's end tangents meet: its long tangent from the straight's end.
double LongTangent(double L, double C) {
  return ClothoidX(L, C) - ClothoidY(L, C) / std::tan(ClothoidAngle(L, C));
}

XmlNode SpiralElement(double PK, double L, const std::string& radiusStart,
                      const std::string& radiusEnd, const std::string& rot, PlanePoint start,
                      PlanePoint PI, PlanePoint end) {
  XmlNode spiral = Element("Spiral", {{"staStart", ShortestText(PK)},
                                      {"length", ShortestText(L)},
                                      {"radiusStart", radiusStart},
                                      {"radiusEnd", radiusEnd},
                                      {"rot", rot},
                                      {"spiType", "clothoid"}});
  spiral.children = {PointElement("Start", start), PointElement("PI", PI),
                     PointElement("End", end)};
  return spiral;
}

// One element of the alignment: a <Line>, a <Spiral> or the arc's <Curve>.
XmlNode PlanElement(const Alignment& a, const AlignmentElement& e) {
  const size_t v = static_cast<size_t>(e.vertex);
  const VertexCurve& c = a.curves[v];
  if (e.kind == StraightElement)
    return LineElement(e.PKstart, a.straights[v], c.KSK, a.curves[v + 1].NSK);
  const std::string rot = c.s > 0 ? "cw" : "ccw";
  const std::string R = ShortestText(c.R);
  switch (e.kind) {
    case EntrySpiralElement: {
      const PlanePoint PI = Along(c.NSK, LongTangent(c.L, c.C), DirectionOf(a.directions[v - 1]));
      return SpiralElement(c.PK_NSK, c.L, "INF", R, rot, c.NSK, PI, c.NKK);
    }
    case ExitSpiralElement: {
      const PlanePoint PI = Along(c.KSK, -LongTangent(c.L2, c.C2), DirectionOf(a.directions[v]));
      return SpiralElement(c.PK_KKK, c.L2, R, "INF", rot, c.KKK, PI, c.KSK);
    }
    default: {
      // The arc's end tangents meet R tan(half its angle) from either end.
      const double tangent = c.R * std::tan(c.K0 / c.R / 2);
      const double direction = DirectionOf(a.directions[v - 1]) + c.s * c.FI;
      XmlNode curve = Element("Curve", {{"rot", rot},
                                        {"radius", R},
                                        {"crvType", "arc"},
                                        {"length", ShortestText(c.K0)},
                                        {"staStart", ShortestText(c.PK_NKK)}});
      curve.children = {PointElement("Start", c.NKK), PointElement("Center", c.O),
                        PointElement("End", c.KKK),
                        PointElement("PI", Along(c.NKK, tangent, direction))};
      return curve;
    }
  }
}

// Every element in chainage order; a straight of no length is left out.
XmlNode CoordGeom(const Alignment& a) {
  XmlNode geometry = Element("CoordGeom");
  for (const AlignmentElement& e : a.elements) {
    if (e.kind == StraightElement && !(a.straights[static_cast<size_t>(e.vertex)] > 0)) continue;
    geometry.children.push_back(PlanElement(a, e));
  }
  return geometry;
}

XmlNode ProfileElement(const Profile& profile, const std::string& name) {
  XmlNode profAlign = Element("ProfAlign", {{"name", name}});
  for (const ProfileVPI& vpi : profile.vpis) {
    const std::string text = ShortestText(vpi.PK) + " " + ShortestText(vpi.H);
    if (vpi.T > 0) {
      profAlign.children.push_back(
          Element("ParaCurve", {{"length", ShortestText(2 * vpi.T)}}, text));
    } else {
      profAlign.children.push_back(Element("PVI", {}, text));
    }
  }
  XmlNode element = Element("Profile", {{"name", name}});
  element.children.push_back(profAlign);
  return element;
}

// The cant lines as one <CantStation> each: appliedCant the cant's size in millimetres, its
// side in curvature ("cw" where the left rail lies higher, also at 0; "ccw" below 0), and on a
// line whose ramp has a shape its law's transitionType. gauge is required by the schema: the
// pivot line's, else standard gauge; rotationPoint only with a pivot line, which it would
// otherwise become on import.
XmlNode CantElement(const Cant& cant, const std::string& name) {
  XmlNode element = Element("Cant", {{"name", name}, {"gauge", ShortestText(kStandardGauge)}});
  if (cant.pivot.given) {
    element.attributes[1].second = ShortestText(cant.pivot.gauge);
    for (const RotationPoint& point : kRotationPoints) {
      if (point.at == cant.pivot.at) element.attributes.push_back({"rotationPoint", point.name});
    }
  }
  for (const CantPoint& point : cant.points) {
    XmlNode station = Element("CantStation", {{"station", ShortestText(point.PK)},
                                              {"appliedCant", ShortestText(Absolute(point.C))},
                                              {"curvature", point.C >= 0 ? "cw" : "ccw"}});
    if (point.ramp) station.attributes.push_back({"transitionType", point.ramp->landXml});
    element.children.push_back(station);
  }
  return element;
}

}  // namespace

LandXmlExport ExportAlignment(const AlignmentTexts& texts, const std::string& name,
                              const std::string& date, const std::string& time) {
  LandXmlExport result;
  const AlignmentReading reading = ReadAlignment(texts);
  if (!reading.problems.empty()) {
    result.problem = reading.problems.front();
    return result;
  }
  const Alignment& a = reading.alignment;
  if (IsElementForm(a)) result.problem = ChainExportProblem(a.chain);
  if (!result.problem.empty()) return result;
  XmlNode alignment = Element("Alignment", {{"name", name},
                                            {"staStart", ShortestText(a.PKstart)},
                                            {"length", ShortestText(TrackLength(a))}});
  alignment.children.push_back(IsElementForm(a) ? ChainCoordGeom(a.chain) : CoordGeom(a));
  // The schema places <Cant> after the plan and before the profile.
  const Cant& cant = reading.cant.cant;
  if (!cant.points.empty()) alignment.children.push_back(CantElement(cant, name));
  const Profile& profile = reading.profile.profile;
  if (!profile.vpis.empty()) alignment.children.push_back(ProfileElement(profile, name));
  XmlNode alignments = Element("Alignments");
  alignments.children.push_back(alignment);

  XmlNode& root = result.root;
  root = Element("LandXML",
                 {{"xmlns", kNamespace}, {"version", "1.2"}, {"date", date}, {"time", time}});
  XmlNode units = Element("Units");
  units.children.push_back(Element("Metric", {{"linearUnit", "meter"},
                                              {"areaUnit", "squareMeter"},
                                              {"volumeUnit", "cubicMeter"},
                                              {"angularUnit", "radians"},
                                              {"directionUnit", "radians"}}));
  root.children = {units, Element("Application", {{"name", "Polver"}}), alignments};
  return result;
}
