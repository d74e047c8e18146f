#include "number_text.h"

#include "big_unsigned.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\r';
}

// A positive decimal number: value = 0.digits × 10^(pointPlace), digits without
// leading zeros; the first digit stands for 10^(pointPlace - 1).
struct DecimalDigits {
  std::string digits;
  long pointPlace;
};

// The exact decimal expansion of a finite positive double. A double is m × 2^e with an
// integer m below 2^53; for e < 0 it equals m × 5^-e / 10^-e, so every digit is exact.
DecimalDigits ExactDecimal(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  const long exponentField = static_cast<long>((bits >> 52) & 0x7FF);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  long binaryExponent = -1074;  // subnormal
  if (exponentField != 0) {
    mantissa |= std::uint64_t{1} << 52;
    binaryExponent = exponentField - 1075;
  }

  BigUnsigned n = BigFromU64(mantissa);
  long decimalShift = 0;
  if (binaryExponent >= 0) {
    BigShiftLeft(n, binaryExponent);
  } else {
    BigMultiplyByPower(n, 5, -binaryExponent);
    decimalShift = -binaryExponent;
  }
  DecimalDigits result;
  result.digits = BigToDecimal(n);
  result.pointPlace = static_cast<long>(result.digits.size()) - decimalShift;
  return result;
}

// Rounds to at most `count` significant digits, half to even on the exact value (as the C
// library's printf does), and drops trailing zeros.
void RoundToSignificant(DecimalDigits& number, std::size_t count) {
  std::string& digits = number.digits;
  if (digits.size() > count) {
    const char first = digits[count];
    bool beyondHalf = first > '5';
    if (first == '5') beyondHalf = digits.find_first_not_of('0', count + 1) != std::string::npos;
    const bool tie = first == '5' && !beyondHalf;
    const bool lastOdd = ((digits[count - 1] - '0') % 2) != 0;
    digits.resize(count);
    if (beyondHalf || (tie && lastOdd)) {
      std::size_t i = count;
      while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
      if (i == 0) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++number.pointPlace;
      } else {
        ++digits[i - 1];
      }
    }
  }
  const std::size_t lastNonZero = digits.find_last_not_of('0');
  digits.resize(lastNonZero + 1);
}

// "E+15", "E-05", "E+100": a sign and at least two digits.
std::string ExponentText(long exponent) {
  std::string text = exponent < 0 ? "E-" : "E+";
  const unsigned long magnitude = static_cast<unsigned long>(exponent < 0 ? -exponent : exponent);
  const std::string digits = std::to_string(magnitude);
  if (digits.size() < 2) text += '0';
  return text + digits;
}

}  // namespace

std::string Trim(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// The "% .15G" rule written out: 15 significant digits, plain notation for decimal
// exponents from -4 to 14, otherwise d.dddE+xx; trailing zeros and a bare point removed.
// Infinities and NaN are spelled here rather than by the runtime, whose spellings differ.
std::string NumToText(double x) {
  if (std::isnan(x)) return "NAN";
  const std::string sign = std::signbit(x) ? "-" : " ";
  if (std::isinf(x)) return sign + "INF";
  if (x == 0) return sign + "0";

  DecimalDigits number = ExactDecimal(std::fabs(x));
  RoundToSignificant(number, 15);
  const std::string& digits = number.digits;
  const long exponent = number.pointPlace - 1;

  std::string body;
  if (exponent < -4 || exponent >= 15) {
    body = digits.substr(0, 1);
    if (digits.size() > 1) body += "." + digits.substr(1);
    body += ExponentText(exponent);
  } else if (exponent < 0) {
    body = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    const std::size_t wholeDigits = static_cast<std::size_t>(exponent + 1);
    if (digits.size() <= wholeDigits) {
      body = digits + std::string(wholeDigits - digits.size(), '0');
    } else {
      body = digits.substr(0, wholeDigits) + "." + digits.substr(wholeDigits);
    }
  }
  return sign + body;
}

std::string Spaces(int n) {
  return n < 1 ? std::string() : std::string(static_cast<std::size_t>(n), ' ');
}

std::string JoinText(std::initializer_list<const char*> texts) {
  std::string joined;
  for (const char* text : texts) {
    if (text != nullptr) joined += text;
  }
  return joined;
}

int CompareText(const std::string& a, const std::string& b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char left = static_cast<unsigned char>(a[i]);
    const unsigned char right = static_cast<unsigned char>(b[i]);
    if (left != right) return left < right ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string CharText(std::initializer_list<int> codes) {
  std::string text;
  for (int code : codes) {
    // Each code is stored as one byte, as the text holds 8-bit characters.
    const unsigned char byte = static_cast<unsigned char>(code);
    if (byte == 0 || text.size() == 10) break;
    text.push_back(static_cast<char>(byte));
  }
  return text;
}
