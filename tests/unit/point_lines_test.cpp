// Reading point lines: line ends, field separators, numbers written in full, the "Not read" text.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "number_text.h"
#include "point_lists/point_lines.h"

namespace {

using Strings = std::vector<std::string>;

TEST(PointLines, LinesEndAtAnyLineEndAndBlankLinesAreLeftOut) {
  EXPECT_EQ(NonBlankLines("a\r\nb\nc\rd"), (Strings{"a", "b", "c", "d"}));
  EXPECT_EQ(NonBlankLines("\r\n \t \r\n\n\r x \t\r\n\r\n"), (Strings{" x \t"}));
  EXPECT_EQ(NonBlankLines("half line"), (Strings{"half line"}));
  EXPECT_EQ(NonBlankLines(""), Strings{});
  EXPECT_EQ(NonBlankLines(std::string("\0\x01\xff", 3)), (Strings{std::string("\0\x01\xff", 3)}));
  EXPECT_EQ(NonBlankLines(std::string(100000, '\n')), Strings{});
}

TEST(PointLines, FieldsSplitByCommaOrBySemicolonAndTab) {
  struct Case {
    const char* line;
    Strings fields;
    bool decimalComma;
  };
  const std::vector<Case> cases = {
      {"P1 530 260", {"P1", "530", "260"}, false},
      {"P2,560,280", {"P2", "560", "280"}, false},
      {" P2 , 560,,280 ,", {"P2", "560", "280"}, false},
      {"K-3;515,5;212", {"K-3", "515,5", "212"}, true},
      {"P7\t530,25\t260,1\t12,3\tcode", {"P7", "530,25", "260,1", "12,3", "code"}, true},
      {";;\t ; a ;; b\t", {"a", "b"}, true},
      {",, ,", {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const LineFields split = SplitFields(c.line);
    EXPECT_EQ(split.fields, c.fields);
    EXPECT_EQ(split.decimalComma, c.decimalComma);
  }
}

TEST(PointLines, OnlyNumbersWrittenInFullAreNumbers) {
  struct Case {
    const char* field;
    bool decimalComma;
    bool isNumber;
    double value;
  };
  const std::vector<Case> cases = {
      {"530", false, true, 530},    {"-12.25", false, true, -12.25},
      {"+.5", false, true, 0.5},    {"7.", false, true, 7},
      {"1e3", false, true, 1000},   {"-2.5E-1", false, true, -0.25},
      {"515,5", true, true, 515.5}, {"515.5", true, true, 515.5},
      {"0.1", false, true, 0.1},    {"1e-400", false, true, 0},
      {"515,5", false, false, 0},   {"1.2.3", false, false, 0},
      {"1,2.3", true, false, 0},    {"2.5m", false, false, 0},
      {"0x10", false, false, 0},    {"inf", false, false, 0},
      {"nan", false, false, 0},     {"", false, false, 0},
      {".", false, false, 0},       {"-", false, false, 0},
      {"1e", false, false, 0},      {"1e+", false, false, 0},
      {"1e999", false, false, 0},   {"-1e999", false, false, 0},
      {" 5", false, false, 0},      {"5 ", false, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    double value = 99;
    EXPECT_EQ(ReadFullNumber(c.field, c.decimalComma, value), c.isNumber);
    EXPECT_EQ(value, c.isNumber ? c.value : 99);
  }
  // Correctly rounded however long: just above the halfway point between 1 and the next double.
  double value = 0;
  ASSERT_TRUE(
      ReadFullNumber("1.00000000000000011102230246251565404236316680908203126", false, value));
  EXPECT_EQ(value, 1.0000000000000002);
}

// Short numbers take a quicker way than long ones; both must give TextToNum's correctly rounded
// double, bit for bit, on either side of every limit of the quick way.
TEST(PointLines, EveryNumberIsTheCorrectlyRoundedDouble) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 5000; ++i) {
    std::string text = random() % 2 ? "-" : "";
    const int digits = 1 + random() % 19;
    const int point = random() % (digits + 1);
    for (int d = 0; d < digits; ++d) {
      if (d == point) text += '.';
      text += static_cast<char>('0' + random() % 10);
    }
    if (random() % 3 == 0) text += "e" + std::to_string(static_cast<int>(random() % 60) - 30);
    SCOPED_TRACE(text);
    double value = 0;
    ASSERT_TRUE(ReadFullNumber(text, false, value));
    const double expected = TextToNum(text);
    EXPECT_EQ(0, std::memcmp(&value, &expected, sizeof value));
  }
}

TEST(PointLines, ThreeFieldsGiveANameTwoFieldsNone) {
  PointLine point;
  ASSERT_TRUE(ReadPointLine("P1 530 260 12.5 fence", point));
  EXPECT_EQ(point.name, "P1");
  EXPECT_EQ(point.first, 530);
  EXPECT_EQ(point.second, 260);
  ASSERT_TRUE(ReadPointLine("17;1,5;2", point));  // a number as a name
  EXPECT_EQ(point.name, "17");
  EXPECT_EQ(point.first, 1.5);
  ASSERT_TRUE(ReadPointLine("600 300", point));
  EXPECT_EQ(point.name, "");
  EXPECT_EQ(point.second, 300);
  for (const char* bad : {"garbage line", "P1 530", "530", "P1 530 nan", "P1 1e999 2", ";"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ReadPointLine(bad, point));
  }
}

TEST(PointLines, NotReadTextIsTrimmedAndCut) {
  EXPECT_EQ(NotReadText(" \t garbage line\t "), "garbage line");
  EXPECT_EQ(NotReadText(std::string(60, 'x')), std::string(60, 'x'));
  EXPECT_EQ(NotReadText("  " + std::string(61, 'x')), std::string(60, 'x') + "...");
}

}  // namespace
