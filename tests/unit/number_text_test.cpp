// Number text must read and write identically under every C runtime the program ships on;
// these tables run unchanged in the native and the Windows build.
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

std::uint64_t Bits(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

struct NumberCase {
  double value;
  const char* text;
};

struct TextCase {
  std::string text;
  double value;
};

// Compares bit patterns, so -0 differs from +0; any NaN matches any NaN.
void ExpectSameDouble(double expected, double actual) {
  if (std::isnan(expected))
    EXPECT_TRUE(std::isnan(actual)) << actual;
  else
    EXPECT_EQ(Bits(expected), Bits(actual)) << std::hexfloat << expected << " vs " << actual;
}

}  // namespace

TEST(NumToText, WritesFifteenDigitsWithFixedSpellings) {
  const NumberCase cases[] = {
      {0.0, " 0"},
      {-0.0, "-0"},
      {12.5, " 12.5"},
      {-0.25, "-0.25"},
      {100, " 100"},
      {1.0 / 3, " 0.333333333333333"},
      {123456789012345.0, " 123456789012345"},
      {123456789012345.6, " 123456789012346"},
      {1234567890123456.0, " 1.23456789012346E+15"},
      {999999999999999.5, " 1E+15"},  // rounding carries into exponent notation
      {1e15, " 1E+15"},
      {0.0001, " 0.0001"},
      {0.00001, " 1E-05"},
      {-0.000099999999999999999, "-0.0001"},
      {1e100, " 1E+100"},
      {1e-300, " 1E-300"},
      {100000000000000.5, " 100000000000000"},  // exact tie: to even
      {100000000000001.5, " 100000000000002"},
      {1.7976931348623157e308, " 1.79769313486232E+308"},
      {0x1p-1074, " 4.94065645841247E-324"},
      {kInf, " INF"},
      {-kInf, "-INF"},
      {kNaN, "NAN"},
      {-kNaN, "NAN"},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.text, NumToText(c.value));
  }
}

TEST(TextToNum, ReadsTheNumericPrefix) {
  const TextCase cases[] = {
      {"  12.5m", 12.5},
      {"", 0.0},
      {"abc", 0.0},
      {"1,5", 1.0},
      {"1e3", 1000.0},
      {"2E-3x", 0.002},
      {"\f\v\t\n\r 7", 7.0},
      {"+.5", 0.5},
      {"5.", 5.0},
      {"5.e1", 50.0},
      {".", 0.0},
      {"-", 0.0},
      {"+.e5", 0.0},
      {"1e", 1.0},
      {"1e+", 1.0},
      {"-0", -0.0},
      {"0.1", 0.1},
      {"0x10", 16.0},
      {"0x1p3", 8.0},
      {"0X1.8P1", 3.0},
      {"-0xA.8", -10.5},
      {"0x", 0.0},
      {"0xg", 0.0},
      {"0x1p", 1.0},
      {"inf", kInf},
      {"-Infinity", -kInf},
      {"INFINITE", kInf},
      {"nan", kNaN},
      {"nan(x)", kNaN},
      {"-NaN(", kNaN},
      {"1e400", kInf},
      {"-1e400", -kInf},
      {"1e-400", 0.0},
      {"1e99999999999999999999", kInf},
      {"1.7976931348623158e308", 1.7976931348623157e308},
      {"1.7976931348623159e308", kInf},
      {"4.9406564584124654e-324", 0x1p-1074},
      {"2.4703282292062328e-324", 0x1p-1074},
      {"2.4703282292062327e-324", 0.0},
      {"123456789012345678901234567890", 1.2345678901234568e29},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.text);
    ExpectSameDouble(c.value, TextToNum(c.text));
  }
}

// Halfway between 1 and the next double is 1 + 2^-53; a digit far beyond the 18th decides
// which way it rounds, so long texts must be read whole.
TEST(TextToNum, RoundsOnEveryDigit) {
  const std::string half = "1.00000000000000011102230246251565404236316680908203125";
  const double next = 1.0000000000000002;
  const TextCase cases[] = {
      {half, 1.0},  // exact tie: to even
      {half + "1", next},
      {half + std::string(9900, '0') + "1", next},
      {half + std::string(9900, '0'), 1.0},
      {"0x1.00000000000008p0", 1.0},
      {"0x1.000000000000080000001p0", next},
      {"0." + std::string(9990, '0') + "1e9995", 10000.0},
      {std::string(10000, '9'), kInf},
      {"1" + std::string(5000, '0') + "e-5000", 1.0},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40) + "... length " + std::to_string(c.text.size()));
    ExpectSameDouble(c.value, TextToNum(c.text));
  }
}

TEST(NumToText, ReadsBackExactly) {
  // Fifteen digits read back to the same 15 digits, whatever the magnitude.
  const double values[] = {0.1, 2.0 / 3, 123456.789, 6.02214076e23, 1.602176634e-19, 1e-310};
  for (double value : values) {
    const std::string text = NumToText(value);
    SCOPED_TRACE(text);
    EXPECT_EQ(text, NumToText(TextToNum(text)));
  }
}

TEST(Trim, DropsBlanksButNotFormFeed) {
  const std::pair<std::string, std::string> cases[] = {
      {"\t a b \r\n", "a b"}, {"\fx\f", "\fx\f"}, {" \v\fx", "\fx"}, {"", ""},
      {" \t\r\n\v", ""},      {"plain", "plain"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    EXPECT_EQ(c.second, Trim(c.first));
  }
}

TEST(SmallText, SpacesJoinAndCharacters) {
  EXPECT_EQ("", Spaces(0));
  EXPECT_EQ("", Spaces(-3));
  EXPECT_EQ("   ", Spaces(3));
  EXPECT_EQ("ab", JoinText({"a", nullptr, "b"}));
  EXPECT_EQ("", JoinText({nullptr}));
  EXPECT_EQ("\r", CharText({13}));
  EXPECT_EQ("AB", CharText({65, 66, 0, 67}));
  EXPECT_EQ("abcdefghij", CharText({97, 98, 99, 100, 101, 102, 103, 104, 105, 106, 107}));
}

TEST(CompareText, OrdersByUnsignedBytes) {
  struct CompareCase {
    std::string a;
    std::string b;
    int expected;
  };
  const CompareCase cases[] = {
      {"ab", "abc", -1},      {"abc", "ab", 1},    {"b", "a", 1}, {"same", "same", 0}, {"", "", 0},
      {"", "a", -1},          {"\xC8", "\x64", 1},  // byte 200 sorts after byte 100
      {"a\x64", "a\xC8", -1},
  };
  for (const CompareCase& c : cases) {
    SCOPED_TRACE(c.a + " vs " + c.b);
    EXPECT_EQ(c.expected, CompareText(c.a, c.b));
  }
}
