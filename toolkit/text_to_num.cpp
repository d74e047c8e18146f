// Reading a number from the start of a text as strtod does in the "C" locale, the same on every
// C runtime: white space, the sign and the "0x" prefix are taken here, the rest by
// std::from_chars, which rounds correctly whatever the number of digits.
#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// from_chars gives no value for a number out of range. Whether it is too large (or too small)
// follows from the place of its first non-zero digit plus its exponent: the number text
// [p, end) is 0.ddd x base^place x (10 or 2)^exponent, and only values far from 1 overflow.
bool IsTooLarge(const char* p, const char* end, bool hex) {
  const char marker = hex ? 'p' : 'e';
  long long place = 0;
  bool afterPoint = false;
  bool significant = false;
  for (; p < end && (*p | 0x20) != marker; ++p) {
    if (*p == '.') {
      afterPoint = true;
    } else if (significant || *p != '0') {
      significant = true;
      if (!afterPoint) ++place;
    } else if (afterPoint) {
      --place;
    }
  }
  long long exponent = 0;
  bool negativeExponent = false;
  for (; p < end; ++p) {
    if (*p == '-') negativeExponent = true;
    if (*p >= '0' && *p <= '9' && exponent < 100000000) exponent = exponent * 10 + (*p - '0');
  }
  return (hex ? 4 * place : place) + (negativeExponent ? -exponent : exponent) > 0;
}

}  // namespace

double TextToNum(const std::string& text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end && IsWhiteSpace(*p)) ++p;
  const bool negative = p < end && *p == '-';
  if (p < end && (*p == '+' || *p == '-')) ++p;
  const bool hex = end - p > 1 && p[0] == '0' && (p[1] | 0x20) == 'x';
  if (hex) p += 2;

  // from_chars would take a second "-", and "inf" or "nan" after "0x"; strtod takes neither.
  // Without a hexadecimal digit, "0x" is read as the number 0 followed by the letter x.
  const bool startsNumber = p < end && *p != '-' && (!hex || IsHexDigit(*p) || *p == '.');
  double value = 0;
  std::from_chars_result result{p, std::errc::invalid_argument};
  if (startsNumber)
    result =
        std::from_chars(p, end, value, hex ? std::chars_format::hex : std::chars_format::general);
  if (result.ec == std::errc::invalid_argument) return hex && negative ? -0.0 : 0.0;
  if (result.ec == std::errc::result_out_of_range)
    value = IsTooLarge(p, result.ptr, hex) ? std::numeric_limits<double>::infinity() : 0.0;
  if (std::isnan(value)) return std::numeric_limits<double>::quiet_NaN();
  return negative ? -value : value;
}
