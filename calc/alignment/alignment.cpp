// Trace Alignment, the geometry. The formulas are written once for a right-hand curve and turned
// to the left by the side sign s, as Trace Connecting does for its single spiral.
#include "alignment/alignment.h"

#include <algorithm>
#include <cmath>

#include "frame/report.h"
#include "geometry.h"
#include "spiral.h"
#include "trace/spiral_foot_point.h"

namespace {

// The unit normal to the right of the unit direction u.
PlanePoint RightOf(PlanePoint u) {
  return {u.X, -u.Y};
}
double Cross(PlanePoint a, PlanePoint u) {
  return CrossProduct(a.Y, a.X, u.Y, u.X);
}
double Direction(PlanePoint a) {
  return DirAngle(a.Y, a.X);
}

// An angle difference of two direction angles brought into (-pi, pi]: one step is enough, as
// both lie in [0, 2 pi]; a NaN stays NaN.
double Turn(double difference) {
  if (difference > TimesPi(1)) return difference - TimesPi(2);
  if (difference <= -TimesPi(1)) return difference + TimesPi(2);
  return difference;
}

bool SamePlace(PlanePoint a, PlanePoint b) {
  return a.Y == b.Y && a.X == b.X;
}

// The spiral of length L onto a circle of radius R in the shift construction: its parameter,
// turn, end point in its own frame, and the shifted circle's k and p.
struct ShiftedSpiral {
  double C = 0, FI = 0, X = 0, Y = 0, k = 0, p = 0;
};
ShiftedSpiral SpiralOnto(double R, double L) {
  ShiftedSpiral spiral;
  if (L > 0) {
    spiral.C = R * L;
    spiral.FI = ClothoidAngle(L, spiral.C);
    spiral.X = ClothoidX(L, spiral.C);
    spiral.Y = ClothoidY(L, spiral.C);
    spiral.k = spiral.X - R * std::sin(spiral.FI);
    spiral.p = spiral.Y - R * (1 - std::cos(spiral.FI));
  }
  return spiral;
}

double ExitLength(const AlignmentVertex& vertex) {
  return std::isnan(vertex.L2) ? vertex.L : vertex.L2;
}

// The curve at inner vertex i between the legs with unit directions uIn and uOut.
VertexCurve CurveAt(const AlignmentVertex& vertex, PlanePoint uIn, PlanePoint uOut) {
  VertexCurve c = {};
  c.R = vertex.R;
  c.L = vertex.L;
  c.L2 = ExitLength(vertex);
  c.theta = Turn(Direction(uOut) - Direction(uIn));
  c.s = c.theta >= 0 ? 1.0 : -1.0;
  const ShiftedSpiral entry = SpiralOnto(c.R, c.L);
  const ShiftedSpiral exit = c.L2 == c.L ? entry : SpiralOnto(c.R, c.L2);
  c.C = entry.C;
  c.FI = entry.FI;
  c.k = entry.k;
  c.p = entry.p;
  c.C2 = exit.C;
  c.FI2 = exit.FI;
  c.k2 = exit.k;
  c.p2 = exit.p;
  const double turn = Absolute(c.theta);
  if (c.L2 == c.L) {
    c.T = (c.R + c.p) * std::tan(turn / 2) + c.k;
    c.T2 = c.T;
    c.K0 = c.R * (turn - 2 * c.FI);
    c.K = c.K0 + 2 * c.L;
    c.D = 2 * c.T - c.K;
  } else {
    // The shifted circle lies p off the straight before and p2 off the one after.
    c.T = c.k + (c.R + c.p2) / std::sin(turn) - (c.R + c.p) / std::tan(turn);
    c.T2 = c.k2 + (c.R + c.p) / std::sin(turn) - (c.R + c.p2) / std::tan(turn);
    c.K0 = c.R * (turn - c.FI - c.FI2);
    c.K = c.K0 + c.L + c.L2;
    c.D = c.T + c.T2 - c.K;
  }

  c.NSK = Minus(vertex.at, Times(c.T, uIn));
  c.KSK = Plus(vertex.at, Times(c.T2, uOut));
  c.NKK = Plus(Plus(c.NSK, Times(entry.X, uIn)), Times(c.s * entry.Y, RightOf(uIn)));
  c.KKK = Plus(Minus(c.KSK, Times(exit.X, uOut)), Times(c.s * exit.Y, RightOf(uOut)));
  c.O = Plus(Plus(c.NSK, Times(c.k, uIn)), Times(c.s * (c.R + c.p), RightOf(uIn)));
  return c;
}

}  // namespace

Alignment BuildAlignment(const std::vector<AlignmentVertex>& vertices, double PKstart,
                         std::vector<std::string>& problems) {
  Alignment a;
  a.vertices = vertices;
  a.PKstart = PKstart;
  const size_t n = vertices.size();
  if (n < 2) {
    problems.push_back("!At least two vertices are needed!");
    return a;
  }

  for (size_t i = 0; i + 1 < n; ++i) {
    if (SamePlace(vertices[i].at, vertices[i + 1].at)) {
      problems.push_back("!Vertices " + vertices[i].name + " and " + vertices[i + 1].name +
                         " are at the same place!");
    }
  }
  if (!problems.empty()) return a;
  for (size_t i = 1; i + 1 < n; ++i) {
    if (!(vertices[i].R > 0) || !(vertices[i].L >= 0) || !(ExitLength(vertices[i]) >= 0)) {
      problems.push_back("!Vertex " + vertices[i].name + ": R must be above 0 and L at least 0!");
    }
  }
  if (!problems.empty()) return a;

  std::vector<double> legLengths;
  for (size_t i = 0; i + 1 < n; ++i) {
    const PlanePoint leg = Minus(vertices[i + 1].at, vertices[i].at);
    const double length = Distance(leg.Y, leg.X);
    legLengths.push_back(length);
    a.directions.push_back({leg.Y / length, leg.X / length});
  }
  a.curves.assign(n, VertexCurve{});
  for (size_t i = 1; i + 1 < n; ++i) {
    a.curves[i] = CurveAt(vertices[i], a.directions[i - 1], a.directions[i]);
    if (a.curves[i].K0 < 0)
      problems.push_back("!Vertex " + vertices[i].name + ": the spirals overlap!");
  }
  if (!problems.empty()) return a;
  for (size_t i = 0; i + 1 < n; ++i) {
    double straight = legLengths[i] - a.curves[i].T2 - a.curves[i + 1].T;
    if (straight < 0 && straight >= -kEndTolerance) straight = 0;  // two curves that touch
    a.straights.push_back(straight);
    if (straight < 0) {
      problems.push_back("!Between " + vertices[i].name + " and " + vertices[i + 1].name +
                         " the curves overlap by " + LengthText(-straight) + "!");
    }
  }
  if (!problems.empty()) return a;

  // Chainages in track order: each straight, then the curve at the vertex that ends it.
  double PK = PKstart;
  a.curves[0].PK = PK;
  a.curves[0].KSK = vertices[0].at;
  for (size_t i = 0; i + 1 < n; ++i) {
    const int leg = static_cast<int>(i);
    a.elements.push_back({StraightElement, leg, PK, PK + a.straights[i]});
    PK = PK + a.straights[i];
    if (i + 2 == n) break;
    VertexCurve& c = a.curves[i + 1];
    const int vertex = static_cast<int>(i + 1);
    c.PK_NSK = PK;
    c.PK_NKK = c.PK_NSK + c.L;
    c.PK_KKK = c.PK_NKK + c.K0;
    c.PK_KSK = c.PK_KKK + c.L2;
    c.PK = c.PK_NSK + c.T;
    if (c.L > 0) a.elements.push_back({EntrySpiralElement, vertex, c.PK_NSK, c.PK_NKK});
    a.elements.push_back({ArcElement, vertex, c.PK_NKK, c.PK_KKK});
    if (c.L2 > 0) a.elements.push_back({ExitSpiralElement, vertex, c.PK_KKK, c.PK_KSK});
    PK = c.PK_KSK;
  }
  a.PKend = PK;
  a.curves[n - 1].PK = PK;
  a.curves[n - 1].NSK = vertices[n - 1].at;
  return a;
}

namespace {

// P in the frame of a spiral that starts at origin with unit direction u and turns to the side
// `side`, projected by the shared foot-point iteration; l is the arc length from origin, d the
// foot point's distance towards the centre's side. A foot up to kEndTolerance beyond either end
// counts.
AlignmentStation ProjectOntoSpiral(PlanePoint P, PlanePoint origin, PlanePoint u, double side,
                                   double L, double C) {
  const PlanePoint p = Minus(P, origin);
  const double x = Dot(p, u);
  const double y = side * Cross(p, u);
  const double FI = ClothoidAngle(L, C);
  const double xlim = (ClothoidY(L, C) - y) * std::tan(FI) + ClothoidX(L, C);
  // Beyond the end, a foot that moves along the end tangent moves 1 / cos(FI) as far along x.
  if (!(x >= -kEndTolerance) || x > xlim + kEndTolerance / std::cos(FI)) return {false, 0, 0, -1};
  const FootPoint foot = FindFootPoint(x, y, C);
  if (!foot.found) return {false, 0, 0, -1};
  return {true, foot.l, foot.d, -1};
}

// The spiral point at arc length l with offset e towards the centre's side, in the frame of a
// spiral from origin along u turning to the side `side`.
PlanePoint SpiralPoint(PlanePoint origin, PlanePoint u, double side, double l, double e, double C) {
  const double phi = ClothoidAngle(l, C);
  const double x = ClothoidX(l, C) - e * std::sin(phi);
  const double y = ClothoidY(l, C) + e * std::cos(phi);
  return Plus(Plus(origin, Times(x, u)), Times(side * y, RightOf(u)));
}

}  // namespace

bool IsElementForm(const Alignment& alignment) {
  return !alignment.chain.elements.empty();
}

double TrackLength(const Alignment& alignment) {
  if (!IsElementForm(alignment)) return alignment.PKend - alignment.PKstart;
  double length = 0;
  for (const ChainElement& e : alignment.chain.elements) length += e.L;
  return length;
}

Alignment AlignmentFromChain(ElementChain chain) {
  Alignment a;
  for (const ChainElement& e : chain.elements) {
    const ElementKind kind = e.kind == ChainKind::Straight ? StraightElement
                             : e.kind == ChainKind::Curve  ? ArcElement
                                                           : EntrySpiralElement;
    a.elements.push_back({kind, -1, e.PKstart, e.PKstart + e.L});
  }
  if (!a.elements.empty()) {
    a.PKstart = a.elements.front().PKstart;
    a.PKend = a.elements.back().PKend;
  }
  a.chain = std::move(chain);
  return a;
}

namespace {

AlignmentStation FromChain(const ChainStation& s) {
  return {s.found, s.PK, s.d, s.element};
}

}  // namespace

AlignmentStation ProjectOntoElement(const Alignment& a, int element, PlanePoint P) {
  if (IsElementForm(a)) return FromChain(ProjectOntoChainElement(a.chain, element, P));
  const AlignmentElement& e = a.elements[static_cast<size_t>(element)];
  const size_t v = static_cast<size_t>(e.vertex);
  AlignmentStation none = {false, 0, 0, element};
  switch (e.kind) {
    case StraightElement: {
      const PlanePoint A = a.curves[v].KSK;
      const PlanePoint u = a.directions[v];
      const double t = Dot(Minus(P, A), u);
      if (!(t >= -kEndTolerance && t <= a.straights[v] + kEndTolerance)) return none;
      return {true, e.PKstart + t, Cross(Minus(P, A), u), element};
    }
    case EntrySpiralElement: {
      const VertexCurve& c = a.curves[v];
      AlignmentStation s = ProjectOntoSpiral(P, c.NSK, a.directions[v - 1], c.s, c.L, c.C);
      if (!s.found) return none;
      return {true, c.PK_NSK + s.PK, c.s * s.d, element};
    }
    case ExitSpiralElement: {
      const VertexCurve& c = a.curves[v];
      AlignmentStation s =
          ProjectOntoSpiral(P, c.KSK, Times(-1, a.directions[v]), -c.s, c.L2, c.C2);
      if (!s.found) return none;
      return {true, c.PK_KSK - s.PK, c.s * s.d, element};
    }
    case ArcElement: {
      const VertexCurve& c = a.curves[v];
      const double b = c.s * Turn(Direction(Minus(P, c.O)) - Direction(Minus(c.NKK, c.O)));
      const double beyond = kEndTolerance / c.R;  // the tolerance along the arc, as an angle
      if (!(b >= -beyond && b <= c.K0 / c.R + beyond)) return none;
      const PlanePoint fromCentre = Minus(P, c.O);
      return {true, c.PK_NKK + c.R * b, c.s * (c.R - Distance(fromCentre.Y, fromCentre.X)),
              element};
    }
  }
  return none;
}

AlignmentStation ProjectOntoAlignment(const Alignment& a, PlanePoint P) {
  if (IsElementForm(a)) return FromChain(ProjectOntoChain(a.chain, P));
  AlignmentStation best = {false, 0, 0, -1};
  for (size_t i = 0; i < a.elements.size(); ++i) {
    const AlignmentStation s = ProjectOntoElement(a, static_cast<int>(i), P);
    if (s.found && (!best.found || Absolute(s.d) < Absolute(best.d))) best = s;
  }
  return best;
}

PlanePoint SetOutOnElement(const Alignment& a, int element, double PK, double d) {
  if (IsElementForm(a)) return SetOutOnChainElement(a.chain, element, PK, d);
  const AlignmentElement& e = a.elements[static_cast<size_t>(element)];
  const size_t v = static_cast<size_t>(e.vertex);
  const VertexCurve& c = a.curves[v];
  switch (e.kind) {
    case StraightElement: {
      const PlanePoint u = a.directions[v];
      return Plus(Plus(c.KSK, Times(PK - e.PKstart, u)), Times(d, RightOf(u)));
    }
    case EntrySpiralElement:
      return SpiralPoint(c.NSK, a.directions[v - 1], c.s, PK - c.PK_NSK, c.s * d, c.C);
    case ExitSpiralElement:
      return SpiralPoint(c.KSK, Times(-1, a.directions[v]), -c.s, c.PK_KSK - PK, c.s * d, c.C2);
    case ArcElement: {
      const double A = Direction(Minus(c.NKK, c.O)) + c.s * (PK - c.PK_NKK) / c.R;
      return Plus(c.O, Times(c.R - c.s * d, {std::sin(A), std::cos(A)}));
    }
  }
  return {0, 0};
}

int ElementAtChainage(const Alignment& a, double PK) {
  if (IsElementForm(a)) return ChainElementAtChainage(a.chain, PK);
  if (!(PK >= a.PKstart - kEndTolerance && PK <= a.PKend + kEndTolerance)) return -1;
  for (size_t i = 0; i < a.elements.size(); ++i) {
    if (PK <= a.elements[i].PKend) return static_cast<int>(i);
  }
  return static_cast<int>(a.elements.size()) - 1;
}

std::string ElementName(const Alignment& a, int element) {
  if (IsElementForm(a)) return ChainElementName(a.chain, element);
  const AlignmentElement& e = a.elements[static_cast<size_t>(element)];
  const size_t v = static_cast<size_t>(e.vertex);
  switch (e.kind) {
    case StraightElement: return "straight " + a.vertices[v].name + "-" + a.vertices[v + 1].name;
    case EntrySpiralElement: return a.vertices[v].name + " entry spiral";
    case ArcElement: return a.vertices[v].name + " curve";
    case ExitSpiralElement: return a.vertices[v].name + " exit spiral";
  }
  return "";
}

double ChainageOnElement(const Alignment& a, int element, double PK) {
  if (!IsElementForm(a)) return std::min(std::max(PK, a.PKstart), a.PKend);
  const AlignmentElement& e = a.elements[static_cast<size_t>(element)];
  return std::min(std::max(PK, e.PKstart), e.PKend);
}
