// The geometry of one element of a chain: its end from its start, its points and directions, and
// the foot of a point on it. Straights and circular curves are exact formulas; a transition is
// integrated piece by piece. Portable; the chain's reading (element_chain.cpp) builds on it.
#pragma once

#include <vector>

#include "alignment/plane_point.h"

struct TransitionLaw;  // transition_laws.h

// Spiral: a transition curve of any law.
enum class ChainKind { Straight, Curve, Spiral };

// A spiral's point and tangent where one of its pieces starts: the pieces are short enough for
// a fixed-order quadrature from their start to be exact to about 1e-12 of their length.
struct SpiralPiece {
  double s;       // arc length from the element's start
  PlanePoint at;  // the spiral's point there
  PlanePoint tangent;
};

struct ChainElement {
  ChainKind kind;
  const TransitionLaw* law;  // a transition's law (a row of kTransitionLaws), else null
  double L;
  double Rstart, Rend;  // equal on a curve, 0 on a straight; on a spiral 0 means infinite
  PlanePoint start;
  double direction;  // at the start, radians in [0, 2 pi)
  double PKstart;
  PlanePoint end;
  double endDirection;  // radians in [0, 2 pi)
  bool givesStart;      // its line gives Y X Dir
  // Curvatures at the start and end (1/R, 0 for an infinite radius) and, on a spiral, its pieces
  // in arc-length order, the first at s = 0, all of equal length.
  double kStart, kEnd;
  std::vector<SpiralPiece> pieces;
};

// The point at arc length s from the element's start and, when direction is not null, the
// direction there (radians, not reduced). s may lie a little outside 0 ... L: the element's
// geometry goes on.
PlanePoint ChainPointAt(const ChainElement& element, double s, double* direction);

// The chainage and offset of a point against the chain.
struct ChainStation {
  bool found;
  double PK;
  double d;
  int element;  // index into ElementChain::elements (element_chain.h)
};

// P against one element, the element-th of its chain, when P projects onto it (see
// ProjectOntoChainElement).
ChainStation ProjectOntoElement(const ChainElement& e, int element, PlanePoint P);

// The point at arc length s from the element's start and offset d to the right of it.
PlanePoint SetOutOnElement(const ChainElement& e, double s, double d);

// How many pieces the transitions of one chain are cut into at most, in all.
constexpr long kMaxPiecesPerChain = 1000000;

// Completes an element whose kind, law, length, radii, curvatures, start and direction are set:
// its end and end direction and, on a transition, its pieces, taken from piecesLeft.
void FinishElement(ChainElement& e, long& piecesLeft);

// An angle brought into [0, 2 pi); an angle difference brought into (-pi, pi].
double ReducedAngle(double radians);
double AngleDifference(double radians);
