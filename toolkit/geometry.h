// Geometry helpers and the two report formats for lengths and angles.
// Points are (Y, X), always Y first; direction angles are radians from +X towards +Y.
#pragma once

#include <string>

// The program's pi, six units in the last place below the double nearest to pi.
constexpr double kProgramPi = 3.1415926535897905;

double Sign(double x);             // -1 when x < 0, otherwise +1 (0, -0 and NaN give +1)
double Absolute(double x);         // the plain absolute value
double IntPower(double x, int n);  // repeated multiplication or division; 0 for x == 0
double TimesPi(double x);          // x * kProgramPi
double Distance(double a, double b);
double DotProduct(double a, double b, double c, double d);    // a*c + b*d
double CrossProduct(double a, double b, double c, double d);  // a*d - b*c
double DirAngle(double dy, double dx);  // 0 <= angle <= TimesPi(2); DirAngle(0, 0) is pi/2

// x with exactly n decimals, rounded half away from zero ("-0.0000", "NAN.0NAN", "INF.0NAN").
std::string FixedText(double x, int n);

// A printed figure that is all zeros, without its sign ("-0.0" and "+0.00" give "0.0" and
// "0.00"); any other text as it is. FixedText(x, n) through it: a value that rounds to zero
// prints as zero, never as "-0.0".
std::string UnsignedZero(std::string figure);
std::string UnsignedFixedText(double x, int n);

// Radians as degrees, minutes and seconds rounded to hundredths of a second, each followed by
// "'": " 45' 30' 0'". The sign goes on the degrees, also when they are 0 ("-0' 30' 0'" for
// -0.5 degrees); NaN gives "NAN'NAN'NAN'", infinity " INF'NAN'NAN'".
std::string AngleText(double x);
