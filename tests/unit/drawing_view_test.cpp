// The drawing's mapping and round numbers, as properties over random input: fitting shows every
// point inside the margins, zooming keeps the point under the cursor, tick labels never come
// closer than their width; and the drawing's content for the worked alignment.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "alignment_checks.h"
#include "drawing/drawing_scene.h"
#include "drawing/drawing_view.h"
#include "drawing/label_places.h"

namespace {

const AlignmentTexts kWorked = {"1000", kWorkedVertexLines, false, ""};

}  // namespace

TEST(DrawingView, FittingPutsEveryPointInsideTheMargins) {
  std::mt19937_64 random(20);
  std::uniform_real_distribution<double> coordinate(-1e5, 1e5);
  std::uniform_real_distribution<double> spread(0, 3);
  std::uniform_real_distribution<double> size(50, 3000);
  for (int trial = 0; trial < 2000; ++trial) {
    SCOPED_TRACE(trial);
    std::vector<PlanePoint> points;
    const double reach = std::pow(10.0, spread(random));
    const PlanePoint centre{coordinate(random), coordinate(random)};
    std::uniform_real_distribution<double> around(-reach, reach);
    const int count = 1 + trial % 7;
    SurveyBox box;
    for (int i = 0; i < count; ++i) {
      points.push_back({centre.Y + around(random), centre.X + around(random)});
      AddToBox(box, points.back());
    }
    const ScreenRect area{size(random) / 10, size(random) / 10, 0, 0};
    const ScreenRect rect{area.left, area.top, area.left + size(random), area.top + size(random)};
    const double margin = 20;
    const PlanView view = FitPlanView(box, rect, margin);
    ASSERT_GT(view.scale, 0);
    bool touches = count == 1;
    for (const PlanePoint& point : points) {
      const ScreenPoint at = ToScreen(view, point);
      EXPECT_GE(at.x, rect.left + margin - 1e-6);
      EXPECT_LE(at.x, rect.right - margin + 1e-6);
      EXPECT_GE(at.y, rect.top + margin - 1e-6);
      EXPECT_LE(at.y, rect.bottom - margin + 1e-6);
      // As large as it can be: some point reaches a margin.
      touches = touches || std::fabs(at.x - rect.left - margin) < 1e-6 ||
                std::fabs(at.x - rect.right + margin) < 1e-6 ||
                std::fabs(at.y - rect.top - margin) < 1e-6 ||
                std::fabs(at.y - rect.bottom + margin) < 1e-6;
    }
    EXPECT_TRUE(touches);
  }
}

TEST(DrawingView, OneScaleWithXUpAndYToTheRight) {
  SurveyBox box;
  AddToBox(box, {0, 0});
  AddToBox(box, {100, 50});
  const PlanView view = FitPlanView(box, {0, 0, 400, 400}, 0);
  const ScreenPoint origin = ToScreen(view, {0, 0});
  const ScreenPoint north = ToScreen(view, {0, 10});
  const ScreenPoint east = ToScreen(view, {10, 0});
  EXPECT_NEAR(origin.x, north.x, 1e-9);
  EXPECT_LT(north.y, origin.y);
  EXPECT_GT(east.x, origin.x);
  EXPECT_NEAR(origin.y - north.y, east.x - origin.x, 1e-9);
  // A single point, or none, still gives a usable view.
  SurveyBox one;
  AddToBox(one, {5, 5});
  AddToBox(one, {NAN, 1});
  EXPECT_EQ(1, FitPlanView(one, {0, 0, 100, 100}, 10).scale);
  EXPECT_EQ(1, FitPlanView(SurveyBox{}, {0, 0, 10, 10}, 10).scale);
}

TEST(DrawingView, ZoomKeepsThePointUnderTheCursorAndPanFollowsTheMouse) {
  std::mt19937_64 random(21);
  std::uniform_real_distribution<double> pixel(0, 2000);
  std::uniform_real_distribution<double> exponent(-3, 3);
  std::uniform_real_distribution<double> coordinate(-1e6, 1e6);
  for (int trial = 0; trial < 2000; ++trial) {
    SCOPED_TRACE(trial);
    PlanView view;
    view.scale = std::pow(10.0, exponent(random));
    view.Y0 = coordinate(random);
    view.X0 = coordinate(random);
    const ScreenPoint cursor{pixel(random), pixel(random)};
    const PlanePoint under = ToSurvey(view, cursor);
    const double factor = std::pow(10.0, exponent(random) / 3);
    const PlanView zoomed = ZoomPlanView(view, cursor, factor, 1e-2, 1e2);
    EXPECT_GE(zoomed.scale, 1e-2);
    EXPECT_LE(zoomed.scale, 1e2);
    const ScreenPoint after = ToScreen(zoomed, under);
    EXPECT_NEAR(cursor.x, after.x, 1e-6 * (1 + std::fabs(view.Y0) * zoomed.scale));
    EXPECT_NEAR(cursor.y, after.y, 1e-6 * (1 + std::fabs(view.X0) * zoomed.scale));

    const double dx = pixel(random) - 1000;
    const double dy = pixel(random) - 1000;
    const ScreenPoint moved = ToScreen(PanPlanView(zoomed, dx, dy), under);
    EXPECT_NEAR(cursor.x + dx, moved.x, 1e-6 * (1 + std::fabs(view.Y0) * zoomed.scale));
    EXPECT_NEAR(cursor.y + dy, moved.y, 1e-6 * (1 + std::fabs(view.X0) * zoomed.scale));
  }
  PlanView view;
  EXPECT_EQ(view.scale, ZoomPlanView(view, {1, 1}, NAN, 0.1, 10).scale);
  EXPECT_EQ(view.scale, ZoomPlanView(view, {1, 1}, -2, 0.1, 10).scale);
}

TEST(DrawingView, RoundNumbers) {
  const struct {
    double value, atLeast, atMost, denominator;
  } cases[] = {{1, 1, 1, 1},
               {0.3, 0.5, 0.2, 1},
               {7, 10, 5, 10},
               {100, 100, 100, 100},
               {1000, 1000, 1000, 1000},
               {1e-3, 1e-3, 1e-3, 1},
               {2300, 5000, 2000, 2500},
               {24001, 50000, 20000, 25000},
               {4999, 5000, 2000, 5000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_DOUBLE_EQ(c.atLeast, RoundStepAtLeast(c.value));
    EXPECT_DOUBLE_EQ(c.atMost, RoundLengthAtMost(c.value));
    EXPECT_DOUBLE_EQ(c.denominator, RoundScaleDenominator(c.value));
  }
  EXPECT_EQ(1, RoundStepAtLeast(NAN));
  EXPECT_EQ(0, RoundLengthAtMost(-1));

  const struct {
    double value, step;
    const char* label;
  } labels[] = {{1200, 100, "1200"}, {1200.5, 0.5, "1200.5"}, {-0.25, 0.05, "-0.25"},
                {-0.0, 1, "0"},      {-1e-12, 0.1, "0.0"},    {1e6, 2e5, "1000000"}};
  for (const auto& c : labels) EXPECT_EQ(c.label, TickLabel(c.value, c.step));
  // A figure that rounds to zero has no sign, whichever side of zero it lies.
  const struct {
    double value;
    int decimals;
    bool sign;
    const char* figure;
  } figures[] = {{-0.004, 2, true, "0.00"},   {0.0, 2, true, "0.00"},
                 {-1e-18, 3, false, "0.000"}, {3.8949, 2, true, "+3.89"},
                 {-0.0051, 2, true, "-0.01"}, {-2.5, 4, false, "-2.5000"}};
  for (const auto& c : figures) EXPECT_EQ(c.figure, DrawingFigure(c.value, c.decimals, c.sign));
}

// Neighbouring tick labels stand at least their own width (plus a character) apart, at every
// range and zoom, and the step is the smallest round one that does so.
TEST(DrawingView, TickLabelsNeverCloserThanTheirWidth) {
  std::mt19937_64 random(22);
  std::uniform_real_distribution<double> exponent(-4, 7);
  std::uniform_real_distribution<double> unit(-1, 1);
  std::uniform_real_distribution<double> charWidth(3, 40);
  for (int trial = 0; trial < 3000; ++trial) {
    SCOPED_TRACE(trial);
    const double from = unit(random) * std::pow(10.0, exponent(random));
    const double to = from + std::pow(10.0, exponent(random));
    const double unitsApart = std::pow(10.0, exponent(random) - 2);
    const double width = charWidth(random);
    const double step = LabelledTickStep(from, to, unitsApart, width);
    ASSERT_GT(step, 0);
    EXPECT_DOUBLE_EQ(step, RoundStepAtLeast(step));
    const double first = std::ceil(from / step);
    const double last = std::floor(to / step);
    for (double k = first; k <= last && k < first + 50; ++k) {
      const double spacing = step * unitsApart;
      const double here = (TickLabel(k * step, step).size() + 1) * width;
      EXPECT_GE(spacing, here) << TickLabel(k * step, step);
    }
    // The next smaller round step would crowd the labels at the range's ends.
    const double smaller = RoundLengthAtMost(step * 0.99);
    if (smaller * unitsApart >= 2 * width) {
      const size_t widest =
          std::max(TickLabel(std::floor(from / smaller) * smaller, smaller).size(),
                   TickLabel(std::ceil(to / smaller) * smaller, smaller).size());
      EXPECT_LT(smaller * unitsApart, (widest + 1) * width);
    }
  }
}

TEST(DrawingView, ClipSegmentKeepsThePartInside) {
  const ScreenRect rect{0, 0, 100, 50};
  ScreenPoint a{-50, 25}, b{150, 25};
  ASSERT_TRUE(ClipSegment(a, b, rect));
  EXPECT_DOUBLE_EQ(0, a.x);
  EXPECT_DOUBLE_EQ(100, b.x);
  ScreenPoint c{-10, -10}, d{-5, 60};
  EXPECT_FALSE(ClipSegment(c, d, rect));
  ScreenPoint e{1e300, 1e300}, f{-1e300, -1e300};
  EXPECT_TRUE(ClipSegment(e, f, rect));
  EXPECT_GE(e.x, 0);
  EXPECT_LE(e.x, 100);
  ScreenPoint g{NAN, 0}, h{10, 10};
  EXPECT_FALSE(ClipSegment(g, h, rect));
}

TEST(DrawingScene, WorkedAlignmentWithPoints) {
  const std::string selection =
      "P1 870 1180 101.5\r\nP3 830 1400\r\nP5 0 0\r\nbad line\r\nP6;880;1190;99,5;code\r\n";
  const DrawingScene scene = BuildDrawingScene(kWorked, selection);
  ASSERT_EQ("", scene.problem);
  ASSERT_EQ(5u, scene.alignment.vertices.size());
  ASSERT_EQ(12u, scene.mainPoints.size());
  EXPECT_EQ("V1 NSK", scene.mainPoints[0].name);
  EXPECT_EQ("V3 KSK", scene.mainPoints[11].name);
  ASSERT_EQ(4u, scene.points.size());
  EXPECT_EQ("P1", scene.points[0].name);
  EXPECT_TRUE(scene.points[0].onTrack);
  EXPECT_NEAR(2049.0759, scene.points[0].PK, 5e-5);
  EXPECT_NEAR(-0.6247, scene.points[0].d, 5e-5);
  // The foot lies on the track, |d| from the point.
  EXPECT_NEAR(0.6247,
              std::hypot(scene.points[0].at.Y - scene.points[0].foot.Y,
                         scene.points[0].at.X - scene.points[0].foot.X),
              5e-5);
  EXPECT_TRUE(scene.points[0].hasHeight);
  EXPECT_EQ(101.5, scene.points[0].H);
  EXPECT_FALSE(scene.points[0].hasDesign);  // no profile
  EXPECT_FALSE(scene.points[1].hasHeight);
  EXPECT_FALSE(scene.points[2].onTrack);
  EXPECT_EQ(99.5, scene.points[3].H);

  // V1 turns right (east to north-east... as typed): its main points' labels go to the centre.
  const VertexCurve& V1 = scene.alignment.curves[1];
  for (int i = 0; i < 4; ++i) {
    const DrawingMainPoint& main = scene.mainPoints[i];
    const double towardCentre =
        (V1.O.Y - main.at.Y) * main.inward.Y + (V1.O.X - main.at.X) * main.inward.X;
    EXPECT_GT(towardCentre, 0) << main.name;
  }
  // Every vertex name goes away from its curve.
  for (size_t i = 1; i + 1 < scene.alignment.vertices.size(); ++i) {
    const VertexCurve& curve = scene.alignment.curves[i];
    const PlanePoint at = scene.alignment.vertices[i].at;
    const PlanePoint side = scene.vertexLabelSide[i];
    EXPECT_LT((curve.O.Y - at.Y) * side.Y + (curve.O.X - at.X) * side.X, 0) << i;
  }

  const SurveyBox box = SceneBox(scene);
  EXPECT_EQ(0, box.minY);  // P5
  EXPECT_EQ(4000, box.maxX);

  EXPECT_EQ("!Vertex line not read: V9!",
            BuildDrawingScene({"0", "V0 0 0\r\nV9", false, ""}, "").problem);
}

// The traced track strays from the true one by no more than asked, however fine.
TEST(DrawingScene, TracedTrackStaysWithinTolerance) {
  const DrawingScene scene = BuildDrawingScene(kWorked, "");
  ASSERT_EQ("", scene.problem);
  for (double tolerance : {1.0, 0.01, 1e-4}) {
    for (size_t e = 0; e < scene.alignment.elements.size(); ++e) {
      const std::vector<PlanePoint> trace =
          TraceElement(scene.alignment, static_cast<int>(e), tolerance);
      ASSERT_GE(trace.size(), 2u);
      const AlignmentElement& piece = scene.alignment.elements[e];
      for (size_t i = 0; i + 1 < trace.size(); i += 1 + trace.size() / 50) {
        // The middle of each chord is no further from the track than the tolerance.
        const PlanePoint middle{(trace[i].Y + trace[i + 1].Y) / 2,
                                (trace[i].X + trace[i + 1].X) / 2};
        const AlignmentStation station =
            ProjectOntoElement(scene.alignment, static_cast<int>(e), middle);
        if (station.found) {
          EXPECT_LE(std::fabs(station.d), tolerance * 1.01) << e;
        }
      }
      EXPECT_NEAR(
          0,
          std::hypot(trace.back().Y -
                         SetOutOnElement(scene.alignment, static_cast<int>(e), piece.PKend, 0).Y,
                     trace.back().X -
                         SetOutOnElement(scene.alignment, static_cast<int>(e), piece.PKend, 0).X),
          1e-9);
    }
  }
  const std::vector<ChainageTick> ticks =
      ChainageTicks(scene.alignment, 500, -INFINITY, INFINITY, 1000);
  ASSERT_EQ(9u, ticks.size());  // 1000 ... 5000 of 1000 ... 5138.136
  EXPECT_EQ(1000, ticks.front().PK);
  EXPECT_EQ(5000, ticks.back().PK);
  EXPECT_NEAR(500, ticks[0].at.Y, 1e-9);
  EXPECT_TRUE(ChainageTicks(scene.alignment, 1e-6, -INFINITY, INFINITY, 1000).empty());
  // Zoomed far in, only the ticks on the picture: a chainage range of the track.
  const std::vector<ChainageTick> near = ChainageTicks(scene.alignment, 0.01, 2049, 2050, 1000);
  ASSERT_EQ(101u, near.size());
  EXPECT_DOUBLE_EQ(2049, near.front().PK);
  EXPECT_DOUBLE_EQ(2050, near.back().PK);
}

// A label takes the first free place; where all are taken, the least crowded one, or none.
TEST(LabelPlaces, FirstFreePlaceThenLeastCrowded) {
  LabelPlaces places(10);
  places.Take({0, 0, 30, 10});
  places.Take({0, 20, 30, 30});
  places.Take({5, 22, 25, 28});
  const std::vector<ScreenRect> candidates = {{10, 5, 20, 15}, {10, 25, 20, 35}, {40, 0, 50, 10}};
  EXPECT_EQ(2, places.Choose(candidates, true));
  const std::vector<ScreenRect> taken = {{10, 25, 20, 35}, {10, 5, 20, 15}};
  EXPECT_EQ(1, places.Choose(taken, true));
  EXPECT_EQ(-1, places.Choose(taken, false));
  // Touching edges do not overlap; a box far off the picture takes nothing.
  EXPECT_EQ(0, places.Overlaps({30, 0, 40, 10}, 8));
  places.Take({1e12, 1e12, 1e12 + 5, 1e12 + 5});
  EXPECT_EQ(0, places.Overlaps({1e12, 1e12, 1e12 + 5, 1e12 + 5}, 8));
}
