// LandXML: an alignment in the element form written as its elements, each with its start and end
// as the chain computes them, so that the import builds the same elements again.
#include <cmath>

#include "alignment/transition_laws.h"
#include "geometry.h"
#include "landxml/landxml_elements.h"
#include "landxml/landxml_nodes.h"
#include "shortest_text.h"

namespace {

// A spiral's radius: "INF" for a straight's.
std::string SpiralRadius(double R) {
  return R == 0 ? "INF" : ShortestText(Absolute(R));
}

// Where the tangent at a and the one at b meet; false when they are parallel.
bool TangentsMeet(PlanePoint a, double aDirection, PlanePoint b, double bDirection,
                  PlanePoint& at) {
  const double uY = std::sin(aDirection), uX = std::cos(aDirection);
  const double wY = std::sin(bDirection), wX = std::cos(bDirection);
  const double denominator = CrossProduct(uY, uX, wY, wX);
  if (!(Absolute(denominator) > 1e-12)) return false;
  const double t = CrossProduct(b.Y - a.Y, b.X - a.X, wY, wX) / denominator;
  at = {a.Y + t * uY, a.X + t * uX};
  return std::isfinite(t);
}

// A transition (or the part of a clothoid) of one sense of turning.
XmlNode SpiralElement(const TransitionLaw& law, double PK, double L, double Rstart, double Rend,
                      PlanePoint start, double direction, PlanePoint end, double endDirection) {
  const double turning = Rstart != 0 ? Rstart : Rend;
  XmlNode spiral = Element("Spiral", {{"staStart", ShortestText(PK)},
                                      {"length", ShortestText(L)},
                                      {"radiusStart", SpiralRadius(Rstart)},
                                      {"radiusEnd", SpiralRadius(Rend)},
                                      {"rot", turning > 0 ? "cw" : "ccw"},
                                      {"spiType", law.landXml}});
  spiral.children.push_back(PointElement("Start", start));
  PlanePoint PI = {0, 0};
  if (TangentsMeet(start, direction, end, endDirection, PI))
    spiral.children.push_back(PointElement("PI", PI));
  spiral.children.push_back(PointElement("End", end));
  return spiral;
}

void AddElement(const ChainElement& e, XmlNode& geometry) {
  switch (e.kind) {
    case ChainKind::Straight:
      geometry.children.push_back(LineElement(e.PKstart, e.L, e.start, e.end));
      return;
    case ChainKind::Curve: {
      // The centre lies R to the right of the start (to the left for R < 0).
      const PlanePoint centre = {e.start.Y + e.Rstart * std::cos(e.direction),
                                 e.start.X - e.Rstart * std::sin(e.direction)};
      XmlNode curve = Element("Curve", {{"rot", e.Rstart > 0 ? "cw" : "ccw"},
                                        {"radius", ShortestText(Absolute(e.Rstart))},
                                        {"crvType", "arc"},
                                        {"length", ShortestText(e.L)},
                                        {"staStart", ShortestText(e.PKstart)}});
      curve.children = {PointElement("Start", e.start), PointElement("Center", centre),
                        PointElement("End", e.end)};
      geometry.children.push_back(curve);
      return;
    }
    case ChainKind::Spiral: {
      if (!(e.kStart * e.kEnd < 0)) {
        geometry.children.push_back(SpiralElement(*e.law, e.PKstart, e.L, e.Rstart, e.Rend, e.start,
                                                  e.direction, e.end, e.endDirection));
        return;
      }
      // A clothoid from a left curve to a right one: a file's spiral turns one way only, so two
      // clothoids that meet where the curvature is 0 (ChainExportProblem keeps other laws out).
      const double s = e.L * e.kStart / (e.kStart - e.kEnd);
      double direction = 0;
      const PlanePoint middle = ChainPointAt(e, s, &direction);
      geometry.children.push_back(SpiralElement(*e.law, e.PKstart, s, e.Rstart, 0, e.start,
                                                e.direction, middle, direction));
      geometry.children.push_back(SpiralElement(*e.law, e.PKstart + s, e.L - s, 0, e.Rend, middle,
                                                direction, e.end, e.endDirection));
      return;
    }
  }
}

}  // namespace

XmlNode ChainCoordGeom(const ElementChain& chain) {
  XmlNode geometry = Element("CoordGeom");
  for (const ChainElement& e : chain.elements) AddElement(e, geometry);
  return geometry;
}

std::string ChainExportProblem(const ElementChain& chain) {
  for (size_t i = 0; i < chain.elements.size(); ++i) {
    const ChainElement& e = chain.elements[i];
    if (e.kind == ChainKind::Spiral && e.law != &ClothoidLaw() && e.kStart * e.kEnd < 0) {
      return "Element " + std::to_string(i + 1) +
             " turns from one side to the other; LandXML cannot hold that for a " + e.law->word +
             ".";
    }
  }
  return "";
}
