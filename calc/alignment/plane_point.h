// A point of the plan, Y first (+X up, +Y to the right), and how far beyond an element's ends a
// point still belongs to it: shared by the vertex form and the element form of an alignment.
#pragma once

struct PlanePoint {
  double Y;
  double X;
};

// How far beyond an element's ends a foot point, or beyond the alignment's ends a chainage, still
// counts as that end.
constexpr double kEndTolerance = 1e-6;
