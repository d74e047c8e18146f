// The report formats and the direction angle, including ties, carries, infinities and NaN.
// Trigonometric results are compared as printed text: the Windows maths library may differ
// from the native one in the last bit.
#include "geometry.h"

#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

double DegreesToRadians(double degrees) {
  return degrees * TimesPi(1) / 180;
}

}  // namespace

TEST(Sign, NegativeOnlyBelowZero) {
  EXPECT_EQ(-1.0, Sign(-1e-300));
  EXPECT_EQ(1.0, Sign(0.0));
  EXPECT_EQ(1.0, Sign(-0.0));
  EXPECT_EQ(1.0, Sign(kNaN));
}

TEST(IntPower, RepeatsMultiplicationOrDivision) {
  struct PowerCase {
    double x;
    int n;
    double expected;
  };
  const PowerCase cases[] = {
      {0, 0, 0},
      {0, -3, 0},
      {2, 0, 1},
      {2, -2, 0.25},
      {10, 4, 10000},
      {-2, 3, -8},
      {10, 22, 1e22},
      {10, -7, 1.0000000000000002e-07},  // seven divisions, not the double nearest 1e-7
  };
  for (const PowerCase& c : cases) {
    SCOPED_TRACE(NumToText(c.x) + " ^ " + std::to_string(c.n));
    EXPECT_EQ(c.expected, IntPower(c.x, c.n));
  }
}

TEST(Vectors, DistanceAndSidesOfADirection) {
  EXPECT_EQ(5.0, Distance(3, 4));
  EXPECT_EQ(5.0, Distance(-3, -4));
  // Direction +X as (cY, cX) = (0, 1): a point towards +Y is on the positive side.
  EXPECT_EQ(2.0, DotProduct(3, 2, 0, 1));
  EXPECT_EQ(3.0, CrossProduct(3, 2, 0, 1));
  EXPECT_EQ(-3.0, CrossProduct(-3, 2, 0, 1));
}

TEST(DirAngle, CoversTheFourQuadrants) {
  struct AngleCase {
    double dy;
    double dx;
    const char* text;
  };
  const AngleCase cases[] = {
      {0, 1, " 0"},
      {1, 1, " 0.785398163397448"},
      {1, 0, " 1.5707963267949"},
      {1, -1, " 2.35619449019234"},
      {0, -1, " 3.14159265358979"},
      {-1, -1, " 3.92699081698724"},
      {-1, 0, " 4.71238898038469"},
      {-1, 1, " 5.49778714378213"},
      {0, 0, " 1.5707963267949"},
      {kNaN, 1, "NAN"},
  };
  for (const AngleCase& c : cases) {
    SCOPED_TRACE(NumToText(c.dy) + "," + NumToText(c.dx));
    EXPECT_EQ(c.text, NumToText(DirAngle(c.dy, c.dx)));
  }
  // On the axes the result is the program's own multiple of pi, exactly.
  EXPECT_EQ(TimesPi(0.5), DirAngle(0, 0));
  EXPECT_EQ(TimesPi(1), DirAngle(0, -1));
  EXPECT_EQ(TimesPi(1.5), DirAngle(-1, 0));
  EXPECT_EQ(4.712388980384686, TimesPi(1.5));
}

TEST(FixedText, RoundsHalfAwayFromZero) {
  struct FixedCase {
    double x;
    int n;
    const char* text;
  };
  const FixedCase cases[] = {
      {0, 4, "0.0000"},         {-0.0, 4, "0.0000"},
      {-2.5, 4, "-2.5000"},     {0.99999, 4, "1.0000"},
      {9.99995, 4, "10.0000"},  {1.00005, 4, "1.0001"},
      {-0.00001, 4, "-0.0000"}, {12345.67895, 4, "12345.6790"},
      {0.00005, 4, "0.0001"},   {-123.4, 4, "-123.4000"},
      {1e15, 4, "1E+15.0000"},  {kNaN, 4, "NAN.0NAN"},
      {kInf, 4, "INF.0NAN"},    {-kInf, 4, "-INF.0NAN"},
      {2.5, 0, " 2.5"},         {-1.5, 2, "-1.50"},
  };
  for (const FixedCase& c : cases) {
    SCOPED_TRACE(NumToText(c.x) + " to " + std::to_string(c.n));
    EXPECT_EQ(c.text, FixedText(c.x, c.n));
  }
  // The form the cant columns, the drawing and Curve by Versines print: no negative zero.
  EXPECT_EQ("0.0000", UnsignedFixedText(-0.00001, 4));
  EXPECT_EQ("0.0", UnsignedFixedText(-0.0, 1));
  EXPECT_EQ("-0.1", UnsignedFixedText(-0.05, 1));
  EXPECT_EQ("-2.50", UnsignedFixedText(-2.5, 2));
}

TEST(AngleText, RoundsToHundredthsWithCarries) {
  struct DegreeCase {
    double degrees;
    const char* text;
  };
  const DegreeCase cases[] = {
      {0, " 0' 0' 0'"},
      {45.5, " 45' 30' 0'"},
      {-45.5, "-45' 30' 0'"},
      {123 + 4 / 60.0 + 5.67 / 3600, " 123' 4' 5.67'"},
      {359.9999999, " 360' 0' 0'"},
      {29.999999, " 30' 0' 0'"},
      {-0.5, "-0' 30' 0'"},
      {-1e-12, "-0' 0' 0'"},
      {1.3833319444444445, " 1' 23' 0'"},  // a hair below 23': never "-0.01" seconds
      {kNaN, "NAN'NAN'NAN'"},
      {kInf, " INF'NAN'NAN'"},
      {-kInf, "-INF'NAN'NAN'"},
  };
  for (const DegreeCase& c : cases) {
    SCOPED_TRACE(NumToText(c.degrees));
    EXPECT_EQ(c.text, AngleText(DegreesToRadians(c.degrees)));
  }
  EXPECT_EQ(" 90' 0' 0'", AngleText(TimesPi(0.5)));
}
