// The geometry of one element. Straights and circular curves are exact formulas; a transition is
// cut into pieces over which its direction turns by at most kPiecePhase, and a point on it is the
// point where its piece starts plus an 8-point Gauss-Legendre integral of the tangent from there:
// exact to about 1e-12 of the piece length, and no point costs more than one piece.
#include "alignment/element_geometry.h"

#include <algorithm>
#include <cmath>

#include "alignment/transition_laws.h"
#include "geometry.h"

namespace {

// How far a transition turns within one piece at most, as long as the piece limits allow it.
constexpr double kPiecePhase = 0.1;
// Limits that keep an absurd spiral (a kilometre wound at a metre's radius) from exhausting memory:
// beyond them pieces turn further and points grow less exact, never wrong in kind.
constexpr int kMaxPiecesPerElement = 100000;
// The foot-point search on a spiral piece halves its bracket at least every other pass.
constexpr int kFootPasses = 100;

// Gauss-Legendre nodes and weights of order 8 on [-1, 1], the nodes of each pair being +-x.
constexpr double kGaussNodes[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                   0.9602898564975363};
constexpr double kGaussWeights[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                     0.1012285362903763};

PlanePoint Tangent(double direction) {
  return {std::sin(direction), std::cos(direction)};
}
// The unit normal to the right of a direction.
PlanePoint RightNormal(double direction) {
  return {std::cos(direction), -std::sin(direction)};
}

// The direction and curvature along an element: constant on a straight, linear in s on a curve,
// k1 s + (k2 - k1) L F(s / L) on a transition (F its law's integral of f).
double PhaseAt(const ChainElement& e, double s) {
  switch (e.kind) {
    case ChainKind::Straight: return e.direction;
    case ChainKind::Curve: return e.direction + s * e.kStart;
    case ChainKind::Spiral:
      return e.direction + s * e.kStart + (e.kEnd - e.kStart) * e.L * e.law->F(s / e.L);
  }
  return e.direction;
}
double CurvatureAt(const ChainElement& e, double s) {
  switch (e.kind) {
    case ChainKind::Straight: return 0.0;
    case ChainKind::Curve: return e.kStart;
    case ChainKind::Spiral: return e.kStart + (e.kEnd - e.kStart) * e.law->f(s / e.L);
  }
  return 0.0;
}

// The transition's point at `to`, from its point `at` where arc length `from` is: the tangent
// integrated by Gauss-Legendre. Exact while the direction turns little between the two.
PlanePoint SpiralStep(const ChainElement& e, double from, PlanePoint at, double to) {
  const double half = (to - from) / 2;
  const double middle = (to + from) / 2;
  PlanePoint sum = {0, 0};
  for (int i = 0; i < 4; ++i) {
    const double before = PhaseAt(e, middle - half * kGaussNodes[i]);
    const double after = PhaseAt(e, middle + half * kGaussNodes[i]);
    sum.Y += kGaussWeights[i] * (std::sin(before) + std::sin(after));
    sum.X += kGaussWeights[i] * (std::cos(before) + std::cos(after));
  }
  return Plus(at, Times(half, sum));
}

// The piece of a transition that holds s (the first or last for an s outside the spiral).
size_t PieceOf(const ChainElement& e, double s) {
  const size_t n = e.pieces.size();
  const double position = s / e.L * static_cast<double>(n);
  if (!(position >= 0)) return 0;
  if (position >= static_cast<double>(n - 1)) return n - 1;
  return static_cast<size_t>(position);
}

// Cuts a transition into pieces of equal length, each turning by at most kPiecePhase (every law's
// curvature grows from one end to the other, so the direction turns fastest at the sharper end),
// within the pieces left for the chain. Their number is a multiple of the law's bendDivisions: no
// piece spans a kink of the curvature, where the quadrature would lose its accuracy.
void CutIntoPieces(ChainElement& e, long& piecesLeft) {
  const double turn = std::max(Absolute(e.kStart), Absolute(e.kEnd)) * e.L;
  const double wanted = std::ceil(turn / kPiecePhase);
  const long limit = std::min(static_cast<long>(kMaxPiecesPerElement), std::max(piecesLeft, 1L));
  const long most = wanted >= 1 && wanted < static_cast<double>(limit) ? static_cast<long>(wanted)
                    : wanted >= 1                                      ? limit
                                                                       : 1;
  const long divisions = e.law->bendDivisions;
  const long n = (most + divisions - 1) / divisions * divisions;
  piecesLeft -= n;
  e.pieces.clear();
  e.pieces.reserve(static_cast<size_t>(n));
  PlanePoint at = e.start;
  double s = 0;
  for (long i = 0; i < n; ++i) {
    e.pieces.push_back({s, at, Tangent(PhaseAt(e, s))});
    const double next =
        i + 1 == n ? e.L : e.L * static_cast<double>(i + 1) / static_cast<double>(n);
    at = SpiralStep(e, s, at, next);
    s = next;
  }
}

// --- Projection ----------------------------------------------------------------------------

ChainStation NotFound(int element) {
  return {false, 0, 0, element};
}

ChainStation StationAt(const ChainElement& e, int element, double s, PlanePoint P) {
  double direction = 0;
  const PlanePoint foot = ChainPointAt(e, s, &direction);
  return {true, e.PKstart + s, Dot(Minus(P, foot), RightNormal(direction)), element};
}

ChainStation ProjectOntoCurve(const ChainElement& e, int element, PlanePoint P) {
  const double side = e.Rstart > 0 ? 1.0 : -1.0;
  const double radius = Absolute(e.Rstart);
  const PlanePoint centre = Plus(e.start, Times(e.Rstart, RightNormal(e.direction)));
  const PlanePoint fromCentre = Minus(P, centre);
  const PlanePoint startFromCentre = Minus(e.start, centre);
  // How far the foot lies round the curve from its start, as a turn in [0, 2 pi); P at the centre
  // is as near to every point of the curve and takes its start.
  double swept = 0;
  if (fromCentre.Y != 0 || fromCentre.X != 0) {
    swept = ReducedAngle(side * (DirAngle(fromCentre.Y, fromCentre.X) -
                                 DirAngle(startFromCentre.Y, startFromCentre.X)));
  }
  double s = radius * swept;
  if (s > e.L + kEndTolerance && radius * (TimesPi(2) - swept) <= kEndTolerance) {
    s = -radius * (TimesPi(2) - swept);  // just before the start
  }
  if (!(s >= -kEndTolerance && s <= e.L + kEndTolerance)) return NotFound(element);
  return {true, e.PKstart + s, side * (radius - Distance(fromCentre.Y, fromCentre.X)), element};
}

// How P lies ahead of the spiral's point at s: (P - point) . tangent, positive while the foot lies
// further on; and how fast that changes with s.
struct Ahead {
  double along;
  double rate;
};
Ahead AheadOf(const ChainElement& e, double s, PlanePoint at, PlanePoint P) {
  const double phase = PhaseAt(e, s);
  const PlanePoint toP = Minus(P, at);
  return {Dot(toP, Tangent(phase)), -1 + CurvatureAt(e, s) * Dot(toP, RightNormal(phase))};
}

// The foot between lo and hi, both within one piece, where `along` falls from above 0 to 0 or
// below: Newton's steps while they stay inside the bracket, halving otherwise.
double FootInPiece(const ChainElement& e, const SpiralPiece& piece, double lo, double hi,
                   PlanePoint P) {
  double s = (lo + hi) / 2;
  for (int pass = 0; pass < kFootPasses; ++pass) {
    const Ahead a = AheadOf(e, s, SpiralStep(e, piece.s, piece.at, s), P);
    if (a.along > 0)
      lo = s;
    else
      hi = s;
    const double newton = s - a.along / a.rate;
    const double next = newton > lo && newton < hi ? newton : (lo + hi) / 2;
    const bool settled = Absolute(next - s) <= 1e-13 * (1 + Absolute(s));
    s = next;
    if (settled || !(hi - lo > 0)) break;
  }
  return s;
}

ChainStation ProjectOntoSpiral(const ChainElement& e, int element, PlanePoint P) {
  const std::vector<SpiralPiece>& pieces = e.pieces;
  const size_t n = pieces.size();
  // `along` at the piece starts, and a tangent step's worth outside both ends (a foot within
  // kEndTolerance beyond an end counts).
  auto alongAtStart = [&](size_t i) { return Dot(Minus(P, pieces[i].at), pieces[i].tangent); };
  const Ahead first = AheadOf(e, 0, e.start, P);
  const Ahead last = AheadOf(e, e.L, e.end, P);
  double bestDistance = 0;
  ChainStation best = NotFound(element);
  double lo = -kEndTolerance;
  double alongLo = first.along - kEndTolerance * first.rate;
  for (size_t i = 0; i < n; ++i) {
    const double hi = i + 1 < n ? pieces[i + 1].s : e.L + kEndTolerance;
    const double alongHi = i + 1 < n ? alongAtStart(i + 1) : last.along + kEndTolerance * last.rate;
    if (alongLo > 0 && alongHi <= 0) {
      const double s = FootInPiece(e, pieces[i], lo, hi, P);
      const PlanePoint foot = SpiralStep(e, pieces[i].s, pieces[i].at, s);
      const PlanePoint toP = Minus(P, foot);
      const double distance = Distance(toP.Y, toP.X);
      if (!best.found || distance < bestDistance) {
        best = {true, e.PKstart + s, Dot(toP, RightNormal(PhaseAt(e, s))), element};
        bestDistance = distance;
      }
    }
    lo = hi;
    alongLo = alongHi;
  }
  return best;
}

}  // namespace

// An angle brought into [0, 2 pi).
double ReducedAngle(double radians) {
  const double r = std::fmod(radians, TimesPi(2));
  return r < 0 ? r + TimesPi(2) : r;
}
double AngleDifference(double radians) {
  const double r = std::fmod(radians, TimesPi(2));
  if (r > TimesPi(1)) return r - TimesPi(2);
  if (r <= -TimesPi(1)) return r + TimesPi(2);
  return r;
}

// The end of an element from its start: exact on a straight and a curve, the last piece's
// quadrature on a spiral.
void FinishElement(ChainElement& e, long& piecesLeft) {
  e.endDirection = ReducedAngle(PhaseAt(e, e.L));
  switch (e.kind) {
    case ChainKind::Straight: e.end = Plus(e.start, Times(e.L, Tangent(e.direction))); break;
    case ChainKind::Curve: e.end = ChainPointAt(e, e.L, nullptr); break;
    case ChainKind::Spiral:
      CutIntoPieces(e, piecesLeft);
      e.end = SpiralStep(e, e.pieces.back().s, e.pieces.back().at, e.L);
      break;
  }
}

PlanePoint ChainPointAt(const ChainElement& e, double s, double* direction) {
  const double phase = PhaseAt(e, s);
  if (direction != nullptr) *direction = phase;
  switch (e.kind) {
    case ChainKind::Straight: return Plus(e.start, Times(s, Tangent(e.direction)));
    case ChainKind::Curve: {
      // Along the chord from the start, 2 R sin(turn / 2) long at half the turn: through the
      // centre, R away, a radius of 1e20 would lose the start to rounding.
      const double turn = s * e.kStart;
      const double chord = turn == 0 ? s : 2 * std::sin(turn / 2) / e.kStart;
      return Plus(e.start, Times(chord, Tangent(e.direction + turn / 2)));
    }
    case ChainKind::Spiral: {
      if (e.pieces.empty()) return e.start;
      const SpiralPiece& piece = e.pieces[PieceOf(e, s)];
      return SpiralStep(e, piece.s, piece.at, s);
    }
  }
  return e.start;
}

ChainStation ProjectOntoElement(const ChainElement& e, int element, PlanePoint P) {
  switch (e.kind) {
    case ChainKind::Straight: {
      const PlanePoint toP = Minus(P, e.start);
      const double s = Dot(toP, Tangent(e.direction));
      if (!(s >= -kEndTolerance && s <= e.L + kEndTolerance)) return NotFound(element);
      return StationAt(e, element, s, P);
    }
    case ChainKind::Curve: return ProjectOntoCurve(e, element, P);
    case ChainKind::Spiral: return ProjectOntoSpiral(e, element, P);
  }
  return NotFound(element);
}

PlanePoint SetOutOnElement(const ChainElement& e, double s, double d) {
  double direction = 0;
  const PlanePoint on = ChainPointAt(e, s, &direction);
  return Plus(on, Times(d, RightNormal(direction)));
}
