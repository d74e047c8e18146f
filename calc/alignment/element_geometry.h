// The geometry of one element of a chain: its end from its start, its points and directions, and
// the foot of a point on it. Straights and circular curves are exact formulas; a transition is
// integrated piece by piece. Portable; the chain's reading (element_chain.cpp) builds on it.
#pragma once

#include "alignment/element_chain.h"

// How many pieces the transitions of one chain are cut into at most, in all.
constexpr long kMaxPiecesPerChain = 1000000;

// Completes an element whose kind, law, length, radii, curvatures, start and direction are set:
// its end and end direction and, on a transition, its pieces, taken from piecesLeft.
void FinishElement(ChainElement& e, long& piecesLeft);

// An angle brought into [0, 2 pi); an angle difference brought into (-pi, pi].
double Reduced(double radians);
double Turn(double radians);
