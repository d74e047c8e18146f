// Reading a number from the start of a text, the same way on every C runtime: the prefix is
// recognised here and converted with exact integer arithmetic, correctly rounded.
#include "number_text.h"

#include "big_unsigned.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Digits kept from a long mantissa. The halfway point between two neighbouring doubles
// never needs more than 767 significant decimal digits (54 significant bits in hexadecimal),
// so keeping this many and remembering whether any dropped digit was non-zero decides
// every rounding exactly as the whole text would.
const std::size_t kKeptDecimalDigits = 800;
const std::size_t kKeptHexDigits = 30;

// Exponents are clamped far beyond any that still gives a finite, non-zero double.
const long kExponentLimit = 100000000L;

// The mantissa digits read so far: value = digits (in `base`) × base^digitExponent.
struct Mantissa {
  std::string digits;  // significant digits as values 0..15, no leading zero
  long digitExponent = 0;
  bool droppedNonZero = false;
  bool sawDigit = false;
};

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char ToLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int DigitValue(char c, int base) {
  int value = 99;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

// True when text continues at pos with word, in any mix of cases.
bool StartsWithWord(const std::string& text, std::size_t pos, const char* word) {
  const std::size_t length = std::strlen(word);
  if (text.size() - pos < length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (ToLower(text[pos + i]) != word[i]) return false;
  }
  return true;
}

long ClampExponent(long value) {
  if (value > kExponentLimit) return kExponentLimit;
  if (value < -kExponentLimit) return -kExponentLimit;
  return value;
}

// Reads digits with an optional point (int.frac, .frac or int.) into m; returns the
// position after them. Leading zeros only move the point; digits past `kept` only set
// droppedNonZero.
std::size_t ReadMantissa(const std::string& text, std::size_t pos, int base, std::size_t kept,
                         Mantissa& m) {
  bool afterPoint = false;
  std::size_t end = pos;
  for (std::size_t i = pos; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !afterPoint) {
      afterPoint = true;
      if (m.sawDigit) end = i + 1;
      continue;
    }
    const int digit = DigitValue(c, base);
    if (digit < 0) break;
    m.sawDigit = true;
    end = i + 1;
    if (m.digits.empty() && digit == 0) {
      if (afterPoint) --m.digitExponent;
    } else if (m.digits.size() < kept) {
      m.digits.push_back(static_cast<char>(digit));
      if (afterPoint) --m.digitExponent;
    } else {
      m.droppedNonZero = m.droppedNonZero || digit != 0;
      if (!afterPoint) ++m.digitExponent;
    }
  }
  return end;
}

// Reads an exponent (marker, optional sign, at least one decimal digit) at pos. Returns
// the position after it, or pos when there is none, in which case exponent stays 0.
std::size_t ReadExponent(const std::string& text, std::size_t pos, char marker, long& exponent) {
  exponent = 0;
  if (pos >= text.size() || ToLower(text[pos]) != marker) return pos;
  std::size_t i = pos + 1;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= text.size() || DigitValue(text[i], 10) < 0) return pos;
  long value = 0;
  for (; i < text.size() && DigitValue(text[i], 10) >= 0; ++i)
    value = ClampExponent(value * 10 + DigitValue(text[i], 10));
  exponent = negative ? -value : value;
  return i;
}

// The mantissa as an integer, with a trailing 1 standing for dropped non-zero digits: it
// lies strictly between the truncated value and the next, so it rounds like the whole text.
BigUnsigned MantissaInteger(Mantissa& m, int base) {
  if (m.droppedNonZero) {
    m.digits.push_back(1);
    --m.digitExponent;
  }
  BigUnsigned n;
  for (char digit : m.digits) {
    BigMultiplySmall(n, static_cast<std::uint32_t>(base));
    BigAddSmall(n, static_cast<std::uint32_t>(digit));
  }
  return n;
}

double FromBits(std::uint64_t bits, bool negative) {
  bits |= negative ? (std::uint64_t{1} << 63) : 0;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// n × 2^binaryExponent × 10^decimalExponent rounded to the nearest double, ties to even.
// Works on the exact ratio num / den: finds its binary magnitude, divides out the 53-bit
// (or, below the normal range, shorter) significand and rounds on the remainder.
double RoundToDouble(const BigUnsigned& n, long binaryExponent, long decimalExponent,
                     bool negative) {
  if (BigIsZero(n)) return FromBits(0, negative);

  // log2 of the value lies within 1 of this estimate; out of range means 0 or infinity.
  const double log2Estimate = BigBitLength(n) + static_cast<double>(binaryExponent) +
                              static_cast<double>(decimalExponent) * 3.321928094887362;
  if (log2Estimate > 1026) return FromBits(std::uint64_t{0x7FF} << 52, negative);
  if (log2Estimate < -1078) return FromBits(0, negative);

  BigUnsigned num = n;
  BigUnsigned den = BigFromU64(1);
  if (decimalExponent >= 0)
    BigMultiplyByPower(num, 10, decimalExponent);
  else
    BigMultiplyByPower(den, 10, -decimalExponent);
  if (binaryExponent >= 0)
    BigShiftLeft(num, binaryExponent);
  else
    BigShiftLeft(den, -binaryExponent);

  // e = floor(log2(num / den)).
  long e = static_cast<long>(BigBitLength(num)) - BigBitLength(den);
  {
    BigUnsigned scaledNum = num;
    BigUnsigned scaledDen = den;
    if (e >= 0)
      BigShiftLeft(scaledDen, e);
    else
      BigShiftLeft(scaledNum, -e);
    if (BigCompare(scaledNum, scaledDen) < 0) --e;
  }

  // The value's unit in the last place: 2^(e-52), but never below the smallest subnormal.
  long ulpExponent = e - 52;
  if (ulpExponent < -1074) ulpExponent = -1074;
  if (ulpExponent < 0)
    BigShiftLeft(num, -ulpExponent);
  else
    BigShiftLeft(den, ulpExponent);

  // significand = floor(num / den) < 2^53, one bit at a time.
  std::uint64_t significand = 0;
  for (int bit = 53; bit >= 0; --bit) {
    BigUnsigned shiftedDen = den;
    BigShiftLeft(shiftedDen, bit);
    if (BigCompare(num, shiftedDen) >= 0) {
      BigSubtract(num, shiftedDen);
      significand |= std::uint64_t{1} << bit;
    }
  }
  BigShiftLeft(num, 1);  // compare twice the remainder with den
  const int half = BigCompare(num, den);
  if (half > 0 || (half == 0 && (significand & 1) != 0)) ++significand;

  const std::uint64_t hidden = std::uint64_t{1} << 52;
  if (significand == 2 * hidden) {
    significand = hidden;
    ++ulpExponent;
  }
  if (significand < hidden)  // subnormal (or rounded to zero): exponent field 0
    return FromBits(significand, negative);
  const long biased = ulpExponent + 1075;
  if (biased >= 0x7FF) return FromBits(std::uint64_t{0x7FF} << 52, negative);
  return FromBits((static_cast<std::uint64_t>(biased) << 52) | (significand - hidden), negative);
}

// "0x" hexadecimal digits with an optional point and binary exponent "p"; value 0 with the
// prefix "0" alone when no hexadecimal digit follows.
double ReadHexadecimal(const std::string& text, std::size_t pos, bool negative) {
  Mantissa m;
  const std::size_t end = ReadMantissa(text, pos, 16, kKeptHexDigits, m);
  if (!m.sawDigit) return FromBits(0, negative);
  long exponent = 0;
  ReadExponent(text, end, 'p', exponent);
  BigUnsigned n = MantissaInteger(m, 16);
  return RoundToDouble(n, ClampExponent(exponent + 4 * m.digitExponent), 0, negative);
}

double ReadDecimal(const std::string& text, std::size_t pos, bool negative) {
  Mantissa m;
  const std::size_t end = ReadMantissa(text, pos, 10, kKeptDecimalDigits, m);
  if (!m.sawDigit) return 0.0;
  long exponent = 0;
  ReadExponent(text, end, 'e', exponent);
  BigUnsigned n = MantissaInteger(m, 10);
  return RoundToDouble(n, 0, ClampExponent(exponent + m.digitExponent), negative);
}

}  // namespace

// Recognises the longest numeric prefix as strtod does in the "C" locale. Everything is done
// here, not by the runtime's strtod: runtimes disagree on hexadecimal, on the words inf and
// nan, and on rounding long decimal texts.
double TextToNum(const std::string& text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsWhiteSpace(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  if (StartsWithWord(text, pos, "inf")) {
    const double infinity = std::numeric_limits<double>::infinity();
    return negative ? -infinity : infinity;
  }
  if (StartsWithWord(text, pos, "nan")) return std::numeric_limits<double>::quiet_NaN();
  if (pos + 1 < text.size() && text[pos] == '0' && ToLower(text[pos + 1]) == 'x')
    return ReadHexadecimal(text, pos + 2, negative);
  return ReadDecimal(text, pos, negative);
}
