// Trace Alignment with a profile: the worked alignment's blocks with heights, exactly as the
// surveyor gets them, which problems win when vertices and profile both have some, and "List H".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alignment/alignment_heights.h"
#include "alignment/alignment_report.h"
#include "alignment_checks.h"
#include "report_lines.h"

namespace {

const AlignmentTexts kWorked = {"1000", kWorkedVertexLines, false,
                                "1100 151\r\n"
                                "1800 158 10000\r\n"
                                "\r\n"
                                "3000 149 15000\r\n"
                                "4200 155 0\r\n"
                                "5200 152"};

std::vector<std::string> Head(const std::string& title) {
  return {"",
          title,
          "",
          "PKstart=1000",
          "V0 500 200",
          "V1 900 1200 600 120",
          "V2 700 2200 800 0",
          "V3 1500 3000 500 80",
          "V4 1600 4000",
          "Profile:",
          "1100 151",
          "1800 158 10000",
          "3000 149 15000",
          "4200 155 0",
          "5200 152",
          ""};
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(AlignmentHeights, WorkedExampleCalc) {
  const std::vector<std::string> expected =
      Joined(Head("Calculation on alignment"),
             {"Vertex\tAngle\tR\tL\tT\tK\tD\tPK",
              "V1\t-33' 6' 40.83'\t600.0000\t120.0000\t238.6396\t466.7412\t10.5380\t2077.0330",
              "V2\t 56' 18' 35.76'\t800.0000\t0.0000\t428.1470\t786.2350\t70.0590\t3086.2989",
              "V3\t-39' 17' 21.86'\t500.0000\t80.0000\t218.6635\t422.8648\t14.4622\t4147.6107",
              "",
              "Point\tPK\tY\tX\tH",
              "V0\t1000.0000\t500.0000\t200.0000\t-",
              "V1 NSK\t1838.3934\t811.3715\t978.4287\t157.5915",
              "V1 NKK\t1958.3934\t852.1826\t1091.2190\t156.8120",
              "V1 KKK\t2185.1345\t872.7898\t1315.6694\t155.1115",
              "V1 KSK\t2305.1345\t853.1989\t1434.0054\t154.2115",
              "V2 NSK\t2658.1518\t783.9665\t1780.1673\t151.5639",
              "V2 NKK\t2658.1518\t783.9665\t1780.1673\t151.5639",
              "V2 KKK\t3444.3868\t1002.7457\t2502.7457\t151.2219",
              "V2 KSK\t3444.3868\t1002.7457\t2502.7457\t151.2219",
              "V3 NSK\t3928.9472\t1345.3816\t2845.3816\t153.6447",
              "V3 NKK\t4008.9472\t1400.4061\t2903.4217\t154.0447",
              "V3 KKK\t4271.8119\t1511.6809\t3138.2384\t154.7846",
              "V3 KSK\t4351.8119\t1521.7578\t3217.5783\t154.5446",
              "V4\t5138.1360\t1600.0000\t4000.0000\t152.1856",
              "",
              "PK\tH\tGrade (1/1000)\tRv\tT\tE\tPK begin\tPK end",
              "1100.0000\t151.0000\t10.0000\t-\t-\t-\t-\t-",
              "1800.0000\t158.0000\t-7.5000\t10000.0000\t87.5000\t0.3828\t1712.5000\t1887.5000",
              "3000.0000\t149.0000\t5.0000\t15000.0000\t93.7500\t0.2930\t2906.2500\t3093.7500",
              "4200.0000\t155.0000\t-3.0000\t0.0000\t0.0000\t0.0000\t4200.0000\t4200.0000",
              "5200.0000\t152.0000\t-\t-\t-\t-\t-\t-",
              "",
              "Length=4138.1360   Curves=3"});
  EXPECT_EQ(AlignmentCalcBlock(kWorked), ReportLines(expected));

  // X before Y swaps the coordinate columns only.
  AlignmentTexts xy = kWorked;
  xy.vertices =
      "V0 200 500\r\nV1 1200 900 600 120\r\nV2 2200 700 800 0\r\n"
      "V3 3000 1500 500 80\r\nV4 4000 1600";
  xy.xBeforeY = true;
  const std::string calc = AlignmentCalcBlock(xy);
  EXPECT_NE(calc.find("\r\nPoint\tPK\tX\tY\tH\r\nV0\t1000.0000\t200.0000\t500.0000\t-\r\n"),
            std::string::npos);
  EXPECT_NE(calc.find("\r\nV4\t5138.1360\t4000.0000\t1600.0000\t152.1856\r\n"), std::string::npos);
}

TEST(AlignmentHeights, WorkedExampleListAndSetOut) {
  const std::string points =
      "P0 518.57 246.42 150.00\r\nP1 870 1180 157.20\r\nP4 880 1000\r\nfar 0 0 100\r\n"
      "P6 870 1180 1.5m\r\nbad";
  EXPECT_EQ(
      AlignmentListBlock(kWorked, points),
      ReportLines(Joined(
          Head("Calculation on alignment: point list"),
          {"Point\tY\tX\tH\tPK\td\tH design\tdH\tElement",
           "P0\t518.5700\t246.4200\t150.0000\t1049.9966\t0.0019\t-\t-\tstraight V0-V1\t"
           "!Chainage outside of profile!",
           "P1\t870.0000\t1180.0000\t157.2000\t2049.0759\t-0.6247\t156.1319\t1.0681\tV1 curve",
           "P4\t880.0000\t1000.0000\t-\t1883.1334\t55.9213\t157.3755\t-\tV1 entry spiral",
           "far\t0.0000\t0.0000\t100.0000\t-\t-\t-\t-\t!Point outside of alignment!",
           "P6\t870.0000\t1180.0000\t-\t2049.0759\t-0.6247\t156.1319\t-\tV1 curve", "",
           "Not read: bad", "Points=5   Outside=1   Not read=1"})));

  EXPECT_EQ(
      AlignmentSetOutBlock(kWorked, "B 1850 -1.5\r\nC 1050 0\r\nD 6000 0"),
      ReportLines(Joined(Head("Calculation on alignment: setting out"),
                         {"Point\tPK\td\tY\tX\tH\tElement",
                          "B\t1850.0000\t-1.5000\t814.2855\t989.7623\t157.5547\tV1 entry spiral",
                          "C\t1050.0000\t0.0000\t518.5695\t246.4238\t-\tstraight V0-V1\t"
                          "!Chainage outside of profile!",
                          "D\t6000.0000\t0.0000\t-\t-\t-\t!Chainage outside of alignment!", "",
                          "Points=3   Outside=1   Not read=0"})));
}

TEST(AlignmentHeights, ListH) {
  EXPECT_EQ(AlignmentHeightsBlock(kWorked, "K2 1750 157.70\r\n2950 149.20\r\nK5 5300 150\r\nx"),
            ReportLines({"", "Calculation on alignment: heights", "", "Profile:", "1100 151",
                         "1800 158 10000", "3000 149 15000", "4200 155 0", "5200 152", "",
                         "Point\tPK\tH\tH design\tdH", "K2\t1750.0000\t157.7000\t157.4297\t0.2703",
                         "\t2950.0000\t149.2000\t149.4388\t-0.2388",
                         "K5\t5300.0000\t150.0000\t-\t-\t!Chainage outside of profile!", "",
                         "Not read: x", "Points=3   Outside=1   Not read=1"}));
  // Neither the vertices nor the PK start play a part.
  AlignmentTexts profileOnly = kWorked;
  profileOnly.vertices = "bad";
  profileOnly.PKstart = "x";
  EXPECT_EQ(AlignmentHeightsBlock(profileOnly, "K2 1750 157.70"),
            AlignmentHeightsBlock(kWorked, "K2 1750 157.70"));

  AlignmentTexts blank = kWorked;
  blank.profile = " \r\n";
  EXPECT_EQ(AlignmentHeightsBlock(blank, "K2 1750 157.70"),
            ReportLines({"", "Calculation on alignment: heights", "", "Profile:", "",
                         "!Profile: at least two lines are needed!"}));
  blank.profile = "1100 151\r\n1000 150";
  EXPECT_EQ(AlignmentHeightsBlock(blank, "K2 1750 157.70"),
            ReportLines({"", "Calculation on alignment: heights", "", "Profile:", "1100 151",
                         "1000 150", "", "!Profile at PK 1000: PK must grow!"}));
}

// The vertices' problems come first; the profile's show only when the vertices have none.
TEST(AlignmentHeights, VertexProblemsBeforeProfileProblems) {
  AlignmentTexts texts = kWorked;
  texts.profile = "1100 151\r\nnot a line";
  EXPECT_EQ(ReadAlignment(texts).problems,
            std::vector<std::string>{"!Profile line not read: not a line!"});
  const std::string calc = AlignmentCalcBlock(texts);
  EXPECT_NE(calc.find("Profile:\r\n1100 151\r\nnot a line\r\n\r\n!Profile line not read: not a "
                      "line!\r\n"),
            std::string::npos);
  EXPECT_EQ(calc.find("Vertex\t"), std::string::npos);

  texts.vertices = "V0 0 0";
  EXPECT_EQ(ReadAlignment(texts).problems,
            std::vector<std::string>{"!At least two vertices are needed!"});
  EXPECT_EQ(AlignmentSetOutBlock(texts, "B 1 2"),
            ReportLines({"", "Calculation on alignment: setting out", "", "PKstart=1000", "V0 0 0",
                         "Profile:", "1100 151", "not a line", "",
                         "!At least two vertices are needed!"}));
}

}  // namespace
