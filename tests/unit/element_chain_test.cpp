// An alignment typed as a chain of elements: the worked chain's figures, each problem line, the
// chainage rules, and the properties that make its geometry trustworthy: a spiral lies on the
// exact clothoid, projecting a set-out point gives back its chainage and offset, and a vertex
// alignment typed again as its elements has the same main points.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "alignment.h"
#include "element_chain.h"
#include "geometry.h"

namespace {

const char* const kWorkedChain =
    "curve 40 -500 1000 5000 30\r\n"
    "spiral 60 -500 -1200\r\n"
    "curve 80 -1200\r\n"
    "spiral 50 -1200 0\r\n"
    "\r\n"
    "straight 100\r\n"
    "spiral 70 0 800\r\n"
    "curve 120 800\r\n"
    "spiral 70 800 0\r\n"
    "straight 50";

std::string Figures(double PK, PlanePoint at, double direction) {
  return FixedText(PK, 4) + " | " + FixedText(at.Y, 4) + " | " + FixedText(at.X, 4) + " |" +
         AngleText(direction);
}

std::string Number(double x) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", x);
  return text;
}

ElementChain ReadChecked(const std::string& text) {
  const ElementChainReading reading = ReadElementChain(text, 0, false);
  EXPECT_EQ(reading.problems, std::vector<std::string>{});
  return reading.chain;
}

TEST(ElementChain, WorkedChainFigures) {
  const ElementChainReading reading = ReadElementChain(kWorkedChain, 0, false);
  ASSERT_TRUE(reading.problems.empty());
  EXPECT_EQ(reading.echo.size(), 9u);
  const ElementChain& chain = reading.chain;
  ASSERT_EQ(chain.elements.size(), 9u);
  const char* const starts[] = {"1 curve | 0.0000 | 1000.0000 | 5000.0000 | 30' 0' 0'",
                                "2 spiral | 40.0000 | 1018.5938 | 5035.4037 | 25' 24' 58.82'",
                                "3 curve | 100.0000 | 1041.6899 | 5090.7605 | 20' 32' 46.31'",
                                "4 spiral | 180.0000 | 1067.2500 | 5166.5517 | 16' 43' 35.32'",
                                "5 straight | 230.0000 | 1080.9734 | 5214.6305 | 15' 31' 58.14'",
                                "6 spiral | 330.0000 | 1107.7525 | 5310.9782 | 15' 31' 58.14'",
                                "7 curve | 400.0000 | 1127.4776 | 5378.1354 | 18' 2' 22.22'",
                                "8 spiral | 520.0000 | 1173.0407 | 5489.0273 | 26' 38' 1.94'",
                                "9 straight | 590.0000 | 1206.2294 | 5550.6526 | 29' 8' 26.03'"};
  for (int i = 0; i < 9; ++i) {
    const ChainElement& e = chain.elements[static_cast<size_t>(i)];
    EXPECT_EQ(ChainElementName(chain, i) + " | " + Figures(e.PKstart, e.start, e.direction),
              starts[i]);
  }
  const ChainElement& last = chain.elements.back();
  EXPECT_EQ(Figures(last.PKstart + last.L, last.end, last.endDirection),
            "640.0000 | 1230.5771 | 5594.3240 | 29' 8' 26.03'");
  EXPECT_EQ(
      std::vector<double>({chain.elements[0].Rstart, chain.elements[0].Rend, chain.elements[0].L}),
      std::vector<double>({-500, -500, 40}));

  const struct {
    PlanePoint P;
    const char* station;
  } projections[] = {{{1031.104, 5057.250}, "65.0000 2.4998 2 spiral"},
                     {{1057.117, 5138.306}, "149.9999 -1.2004 3 curve"},
                     {{1118.016, 5344.443}, "365.0002 0.7996 6 spiral"},
                     {{1143.511, 5430.928}, "454.9998 -3.0001 7 curve"},
                     {{900, 4000}, "outside"}};
  for (const auto& p : projections) {
    const ChainStation s = ProjectOntoChain(chain, p.P);
    EXPECT_EQ(s.found ? FixedText(s.PK, 4) + " " + FixedText(s.d, 4) + " " +
                            ChainElementName(chain, s.element)
                      : "outside",
              p.station);
  }
  const struct {
    double PK, d;
    const char* point;
  } setOuts[] = {{35, 1.5, "1017.7736 5030.2411 1 curve"},
                 {250, -2, "1084.4023 5234.4356 5 straight"},
                 {700, 0, "outside"}};
  for (const auto& o : setOuts) {
    const int element = ChainElementAtChainage(chain, o.PK);
    const PlanePoint at =
        element < 0 ? PlanePoint{0, 0} : SetOutOnChainElement(chain, element, o.PK, o.d);
    EXPECT_EQ(element < 0 ? "outside"
                          : FixedText(at.Y, 4) + " " + FixedText(at.X, 4) + " " +
                                ChainElementName(chain, element),
              o.point);
  }
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
      {"straight 100 0 0 0\nstraight 50 0 100.5 0\nstraight 50 0 150.5 10\n"
       "straight 50 8.6824 199.7404 -350\nstraight 5\nstraight 5 18.2336 253.9053 10.05\n"
       "straight 5 19.1061 258.8286 0 77",
       false,
       {"!Element 2 starts 0.5000 from the end of element 1!",
        "!Element 3 starts at an angle of  10' 0' 0' to element 2!",
        "!Element 7 starts at an angle of -10' 3' 0' to element 6!"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const ElementChainReading reading = ReadElementChain(row.text, 0, row.xBeforeY);
    EXPECT_EQ(reading.problems, row.problems);
    EXPECT_EQ(reading.chain.elements.empty(), true);
  }
}

TEST(ElementChain, RecognisedText) {
  const struct {
    const char* text;
    bool elements;
  } rows[] = {{"\r\n ,, \r\n  Spiral 10 0 300", true},
              {"STRAIGHT", true},
              {"curved 10 300", false},
              {"V0 500 200\nstraight 100", false},
              {"", false}};
  for (const auto& row : rows) EXPECT_EQ(IsElementText(row.text), row.elements) << row.text;
}

// Chainage goes on from where the element before ends unless a line gives a PK; a set-out
// chainage belongs to the first element whose range, widened by the end tolerance, holds it.
TEST(ElementChain, ChainagesAndStationEquations) {
  const ElementChainReading reading = ReadElementChain(
      "straight 100 0 0 0\nstraight 50\nstraight 50 0 150 0 1000\nstraight 10 0 200 0", 500, false);
  ASSERT_TRUE(reading.problems.empty());
  const ElementChain& chain = reading.chain;
  std::vector<double> PKs;
  for (const ChainElement& e : chain.elements) PKs.push_back(e.PKstart);
  EXPECT_EQ(PKs, (std::vector<double>{500, 600, 1000, 1050}));
  EXPECT_EQ(ReadElementChain("curve 10 300 0 0 0 7", 500, false).chain.elements[0].PKstart, 7);
  const struct {
    double PK;
    int element;
  } rows[] = {{500 - 0.9e-6, 0},   {500 - 1.1e-6, -1}, {600, 0},  {650 + 0.9e-6, 1},
              {650.01, -1},        {1000, 2},          {1050, 2}, {1060 + 0.9e-6, 3},
              {1060 + 1.1e-6, -1}, {std::nan(""), -1}};
  for (const auto& row : rows)
    EXPECT_EQ(ChainElementAtChainage(chain, row.PK), row.element) << row.PK;
  // Set out on the element after the equation: its own chainage counts from its own start.
  const PlanePoint at = SetOutOnChainElement(chain, 2, 1020, -1);
  EXPECT_EQ(FixedText(at.Y, 4) + " " + FixedText(at.X, 4), "-1.0000 170.0000");
}

// The exact clothoid from s = 0 with curvature k1 growing by 2c per unit length, in the frame of
// its start tangent (along, right): integral of exp(i (k1 t + c t^2)), term by term.
PlanePoint ClothoidSeries(double k1, double c, double s) {
  const long double a = static_cast<long double>(k1) * s, b = static_cast<long double>(c) * s * s;
  constexpr int kTerms = 90;
  long double powersOfA[kTerms + 1] = {1}, powersOfB[kTerms + 1] = {1};
  for (int n = 1; n <= kTerms; ++n) {
    powersOfA[n] = powersOfA[n - 1] * a;
    powersOfB[n] = powersOfB[n - 1] * b;
  }
  long double along = 0, right = 0, factorial = 1;
  for (int n = 0; n <= kTerms; ++n) {
    if (n > 0) factorial *= n;
    // Integral over u in [0, 1] of (a u + b u^2)^n, by the binomial theorem.
    long double power = 0, binomial = 1;
    for (int j = 0; j <= n; ++j) {
      power += binomial * powersOfA[n - j] * powersOfB[j] / (n + j + 1);
      binomial = binomial * (n - j) / (j + 1);
    }
    const long double term = power / factorial;
    switch (n % 4) {
      case 0: along += term; break;
      case 1: right += term; break;
      case 2: along -= term; break;
      case 3: right -= term; break;
    }
  }
  return {static_cast<double>(right * s), static_cast<double>(along * s)};
}

TEST(ElementChain, SpiralLiesOnTheExactClothoid) {
  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> unit(0, 1);
  auto radius = [&] {  // 0 (a straight's end) now and then, either side, 50 ... 5000
    if (unit(random) < 0.2) return 0.0;
    return (unit(random) < 0.5 ? -1 : 1) * 50 * std::pow(100.0, unit(random));
  };
  double worst = 0;
  for (int trial = 0; trial < 300; ++trial) {
    const double R1 = radius(), R2 = radius(), L = 10 + 290 * unit(random);
    const double Y = 1e5 * unit(random), X = 1e5 * unit(random), degrees = 720 * unit(random) - 360;
    if (R1 == R2) continue;
    const ElementChain chain =
        ReadChecked("spiral " + Number(L) + " " + Number(R1) + " " + Number(R2) + " " + Number(Y) +
                    " " + Number(X) + " " + Number(degrees));
    const ChainElement& e = chain.elements.at(0);
    const double k1 = R1 == 0 ? 0 : 1 / R1, k2 = R2 == 0 ? 0 : 1 / R2;
    const double a = degrees * std::acos(-1.0) / 180;
    for (const double s : {L, L * unit(random), L * unit(random)}) {
      const PlanePoint local = ClothoidSeries(k1, (k2 - k1) / (2 * L), s);
      const PlanePoint exact = {Y + local.Y * std::cos(a) + local.X * std::sin(a),
                                X - local.Y * std::sin(a) + local.X * std::cos(a)};
      const PlanePoint at = s == L ? e.end : ChainPointAt(e, s, nullptr);
      worst = std::max(worst, Distance(at.Y - exact.Y, at.X - exact.X));
    }
  }
  EXPECT_LT(worst, 1e-8);
}

// A chain of random elements joined end to end. Radii of at least 300 and lengths of at most 100
// keep the whole turn below 3 rad: no part comes back near another.
std::string RandomChainText(std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  auto radius = [&] { return (unit(random) < 0.5 ? -1 : 1) * (300 + 1700 * unit(random)); };
  std::string text = "straight " + Number(20 + 130 * unit(random)) + " " +
                     Number(1e4 * unit(random)) + " " + Number(1e4 * unit(random)) + " " +
                     Number(360 * unit(random)) + "\n";
  for (int i = 0; i < 8; ++i) {
    const double L = 20 + 80 * unit(random), kind = unit(random);
    if (kind < 0.2) {
      text += "straight " + Number(L) + "\n";
    } else if (kind < 0.5) {
      text += "curve " + Number(L) + " " + Number(radius()) + "\n";
    } else {
      const double R1 = unit(random) < 0.3 ? 0 : radius(), R2 = unit(random) < 0.3 ? 0 : radius();
      if (R1 != R2) text += "spiral " + Number(L) + " " + Number(R1) + " " + Number(R2) + "\n";
    }
  }
  return text;
}

TEST(ElementChain, ProjectingASetOutPointGivesItsChainageAndOffset) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int trial = 0; trial < 100; ++trial) {
    const std::string text = RandomChainText(random);
    const ElementChain chain = ReadChecked(text);
    SCOPED_TRACE(text);
    for (int point = 0; point < 20; ++point) {
      const int element = static_cast<int>(unit(random) * chain.elements.size() * 0.9999);
      const ChainElement& e = chain.elements[static_cast<size_t>(element)];
      // Clear of the element's ends, where two elements share the point.
      const double PK = e.PKstart + e.L * (0.02 + 0.96 * unit(random)), d = 6 * unit(random) - 3;
      const ChainStation s = ProjectOntoChain(chain, SetOutOnChainElement(chain, element, PK, d));
      ASSERT_TRUE(s.found);
      EXPECT_NEAR(s.PK, PK, 1e-6);
      EXPECT_NEAR(s.d, d, 1e-6);
    }
  }
}

// The worked vertex alignment's first curves typed again as elements: straight, spiral from a
// straight, curve, spiral to a straight, straight ... The vertex form's series are exact enough
// for R 600 and L 120.
TEST(ElementChain, VertexAlignmentTypedAsElements) {
  const std::vector<AlignmentVertex> vertices = {{"V0", {500, 200}, 0, 0},
                                                 {"V1", {900, 1200}, 600, 120},
                                                 {"V2", {700, 2200}, 600, 120},
                                                 {"V3", {1600, 4000}, 0, 0}};
  std::vector<std::string> problems;
  const Alignment a = BuildAlignment(vertices, 1000, problems);
  ASSERT_TRUE(problems.empty());
  const double toDegrees = 180 / std::acos(-1.0);
  std::string text = "straight " + Number(a.straights[0]) + " 500 200 " +
                     Number(DirAngle(a.directions[0].Y, a.directions[0].X) * toDegrees) + "\n";
  std::vector<PlanePoint> mainPoints = {vertices[0].at};
  std::vector<double> mainPKs = {1000};
  for (size_t v = 1; v + 1 < vertices.size(); ++v) {
    const VertexCurve& c = a.curves[v];
    const std::string R = Number(c.s * c.R), L = Number(c.L);
    text += "spiral " + L + " 0 " + R + "\ncurve " + Number(c.K0) + " " + R + "\nspiral " + L +
            " " + R + " 0\nstraight " + Number(a.straights[v]) + "\n";
    mainPoints.insert(mainPoints.end(), {c.NSK, c.NKK, c.KKK, c.KSK});
    mainPKs.insert(mainPKs.end(), {c.PK_NSK, c.PK_NKK, c.PK_KKK, c.PK_KSK});
  }
  const ElementChainReading reading = ReadElementChain(text, 1000, false);
  ASSERT_TRUE(reading.problems.empty());
  const std::vector<ChainElement>& elements = reading.chain.elements;
  ASSERT_EQ(elements.size(), mainPoints.size());
  for (size_t i = 0; i < elements.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(elements[i].start.Y, mainPoints[i].Y, 1e-6);
    EXPECT_NEAR(elements[i].start.X, mainPoints[i].X, 1e-6);
    EXPECT_NEAR(elements[i].PKstart, mainPKs[i], 1e-6);
  }
  EXPECT_NEAR(elements.back().end.Y, vertices.back().at.Y, 1e-6);
  EXPECT_NEAR(elements.back().end.X, vertices.back().at.X, 1e-6);
}
}  // namespace
