// The long section's labels on real, crowded profiles: a siding with VPIs 5 m apart, on screen
// and on paper, and 200 VPIs in clusters along a long track. No label covers another, the frame
// or the design line; every VPI keeps its label, and a leader runs from the label to its point
// crossing no other label.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "drawing/section_layout.h"

namespace {

bool Overlap(const ScreenRect& a, const ScreenRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Whether the segment passes through the inside of the box (its edges may touch).
bool Crosses(ScreenPoint a, ScreenPoint b, const ScreenRect& box) {
  return ClipSegment(a, b, {box.left + 0.01, box.top + 0.01, box.right - 0.01, box.bottom - 0.01});
}

void ExpectReadable(const DrawingScene& scene, const ScreenRect& area, const SectionStyle& style) {
  LabelFont font;
  for (double& advance : font.advance) advance = style.fontHeight * 0.55;
  font.height = style.fontHeight * 1.15;
  const SectionLayout layout = LayOutSection(scene, area, font, style);
  ASSERT_TRUE(layout.drawn);
  const ScreenRect& plot = layout.map.box;
  const auto& texts = layout.texts;
  for (size_t i = 0; i < texts.size(); ++i) {
    SCOPED_TRACE(texts[i].text);
    const ScreenRect& box = texts[i].box;
    EXPECT_TRUE(box.left >= area.left && box.right <= area.right && box.top >= area.top);
    for (size_t j = i + 1; j < texts.size(); ++j) EXPECT_FALSE(Overlap(box, texts[j].box));
    // Inside the frame or outside it, never across it.
    EXPECT_TRUE(!Overlap(box, plot) || (box.left > plot.left && box.right < plot.right &&
                                        box.top > plot.top && box.bottom < plot.bottom));
    for (size_t k = 0; k + 1 < layout.line.size(); ++k) {
      ScreenPoint a = layout.line[k], b = layout.line[k + 1];
      if (ClipSegment(a, b, plot)) {
        EXPECT_FALSE(Crosses(a, b, box)) << k;
      }
    }
  }
  size_t labelled = 0;
  for (const SectionVPI& vpi : layout.vpis) {
    const std::string PK = "PK " + DrawingFigure(scene.profile.vpis[vpi.index].PK, 2, false);
    ASSERT_GE(vpi.label, 0) << PK << " has no label";
    ++labelled;
    EXPECT_EQ(0u, texts[vpi.label].text.find(PK + "  H "));
    if (vpi.leader < 0) continue;
    const SectionLine& leader = layout.leaders[vpi.leader];
    EXPECT_NEAR(vpi.at.x, leader.to.x, 1e-9) << PK;
    EXPECT_NEAR(vpi.at.y - layout.markRadius, leader.to.y, 1e-9) << PK;
    const ScreenRect& own = texts[vpi.label].box;
    EXPECT_TRUE(leader.from.x >= own.left && leader.from.x <= own.right &&
                std::fabs(leader.from.y - own.bottom) < 1e-9)
        << PK;
    for (size_t j = 0; j < texts.size(); ++j) {
      if (static_cast<int>(j) == vpi.label) continue;
      EXPECT_FALSE(Crosses(leader.from, leader.to, texts[j].box)) << PK << " " << texts[j].text;
    }
  }
  EXPECT_EQ(scene.profile.vpis.size(), labelled);
}

DrawingScene Straight(double length, const std::string& profile) {
  return BuildDrawingScene({"0", "V0 0 0\r\nV1 0 " + std::to_string(length), false, profile}, "");
}

}  // namespace

TEST(SectionLayout, SidingWithVPIsFiveMetresApart) {
  std::string profile = "0 454.0\r\n";
  for (int k = 1; k <= 8; ++k)
    profile += std::to_string(5 * k) + " " + std::to_string(454 + 0.1 * (k % 3)) + " 0\r\n";
  profile += "150 455.2 2000\r\n400 452.9 0\r\n450 453";
  const DrawingScene scene = Straight(450, profile);
  ASSERT_EQ("", scene.problem);
  ASSERT_EQ(12u, scene.profile.vpis.size());
  ExpectReadable(scene, {0, 0, 1100, 360}, {1, 13, false});
  ExpectReadable(scene, {300, 2000, 6300, 3700}, {6.25, 67, true});
}

TEST(SectionLayout, TwoHundredVPIsInClusters) {
  std::string profile;
  for (int cluster = 0; cluster < 40; ++cluster) {
    for (int k = 0; k < 5; ++k) {
      const int PK = 300 * cluster + 4 * k + 10 * (cluster % 3);
      profile += std::to_string(PK) + " " + std::to_string(300 + (cluster * 7 + k) % 11) +
                 (cluster + k == 0 ? "\r\n" : " 0\r\n");
    }
  }
  const DrawingScene scene = Straight(12000, profile);
  ASSERT_EQ("", scene.problem);
  ASSERT_EQ(200u, scene.profile.vpis.size());
  ExpectReadable(scene, {0, 0, 12000, 700}, {1, 13, false});
}
