// An alignment typed as a chain of elements (its worked figures are in the blocks of
// alignment_elements_test.cpp): each problem line, the chainage rules, and the properties that make
// its geometry trustworthy: a spiral lies on the exact clothoid, projecting a set-out point gives
// back its chainage and offset, and a vertex alignment typed again as its elements has the same
// main points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "alignment/alignment.h"
#include "alignment/element_chain.h"
#include "geometry.h"

namespace {

std::string Text(PlanePoint at) {
  return FixedText(at.Y, 4) + " " + FixedText(at.X, 4);
}
std::string Number(double x) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", x);
  return text;
}

TEST(ElementChain, ProblemLines) {
  const struct {
    const char* text;
    bool xBeforeY;
    std::vector<std::string> problems;
  } rows[] = {
      {"straight 100 0 0 0\nline 5\nstraight\ncurve 10 300 1 2\nspiral 10 0 300 0 0 0 1 2\n"
       "curve 10 3OO\nstraight 0",
       false,
       {"!Element line not read: line 5!", "!Element line not read: straight!",
        "!Element line not read: curve 10 300 1 2!",
        "!Element line not read: spiral 10 0 300 0 0 0 1 2!",
        "!Element line not read: curve 10 3OO!"}},
      {"Straight 100\nstraight 5 0 0 0", false, {"!Element 1: its start Y X Dir is needed!"}},
      {"CURVE 100 300", true, {"!Element 1: its start X Y Dir is needed!"}},
      {"straight 0 0 0 0\ncurve -1 0\ncurve 10 0\nspiral 10 300 300\nspiral 10 0 0\n"
       "spiral 10 0 -300\nstraight 5 0 0 0",
       false,
       {"!Element 1: L must be above 0!", "!Element 2: L must be above 0!",
        "!Element 3: R must not be 0!", "!Element 4: R1 and R2 must differ!",
        "!Element 5: R1 and R2 must differ!"}},
      // Within 0.001 and 0.001 rad an element continues the one before (elements 4, 6).
      {"straight 100 0 0 0\nstraight 50 0 100.5 0\nstraight 50 0 150.5 10\n"
       "straight 50 8.6824 199.7404 -350\nstraight 5\nstraight 5 18.2336 253.9053 10.05\n"
       "straight 5 19.1061 258.8286 0 77",
       false,
       {"!Element 2 starts 0.5000 from the end of element 1!",
        "!Element 3 starts at an angle of  10' 0' 0' to element 2!",
        "!Element 7 starts at an angle of -10' 3' 0' to element 6!"}},
  };
  for (const auto& row : rows) {
    const ElementChainReading reading = ReadElementChain(row.text, 0, row.xBeforeY);
    EXPECT_EQ(reading.problems, row.problems) << row.text;
    EXPECT_TRUE(reading.chain.elements.empty());
  }
  for (const char* vertices : {"V0 500 200\nstraight 100", "curved 10 300", ""})
    EXPECT_FALSE(IsElementText(vertices)) << vertices;
  EXPECT_TRUE(IsElementText("\r\n ,, \r\n  Spiral 10 0 300"));
}

// Chainage goes on from where the element before ends unless a line gives a PK; a set-out
// chainage belongs to the first element whose range, widened by the end tolerance, holds it.
TEST(ElementChain, ChainagesAndStationEquations) {
  const ElementChain chain =
      ReadElementChain(
          "straight 100 0 0 0\nstraight 50\nstraight 50 0 150 0 1000\nstraight 10 0 200 0", 500,
          false)
          .chain;
  ASSERT_EQ(chain.elements.size(), 4u);
  EXPECT_EQ(chain.elements[3].PKstart, 1050);
  EXPECT_EQ(ReadElementChain("curve 10 300 0 0 0 7", 500, false).chain.elements[0].PKstart, 7);
  const std::pair<double, int> rows[] = {
      {500 - 0.9e-6, 0},  {500 - 1.1e-6, -1},  {600, 0},
      {650 + 0.9e-6, 1},  {650.01, -1},        {1050, 2},
      {1060 + 0.9e-6, 3}, {1060 + 1.1e-6, -1}, {std::nan(""), -1}};
  for (const auto& row : rows) EXPECT_EQ(ChainElementAtChainage(chain, row.first), row.second);
  EXPECT_EQ(Text(SetOutOnChainElement(chain, 2, 1020, -1)), "-1.0000 170.0000");
}

TEST(ElementChain, SpiralLiesOnTheExactClothoid) {
  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> unit(0, 1);
  auto radius = [&] {  // sometimes 0, a straight's end; either side, 50 ... 5000
    return unit(random) < 0.2 ? 0.0 : (unit(random) < 0.5 ? -50 : 50) * std::pow(100, unit(random));
  };
  for (int trial = 0; trial < 200; ++trial) {
    const double R1 = radius(), R2 = radius(), L = 10 + 290 * unit(random);
    const double Y = 1e5 * unit(random), X = 1e5 * unit(random), degrees = 720 * unit(random) - 360;
    if (R1 == R2) continue;
    const ChainElement e =
        ReadElementChain("spiral " + Number(L) + " " + Number(R1) + " " + Number(R2) + " " +
                             Number(Y) + " " + Number(X) + " " + Number(degrees),
                         0, false)
            .chain.elements.at(0);
    // The exact point by Simpson's rule on 20000 steps, exact to 1e-12 for these curvatures.
    const double k1 = R1 == 0 ? 0 : 1 / R1, k2 = R2 == 0 ? 0 : 1 / R2;
    const double s = unit(random) < 0.5 ? L : L * unit(random), h = s / 20000;
    PlanePoint exact = {0, 0};  // summed from 0, away from the rounding of Y and X
    for (int i = 0; i <= 20000; ++i) {
      const double t = i * h, weight = (i == 0 || i == 20000 ? 1 : i % 2 == 1 ? 4 : 2) * h / 3;
      const double a = degrees * std::acos(-1.0) / 180 + k1 * t + (k2 - k1) * t * t / (2 * L);
      exact = {exact.Y + weight * std::sin(a), exact.X + weight * std::cos(a)};
    }
    exact = {Y + exact.Y, X + exact.X};
    const PlanePoint at = s == L ? e.end : ChainPointAt(e, s, nullptr);
    EXPECT_LT(Distance(at.Y - exact.Y, at.X - exact.X), 1e-8) << R1 << " " << R2 << " " << s;
  }
}

TEST(ElementChain, ProjectingASetOutPointGivesItsChainageAndOffset) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  auto radius = [&] {
    return unit(random) < 0.3 ? 0 : (unit(random) < 0.5 ? -1 : 1) * 300 / (1 - unit(random));
  };
  for (int trial = 0; trial < 100; ++trial) {
    // Radii of at least 300 and lengths of at most 100 keep the whole turn below 3 rad: no part
    // of the chain comes back near another.
    std::string text =
        "straight 50 " + Number(1e4 * unit(random)) + " 0 " + Number(360 * unit(random));
    for (int i = 0; i < 8; ++i) {
      const double L = 20 + 80 * unit(random), R1 = radius(), R2 = radius(), pick = unit(random);
      const std::string kind = pick < 0.2 || (pick < 0.5 ? R1 == 0 : R1 == R2) ? "straight"
                               : pick < 0.5                                    ? "curve"
                                                                               : "spiral";
      text += "\n" + kind + " " + Number(L) + (kind == "straight" ? "" : " " + Number(R1)) +
              (kind == "spiral" ? " " + Number(R2) : "");
    }
    const ElementChainReading reading = ReadElementChain(text, 0, false);
    ASSERT_TRUE(reading.problems.empty()) << text;
    const ElementChain& chain = reading.chain;
    for (int point = 0; point < 20; ++point) {
      const int element = static_cast<int>(random() % chain.elements.size());
      const ChainElement& e = chain.elements[static_cast<size_t>(element)];
      // Clear of the element's ends, where two elements share the point.
      const double PK = e.PKstart + e.L * (0.02 + 0.96 * unit(random)), d = 6 * unit(random) - 3;
      const ChainStation s = ProjectOntoChain(chain, SetOutOnChainElement(chain, element, PK, d));
      ASSERT_TRUE(s.found) << text;
      EXPECT_NEAR(s.PK, PK, 1e-6) << text;
      EXPECT_NEAR(s.d, d, 1e-6) << text;
    }
  }
}

// Two curves of a vertex alignment typed again as elements: straight, spiral from a straight,
// curve, spiral to a straight, straight ... The vertex form's series are exact enough for R 600
// and L 120.
TEST(ElementChain, VertexAlignmentTypedAsElements) {
  const std::vector<AlignmentVertex> vertices = {{"V0", {500, 200}, 0, 0},
                                                 {"V1", {900, 1200}, 600, 120},
                                                 {"V2", {700, 2200}, 600, 120},
                                                 {"V3", {1600, 4000}, 0, 0}};
  std::vector<std::string> problems;
  const Alignment a = BuildAlignment(vertices, 1000, problems);
  ASSERT_TRUE(problems.empty());
  const double degrees = DirAngle(a.directions[0].Y, a.directions[0].X) * 180 / std::acos(-1.0);
  std::string text = "straight " + Number(a.straights[0]) + " 500 200 " + Number(degrees);
  std::vector<std::pair<PlanePoint, double>> mainPoints = {{vertices[0].at, 1000}};
  for (size_t v = 1; v <= 2; ++v) {
    const VertexCurve& c = a.curves[v];
    const std::string R = Number(c.s * c.R), L = Number(c.L);
    text += "\nspiral " + L + " 0 " + R + "\ncurve " + Number(c.K0) + " " + R + "\nspiral " + L +
            " " + R + " 0\nstraight " + Number(a.straights[v]);
    mainPoints.insert(mainPoints.end(),
                      {{c.NSK, c.PK_NSK}, {c.NKK, c.PK_NKK}, {c.KKK, c.PK_KKK}, {c.KSK, c.PK_KSK}});
  }
  const ElementChain chain = ReadElementChain(text, 1000, false).chain;
  ASSERT_EQ(chain.elements.size(), mainPoints.size());
  mainPoints.push_back({vertices[3].at, a.PKend});
  for (size_t i = 0; i < mainPoints.size(); ++i) {
    const ChainElement& e = chain.elements[std::min(i, chain.elements.size() - 1)];
    const bool end = i == chain.elements.size();
    const PlanePoint at = end ? e.end : e.start;
    EXPECT_NEAR(Distance(at.Y - mainPoints[i].first.Y, at.X - mainPoints[i].first.X), 0, 1e-6) << i;
    EXPECT_NEAR(end ? e.PKstart + e.L : e.PKstart, mainPoints[i].second, 1e-6) << i;
  }
}
// A curve of a radius far beyond the track's coordinates is a straight: its points stay by its
// start however large R, and its end lies L on along the start direction.
TEST(ElementChain, HugeRadiusCurveKeepsItsStart) {
  for (const char* line : {"curve 40 -1000000000000 1000 5000 90",
                           "curve 40 5055555555555555555555550 1000 5000 90"}) {
    const ElementChainReading reading = ReadElementChain(line, 0, false);
    ASSERT_TRUE(reading.problems.empty()) << line;
    const ChainElement& e = reading.chain.elements[0];
    EXPECT_NEAR(1040, e.end.Y, 1e-6) << line;
    EXPECT_NEAR(5000, e.end.X, 1e-6) << line;
    const PlanePoint middle = ChainPointAt(e, 20, nullptr);
    EXPECT_NEAR(1020, middle.Y, 1e-6) << line;
    EXPECT_NEAR(5000, middle.X, 1e-6) << line;
  }
}

}  // namespace
