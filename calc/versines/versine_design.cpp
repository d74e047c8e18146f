// The design curve, its versines at the stations, the slews and the best-fit search.
#include "versines/versine_design.h"

#include <algorithm>
#include <cmath>

namespace {

// Fitting within this much of the stations' span and of a circular curve of no length.
constexpr double kFitSlack = 1e-9;
// The searches stop when their range is narrower than this part of its upper end; the counts
// only guard against a range that never narrows (values that are not finite).
constexpr double kSearchWidth = 1e-12;
constexpr int kMostBisections = 200;
constexpr int kMostGoldenSteps = 400;

double Cube(double x) {
  return x * x * x;
}

// The triangle-weighted mean over the chord of the ramp (x)+ and of the step (x >= 0): Q(x) and
// Q'(x). Beyond one step either side they are exactly the ramp and the step, taken as such so
// that no large cubes cancel far from the curve.
double MeanRamp(double x, double a) {
  if (x <= -a) return 0;
  if (x >= a) return x;
  return (Cube(x + a) - 2 * Cube(std::max(x, 0.0))) / (6 * a * a);
}
double MeanStep(double x, double a) {
  if (x <= -a) return 0;
  if (x >= a) return 1;
  const double p = x + a, q = std::max(x, 0.0);
  return (p * p - 2 * q * q) / (2 * a * a);
}

}  // namespace

VersineSums SumsOf(const std::vector<double>& f) {
  VersineSums sums;
  for (size_t i = 0; i < f.size(); ++i) {
    sums.A += f[i];
    sums.B += static_cast<double>(i) * f[i];
  }
  return sums;
}

VersineDesign ClosedDesign(double step, double L1, double L2, double fc, const VersineSums& sums) {
  VersineDesign design;
  design.step = step;
  design.fc = fc;
  design.L1 = L1;
  design.L2 = L2;
  const double a = step;
  design.Lc = a * sums.A / fc - (L1 + L2) / 2;
  const double Lc = design.Lc;
  const double G0 = Lc + (L1 + L2) / 2;
  const double G1 =
      L1 * L1 / 3 + ((L1 + Lc) * (L1 + Lc) - L1 * L1) / 2 + (L1 + Lc) * L2 / 2 + L2 * L2 / 6;
  design.TS = a * sums.B / sums.A - G1 / G0;
  return design;
}

bool FitsStations(const VersineDesign& design, size_t n) {
  const double end = static_cast<double>(n - 1) * design.step;
  return std::isfinite(design.Lc) && std::isfinite(design.TS) && design.Lc >= -kFitSlack &&
         design.TS >= -kFitSlack && design.ST() <= end + kFitSlack;
}

double DesignVersine(const VersineDesign& d, double s) {
  const double a = d.step;
  const double U =
      d.L1 > 0 ? (MeanRamp(s - d.TS, a) - MeanRamp(s - d.SC(), a)) / d.L1 : MeanStep(s - d.TS, a);
  const double V = d.L2 > 0 ? (MeanRamp(s - d.CS(), a) - MeanRamp(s - d.ST(), a)) / d.L2
                            : MeanStep(s - d.CS(), a);
  return d.fc * (U - V);
}

std::vector<double> DesignVersines(const VersineDesign& design, size_t n) {
  std::vector<double> P(n);
  for (size_t i = 0; i < n; ++i) P[i] = DesignVersine(design, static_cast<double>(i) * design.step);
  return P;
}

SlewColumns Slews(const std::vector<double>& f, const std::vector<double>& P) {
  SlewColumns c;
  double sum1 = 0, sum2 = 0;
  for (size_t i = 0; i < f.size(); ++i) {
    sum2 += i > 0 ? sum1 : 0;  // Sum 1 up to the station before
    sum1 += f[i] - P[i];
    c.d.push_back(f[i] - P[i]);
    c.sum1.push_back(sum1);
    c.sum2.push_back(sum2);
    c.slew.push_back(2 * sum2);
  }
  return c;
}

double SlewSquares(const std::vector<double>& f, double step, double L1, double L2, double fc,
                   const VersineSums& sums) {
  const VersineDesign design = ClosedDesign(step, L1, L2, fc, sums);
  double squares = 0;
  for (double slew : Slews(f, DesignVersines(design, f.size())).slew) squares += slew * slew;
  return squares;
}

bool BestFitVersine(const std::vector<double>& f, double step, double L1, double L2, double& fc) {
  const VersineSums sums = SumsOf(f);
  auto fits = [&](double x) { return FitsStations(ClosedDesign(step, L1, L2, x, sums), f.size()); };
  const double largest = L1 + L2 > 0 ? 2 * step * sums.A / (L1 + L2) : sums.A;
  if (!fits(largest)) return false;
  // The smallest versine that fits: a smaller one only lengthens the curve both ways.
  double low = 0, high = largest;
  for (int k = 0; k < kMostBisections && high - low >= kSearchWidth * largest; ++k) {
    const double middle = (low + high) / 2;
    (fits(middle) ? high : low) = middle;
  }
  // The sum of squares has one minimum between there and the largest: golden-section search.
  const double r = (std::sqrt(5.0) - 1) / 2;
  auto squares = [&](double x) { return SlewSquares(f, step, L1, L2, x, sums); };
  low = high;
  high = largest;
  double c = high - r * (high - low), d = low + r * (high - low);
  double Sc = squares(c), Sd = squares(d);
  for (int k = 0; k < kMostGoldenSteps && high - low >= kSearchWidth * high; ++k) {
    if (Sc < Sd) {
      high = d, d = c, Sd = Sc;
      c = high - r * (high - low);
      Sc = squares(c);
    } else {
      low = c, c = d, Sc = Sd;
      d = low + r * (high - low);
      Sd = squares(d);
    }
  }
  fc = (low + high) / 2;
  return true;
}
