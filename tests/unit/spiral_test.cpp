// The series use only + - * /, so their doubles are the same on every platform and are
// compared bit for bit; only the versine check calls the maths library.
#include "spiral.h"

#include "geometry.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Spiral, ReferenceCurveRadius300Length100) {
  const double L = 100;
  const double C = 300 * L;
  EXPECT_EQ(0.16666666666666666, ClothoidAngle(L, C));
  EXPECT_EQ(99.722579446730691, ClothoidX(L, C));
  EXPECT_EQ(5.5445423703525556, ClothoidY(L, C));
  EXPECT_EQ(50.187134610359919, SpiralLeadA(L, C));
  EXPECT_EQ(49.535444836370765, SpiralTailA1(L, C));
  EXPECT_EQ(1.4070060865489105, SpiralShiftZ(L, C));
}

// a runs from the spiral's start to the old tangent point, a1 from there to the foot of
// the spiral's end: together they are the spiral's x.
TEST(Spiral, LeadAndTailAddUpToX) {
  const double curves[][2] = {{100, 30000}, {60, 600 * 60}, {120, 250 * 120}, {30, 1000 * 30}};
  for (const auto& curve : curves) {
    const double L = curve[0];
    const double C = curve[1];
    SCOPED_TRACE(L);
    const double x = ClothoidX(L, C);
    const double sum = SpiralLeadA(L, C) + SpiralTailA1(L, C);
    EXPECT_LE(std::fabs(sum - x), std::nextafter(x, 2 * x) - x);
  }
}

TEST(Spiral, ZeroLengthGivesExactlyZero) {
  const double C = 30000;
  EXPECT_EQ(0.0, ClothoidAngle(0, C));
  EXPECT_EQ(0.0, ClothoidX(0, C));
  EXPECT_EQ(0.0, ClothoidY(0, C));
  EXPECT_EQ(0.0, ClothoidVersine(0, C));
  EXPECT_EQ(0.0, SpiralLeadA(0, C));
  EXPECT_EQ(0.0, SpiralTailA1(0, C));
  EXPECT_EQ(0.0, SpiralShiftZ(0, C));
}

TEST(Spiral, ZeroParameterGivesNonFiniteValues) {
  EXPECT_TRUE(std::isinf(ClothoidAngle(100, 0)));
  EXPECT_FALSE(std::isfinite(ClothoidX(100, 0)));
  EXPECT_TRUE(std::isnan(ClothoidX(0, 0)));
}

// Two terms of 1 - cos(phi): off by at most the next term, phi^6 / 720. The reference is
// 2 sin^2(phi / 2), which unlike 1 - cos keeps its digits for small angles.
TEST(Spiral, VersineWithinTheNextTerm) {
  const double C = 30000;
  const double lengths[] = {10, 50, 100, 150, 200};
  for (double l : lengths) {
    SCOPED_TRACE(l);
    const double phi = ClothoidAngle(l, C);
    const double exact = 2 * std::pow(std::sin(phi / 2), 2);
    const double nextTerm = std::pow(phi, 6) / 720;
    EXPECT_NEAR(exact, ClothoidVersine(l, C), nextTerm * 1.001 + exact * 1e-15);
  }
}

TEST(Spiral, ToleranceIsSevenDivisionsByTen) {
  EXPECT_EQ(1.0000000000000002e-7, TimesTenToMinus7(1));
  EXPECT_NE(1e-7, TimesTenToMinus7(1));
}
