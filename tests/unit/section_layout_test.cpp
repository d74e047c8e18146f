// The long section's labels on crowded real profiles: a siding with VPIs 5 m apart, on screen and
// on paper, and 200 VPIs in clusters along a long track. No label covers another, the frame or
// the design line; every VPI keeps its label, whose leader runs to its point crossing no other.
#include <gtest/gtest.h>

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

void ExpectReadable(const std::string& profile, double length, const ScreenRect& area,
                    const SectionStyle& style) {
  const DrawingScene scene =
      BuildDrawingScene({"0", "V0 0 0\r\nV1 0 " + std::to_string(length), false, profile}, "");
  ASSERT_EQ("", scene.problem);
  LabelFont font;
  for (double& advance : font.advance) advance = style.fontHeight * 0.55;
  font.height = style.fontHeight * 1.15;
  const SectionLayout layout = LayOutSection(scene, area, font, style);
  ASSERT_EQ(scene.profile.vpis.size(), layout.vpis.size());
  const ScreenRect& plot = layout.map.box;
  const std::vector<SectionText>& texts = layout.texts;
  for (size_t i = 0; i < texts.size(); ++i) {
    const ScreenRect& box = texts[i].box;
    for (size_t j = i + 1; j < texts.size(); ++j)
      EXPECT_FALSE(Overlap(box, texts[j].box)) << texts[i].text << " over " << texts[j].text;
    // Inside the frame or outside it, never across it.
    EXPECT_TRUE(!Overlap(box, plot) || (box.left > plot.left && box.right < plot.right &&
                                        box.top > plot.top && box.bottom < plot.bottom));
    for (size_t k = 0; k + 1 < layout.line.size(); ++k)
      EXPECT_FALSE(Crosses(layout.line[k], layout.line[k + 1], box)) << texts[i].text;
  }
  for (const SectionVPI& vpi : layout.vpis) {
    const std::string PK = "PK " + DrawingFigure(scene.profile.vpis[vpi.index].PK, 2, false);
    ASSERT_GE(vpi.label, 0) << PK << " has no label";
    EXPECT_EQ(0u, texts[vpi.label].text.find(PK + "  H "));
    if (vpi.leader < 0) continue;
    const SectionLine& leader = layout.leaders[vpi.leader];
    EXPECT_DOUBLE_EQ(vpi.at.x, leader.to.x) << PK;
    EXPECT_DOUBLE_EQ(vpi.at.y - layout.markRadius, leader.to.y) << PK;
    const ScreenRect& own = texts[vpi.label].box;
    EXPECT_TRUE(leader.from.x >= own.left && leader.from.x <= own.right) << PK;
    EXPECT_DOUBLE_EQ(own.bottom, leader.from.y) << PK;
    for (size_t j = 0; j < texts.size(); ++j) {
      if (static_cast<int>(j) == vpi.label) continue;
      EXPECT_FALSE(Crosses(leader.from, leader.to, texts[j].box)) << PK << " " << texts[j].text;
    }
  }
}

}  // namespace

TEST(SectionLayout, SidingWithVPIsFiveMetresApart) {
  std::string profile = "0 454.0\r\n";
  for (int k = 1; k <= 8; ++k)
    profile += std::to_string(5 * k) + " " + std::to_string(454 + 0.1 * (k % 3)) + " 0\r\n";
  profile += "150 455.2 2000\r\n400 452.9 0\r\n450 453";
  ExpectReadable(profile, 450, {0, 0, 1100, 360}, {1, 13, false});
  ExpectReadable(profile, 450, {300, 2000, 6300, 3700}, {6.25, 67, true});
}

TEST(SectionLayout, TwoHundredVPIsInClusters) {
  std::string profile;
  for (int cluster = 0; cluster < 40; ++cluster) {
    for (int k = 0; k < 5; ++k) {
      profile += std::to_string(300 * cluster + 4 * k + 10 * (cluster % 3)) + " " +
                 std::to_string(300 + (cluster * 7 + k) % 11) + (cluster + k ? " 0\r\n" : "\r\n");
    }
  }
  ExpectReadable(profile, 12000, {0, 0, 12000, 700}, {1, 13, false});
}
