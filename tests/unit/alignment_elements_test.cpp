// Trace Alignment's blocks for an alignment typed as a chain of elements: the worked chain of a
// compound curve, a curve-to-curve spiral, straights and a right-hand curve.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "alignment/alignment_report.h"
#include "report_lines.h"

namespace {

const char* const kWorkedElementLines =
    "curve 40 -500 1000 5000 30\r\nspiral 60 -500 -1200\r\ncurve 80 -1200\r\n"
    "spiral 50 -1200 0\r\nstraight 100\r\nspiral 70 0 800\r\ncurve 120 800\r\n"
    "spiral 70 800 0\r\nstraight 50";

const AlignmentTexts kWorkedElements = {" 0", kWorkedElementLines, false, ""};

// The lines of the block after its head (the title, PK start and the echoed element lines).
std::vector<std::string> AfterHead(const std::string& block) {
  std::vector<std::string> lines;
  for (size_t at = block.find("\r\n\r\n", block.find("PKstart=")) + 4; at < block.size();) {
    const size_t end = block.find("\r\n", at);
    lines.push_back(block.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

TEST(AlignmentElements, WorkedBlocks) {
  const struct {
    std::string block;
    std::vector<std::string> expected;
  } cases[] = {
      {AlignmentCalcBlock(kWorkedElements),
       {"Element\tPK\tY\tX\tDirection\tR start\tR end\tL",
        "1 curve\t0.0000\t1000.0000\t5000.0000\t 30' 0' 0'\t-500.0000\t-500.0000\t40.0000",
        "2 spiral\t40.0000\t1018.5938\t5035.4037\t 25' 24' 58.82'\t-500.0000\t-1200.0000\t60.0000",
        "3 curve\t100.0000\t1041.6899\t5090.7605\t 20' 32' 46.31'\t-1200.0000\t-1200.0000\t80.0000",
        "4 spiral\t180.0000\t1067.2500\t5166.5517\t 16' 43' 35.32'\t-1200.0000\t-\t50.0000",
        "5 straight\t230.0000\t1080.9734\t5214.6305\t 15' 31' 58.14'\t-\t-\t100.0000",
        "6 spiral\t330.0000\t1107.7525\t5310.9782\t 15' 31' 58.14'\t-\t800.0000\t70.0000",
        "7 curve\t400.0000\t1127.4776\t5378.1354\t 18' 2' 22.22'\t800.0000\t800.0000\t120.0000",
        "8 spiral\t520.0000\t1173.0407\t5489.0273\t 26' 38' 1.94'\t800.0000\t-\t70.0000",
        "9 straight\t590.0000\t1206.2294\t5550.6526\t 29' 8' 26.03'\t-\t-\t50.0000",
        "End\t640.0000\t1230.5771\t5594.3240\t 29' 8' 26.03'\t-\t-\t-", "",
        "Length=640.0000   Elements=9"}},
      {AlignmentListBlock(kWorkedElements,
                          "P1 1031.104 5057.250\nP2 1057.117 5138.306\nP3 1118.016 5344.443\n"
                          "P4 1143.511 5430.928\nfar 900 4000"),
       {"Point\tY\tX\tPK\td\tElement", "P1\t1031.1040\t5057.2500\t65.0000\t2.4998\t2 spiral",
        "P2\t1057.1170\t5138.3060\t149.9999\t-1.2004\t3 curve",
        "P3\t1118.0160\t5344.4430\t365.0002\t0.7996\t6 spiral",
        "P4\t1143.5110\t5430.9280\t454.9998\t-3.0001\t7 curve",
        "far\t900.0000\t4000.0000\t-\t-\t!Point outside of alignment!", "",
        "Points=5   Outside=1   Not read=0"}},
      {AlignmentSetOutBlock(kWorkedElements, "S1 35 1.5\nS2 250 -2\nS3 700 0"),
       {"Point\tPK\td\tY\tX\tElement", "S1\t35.0000\t1.5000\t1017.7736\t5030.2411\t1 curve",
        "S2\t250.0000\t-2.0000\t1084.4023\t5234.4356\t5 straight",
        "S3\t700.0000\t0.0000\t-\t-\t!Chainage outside of alignment!", "",
        "Points=3   Outside=1   Not read=0"}},
  };
  for (const auto& c : cases) EXPECT_EQ(AfterHead(c.block), c.expected);
}

}  // namespace
