// A point of the plan, Y first (+X up, +Y to the right), and how far beyond an element's ends a
// point still belongs to it: shared by the vertex form and the element form of an alignment.
#pragma once

#include "geometry.h"

struct PlanePoint {
  double Y;
  double X;
};

inline PlanePoint Plus(PlanePoint a, PlanePoint b) {
  return {a.Y + b.Y, a.X + b.X};
}
inline PlanePoint Minus(PlanePoint a, PlanePoint b) {
  return {a.Y - b.Y, a.X - b.X};
}
inline PlanePoint Times(double f, PlanePoint a) {
  return {f * a.Y, f * a.X};
}
inline double Dot(PlanePoint a, PlanePoint b) {
  return DotProduct(a.Y, a.X, b.Y, b.X);
}

// How far beyond an element's ends a foot point, or beyond the alignment's ends a chainage, still
// counts as that end.
constexpr double kEndTolerance = 1e-6;
