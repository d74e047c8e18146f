// Trace Alignment: the worked alignment's whole reports, each problem line, and the properties
// that make the geometry trustworthy: setting out is continuous at every main point and
// computing chainage and offset back gives what was set out.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "alignment.h"
#include "alignment_report.h"
#include "report_lines.h"

namespace {

const AlignmentTexts kWorked = {"1000",
                                "V0 500 200\r\n"
                                "V1 900 1200 600 120\r\n"
                                "\r\n"
                                "V2 700 2200 800 0\r\n"
                                "V3 1500 3000 500 80\r\n"
                                "V4 1600 4000",
                                false};

const std::vector<std::string> kWorkedEcho = {"PKstart=1000",
                                              "V0 500 200",
                                              "V1 900 1200 600 120",
                                              "V2 700 2200 800 0",
                                              "V3 1500 3000 500 80",
                                              "V4 1600 4000",
                                              ""};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(TraceAlignment, WorkedExampleCalc) {
  const std::vector<std::string> expected =
      Joined(Joined({"", "Calculation on alignment", ""}, kWorkedEcho),
             {"Vertex\tAngle\tR\tL\tT\tK\tD\tPK",
              "V1\t-33' 6' 40.83'\t600.0000\t120.0000\t238.6396\t466.7412\t10.5380\t2077.0330",
              "V2\t 56' 18' 35.76'\t800.0000\t0.0000\t428.1470\t786.2350\t70.0590\t3086.2989",
              "V3\t-39' 17' 21.86'\t500.0000\t80.0000\t218.6635\t422.8648\t14.4622\t4147.6107",
              "",
              "Point\tPK\tY\tX",
              "V0\t1000.0000\t500.0000\t200.0000",
              "V1 NSK\t1838.3934\t811.3715\t978.4287",
              "V1 NKK\t1958.3934\t852.1826\t1091.2190",
              "V1 KKK\t2185.1345\t872.7898\t1315.6694",
              "V1 KSK\t2305.1345\t853.1989\t1434.0054",
              "V2 NSK\t2658.1518\t783.9665\t1780.1673",
              "V2 NKK\t2658.1518\t783.9665\t1780.1673",
              "V2 KKK\t3444.3868\t1002.7457\t2502.7457",
              "V2 KSK\t3444.3868\t1002.7457\t2502.7457",
              "V3 NSK\t3928.9472\t1345.3816\t2845.3816",
              "V3 NKK\t4008.9472\t1400.4061\t2903.4217",
              "V3 KKK\t4271.8119\t1511.6809\t3138.2384",
              "V3 KSK\t4351.8119\t1521.7578\t3217.5783",
              "V4\t5138.1360\t1600.0000\t4000.0000",
              "",
              "Length=4138.1360   Curves=3"});
  EXPECT_EQ(AlignmentCalcBlock(kWorked), ReportLines(expected));
}

TEST(TraceAlignment, WorkedExampleList) {
  const std::vector<std::string> expected = Joined(
      Joined({"", "Calculation on alignment: point list", ""}, kWorkedEcho),
      {"Point\tY\tX\tPK\td\tElement", "P1\t870.0000\t1180.0000\t2049.0759\t-0.6247\tV1 curve",
       "P3\t830.0000\t1400.0000\t2276.1680\t-29.3617\tV1 exit spiral",
       "P5\t0.0000\t0.0000\t-\t-\t!Point outside of alignment!", "", "Not read: bad line",
       "Points=3   Outside=1   Not read=1"});
  EXPECT_EQ(AlignmentListBlock(kWorked, "P1 870 1180\r\nP3 830 1400\r\nP5 0 0\r\nbad line"),
            ReportLines(expected));
}

}  // namespace
