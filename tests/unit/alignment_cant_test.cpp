// Trace Alignment with a cant: reading the cant lines and the design cant between them, the
// worked alignment's blocks with cant columns exactly as the surveyor gets them (with and without
// a profile), "List cant" with its twist and largest values, and which problems win.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "alignment/alignment_cant.h"
#include "alignment/alignment_report.h"
#include "alignment/cant.h"
#include "alignment_checks.h"
#include "report_lines.h"

namespace {

const char* const kWorkedProfile =
    "1100 151\r\n1800 158 10000\r\n\r\n3000 149 15000\r\n4200 155 0\r\n5200 152";
const char* const kWorkedCant =
    "1000 0\r\n1840 0\r\n1960 -90\r\n2185 -90\r\n2305 0\r\n2600 0\r\n2660 60\r\n3440 60\r\n"
    "3500 0\r\n3930 0\r\n4010 -75\r\n4270 -75\r\n4350 0\r\n5140 0";
const std::vector<std::string> kCantEcho = {
    "Cant:",   "1000 0", "1840 0", "1960 -90", "2185 -90", "2305 0", "2600 0", "2660 60",
    "3440 60", "3500 0", "3930 0", "4010 -75", "4270 -75", "4350 0", "5140 0"};

const AlignmentTexts kWorked = {"1000", kWorkedVertexLines, false, "", kWorkedCant};

AlignmentTexts WithProfile() {
  AlignmentTexts texts = kWorked;
  texts.profile = kWorkedProfile;
  return texts;
}

std::vector<std::string> Head(const std::string& title, bool profile) {
  std::vector<std::string> head = {"",
                                   title,
                                   "",
                                   "PKstart=1000",
                                   "V0 500 200",
                                   "V1 900 1200 600 120",
                                   "V2 700 2200 800 0",
                                   "V3 1500 3000 500 80",
                                   "V4 1600 4000"};
  if (profile) {
    for (const char* line :
         {"Profile:", "1100 151", "1800 158 10000", "3000 149 15000", "4200 155 0", "5200 152"})
      head.push_back(line);
  }
  head.insert(head.end(), kCantEcho.begin(), kCantEcho.end());
  head.push_back("");
  return head;
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(Cant, DesignCantBetweenLines) {
  const Cant cant = ReadCant("100 0\r\n200 -50\r\n300 -50\r\n400 20").cant;
  ASSERT_EQ(4u, cant.points.size());
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    double PK;
    bool inside;
    double C;
  };
  const Row rows[] = {
      {100, true, 0},          // the first line
      {150, true, -25},        // halfway up the ramp
      {200, true, -50},        // a line's own value
      {250, true, -50},        // the level stretch
      {330, true, -29},        // 30 of 100 along the ramp back
      {400, true, 20},         // the last line
      {100 - 9e-7, true, 0},   // within 1e-6 before the first counts as the first
      {400 + 9e-7, true, 20},  // and after the last as the last
      {100 - 2e-6, false, 0},  // beyond it there is none
      {400 + 2e-6, false, 0}, {nan, false, 0},
  };
  for (const Row& row : rows) {
    double C = 12345;
    EXPECT_EQ(row.inside, DesignCant(cant, row.PK, C)) << row.PK;
    if (row.inside) {
      EXPECT_NEAR(row.C, C, 1e-9) << row.PK;
    }
  }
  double C = 0;
  EXPECT_FALSE(DesignCant(Cant(), 100, C));
}

TEST(Cant, Problems) {
  struct Row {
    const char* text;
    std::vector<std::string> problems;
  };
  const Row rows[] = {
      {"", {}},
      {" \r\n\t", {}},
      {"1000 0\r\n1100 -50 ramp end", {}},
      {"1000 0\r\nx 5\r\n1100\r\n1050 1.5m",
       {"!Cant line not read: x 5!", "!Cant line not read: 1100!",
        "!Cant line not read: 1050 1.5m!"}},
      // Only the first kind found: the line not read hides the PK that does not grow.
      {"1000 0\r\n900 5\r\nbad", {"!Cant line not read: bad!"}},
      {"1000 0", {"!Cant: at least two lines are needed!"}},
      {"1000 0\r\n1000.0 5\r\n1100 0\r\n1050 2",
       {"!Cant at PK 1000.0: PK must grow!", "!Cant at PK 1050: PK must grow!"}},
      // A pivot line on any line is no cant line; one that does not read is a line not read, and
      // so is every one after the first that reads.
      {"1000 0\r\nPivot CENTER 1.0\r\n1100 -50", {}},
      {"pivot\r\npivot inner 1.435 x\r\npivot middle\r\n1000 0\r\n1100 5",
       {"!Cant line not read: pivot!", "!Cant line not read: pivot inner 1.435 x!",
        "!Cant line not read: pivot middle!"}},
      {"pivot inner 1435\r\npivot inner 0.29\r\npivot outer 3.01\r\npivot left 1.5m\r\n1000 0\r\n"
       "1100 5",
       {"!Cant line not read: pivot inner 1435!", "!Cant line not read: pivot inner 0.29!",
        "!Cant line not read: pivot outer 3.01!", "!Cant line not read: pivot left 1.5m!"}},
      {"pivot inner 3\r\n1000 0\r\npivot outer\r\n1100 5", {"!Cant line not read: pivot outer!"}},
      {"pivot inner\r\n1000 0", {"!Cant: at least two lines are needed!"}},
      // With a pivot line a cant must stay below the rail heads' distance, gauge + 0.065.
      {"pivot right 0.3\r\n1000 364.9\r\n1000.0 365\r\n1100 -365",
       {"!Cant at PK 1000.0: PK must grow!"}},
      {"pivot right 0.3\r\n1000 364.9\r\n1050 365\r\n1100 -365.1",
       {"!Cant at PK 1050: cant must stay below the rail-head distance!",
        "!Cant at PK 1100: cant must stay below the rail-head distance!"}},
      {"1000 0\r\n1100 2000", {}},
  };
  for (const Row& row : rows) {
    const CantReading reading = ReadCant(row.text);
    EXPECT_EQ(row.problems, reading.problems) << row.text;
    size_t cantLines = 0;
    for (const std::string& line : reading.echo) cantLines += !IsPivotLine(SplitFields(line));
    EXPECT_EQ(row.problems.empty() ? cantLines : 0u, reading.cant.points.size()) << row.text;
  }

  // The vertices' problems come first, then the profile's, then the cant's.
  AlignmentTexts texts = WithProfile();
  texts.cant = "1000 0";
  EXPECT_EQ(std::vector<std::string>{"!Cant: at least two lines are needed!"},
            ReadAlignment(texts).problems);
  texts.profile = "1100 151";
  EXPECT_EQ(std::vector<std::string>{"!Profile: at least two lines are needed!"},
            ReadAlignment(texts).problems);
  texts.vertices = "V0 0 0";
  EXPECT_EQ(std::vector<std::string>{"!At least two vertices are needed!"},
            ReadAlignment(texts).problems);
  texts = kWorked;
  texts.cant = "1000 0\r\nbad";
  EXPECT_EQ(
      AlignmentCalcBlock(texts),
      ReportLines({"", "Calculation on alignment", "", "PKstart=1000", "V0 500 200",
                   "V1 900 1200 600 120", "V2 700 2200 800 0", "V3 1500 3000 500 80",
                   "V4 1600 4000", "Cant:", "1000 0", "bad", "", "!Cant line not read: bad!"}));
}

TEST(Cant, WorkedCalc) {
  EXPECT_EQ(AlignmentCalcBlock(kWorked),
            ReportLines(Joined(
                Head("Calculation on alignment", false),
                {"Vertex\tAngle\tR\tL\tT\tK\tD\tPK",
                 "V1\t-33' 6' 40.83'\t600.0000\t120.0000\t238.6396\t466.7412\t10.5380\t2077.0330",
                 "V2\t 56' 18' 35.76'\t800.0000\t0.0000\t428.1470\t786.2350\t70.0590\t3086.2989",
                 "V3\t-39' 17' 21.86'\t500.0000\t80.0000\t218.6635\t422.8648\t14.4622\t4147.6107",
                 "",
                 "Point\tPK\tY\tX\tCant",
                 "V0\t1000.0000\t500.0000\t200.0000\t0.0",
                 "V1 NSK\t1838.3934\t811.3715\t978.4287\t0.0",
                 "V1 NKK\t1958.3934\t852.1826\t1091.2190\t-88.8",
                 "V1 KKK\t2185.1345\t872.7898\t1315.6694\t-89.9",
                 "V1 KSK\t2305.1345\t853.1989\t1434.0054\t0.0",
                 "V2 NSK\t2658.1518\t783.9665\t1780.1673\t58.2",
                 "V2 NKK\t2658.1518\t783.9665\t1780.1673\t58.2",
                 "V2 KKK\t3444.3868\t1002.7457\t2502.7457\t55.6",
                 "V2 KSK\t3444.3868\t1002.7457\t2502.7457\t55.6",
                 "V3 NSK\t3928.9472\t1345.3816\t2845.3816\t0.0",
                 "V3 NKK\t4008.9472\t1400.4061\t2903.4217\t-74.0",
                 "V3 KKK\t4271.8119\t1511.6809\t3138.2384\t-73.3",
                 "V3 KSK\t4351.8119\t1521.7578\t3217.5783\t0.0",
                 "V4\t5138.1360\t1600.0000\t4000.0000\t0.0",
                 "",
                 "Length=4138.1360   Curves=3"})));

  // With a profile the Cant column follows H; a main point outside the cant gets "-".
  AlignmentTexts texts = WithProfile();
  texts.cant = "1500 0\r\n5000 0";
  const std::string calc = AlignmentCalcBlock(texts);
  EXPECT_NE(calc.find("\r\nPoint\tPK\tY\tX\tH\tCant\r\nV0\t1000.0000\t500.0000\t200.0000\t-\t-\r\n"
                      "V1 NSK\t1838.3934\t811.3715\t978.4287\t157.5915\t0.0\r\n"),
            std::string::npos)
      << calc;
}

TEST(Cant, WorkedListAndSetOut) {
  const std::string points =
      "P1 870 1180 157.20 -85\r\nP4 880 1000 - -60\r\nP5 790 1500 156.10\r\nfar 0 0 100 0";
  EXPECT_EQ(
      AlignmentListBlock(WithProfile(), points),
      ReportLines(Joined(
          Head("Calculation on alignment: point list", true),
          {"Point\tY\tX\tH\tPK\td\tH design\tdH\tCant\tCant design\tdCant\tElement",
           "P1\t870.0000\t1180.0000\t157.2000\t2049.0759\t-0.6247\t156.1319\t1.0681\t"
           "-85.0\t-90.0\t5.0\tV1 curve",
           "P4\t880.0000\t1000.0000\t-\t1883.1334\t55.9213\t157.3755\t-\t"
           "-60.0\t-32.4\t-27.6\tV1 entry spiral",
           "P5\t790.0000\t1500.0000\t156.1000\t2382.2419\t-49.0290\t153.6332\t2.4668\t"
           "-\t0.0\t-\tstraight V1-V2",
           "far\t0.0000\t0.0000\t100.0000\t-\t-\t-\t-\t0.0\t-\t-\t!Point outside of alignment!", "",
           "Points=4   Outside=1   Not read=0"})));

  EXPECT_EQ(AlignmentSetOutBlock(kWorked, "B 1850 -1.5\r\nE 5200 0"),
            ReportLines(Joined(Head("Calculation on alignment: setting out", false),
                               {"Point\tPK\td\tY\tX\tCant\tElement",
                                "B\t1850.0000\t-1.5000\t814.2855\t989.7623\t-7.5\tV1 entry spiral",
                                "E\t5200.0000\t0.0000\t-\t-\t-\t!Chainage outside of alignment!",
                                "", "Points=2   Outside=1   Not read=0"})));
}

// One row of each layout: vertices or elements, with or without a profile, and outside the
// profile and the cant. In the element form H and Cant close the element table's rows too.
TEST(Cant, ColumnLayouts) {
  AlignmentTexts vertices = kWorked;
  vertices.cant = "1500 10\r\n5000 10";
  AlignmentTexts profile = vertices;
  profile.profile = kWorkedProfile;
  const AlignmentTexts elements = {
      " 0",
      "curve 40 -500 1000 5000 30\r\nspiral 60 -500 -1200\r\ncurve 80 -1200\r\nspiral 50 -1200 0",
      false, "0 100\r\n640 106.4", "0 0\r\n40 -50\r\n600 -50"};
  const struct {
    std::string block;
    const char* header;
    const char* row;  // and the line after it
  } rows[] = {
      {AlignmentListBlock(vertices, "P1 870 1180 157.20 12"),
       "Point\tY\tX\tPK\td\tCant\tCant design\tdCant\tElement",
       "P1\t870.0000\t1180.0000\t2049.0759\t-0.6247\t12.0\t10.0\t2.0\tV1 curve\r\n"},
      {AlignmentListBlock(vertices, "P0 518.57 246.42 150 3"),
       "Point\tY\tX\tPK\td\tCant\tCant design\tdCant\tElement",
       "P0\t518.5700\t246.4200\t1049.9966\t0.0019\t3.0\t-\t-\tstraight V0-V1\t"
       "!Chainage outside of cant!\r\n"},
      {AlignmentListBlock(profile, "P0 518.57 246.42 150 3"),
       "Point\tY\tX\tH\tPK\td\tH design\tdH\tCant\tCant design\tdCant\tElement",
       "P0\t518.5700\t246.4200\t150.0000\t1049.9966\t0.0019\t-\t-\t3.0\t-\t-\tstraight V0-V1\t"
       "!Chainage outside of profile!\t!Chainage outside of cant!\r\n"},
      {AlignmentSetOutBlock(vertices, "C 1050 0"), "Point\tPK\td\tY\tX\tCant\tElement",
       "C\t1050.0000\t0.0000\t518.5695\t246.4238\t-\tstraight V0-V1\t!Chainage outside of cant!"
       "\r\n"},
      {AlignmentSetOutBlock(profile, "C 1050 0"), "Point\tPK\td\tY\tX\tH\tCant\tElement",
       "C\t1050.0000\t0.0000\t518.5695\t246.4238\t-\t-\tstraight V0-V1\t"
       "!Chainage outside of profile!\t!Chainage outside of cant!\r\n"},
      {AlignmentSetOutBlock(profile, "D 6000 0"), "Point\tPK\td\tY\tX\tH\tCant\tElement",
       "D\t6000.0000\t0.0000\t-\t-\t-\t-\t!Chainage outside of alignment!\r\n"},
      {AlignmentCalcBlock(elements), "Element\tPK\tY\tX\tDirection\tR start\tR end\tL\tH\tCant",
       "1 curve\t0.0000\t1000.0000\t5000.0000\t 30' 0' 0'\t-500.0000\t-500.0000\t40.0000\t"
       "100.0000\t0.0"},
      {AlignmentListBlock(elements, "P1 1031.104 5057.250 101 -48"),
       "Point\tY\tX\tH\tPK\td\tH design\tdH\tCant\tCant design\tdCant\tElement",
       "P1\t1031.1040\t5057.2500\t101.0000\t65.0000\t2.4998\t100.6500\t0.3500\t-48.0\t-50.0\t"
       "2.0\t2 spiral"},
      {AlignmentSetOutBlock(elements, "S 120 -2"), "Point\tPK\td\tY\tX\tH\tCant\tElement",
       "S\t120.0000\t-2.0000\t1046.6685\t5110.2165\t101.2000\t-50.0\t3 curve"},
  };
  for (const auto& row : rows) {
    EXPECT_NE(row.block.find(std::string("\r\n") + row.header + "\r\n" + row.row + "\r\n"),
              std::string::npos)
        << row.block;
  }
  // With a pivot line the element table ends in each rail's height.
  AlignmentTexts pivoted = elements;
  pivoted.cant = std::string("pivot right\r\n") + elements.cant;
  const std::string calc = AlignmentCalcBlock(pivoted);
  EXPECT_NE(calc.find("\tL\tH\tCant\tH left\tH right\r\n1 curve\t"), std::string::npos) << calc;
  EXPECT_NE(calc.find("\t60.0000\t100.4000\t-50.0\t100.3500\t100.4000\r\n3 curve\t"),
            std::string::npos)
      << calc;
}

TEST(Cant, ListCant) {
  const std::vector<std::string> head =
      Joined({"", "Calculation on alignment: cant", ""}, kCantEcho);
  EXPECT_EQ(
      AlignmentCantBlock(kWorked, "K1 1900 -41\r\n1950 -87\r\nK3 1956 -92\r\nK4 6000 0\r\nbad"),
      ReportLines(Joined(
          head,
          {"", "Point\tPK\tCant\tCant design\tdCant\tTwist", "K1\t1900.0000\t-41.0\t-45.0\t4.0\t-",
           "\t1950.0000\t-87.0\t-82.5\t-4.5\t-0.92", "K3\t1956.0000\t-92.0\t-87.0\t-5.0\t-0.83",
           "K4\t6000.0000\t0.0\t-\t-\t0.02\t!Chainage outside of cant!", "", "Not read: bad",
           "Points=4   Outside=1   Not read=1",
           "Largest dCant=-5.0 at PK 1956.0000   "
           "Largest twist=-0.92 at PK 1950.0000"})));

  // The largest values: the first on a tie, a value missing leaves its half out, the line too
  // when both are; no twist where the chainage repeats.
  struct Row {
    const char* lines;
    const char* largest;  // the block's last line
  };
  const Row rows[] = {
      {"A 1900 -40\r\nB 1900 -50\r\nC 1910 -52",
       "Largest dCant=5.0 at PK 1900.0000   Largest twist=-0.20 at PK 1910.0000"},
      {"A 1900 -50", "Largest dCant=-5.0 at PK 1900.0000"},
      {"A 100 -50\r\nB 200 -40", "Largest twist=0.10 at PK 200.0000"},
      {"A 100 -50", "Points=1   Outside=1   Not read=0"},
  };
  for (const Row& row : rows) {
    const std::string block = AlignmentCantBlock(kWorked, row.lines);
    EXPECT_EQ(std::string("\r\n") + row.largest + "\r\n",
              block.substr(block.rfind("\r\n", block.size() - 3)))
        << block;
  }
  EXPECT_NE(AlignmentCantBlock(kWorked, "A 1900 -40\r\nB 1900 -50")
                .find("\r\nB\t1900.0000\t-50.0\t-45.0\t-5.0\t-\r\n"),
            std::string::npos);
  // What rounds to zero has no sign: the ramp's start, a small dCant, a small falling twist.
  EXPECT_NE(
      AlignmentCantBlock(kWorked, "A 1840.05 -0.03\r\nB 1850.05 -0.04")
          .find("\r\nA\t1840.0500\t0.0\t0.0\t0.0\t-\r\nB\t1850.0500\t0.0\t-7.5\t7.5\t0.00\r\n"),
      std::string::npos);

  // The vertices, PK start and the profile are not read; a blank cant lacks lines.
  AlignmentTexts cantOnly = WithProfile();
  cantOnly.vertices = "bad";
  cantOnly.PKstart = "x";
  EXPECT_EQ(AlignmentCantBlock(cantOnly, "K1 1900 -41"),
            AlignmentCantBlock(kWorked, "K1 1900 -41"));
  AlignmentTexts blank = kWorked;
  blank.cant = " \r\n";
  EXPECT_EQ(AlignmentCantBlock(blank, "K1 1900 -41"),
            ReportLines({"", "Calculation on alignment: cant", "", "Cant:", "",
                         "!Cant: at least two lines are needed!"}));
}

}  // namespace
