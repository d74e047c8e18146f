// Trace Alignment with exit spirals of their own length (a vertex line's sixth field L2), and the
// tolerances at the ends of straights, elements and the whole alignment that design files need.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "alignment/alignment.h"
#include "alignment/alignment_report.h"
#include "alignment_checks.h"
#include "frame/report.h"
#include "geometry.h"
#include "shortest_text.h"

namespace {

const AlignmentTexts kWorked = {"1000", kWorkedVertexLines, false, ""};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// An L2 equal to L, or a sixth field that is not a number, changes nothing but the echo.
TEST(UnequalSpirals, EqualL2KeepsEveryText) {
  const std::string worked = AlignmentCalcBlock(kWorked);
  for (const char* line : {"V1 900 1200 600 120 120", "V1 900 1200 600 120 curve"}) {
    AlignmentTexts texts = kWorked;
    texts.vertices = Replaced(texts.vertices, "V1 900 1200 600 120", line);
    EXPECT_EQ(AlignmentCalcBlock(texts), Replaced(worked, "V1 900 1200 600 120", line));
  }
}

TEST(UnequalSpirals, CurveTableAndProblems) {
  AlignmentTexts texts = kWorked;
  texts.vertices = Replaced(texts.vertices, "V2 700 2200 800 0", "V2 700 2200 800 0 40");
  const std::string block = AlignmentCalcBlock(texts);
  EXPECT_NE(block.find("\r\nVertex\tAngle\tR\tL in\tL out\tT in\tT out\tK\tD\tPK\r\n"),
            std::string::npos);
  // The curves with L2 = L keep their figures, in the wider table.
  EXPECT_NE(block.find("\r\nV1\t-33' 6' 40.83'\t600.0000\t120.0000\t120.0000\t238.6396\t238.6396"
                       "\t466.7412\t10.5380\t2077.0330\r\n"),
            std::string::npos);
  const Alignment a = ReadAlignment(texts).alignment;
  const VertexCurve& c = a.curves[2];
  EXPECT_EQ(c.L2, 40);
  EXPECT_NE(block.find("\r\nV2\t 56' 18' 35.76'\t800.0000\t0.0000\t40.0000\t" + LengthText(c.T) +
                       "\t" + LengthText(c.T2) + "\t" + LengthText(c.K) + "\t" +
                       LengthText(c.T + c.T2 - c.K) + "\t" + LengthText(c.PK) + "\r\n"),
            std::string::npos);
  EXPECT_EQ(c.PK_KSK - c.PK_KKK, 40);
  EXPECT_EQ(c.PK, c.PK_NSK + c.T);

  texts.vertices = Replaced(texts.vertices, "V2 700 2200 800 0 40", "V2 700 2200 800 0 -1");
  EXPECT_EQ(ReadAlignment(texts).problems,
            std::vector<std::string>{"!Vertex V2: R must be above 0 and L at least 0!"});
  texts.vertices = "V0 0 0\nV1 0 1000 100 20 190\nV2 100 2000";
  EXPECT_EQ(ReadAlignment(texts).problems,
            std::vector<std::string>{"!Vertex V1: the spirals overlap!"});
}

// Random alignments as the symmetric tests use, each exit spiral of its own length.
Alignment RandomUnequalAlignment(std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  for (;;) {
    std::vector<AlignmentVertex> vertices;
    double Y = 0, X = 0, direction = unit(random) * 6.28;
    const int count = 3 + static_cast<int>(unit(random) * 5);
    for (int i = 0; i < count; ++i) {
      const double L = unit(random) < 0.2 ? 0 : 150 * unit(random);
      const double L2 = unit(random) < 0.2 ? 0 : 150 * unit(random);
      vertices.push_back({"V" + std::to_string(i), {Y, X}, 300 + 2700 * unit(random), L, L2});
      const double leg = 700 + 800 * unit(random);
      direction += (unit(random) - 0.5) * 2.1;
      Y += leg * std::sin(direction);
      X += leg * std::cos(direction);
    }
    std::vector<std::string> problems;
    Alignment a = BuildAlignment(vertices, 1000 * unit(random), problems);
    if (problems.empty()) return a;
  }
}

double LengthBetween(PlanePoint a, PlanePoint b) {
  return Distance(b.Y - a.Y, b.X - a.X);
}

// Both spirals end on the circle, and setting out (on the line and beside it) gives one point
// from either element at every main point: positions and directions are continuous.
TEST(UnequalSpirals, SpiralsEndOnTheirCircleAndMainPointsJoin) {
  std::mt19937 random(219);
  for (int trial = 0; trial < 60; ++trial) {
    const Alignment a = RandomUnequalAlignment(random);
    for (size_t v = 1; v + 1 < a.vertices.size(); ++v) {
      const VertexCurve& c = a.curves[v];
      EXPECT_NEAR(LengthBetween(c.NKK, c.O), c.R, 1e-8 * c.R);
      EXPECT_NEAR(LengthBetween(c.KKK, c.O), c.R, 1e-8 * c.R);
      const PlanePoint vertex = a.vertices[v].at;
      EXPECT_NEAR(LengthBetween(vertex, c.NSK), c.T, 1e-8);
      EXPECT_NEAR(LengthBetween(vertex, c.KSK), c.T2, 1e-8);
    }
    ExpectJoinsAtMainPoints(a);
  }
}

// Setting out then computing back gives the chainage and offset again; and every element's own
// ends project onto that element, so that a design file's element ends are never outside.
TEST(UnequalSpirals, SetOutThenStationRoundTrip) {
  std::mt19937 random(1219);
  for (int trial = 0; trial < 150; ++trial) {
    const Alignment a = RandomUnequalAlignment(random);
    ExpectSetOutRoundTrips(a, random, 20);
    if (HasFailure()) return;
    for (size_t i = 0; i < a.elements.size(); ++i) {
      const int e = static_cast<int>(i);
      for (double PK : {a.elements[i].PKstart, a.elements[i].PKend}) {
        const AlignmentStation s = ProjectOntoElement(a, e, SetOutOnElement(a, e, PK, 0));
        EXPECT_TRUE(s.found) << ElementName(a, e);
      }
    }
  }
}

// Two right-angled plain curves of radius R on a leg of 100: the straight between them is
// 100 - 2 R, give or take the last bits of tan(pi / 4).
std::vector<std::string> TouchingCurvesProblems(const char* R) {
  const std::string r = R;
  const AlignmentTexts texts = {
      "0", "V0 0 0\nV1 0 100 " + r + " 0\nV2 100 100 " + r + " 0\nV3 100 200", false, ""};
  return ReadAlignment(texts).problems;
}

TEST(AlignmentTolerances, StraightsEndsAndChainages) {
  EXPECT_TRUE(TouchingCurvesProblems("50.00000025").empty());
  EXPECT_EQ(TouchingCurvesProblems("50.000001"),
            std::vector<std::string>{"!Between V1 and V2 the curves overlap by 0.0000!"});

  const AlignmentTexts texts = {"1000", "V0 0 0\nV1 0 100 50 10 20\nV2 100 200", false, ""};
  const Alignment a = ReadAlignment(texts).alignment;
  const PlanePoint end = a.vertices[2].at;
  const PlanePoint u = a.directions[1];
  const AlignmentStation last = ProjectOntoAlignment(a, {end.Y + 5e-7 * u.Y, end.X + 5e-7 * u.X});
  EXPECT_TRUE(last.found);
  EXPECT_NEAR(last.PK, a.PKend + 5e-7, 1e-9);
  EXPECT_FALSE(ProjectOntoAlignment(a, {end.Y + 2e-6 * u.Y, end.X + 2e-6 * u.X}).found);
  EXPECT_TRUE(ProjectOntoAlignment(a, {0, -5e-7}).found);  // V0 is at 0 0, the track runs up
  EXPECT_FALSE(ProjectOntoAlignment(a, {0, -2e-6}).found);

  EXPECT_EQ(ElementAtChainage(a, a.PKstart - 5e-7), 0);
  EXPECT_EQ(ElementAtChainage(a, a.PKend + 5e-7), static_cast<int>(a.elements.size()) - 1);
  EXPECT_EQ(ElementAtChainage(a, a.PKstart - 2e-6), -1);
  EXPECT_EQ(ElementAtChainage(a, a.PKend + 2e-6), -1);

  // Set out a hair beyond the end: the end vertex itself; further: outside.
  const std::string block = AlignmentSetOutBlock(
      texts, "E " + ShortestText(a.PKend + 5e-7) + " 0\nF " + ShortestText(a.PKend + 2e-6) + " 0");
  EXPECT_NE(block.find("\t0.0000\t100.0000\t200.0000\tstraight V1-V2\r\n"), std::string::npos)
      << block;
  EXPECT_NE(block.find("\t-\t-\t!Chainage outside of alignment!\r\n"), std::string::npos) << block;
}

}  // namespace
