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

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
  return IsDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
}

// Where a hexadecimal number after "0x" ends, as strtod reads it: digits with at most one point,
// then a binary exponent only if a digit follows "p" and its sign. One library's from_chars
// also takes "p+-5", so it is given no more than this.
const char* HexNumberEnd(const char* p, const char* end) {
  bool point = false;
  for (; p < end && (IsHexDigit(*p) || (*p == '.' && !point)); ++p) point = point || *p == '.';
  if (p == end || (*p | 0x20) != 'p') return p;
  const char* digit = p + 1;
  if (digit < end && (*digit == '+' || *digit == '-')) ++digit;
  if (digit == end || !IsDigit(*digit)) return p;
  while (digit < end && IsDigit(*digit)) ++digit;
  return digit;
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
    if (IsDigit(*p) && exponent < 100000000) exponent = exponent * 10 + (*p - '0');
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

  // from_chars would take a second "-"; strtod does not. Without a hexadecimal digit, "0x" is
  // read as the number 0 followed by the letter x.
  double value = 0;
  std::from_chars_result result{p, std::errc::invalid_argument};
  if (p < end && *p != '-') {
    result = hex ? std::from_chars(p, HexNumberEnd(p, end), value, std::chars_format::hex)
                 : std::from_chars(p, end, value, std::chars_format::general);
  }
  if (result.ec == std::errc::invalid_argument) return hex && negative ? -0.0 : 0.0;
  if (result.ec == std::errc::result_out_of_range)
    value = IsTooLarge(p, result.ptr, hex) ? std::numeric_limits<double>::infinity() : 0.0;
  if (std::isnan(value)) return std::numeric_limits<double>::quiet_NaN();
  return negative ? -value : value;
}
