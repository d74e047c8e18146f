// What the fuzz targets share: doubles built from the input bytes, the shapes that number
// texts must have, and one way to stop on a broken rule (abort, so libFuzzer keeps the input).
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

// Prints which rule broke and on what, then aborts: libFuzzer saves the input as a crash.
[[noreturn]] inline void FuzzFail(const char* rule, const std::string& detail) {
  std::fprintf(stderr, "\nBROKEN RULE: %s\n  %s\n", rule, detail.c_str());
  std::abort();
}

inline void FuzzCheck(bool holds, const char* rule, const std::string& detail) {
  if (!holds) FuzzFail(rule, detail);
}

// The text with every byte that is not printable ASCII written as \xNN, for failure messages.
inline std::string Visible(const std::string& text) {
  std::string shown = "\"";
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
      shown += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    }
  }
  return shown + "\"";
}

// The double's exact bits and value, for failure messages.
inline std::string DoubleDetail(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  char text[80];
  std::snprintf(text, sizeof text, "%.17g (bits 0x%016llx)", x,
                static_cast<unsigned long long>(bits));
  return text;
}

// Hands out the fuzz input piece by piece; past its end every byte reads as 0.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool AtEnd() const { return pos_ >= size_; }

  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

  std::uint64_t Bits64() {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = (bits << 8) | Byte();
    return bits;
  }

  // One double per call, in one of four kinds chosen by a leading byte, so that every kind
  // turns up often: any bit pattern (NaN payloads, infinities, subnormals, huge values); a
  // decimal fraction m / 10^k (the halfway cases of the rounding rules); a special value from
  // a table; a value of ordinary survey size with random low bits.
  double Double() {
    const std::uint8_t kind = Byte();
    switch (kind % 4) {
      case 0: {
        const std::uint64_t bits = Bits64();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        return x;
      }
      case 1: {
        const std::int64_t m = static_cast<std::int64_t>(Bits64() >> 8) - (std::int64_t{1} << 55);
        const int k = Byte() % 24;
        double scale = 1;
        for (int i = 0; i < k; ++i) scale *= 10;
        return static_cast<double>(m) / scale;
      }
      case 2: return Special(Byte());
      default: {
        const double unit = static_cast<double>(Bits64() >> 11) / 9007199254740992.0;  // [0, 1)
        const int magnitude = static_cast<int>(Byte() % 16) - 6;                       // 1e-6..1e9
        return (kind & 4 ? -unit : unit) * std::pow(10.0, magnitude);
      }
    }
  }

 private:
  static double Special(std::uint8_t index) {
    const double inf = std::numeric_limits<double>::infinity();
    const double values[] = {
        std::numeric_limits<double>::quiet_NaN(),
        -std::numeric_limits<double>::quiet_NaN(),
        inf,
        -inf,
        0.0,
        -0.0,
        std::numeric_limits<double>::denorm_min(),
        -std::numeric_limits<double>::denorm_min(),
        std::numeric_limits<double>::min(),
        std::nextafter(std::numeric_limits<double>::min(), 0.0),
        std::numeric_limits<double>::max(),
        -std::numeric_limits<double>::max(),
        1e15,
        999999999999999.5,
        1e15 - 1,
        0.00005,
        -0.00005,
        0.99995,
        2.5,
        0.5,
        1e308,
        1e-308,
        9007199254740993.0,
        0.1,
        59.99999,
        1.7976931348623151e308,
    };
    const std::size_t count = sizeof values / sizeof values[0];
    return values[index % count];
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

inline bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// The shape of a number text without its sign: "12.5", "100", "0.00025", "1.5E+15", "1E-05":
// at most 15 significant digits, no trailing zero after a point and no bare point; an exponent
// (a sign and at least two digits, no needless leading zero) only outside -4..14.
inline bool IsUnsignedNumberBody(const std::string& body) {
  std::string mantissa = body;
  long exponent = 0;
  bool hasExponent = false;
  const std::size_t e = body.find('E');
  if (e != std::string::npos) {
    hasExponent = true;
    mantissa = body.substr(0, e);
    const std::string exponentText = body.substr(e + 1);
    if (exponentText.size() < 3 || (exponentText[0] != '+' && exponentText[0] != '-')) return false;
    const std::string exponentDigits = exponentText.substr(1);
    if (!AllDigits(exponentDigits) || exponentDigits.size() > 3) return false;
    if (exponentDigits.size() == 3 && exponentDigits[0] == '0') return false;
    exponent = std::strtol(exponentDigits.c_str(), nullptr, 10);
    if (exponentText[0] == '-') exponent = -exponent;
    if (exponent >= -4 && exponent <= 14) return false;
  }
  const std::size_t point = mantissa.find('.');
  const std::string whole = mantissa.substr(0, point);
  const std::string fraction = point == std::string::npos ? "" : mantissa.substr(point + 1);
  if (!AllDigits(whole)) return false;
  if (point != std::string::npos) {
    if (!AllDigits(fraction) || fraction.back() == '0') return false;
  }
  if (whole.size() > 1 && whole[0] == '0') return false;
  if (hasExponent && (whole.size() != 1 || whole == "0")) return false;
  const std::string digits = whole + fraction;
  const std::size_t firstSignificant = digits.find_first_not_of('0');
  if (firstSignificant == std::string::npos) return digits == "0" && !hasExponent;
  if (digits.size() - firstSignificant > 15) return false;
  // Plain notation: the first significant digit stands for 10^14 at most, 10^-4 at least.
  if (!hasExponent && whole != "0" && whole.size() > 15) return false;
  if (!hasExponent && whole == "0" && firstSignificant > 4) return false;
  return true;
}

// NumToText's shape: " " or "-" then a number body, or " INF", "-INF", "NAN".
inline bool IsNumberText(const std::string& text) {
  if (text == "NAN" || text == " INF" || text == "-INF") return true;
  if (text.size() < 2 || (text[0] != ' ' && text[0] != '-')) return false;
  return IsUnsignedNumberBody(text.substr(1));
}

// FixedText(x, n)'s shape for finite x: an optional "-", a whole part (plain digits, or a number
// body with an exponent from 1E+15 up), ".", exactly n digits. Non-finite x give "NAN.0NAN",
// "INF.0NAN" and "-INF.0NAN" (the NaN fraction padded with zeros to n characters).
inline bool IsFixedText(const std::string& text, int n) {
  const std::string nanFraction =
      (n > 3 ? std::string(static_cast<std::size_t>(n - 3), '0') : std::string()) + "NAN";
  if (text == "NAN." + nanFraction || text == "INF." + nanFraction || text == "-INF." + nanFraction)
    return true;
  const std::size_t point = text.rfind('.');
  if (point == std::string::npos) return false;
  const std::string fraction = text.substr(point + 1);
  if (fraction.size() != static_cast<std::size_t>(n) || !AllDigits(fraction)) return false;
  std::string whole = text.substr(0, point);
  if (!whole.empty() && whole[0] == '-') whole = whole.substr(1);
  if (AllDigits(whole)) return whole.size() == 1 || whole[0] != '0';
  return whole.find('E') != std::string::npos && IsUnsignedNumberBody(whole);
}
