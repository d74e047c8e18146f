// The transition laws (the worked example of every law is in tests/golden/transition_curves_*):
// the table's values, the cant ramps they shape, and the properties that make a transition of any
// law trustworthy: its points agree with an independent quadrature, and projecting a set-out point
// gives back its chainage and offset.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "alignment/cant.h"
#include "alignment/element_chain.h"
#include "alignment/transition_laws.h"
#include "geometry.h"
#include "shortest_text.h"

namespace {

// f and F of each law at t = 1/4 and 3/4, worked by hand from the laws' formulas.
TEST(TransitionLaws, Table) {
  const struct {
    const char* word;
    const char* landXml;
    const char* cantWord;
    double f25, F25, f75, F75;
  } rows[] = {
      {"spiral", "clothoid", "", 0.25, 0.03125, 0.75, 0.28125},
      {"bloss", "bloss", "bloss", 0.15625, 0.013671875, 0.84375, 0.263671875},
      {"cosine", "cosine", "cosine", 0.14644660940672624, 0.01246046048036174, 0.85355339059327376,
       0.26246046048036174},
      {"sine", "sinusoid", "sine", 0.09084505690810465, 0.005919704089415556, 0.90915494309189535,
       0.25591970408941556},
      {"helmert", "biquadratic", "helmert", 0.125, 0.010416666666666667, 0.875,
       0.26041666666666667},
  };
  ASSERT_EQ(kTransitionLawCount, 5);
  for (int i = 0; i < kTransitionLawCount; ++i) {
    const TransitionLaw& law = kTransitionLaws[i];
    SCOPED_TRACE(law.word);
    EXPECT_STREQ(law.word, rows[i].word);
    EXPECT_STREQ(law.landXml, rows[i].landXml);
    EXPECT_STREQ(law.cantWord, rows[i].cantWord);
    EXPECT_NEAR(law.f(0.25), rows[i].f25, 1e-15);
    EXPECT_NEAR(law.F(0.25), rows[i].F25, 1e-15);
    EXPECT_NEAR(law.f(0.75), rows[i].f75, 1e-15);
    EXPECT_NEAR(law.F(0.75), rows[i].F75, 1e-15);
    EXPECT_EQ(law.f(0), 0);
    EXPECT_EQ(law.F(0), 0);
    EXPECT_NEAR(law.f(1), 1, 1e-15);
    EXPECT_NEAR(law.F(1), 0.5, 1e-15);
    EXPECT_EQ(LawOfWord(law.word), &law);
    EXPECT_EQ(LawOfLandXml(law.landXml), &law);
  }
  EXPECT_EQ(LawOfWord("HelMert"), &kTransitionLaws[4]);
  EXPECT_EQ(LawOfCantWord("Sine"), &kTransitionLaws[3]);
  EXPECT_EQ(LawOfCantWord("spiral"), nullptr);  // a straight ramp needs no word
  EXPECT_EQ(LawOfCantWord(""), nullptr);
  EXPECT_EQ(LawOfLandXml("Bloss"), nullptr);  // LandXML's names are written as the schema has them
  EXPECT_EQ(LandXmlLawNames(), "clothoid, bloss, cosine, sinusoid or biquadratic");
}

// A ramp takes the shape named on the line where it starts; any other word, or a word on the
// last line, leaves it straight.
TEST(Cant, ShapedRamps) {
  const CantReading reading = ReadCant(
      "0 0 BLOSS\r\n10 100 spirally\r\n20 0 cosine extra\r\n30 50 Sine\r\n40 -50 "
      "helmert\r\n50 0\r\n60 10 helmert");
  ASSERT_TRUE(reading.problems.empty());
  const struct {
    double PK, C;
  } rows[] = {
      {0, 0},
      {2.5, 15.625},
      {10, 100},
      {12.5, 75},
      {22.5, 7.322330470336312},
      {37.5, -40.915494309189535},
      {42.5, -43.75},
      {47.5, -6.25},
      {55, 5},
      {60, 10},
  };
  for (const auto& row : rows) {
    double C = 0;
    ASSERT_TRUE(DesignCant(reading.cant, row.PK, C)) << row.PK;
    EXPECT_NEAR(C, row.C, 1e-9) << row.PK;
  }
}

double Curvature(double R) {
  return R == 0 ? 0 : 1 / R;
}

// Radii sometimes 0 (a straight's end), of either side, 50 ... 5000.
struct RandomTransition {
  std::mt19937 random;
  std::uniform_real_distribution<double> unit{0, 1};
  double Radius(double least) {
    return unit(random) < 0.2 ? 0.0
                              : (unit(random) < 0.5 ? -least : least) * std::pow(100, unit(random));
  }
};

TEST(TransitionLaws, EveryLawAgreesWithAnIndependentQuadrature) {
  RandomTransition r{std::mt19937(30)};
  for (const TransitionLaw& law : kTransitionLaws) {
    for (int trial = 0; trial < 40; ++trial) {
      const double R1 = r.Radius(50), R2 = r.Radius(50), L = 10 + 290 * r.unit(r.random);
      const double Y = 1e5 * r.unit(r.random), X = 1e5 * r.unit(r.random);
      const double degrees = 360 * r.unit(r.random);
      if (R1 == R2) continue;
      const std::string line = std::string(law.word) + " " + ShortestText(L) + " " +
                               ShortestText(R1) + " " + ShortestText(R2) + " " + ShortestText(Y) +
                               " " + ShortestText(X) + " " + ShortestText(degrees);
      const ElementChainReading reading = ReadElementChain(line, 0, false);
      ASSERT_TRUE(reading.problems.empty()) << line;
      const ChainElement& e = reading.chain.elements[0];
      // Simpson's rule on 20000 steps, one of its panel joins at the middle (where the
      // Helmert curve bends), summed from 0, away from the rounding of Y and X.
      const double k1 = Curvature(R1), k2 = Curvature(R2), h = L / 20000;
      PlanePoint exact = {0, 0};
      for (int i = 0; i <= 20000; ++i) {
        const double s = i * h, weight = (i == 0 || i == 20000 ? 1 : i % 2 == 1 ? 4 : 2) * h / 3;
        const double a = degrees * std::acos(-1.0) / 180 + k1 * s + (k2 - k1) * L * law.F(s / L);
        exact = {exact.Y + weight * std::sin(a), exact.X + weight * std::cos(a)};
      }
      EXPECT_LT(Distance(e.end.Y - (Y + exact.Y), e.end.X - (X + exact.X)), 1e-8) << line;
      EXPECT_EQ(ChainElementName(reading.chain, 0), std::string("1 ") + law.word);
    }
  }
}

TEST(TransitionLaws, ProjectingASetOutPointGivesItsChainageAndOffset) {
  RandomTransition r{std::mt19937(31)};
  for (const TransitionLaw& law : kTransitionLaws) {
    for (int trial = 0; trial < 40; ++trial) {
      // Radii of at least 300 and a length of at most 100 keep the turn below 1 rad: no part of
      // the chain comes back near another.
      const double R1 = r.Radius(300), R2 = r.Radius(300), L = 20 + 80 * r.unit(r.random);
      if (R1 == R2) continue;
      const std::string text = "straight 50 " + ShortestText(1e4 * r.unit(r.random)) + " 0 " +
                               ShortestText(360 * r.unit(r.random)) + "\n" + law.word + " " +
                               ShortestText(L) + " " + ShortestText(R1) + " " + ShortestText(R2) +
                               "\nstraight 50";
      const ElementChainReading reading = ReadElementChain(text, 0, false);
      ASSERT_TRUE(reading.problems.empty()) << text;
      for (int point = 0; point < 10; ++point) {
        const double PK = 50 + L * (0.02 + 0.96 * r.unit(r.random));
        const double d = 6 * r.unit(r.random) - 3;
        const ChainStation s =
            ProjectOntoChain(reading.chain, SetOutOnChainElement(reading.chain, 1, PK, d));
        ASSERT_TRUE(s.found) << text;
        EXPECT_EQ(s.element, 1) << text;
        EXPECT_NEAR(s.PK, PK, 1e-6) << text;
        EXPECT_NEAR(s.d, d, 1e-6) << text;
      }
    }
  }
}

}  // namespace
