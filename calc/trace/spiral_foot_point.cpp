#include "trace/spiral_foot_point.h"

#include <cmath>

#include "geometry.h"
#include "spiral.h"

FootPoint FindFootPoint(double xpz, double ypz, double C) {
  const double tolerance = TimesTenToMinus7(1);
  double l = xpz;
  for (int pass = 0; pass < kFootPointPassLimit; ++pass) {
    const double phi = ClothoidAngle(l, C);
    const double d = (ypz - ClothoidY(l, C)) / std::cos(phi);
    const double xf = ClothoidX(l, C) - d * std::sin(phi);
    const double err = Absolute(xpz - xf);
    if (!std::isfinite(phi) || !std::isfinite(d) || !std::isfinite(xf) || !std::isfinite(err)) {
      break;
    }
    l = (xpz - xf) + l;
    if (tolerance > err) return {true, l, d};
  }
  return {false, 0.0, 0.0};
}
