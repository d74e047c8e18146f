#include "geometry.h"

#include "number_text.h"

#include <cmath>

double Sign(double x) {
  return x < 0 ? -1.0 : 1.0;
}

double Absolute(double x) {
  return std::fabs(x);
}

// Each step rounds to a double, so IntPower(10, -7) is seven divisions by 10 and not the
// double nearest to 1e-7. The count runs towards 0 so that any int n is safe to negate.
double IntPower(double x, int n) {
  if (x == 0) return 0.0;
  double result = 1.0;
  for (int i = n; i > 0; --i) result *= x;
  for (int i = n; i < 0; ++i) result /= x;
  return result;
}

double TimesPi(double x) {
  return x * kProgramPi;
}

double Distance(double a, double b) {
  return std::sqrt(IntPower(a, 2) + IntPower(b, 2));
}

double DotProduct(double a, double b, double c, double d) {
  return a * c + b * d;
}

double CrossProduct(double a, double b, double c, double d) {
  return a * d - b * c;
}

// Quadrant offsets use the program's pi. A direction a hair below 2 pi may round up to
// exactly TimesPi(2); a NaN difference gives NaN (except a NaN dy with dx == 0: pi/2).
double DirAngle(double dy, double dx) {
  if (dx == 0) return dy < 0 ? TimesPi(1.5) : TimesPi(0.5);
  const double t = std::atan(dy / dx);
  if (dx < 0) return t + TimesPi(1);
  if (dy < 0) return t + TimesPi(2);
  return t;
}

// Half away from zero on the double value of x: |x| + half a unit of the last decimal,
// then truncation of the whole and fraction parts, each written by NumToText so that huge
// and non-finite values keep its spelling ("1E+15.0000", "NAN.0NAN"). Every negative x gets
// its "-", also when it rounds to zero. n <= 0 gives NumToText(x) unchanged.
std::string FixedText(double x, int n) {
  if (n <= 0) return NumToText(x);
  const double p = IntPower(10, n);
  const double a = std::fabs(x) + 0.5 / p;
  const double whole = std::floor(a);
  const double fraction = std::floor((a - whole) * p);
  std::string wholeText = Trim(NumToText(whole));
  std::string fractionText = Trim(NumToText(fraction));
  if (x < 0) wholeText = "-" + wholeText;
  if (fractionText.size() < static_cast<std::size_t>(n))
    fractionText =
        std::string(static_cast<std::size_t>(n) - fractionText.size(), '0') + fractionText;
  return wholeText + "." + fractionText;
}

std::string UnsignedZero(std::string figure) {
  if (!figure.empty() && (figure[0] == '-' || figure[0] == '+') &&
      figure.find_first_not_of("0.", 1) == std::string::npos)
    figure.erase(0, 1);
  return figure;
}

std::string UnsignedFixedText(double x, int n) {
  return UnsignedZero(FixedText(x, n));
}

// Degrees, minutes and seconds truncated to hundredths after adding half a hundredth of a
// second, so each part rounds to nearest with carries upwards. All three stay doubles: a
// non-finite angle is never converted to an integer (NaN gives "NAN'NAN'NAN'"). The sign
// rides on the degrees, written as -0 for angles between -1 and 0 degrees.
// Example: 45.5 degrees gives " 45' 30' 0'", 123 degrees 4' 5.67" gives " 123' 4' 5.67'".
std::string AngleText(double x) {
  double g = x * 180 / TimesPi(1);
  const double s = g < 0 ? -1.0 : 1.0;
  g = s * g;
  g = g + 1.388888888888889e-06;
  const double degrees = std::floor(g);
  const double minutes = std::floor((g - degrees) * 60);
  double seconds = std::floor(((g - degrees) - minutes / 60) * 3600 * 100) / 100;
  // Just below a whole minute, (g - degrees) * 60 can round up to the next minute while
  // the remainder stays a hair negative: the seconds are then 0, never "-0.01".
  if (seconds < 0) seconds = 0;
  return NumToText(s * degrees) + "'" + NumToText(minutes) + "'" + NumToText(seconds) + "'";
}
