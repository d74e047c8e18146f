// Number text and small text operations shared by the whole program.
// Portable: no platform headers. Every text is 8-bit, zero bytes never appear inside.
#pragma once

#include <initializer_list>
#include <string>

// Copy of text without leading and trailing blanks (space, tab, LF, VT, CR; not form feed).
std::string Trim(const std::string& text);

// x in the form "% .15G" (15 significant digits, rounded half to even on the exact value;
// exponent with a sign and at least two digits), written the same on every C runtime:
// " 12.5", "-0.25", " 100", "-0", " 1E+15", " 1E-05", " 1E+100", " INF", "-INF", "NAN".
std::string NumToText(double x);

// The number at the start of text, read like strtod in the "C" locale (white space, sign,
// decimal or hexadecimal digits, "inf", "infinity", "nan", "nan(...)"); the rest is ignored.
// A text that does not start with a number gives 0. Correctly rounded whatever the number
// of digits: "1,5" -> 1, "0x1p3" -> 8, "1e400" -> inf, "nan(x)" -> NaN, "abc" -> 0.
double TextToNum(const std::string& text);

// n blanks; "" for n < 1.
std::string Spaces(int n);

// The texts one after the other; a null pointer counts as nothing.
std::string JoinText(std::initializer_list<const char*> texts);

// -1, 0 or +1, comparing byte values as unsigned; a proper prefix is the smaller.
int CompareText(const std::string& a, const std::string& b);

// Text of the given character codes, up to the first zero code (at most ten).
std::string CharText(std::initializer_list<int> codes);
