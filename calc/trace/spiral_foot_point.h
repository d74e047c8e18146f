// The foot point of a surveyed point on a transition curve (spiral): the one iteration that
// Trace Connecting and Trace Alignment share, so that both give the same chainage and offset.
#pragma once

// The foot-point iteration gives up after this many passes.
constexpr int kFootPointPassLimit = 1000;

struct FootPoint {
  bool found;
  double l;  // arc length from the spiral's start, corrected on the last pass as well
  double d;  // distance from the spiral along its normal to the point, from the last pass
};

// The point of the spiral (parameter C) whose normal passes through the point (x, y) of the
// spiral frame (origin at the spiral's start, x along the straight, y towards the curve's
// centre), by fixed-point iteration on the arc length l, starting at l = x: each pass moves l by
// how far the normal at l misses x on the line y, and the passes stop once that miss is below
// 1e-7. Gives up (found false) when a pass meets a value that is not finite (for example C = 0)
// or after kFootPointPassLimit passes.
FootPoint FindFootPoint(double x, double y, double C);
