// Curve by Versines: the problems in their order, a design's own versines coming back with no
// slews and with its R as the best fit, and the printed figures without a negative zero. The
// worked curve's blocks are golden files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "versines/versine_diagram.h"
#include "versines/versine_report.h"
#include "versines/versines.h"

namespace {

const char* const kWorkedCurve =
    "0 0\r\n10 0\r\n20 0\r\n30 3\r\n40 25\r\n50 59\r\n60 90\r\n70 102\r\n80 103\r\n90 102\r\n"
    "100 100\r\n110 96\r\n120 71\r\n130 37\r\n140 9\r\n150 1\r\n160 3\r\n170 0\r\n180 0\r\n"
    "190 0\r\n200 0";

std::string Problems(const VersineTexts& texts, const std::string& selection) {
  std::string lines;
  for (const std::string& line : CalculateVersines(texts, selection).problems) lines += line + "\n";
  return lines;
}

std::string Exact(double x) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", x);
  return text;
}

TEST(Versines, ProblemsComeByGroupsInTheirOrder) {
  const std::string step = "!Step must be from 0.1 to 100!\n";
  const std::string L = "!L1 and L2 must each be 0 or from one step to 10000!\n";
  const std::string R = "!R must be from 1 to 1000000!\n";
  const std::string fewer = "!At least 5 versines are needed!\n";
  struct Row {
    VersineTexts texts;
    std::string selection;
    std::string problems;
  } rows[] = {
      {{"", "30", "30", ""}, kWorkedCurve, step},
      {{"0.05", "", "", ""}, kWorkedCurve, step},
      {{"100.5", "", "", ""}, kWorkedCurve, step},
      {{"10", "5", "0", ""}, kWorkedCurve, L},  // shorter than a step
      {{"10", "0", "10001", ""}, kWorkedCurve, L},
      {{"10", "0", "-10", ""}, kWorkedCurve, L},
      {{"10", "0", "0", "0.5"}, kWorkedCurve, R},
      {{"10", "0", "0", "abc"}, kWorkedCurve, R},
      {{"10", "0", "0", "2e6"}, kWorkedCurve, R},
      {{"0", "20000", "0", "nan"}, kWorkedCurve, step + L + R},
      // Reading comes second; a line of three fields or an f not written in full stops the block.
      {{"0", "", "", ""}, "1 2 3", step},
      {{"10", "30", "30", ""},
       "a 1\r\nb 1 2\r\nc 2.5m\r\n4\r\nP5;2,5",
       "!Versine line not read: b 1 2!\n!Versine line not read: c 2.5m!\n"},
      {{"10", "", "", ""}, "1\r\n2\r\n\r\n3\r\n4", fewer},
      {{"10", "", "", ""}, "\r\n \r\n", fewer},
      {{"10", "", "", ""},
       "1\r\n-1\r\n0\r\n0\r\n0",
       "!The versines add up to 0: there is no curve!\n"},
      {{"10", "30", "30", "100"},
       kWorkedCurve,
       "!R is too small for these versines and transitions!\n"},
      {{"10", "30", "30", "5000"},
       kWorkedCurve,
       "!This curve does not fit between the first and the last station!\n"},
      {{"10", "200", "200", " \t"},
       kWorkedCurve,
       "!No curve with these transitions fits between the first and the last station!\n"},
      {{"10", "30", "30", " "}, kWorkedCurve, ""},
      {{"10", "0", "0", ""}, kWorkedCurve, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.texts.step + "|" + row.texts.L1 + "|" + row.texts.L2 + "|" + row.texts.R);
    EXPECT_EQ(row.problems, Problems(row.texts, row.selection));
  }
}

// Versines computed from a known design come back with no slews at its R, and the best fit finds
// that R again, for curves measured with positive or negative versines.
TEST(Versines, KnownDesignsComeBackWithoutSlews) {
  std::mt19937 random(32);
  auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  for (int run = 0; run < 200; ++run) {
    VersineDesign design;
    design.step = uniform(2, 25);
    const double a = design.step;
    const double R = uniform(150, 4000);
    design.fc = 500 * a * a / R;
    design.L1 = random() % 3 == 0 ? 0 : uniform(a, 8 * a);
    design.L2 = random() % 3 == 0 ? 0 : uniform(a, 8 * a);
    design.Lc = uniform(design.L1 + design.L2 > 0 ? 0 : a, 10 * a);
    design.TS = uniform(0, 4 * a);
    const size_t n = static_cast<size_t>(std::ceil(design.ST() / a)) + 1 + random() % 4;
    const double sign = random() % 2 == 0 ? 1 : -1;
    std::string selection;
    for (double P : DesignVersines(design, n)) selection += Exact(sign * P) + "\r\n";
    VersineTexts texts = {Exact(a), Exact(design.L1), Exact(design.L2), Exact(R)};
    SCOPED_TRACE(texts.step + " " + texts.L1 + " " + texts.L2 + " " + texts.R + " Lc " +
                 Exact(design.Lc) + " TS " + Exact(design.TS));

    const VersineResult given = CalculateVersines(texts, selection);
    ASSERT_EQ(0u, given.problems.size()) << given.problems[0];
    EXPECT_EQ(sign, given.sign);
    for (double slew : given.columns.slew) ASSERT_NEAR(0, slew, 1e-6);
    EXPECT_NEAR(design.TS, given.design.TS, 1e-6);

    texts.R = "";
    const VersineResult best = CalculateVersines(texts, selection);
    ASSERT_EQ(0u, best.problems.size()) << best.problems[0];
    EXPECT_NEAR(R, 500 * a * a / best.design.fc, 1e-6 * R);
  }
}

// The diagram's station names never overlap, and the slews' values keep clear of each other.
TEST(VersineDiagram, NamesAndSlewValuesKeepApart) {
  for (double apart : {0.3, 3.0, 7.5, 40.0, 400.0}) {
    const size_t every = NameEvery(apart, 36, 6);
    EXPECT_GE(static_cast<double>(every) * apart, 42);
    if (every > 1) {
      EXPECT_LT(static_cast<double>(every) * apart / 2.5, 42 + 1e-9);
    }
  }
  const std::vector<double> outward = {0, 1, 9, 10, 9.5, 2, -8, -4, 6, 4.9, 0};
  EXPECT_EQ((std::vector<size_t>{3, 6, 8}), LabelledSlews(outward, 10, 20));
}

}  // namespace
