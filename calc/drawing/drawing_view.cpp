// The drawing's mapping and round numbers. Round steps are found from the decimal exponent of the
// value and then checked against it, so that a value on a power of ten is never missed by a last
// bit of log10.
#include "drawing/drawing_view.h"

#include <cmath>
#include <cstdio>

#include "geometry.h"

namespace {

bool PositiveFinite(double value) {
  return value > 0 && std::isfinite(value);
}

// The mantissas of round numbers in one decade, growing.
constexpr double kStepMantissas[] = {1, 2, 5};

// 10^k, the nearest double to it: an exact product for k >= 0 (exact up to 10^22), one correctly
// rounded division below. (The runtimes' pow does not promise the nearest double: one gives
// 0.0010000000000000002 for 10^-3.)
double PowerOfTen(int k) {
  double power = 1;
  for (int i = 0; i < (k < 0 ? -k : k); ++i) power *= 10;
  return k < 0 ? 1 / power : power;
}

// The exponent of the power of ten at or just below `value` (positive, finite).
int DecadeExponent(double value) {
  int k = static_cast<int>(std::floor(std::log10(value)));
  if (PowerOfTen(k) > value) --k;
  if (PowerOfTen(k + 1) <= value) ++k;
  return k;
}

double DecadeOf(double value) {
  return PowerOfTen(DecadeExponent(value));
}

int DecimalsOfStep(double step) {
  int decimals = 0;
  // A step of 0.5 needs one decimal, 0.25 two (a step is rounded to at most 15 figures).
  while (decimals < 15) {
    const double scaled = step * PowerOfTen(decimals);
    if (std::fabs(scaled - std::round(scaled)) < 1e-9 * scaled) break;
    ++decimals;
  }
  return decimals;
}

}  // namespace

void AddToBox(SurveyBox& box, PlanePoint point) {
  if (!std::isfinite(point.Y) || !std::isfinite(point.X)) return;
  if (box.empty) {
    box = {false, point.Y, point.X, point.Y, point.X};
    return;
  }
  box.minY = std::fmin(box.minY, point.Y);
  box.maxY = std::fmax(box.maxY, point.Y);
  box.minX = std::fmin(box.minX, point.X);
  box.maxX = std::fmax(box.maxX, point.X);
}

ScreenPoint ToScreen(const PlanView& view, PlanePoint point) {
  return {(point.Y - view.Y0) * view.scale, (view.X0 - point.X) * view.scale};
}

PlanePoint ToSurvey(const PlanView& view, ScreenPoint point) {
  return {view.Y0 + point.x / view.scale, view.X0 - point.y / view.scale};
}

PlanView FitPlanView(const SurveyBox& box, const ScreenRect& area, double margin) {
  const double width = area.right - area.left - 2 * margin;
  const double height = area.bottom - area.top - 2 * margin;
  const double spanY = box.empty ? 0 : box.maxY - box.minY;
  const double spanX = box.empty ? 0 : box.maxX - box.minX;
  double scale = 1;
  if (width > 0 && height > 0) {
    if (PositiveFinite(spanY) && PositiveFinite(spanX)) {
      scale = std::fmin(width / spanY, height / spanX);
    } else if (PositiveFinite(spanY)) {
      scale = width / spanY;
    } else if (PositiveFinite(spanX)) {
      scale = height / spanX;
    }
  }
  if (!PositiveFinite(scale)) scale = 1;
  const double centreY = box.empty ? 0 : box.minY + spanY / 2;
  const double centreX = box.empty ? 0 : box.minX + spanX / 2;
  PlanView view;
  view.scale = scale;
  view.Y0 = centreY - (area.left + area.right) / 2 / scale;
  view.X0 = centreX + (area.top + area.bottom) / 2 / scale;
  return view;
}

PlanView ZoomPlanView(const PlanView& view, ScreenPoint at, double factor, double minScale,
                      double maxScale) {
  if (!PositiveFinite(factor)) return view;
  double scale = view.scale * factor;
  if (scale > maxScale) scale = maxScale;
  if (scale < minScale) scale = minScale;
  if (!PositiveFinite(scale)) return view;
  const PlanePoint fixed = ToSurvey(view, at);
  PlanView zoomed;
  zoomed.scale = scale;
  zoomed.Y0 = fixed.Y - at.x / scale;
  zoomed.X0 = fixed.X + at.y / scale;
  return zoomed;
}

PlanView PanPlanView(const PlanView& view, double dx, double dy) {
  PlanView moved = view;
  moved.Y0 -= dx / view.scale;
  moved.X0 += dy / view.scale;
  return moved;
}

double RoundStepAtLeast(double least) {
  if (!PositiveFinite(least)) return 1;
  for (int k = DecadeExponent(least);; ++k) {
    const double decade = PowerOfTen(k);
    for (double mantissa : kStepMantissas) {
      if (mantissa * decade >= least) return mantissa * decade;
    }
  }
}

double RoundLengthAtMost(double most) {
  if (!PositiveFinite(most)) return 0;
  const double decade = DecadeOf(most);
  for (int i = 2; i >= 0; --i) {
    if (kStepMantissas[i] * decade <= most) return kStepMantissas[i] * decade;
  }
  return decade;
}

double RoundScaleDenominator(double n) {
  if (!PositiveFinite(n) || n < 1) return 1;
  constexpr double kScaleMantissas[] = {1, 2, 2.5, 5, 10};
  const double decade = DecadeOf(n);
  for (double mantissa : kScaleMantissas) {
    if (mantissa * decade >= n) return mantissa * decade;
  }
  return 10 * decade;
}

std::string TickLabel(double value, double step) {
  const int decimals = PositiveFinite(step) && step < 1 ? DecimalsOfStep(step) : 0;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return UnsignedZero(text);  // "-0" and "-0.0" are zero
}

std::string DrawingFigure(double value, int decimals, bool sign) {
  char text[64];
  std::snprintf(text, sizeof text, sign ? "%+.*f" : "%.*f", decimals, value);
  return UnsignedZero(text);  // a figure of zeros is zero, without a sign
}

double LabelledTickStep(double from, double to, double unitsApart, double charWidth) {
  if (!PositiveFinite(unitsApart) || !std::isfinite(from) || !std::isfinite(to)) return 1;
  if (!PositiveFinite(charWidth)) charWidth = 1;
  const double lowest = std::fmin(from, to);
  const double highest = std::fmax(from, to);
  // Two characters apart at the least; then as wide as the widest label needs.
  for (double step = RoundStepAtLeast(2 * charWidth / unitsApart);;
       step = RoundStepAtLeast(step * 1.5)) {
    size_t widest = 1;
    // The widest labels are those of the largest magnitude, at the ends of the range.
    for (double end : {std::floor(lowest / step) * step, std::ceil(highest / step) * step}) {
      const size_t length = TickLabel(end, step).size();
      if (length > widest) widest = length;
    }
    if (step * unitsApart >= (static_cast<double>(widest) + 1) * charWidth) return step;
    if (!std::isfinite(step * 10)) return step;
  }
}

bool ClipSegment(ScreenPoint& a, ScreenPoint& b, const ScreenRect& rect) {
  // Liang-Barsky: the part of a + t (b - a), t in [0, 1], inside each of the four edges.
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - rect.left, rect.right - a.x, a.y - rect.top, rect.bottom - a.y};
  double t0 = 0;
  double t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (!std::isfinite(p[i]) || !std::isfinite(q[i])) return false;
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const ScreenPoint start = a;
  if (t1 < 1) b = {start.x + t1 * dx, start.y + t1 * dy};
  if (t0 > 0) a = {start.x + t0 * dx, start.y + t0 * dy};
  return true;
}
