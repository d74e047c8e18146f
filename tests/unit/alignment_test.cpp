// Trace Alignment: the worked alignment's whole reports, each problem line, and the properties
// that make the geometry trustworthy: setting out is continuous at every main point and
// computing chainage and offset back gives what was set out.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "alignment/alignment.h"
#include "alignment/alignment_report.h"
#include "alignment_checks.h"
#include "frame/remembered_inputs.h"
#include "frame/report.h"
#include "geometry.h"
#include "report_lines.h"
#include "spiral.h"
#include "trace/trace_connecting.h"

namespace {

const AlignmentTexts kWorked = {"1000",
                                "V0 500 200\r\n"
                                "V1 900 1200 600 120\r\n"
                                "\r\n"
                                "V2 700 2200 800 0\r\n"
                                "V3 1500 3000 500 80\r\n"
                                "V4 1600 4000",
                                false, ""};

const std::vector<std::string> kWorkedEcho = {"PKstart=1000",
                                              "V0 500 200",
                                              "V1 900 1200 600 120",
                                              "V2 700 2200 800 0",
                                              "V3 1500 3000 500 80",
                                              "V4 1600 4000",
                                              ""};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(TraceAlignment, WorkedExampleCalc) {
  const std::vector<std::string> expected =
      Joined(Joined({"", "Calculation on alignment", ""}, kWorkedEcho),
             {"Vertex\tAngle\tR\tL\tT\tK\tD\tPK",
              "V1\t-33' 6' 40.83'\t600.0000\t120.0000\t238.6396\t466.7412\t10.5380\t2077.0330",
              "V2\t 56' 18' 35.76'\t800.0000\t0.0000\t428.1470\t786.2350\t70.0590\t3086.2989",
              "V3\t-39' 17' 21.86'\t500.0000\t80.0000\t218.6635\t422.8648\t14.4622\t4147.6107",
              "",
              "Point\tPK\tY\tX",
              "V0\t1000.0000\t500.0000\t200.0000",
              "V1 NSK\t1838.3934\t811.3715\t978.4287",
              "V1 NKK\t1958.3934\t852.1826\t1091.2190",
              "V1 KKK\t2185.1345\t872.7898\t1315.6694",
              "V1 KSK\t2305.1345\t853.1989\t1434.0054",
              "V2 NSK\t2658.1518\t783.9665\t1780.1673",
              "V2 NKK\t2658.1518\t783.9665\t1780.1673",
              "V2 KKK\t3444.3868\t1002.7457\t2502.7457",
              "V2 KSK\t3444.3868\t1002.7457\t2502.7457",
              "V3 NSK\t3928.9472\t1345.3816\t2845.3816",
              "V3 NKK\t4008.9472\t1400.4061\t2903.4217",
              "V3 KKK\t4271.8119\t1511.6809\t3138.2384",
              "V3 KSK\t4351.8119\t1521.7578\t3217.5783",
              "V4\t5138.1360\t1600.0000\t4000.0000",
              "",
              "Length=4138.1360   Curves=3"});
  EXPECT_EQ(AlignmentCalcBlock(kWorked), ReportLines(expected));
}

TEST(TraceAlignment, WorkedExampleList) {
  const std::vector<std::string> expected = Joined(
      Joined({"", "Calculation on alignment: point list", ""}, kWorkedEcho),
      {"Point\tY\tX\tPK\td\tElement", "P1\t870.0000\t1180.0000\t2049.0759\t-0.6247\tV1 curve",
       "P3\t830.0000\t1400.0000\t2276.1680\t-29.3617\tV1 exit spiral",
       "P5\t0.0000\t0.0000\t-\t-\t!Point outside of alignment!", "", "Not read: bad line",
       "Points=3   Outside=1   Not read=1"});
  EXPECT_EQ(AlignmentListBlock(kWorked, "P1 870 1180\r\nP3 830 1400\r\nP5 0 0\r\nbad line"),
            ReportLines(expected));
}

// Each problem line once, and the block that ends with it.
TEST(TraceAlignment, ProblemLines) {
  struct Case {
    const char* vertices;
    std::vector<std::string> problems;
  };
  const std::vector<Case> cases = {
      {"V0 1 2\nV1 3 4 5 6\nbad\nV2 7 8", {"!Vertex line not read: bad!"}},
      {"V0 0 0\nV1 0 100 300\nV2 100 100", {"!Vertex V1: R and L are needed!"}},
      {"V0 0 0 ", {"!At least two vertices are needed!"}},
      {"A 5 5\nB 5 5 1 1\nC 9 9", {"!Vertices A and B are at the same place!"}},
      {"V0 0 0\nV1 0 100 0 10\nV2 100 100\n", {"!Vertex V1: R must be above 0 and L at least 0!"}},
      {"V0 0 0\nV1 0 1000 100 200\nV2 100 2000", {"!Vertex V1: the spirals overlap!"}},
      {"V0 0 0\nV1 0 100 500 0\nV2 100 200",
       {"!Between V0 and V1 the curves overlap by 107.1068!",
        "!Between V1 and V2 the curves overlap by 65.6854!"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vertices);
    const AlignmentTexts texts = {"0", c.vertices, false, ""};
    EXPECT_EQ(ReadAlignment(texts).problems, c.problems);
  }
  const AlignmentTexts bad = {"7", "V0 0 0\r\n  \r\nV1;0;100;0;10\r\nV2 100 100", false, ""};
  EXPECT_EQ(AlignmentListBlock(bad, "P 1 2"),
            ReportLines({"", "Calculation on alignment: point list", "", "PKstart=7", "V0 0 0",
                         "V1;0;100;0;10", "V2 100 100", "",
                         "!Vertex V1: R must be above 0 and L at least 0!"}));
}

// An alignment of random vertices whose curves fit: legs 700 to 1500 long, turns up to 60
// degrees either way, R 300 to 3000, L 0 (a plain circular curve) to 150.
Alignment RandomAlignment(std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  for (;;) {
    std::vector<AlignmentVertex> vertices;
    double Y = 0, X = 0, direction = unit(random) * 6.28;
    const int count = 2 + static_cast<int>(unit(random) * 6);
    for (int i = 0; i < count; ++i) {
      const double L = unit(random) < 0.2 ? 0 : 150 * unit(random);
      vertices.push_back({"V" + std::to_string(i), {Y, X}, 300 + 2700 * unit(random), L});
      const double leg = 700 + 800 * unit(random);
      direction += (unit(random) - 0.5) * 2.1;
      Y += leg * std::sin(direction);
      X += leg * std::cos(direction);
    }
    std::vector<std::string> problems;
    Alignment a = BuildAlignment(vertices, 1000 * unit(random), problems);
    if (problems.empty()) return a;
  }
}

// Setting out at the chainage where one element meets the next gives one point from either.
TEST(TraceAlignment, SettingOutIsContinuousAtMainPoints) {
  std::mt19937 random(15);
  for (int trial = 0; trial < 50; ++trial) {
    ExpectJoinsAtMainPoints(RandomAlignment(random));
  }
}

// Setting out a random chainage and offset and computing them back gives them again.
TEST(TraceAlignment, SetOutThenStationRoundTrip) {
  std::mt19937 random(1015);
  for (int trial = 0; trial < 200; ++trial) {
    const Alignment a = RandomAlignment(random);
    ExpectSetOutRoundTrips(a, random, 20);
    if (HasFailure()) return;
  }
  EXPECT_EQ(ElementAtChainage(RandomAlignment(random), -1e9), -1);
}

// The exact clothoid at arc length L: the Fresnel integrals X = int cos(s^2 / 2C), Y = int
// sin(s^2 / 2C) from 0 to L, summed as their power series in phi = L^2 / 2C in long double until
// the terms vanish. For phi below 0.4 the terms fall by more than 10 each, so the sums are
// accurate to far below 1e-12 for L up to 400.
void ExactClothoid(double L, double C, long double& X, long double& Y) {
  const long double phi = static_cast<long double>(L) * L / (2.0L * C);
  long double x = 0, y = 0, power = 1;  // phi^m / m!
  for (int m = 0; m < 40; ++m) {
    if (m > 0) power = power * phi / m;
    const long double term = ((m / 2) % 2 ? -power : power) / (2 * m + 1);
    if (m % 2 == 0) {
      x += term;
    } else {
      y += term;
    }
  }
  X = L * x;
  Y = L * y;
}

// The series' error at the spiral's end, as the README's accuracy table states it (to two
// figures): every length that Polver prints with four decimals is right to its last decimal.
TEST(TraceAlignment, SpiralSeriesErrorTable) {
  struct Row {
    double R, L, errorX, errorY;
  };
  const Row table[] = {{150, 80, 3.1e-6, 1.0e-7},
                       {190, 120, 1.3e-5, 5.0e-7},
                       {300, 100, 2.3e-7, 4.7e-9},
                       {600, 120, 1.3e-8, 1.6e-10},
                       {4000, 400, 6.7e-10, 4.1e-12}};
  for (const Row& row : table) {
    SCOPED_TRACE(row.R);
    const double C = row.R * row.L;
    long double X = 0, Y = 0;
    ExactClothoid(row.L, C, X, Y);
    const double errorX = static_cast<double>(ClothoidX(row.L, C) - X);
    const double errorY = static_cast<double>(ClothoidY(row.L, C) - Y);
    EXPECT_NEAR(errorX, row.errorX, row.errorX * 0.03);
    EXPECT_NEAR(errorY, row.errorY, row.errorY * 0.03);
  }
  // The exact sums against a known value: the series is exact in its first terms for a flat
  // spiral.
  long double X = 0, Y = 0;
  ExactClothoid(1, 1e6, X, Y);
  EXPECT_NEAR(static_cast<double>(X), ClothoidX(1, 1e6), 1e-15);
  EXPECT_NEAR(static_cast<double>(Y), ClothoidY(1, 1e6), 1e-15);
}

// Trace Connecting keeps its own construction (a, (Z)), so on a spiral of the shift
// construction (k, p) it finds a small offset: the README states these figures. The track turns
// right, so the point found 0.0249 outside the curve has a negative offset.
TEST(TraceAlignment, TraceConnectingAgainstTheShiftConstruction) {
  const AlignmentTexts texts = {"1000", "V0 0 0\nV1 0 1000 300 100\nV2 1000 1500", false, ""};
  const Alignment a = ReadAlignment(texts).alignment;
  const VertexCurve& c = a.curves[1];
  EXPECT_EQ(LengthText(c.k), "49.9537");
  EXPECT_EQ(LengthText(c.p), "1.3875");
  EXPECT_EQ(LengthText(SpiralLeadA(100, 30000)), "50.1871");
  EXPECT_EQ(LengthText(SpiralShiftZ(100, 30000)), "1.4070");

  const PlanePoint P = SetOutOnElement(a, 1, c.PK_NSK + 80, 0);
  RememberedInputs in = InitialInputs();
  double* n = in.Number;
  n[LinePK] = a.PKstart;
  n[LineY] = 0;
  n[LineX] = 0;
  n[FirstPK] = c.PK_NSK + c.k;  // NKK: where the circle, moved back by p, touched the straight
  n[FirstY] = c.NSK.Y;
  n[FirstX] = c.NSK.X + c.k;
  n[CentreY] = c.O.Y;
  n[CentreX] = c.O.X;
  n[Radius] = 300;
  n[TransitionLength] = 100;
  n[PzY] = P.Y;
  n[PzX] = P.X;
  EXPECT_EQ(LengthText(ComputeTraceConnecting(in).outputs[1]), "-0.0249");
  const AlignmentStation station = ProjectOntoAlignment(a, P);
  EXPECT_NEAR(station.PK, c.PK_NSK + 80, 1e-6);
  EXPECT_NEAR(station.d, 0, 1e-6);
}

}  // namespace
