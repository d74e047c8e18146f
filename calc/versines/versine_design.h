// The design curve of Curve by Versines and its versines at the stations: straight, transition
// L1, circular curve Lc, transition L2, straight, placed by the two closing conditions (the
// design versines add up to the measured ones and have the same first moment), and the slews
// that turn the measured curve into it by the second summation. Portable.
//
// Everything here works in the "working sign": the versines of a curve measured with negative
// versines are negated first, so that the curve's versine fc is positive.
#pragma once

#include <cstddef>
#include <vector>

// The design: lengths in metres from the first station, fc in millimetres.
struct VersineDesign {
  double step = 10;  // a: the stations' spacing, half the chord
  double fc = 0;     // the circular curve's versine: 500 a^2 / R
  double L1 = 0;
  double Lc = 0;
  double L2 = 0;
  double TS = 0;
  double SC() const { return TS + L1; }
  double CS() const { return SC() + Lc; }
  double ST() const { return CS() + L2; }
};

// The measured versines' sums: A = sum of f_i, B = sum of i f_i.
struct VersineSums {
  double A = 0;
  double B = 0;
};
VersineSums SumsOf(const std::vector<double>& f);

// The design of versine fc closed on the sums: Lc and TS from the closing conditions.
VersineDesign ClosedDesign(double step, double L1, double L2, double fc, const VersineSums& sums);

// The design lies between the first and the last of n stations, with a circular curve of no
// negative length (each to within 1e-9 m). False for anything that is not finite.
bool FitsStations(const VersineDesign& design, std::size_t n);

// The design's versine at s with the chord 2a: the mean of its curvature over the chord,
// weighted by the triangle (a - |u|) / a^2, in millimetres.
double DesignVersine(const VersineDesign& design, double s);

// The design's versines at the n stations s_i = i a.
std::vector<double> DesignVersines(const VersineDesign& design, std::size_t n);

// The columns of the second summation: d_i = f_i - P_i, Sum 1 its running sum, Sum 2 the running
// sum of Sum 1 before station i, the slew twice Sum 2.
struct SlewColumns {
  std::vector<double> d, sum1, sum2, slew;
};
SlewColumns Slews(const std::vector<double>& f, const std::vector<double>& P);

// The sum of the squares of the slews of the design of versine fc closed on f.
double SlewSquares(const std::vector<double>& f, double step, double L1, double L2, double fc,
                   const VersineSums& sums);

// The best-fit versine between the smallest that fits and the largest (a circular curve of no
// length, or of one step without transitions): the one whose slews have the smallest sum of
// squares. False when not even the largest fits.
bool BestFitVersine(const std::vector<double>& f, double step, double L1, double L2, double& fc);
