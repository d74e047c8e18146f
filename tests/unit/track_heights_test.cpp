// The track across: which line keeps the profile's height for each pivot, each rail's height at
// a cant either way and at none, and the rail heads' plane, which passes through both rails'
// heads and ends at the rail-head distance.
#include <gtest/gtest.h>

#include <cmath>

#include "alignment/track_heights.h"

namespace {

TEST(TrackHeights, EachPivotKeepsItsLineAtTheProfile) {
  struct Row {
    const char* line;
    double C;
    double left, right;  // at H = 100, standard gauge
  };
  const Row rows[] = {
      {"pivot centre", 150, 100.075, 99.925},
      {"pivot Center", -150, 99.925, 100.075},
      {"pivot left", 150, 100, 99.85},
      {"pivot left", -150, 100, 100.15},
      {"pivot RIGHT", 150, 100.15, 100},
      {"pivot right", -150, 99.85, 100},
      {"pivot inner", 150, 100.15, 100},
      {"pivot inner", -150, 100, 100.15},
      {"pivot outer", 150, 100, 99.85},
      {"pivot outer 1.435", -150, 99.85, 100},
      {"pivot inner", 0, 100, 100},
      {"pivot outer", 0, 100, 100},
      {"pivot left", 0, 100, 100},
      {"pivot\tright\t1,52", 0, 100, 100},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line + std::string(" C=") + std::to_string(row.C));
    CantPivot pivot;
    ASSERT_TRUE(ReadPivotLine(SplitFields(row.line), pivot));
    const RailHeights rails = RailHeightsAt(pivot, 100, row.C);
    EXPECT_NEAR(row.left, rails.left, 1e-12);
    EXPECT_NEAR(row.right, rails.right, 1e-12);
    EXPECT_NEAR((rails.left + rails.right) / 2, rails.centre, 1e-12);

    // The plane passes through the rail heads' centres at -/+ (b/2) cos(psi), meets the centre
    // line at zc, and ends at b.
    const double b = RailHeadDistance(pivot);
    const double half = b / 2 * std::cos(std::asin(row.C / 1000 / b));
    double z = 0;
    ASSERT_TRUE(TrackSurfaceHeight(pivot, 100, row.C, -half, z));
    EXPECT_NEAR(rails.left, z, 1e-12);
    ASSERT_TRUE(TrackSurfaceHeight(pivot, 100, row.C, half, z));
    EXPECT_NEAR(rails.right, z, 1e-12);
    ASSERT_TRUE(TrackSurfaceHeight(pivot, 100, row.C, 0, z));
    EXPECT_NEAR(rails.centre, z, 1e-12);
    EXPECT_TRUE(TrackSurfaceHeight(pivot, 100, row.C, -b - 9e-7, z));
    EXPECT_FALSE(TrackSurfaceHeight(pivot, 100, row.C, b + 2e-6, z));
    EXPECT_FALSE(TrackSurfaceHeight(pivot, 100, row.C, std::nan(""), z));
  }
  CantPivot narrow;
  ASSERT_TRUE(ReadPivotLine(SplitFields("pivot centre 1"), narrow));
  EXPECT_DOUBLE_EQ(1.065, RailHeadDistance(narrow));
  EXPECT_DOUBLE_EQ(1.5, RailHeadDistance(CantPivot()));
}

}  // namespace
