// The drawing of an alignment typed as a chain of elements: each element's start marked with its
// number, the whole track in the fitted box, and chainage ticks that follow a station equation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "drawing/drawing_scene.h"

namespace {

const AlignmentTexts kWorkedElements = {
    "0",
    "curve 40 -500 1000 5000 30\r\nspiral 60 -500 -1200\r\ncurve 80 -1200\r\n"
    "spiral 50 -1200 0\r\nstraight 100\r\nspiral 70 0 800\r\ncurve 120 800\r\n"
    "spiral 70 800 0\r\nstraight 50",
    false, ""};

double Distance(PlanePoint a, PlanePoint b) {
  return std::hypot(a.Y - b.Y, a.X - b.X);
}

TEST(DrawingElements, EachElementStartIsMarkedWithItsNumber) {
  const DrawingScene scene = BuildDrawingScene(kWorkedElements, "P1 1031.104 5057.250");
  ASSERT_EQ("", scene.problem);
  EXPECT_TRUE(scene.alignment.vertices.empty());
  EXPECT_TRUE(scene.vertexLabelSide.empty());
  ASSERT_EQ(9u, scene.mainPoints.size());
  // The element's number, its start, and its label on the side of its centre (1 to 4 turn left,
  // 6 to 8 right; a straight's goes where the curve before it turned).
  const struct {
    const char* name;
    double Y, X;
    double side;  // -1 left of growing chainage, +1 right
  } expected[] = {{"1", 1000, 5000, -1},           {"2", 1018.5938, 5035.4037, -1},
                  {"3", 1041.6899, 5090.7605, -1}, {"4", 1067.2500, 5166.5517, -1},
                  {"5", 1080.9734, 5214.6305, -1}, {"6", 1107.7525, 5310.9782, 1},
                  {"7", 1127.4776, 5378.1354, 1},  {"8", 1173.0407, 5489.0273, 1},
                  {"9", 1206.2294, 5550.6526, 1}};
  for (size_t i = 0; i < 9; ++i) {
    const DrawingMainPoint& main = scene.mainPoints[i];
    EXPECT_EQ(expected[i].name, main.name);
    EXPECT_NEAR(0, Distance(main.at, {expected[i].Y, expected[i].X}), 7.1e-5) << main.name;
    const PlanePoint beside =
        SetOutOnElement(scene.alignment, static_cast<int>(i), scene.alignment.elements[i].PKstart,
                        expected[i].side);
    EXPECT_NEAR(0, Distance(beside, {main.at.Y + main.inward.Y, main.at.X + main.inward.X}), 1e-9)
        << main.name;
  }
  ASSERT_EQ(1u, scene.points.size());
  EXPECT_NEAR(65.0, scene.points[0].PK, 5e-4);

  // Straights count for the box: a chain of straights alone spans its ends.
  const DrawingScene straights =
      BuildDrawingScene({"0", "straight 100 0 0 90\nstraight 50", false, ""}, "");
  ASSERT_EQ("", straights.problem);
  const SurveyBox box = SceneBox(straights);
  EXPECT_NEAR(0, box.minY, 1e-9);
  EXPECT_NEAR(150, box.maxY, 1e-9);
}

// The traced track strays from the element by no more than asked, and ends at its end.
TEST(DrawingElements, TracedTrackStaysWithinTolerance) {
  const DrawingScene scene = BuildDrawingScene(kWorkedElements, "");
  ASSERT_EQ("", scene.problem);
  for (double tolerance : {1.0, 0.01, 1e-4}) {
    for (size_t e = 0; e < scene.alignment.elements.size(); ++e) {
      const int element = static_cast<int>(e);
      const std::vector<PlanePoint> trace = TraceElement(scene.alignment, element, tolerance);
      ASSERT_GE(trace.size(), 2u);
      for (size_t i = 0; i + 1 < trace.size(); ++i) {
        const PlanePoint middle{(trace[i].Y + trace[i + 1].Y) / 2,
                                (trace[i].X + trace[i + 1].X) / 2};
        const AlignmentStation station = ProjectOntoElement(scene.alignment, element, middle);
        ASSERT_TRUE(station.found) << e;
        EXPECT_LE(std::fabs(station.d), tolerance * 1.01) << e;
      }
      const double end = scene.alignment.elements[e].PKend;
      EXPECT_NEAR(0, Distance(trace.back(), SetOutOnElement(scene.alignment, element, end, 0)),
                  1e-9);
    }
  }
}

// Each element has the ticks of its own chainage range: across a station equation that sets the
// chainage back, both stretches keep theirs; a tick at a joint comes once.
TEST(DrawingElements, ChainageTicksFollowStationEquations) {
  const DrawingScene scene = BuildDrawingScene(
      {"0", "straight 200 0 0 0\nstraight 100 0 200 0 100\nstraight 50", false, ""}, "");
  ASSERT_EQ("", scene.problem);
  const ChainageSpan span = ChainageSpanOf(scene.alignment);
  EXPECT_EQ(0, span.from);
  EXPECT_EQ(250, span.to);
  const struct {
    double step, from, to;
    std::vector<double> PKs;
    std::vector<double> X;  // where each tick lies along the track (it runs up +X from 0)
  } cases[] = {
      {100, -INFINITY, INFINITY, {0, 100, 200, 100, 200}, {0, 100, 200, 200, 300}},
      {100, 150, 220, {200, 200}, {200, 300}},
      {1, -INFINITY, INFINITY, {}, {}},  // more than asked for
  };
  for (const auto& c : cases) {
    const std::vector<ChainageTick> ticks =
        ChainageTicks(scene.alignment, c.step, c.from, c.to, 300);
    std::vector<double> PKs, X;
    for (const ChainageTick& tick : ticks) {
      PKs.push_back(tick.PK);
      X.push_back(tick.at.X);
      EXPECT_NEAR(-1, tick.left.Y, 1e-12);  // left of a track running up +X
    }
    EXPECT_EQ(c.PKs, PKs) << c.step;
    EXPECT_EQ(c.X, X) << c.step;
  }
  // Far from 0, where a multiple of the step plus one rounds back to itself, each chainage the
  // doubles can tell apart once, and an end.
  for (const char* far :
       {"straight 1000 0 0 0 100000000000000000000", "straight 1000 0 0 0 10000000000000000"}) {
    const DrawingScene scene = BuildDrawingScene({"0", far, false, ""}, "");
    ASSERT_EQ("", scene.problem);
    const std::vector<ChainageTick> ticks =
        ChainageTicks(scene.alignment, 100, -INFINITY, INFINITY, 300);
    EXPECT_LE(ticks.size(), 11u) << far;
    for (size_t i = 1; i < ticks.size(); ++i) EXPECT_LT(ticks[i - 1].PK, ticks[i].PK) << far;
  }
}

}  // namespace
