// The track's profile: the worked profile's figures, each problem line, and the properties that
// make a design height trustworthy: no step where a vertical curve meets a grade line, the grade
// lines themselves between the curves, and the curve's middle one external distance off the VPI.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "alignment/profile.h"
#include "geometry.h"

namespace {

const char* const kWorkedProfile =
    "1100 151\r\n1800 158 10000\r\n\r\n3000 149 15000\r\n4200 155 0\r\n5200 152";

std::string HeightText(const Profile& profile, double PK) {
  double H = 0;
  return DesignHeight(profile, PK, H) ? FixedText(H, 4) : "-";
}

TEST(Profile, WorkedProfileFigures) {
  const ProfileReading reading = ReadProfile(kWorkedProfile);
  ASSERT_TRUE(reading.problems.empty());
  EXPECT_EQ(reading.echo, (std::vector<std::string>{"1100 151", "1800 158 10000", "3000 149 15000",
                                                    "4200 155 0", "5200 152"}));
  const Profile& p = reading.profile;
  ASSERT_EQ(p.vpis.size(), 5u);
  ASSERT_EQ(p.grades.size(), 4u);
  struct Row {
    const char* grade;
    const char* Rv;
    const char* T;
    const char* E;
  };
  const Row rows[] = {{"10.0000", "0.0000", "0.0000", "0.0000"},
                      {"-7.5000", "10000.0000", "87.5000", "0.3828"},
                      {"5.0000", "15000.0000", "93.7500", "0.2930"},
                      {"-3.0000", "0.0000", "0.0000", "0.0000"},
                      {"-", "0.0000", "0.0000", "0.0000"}};
  for (size_t j = 0; j < 5; ++j) {
    SCOPED_TRACE(j);
    EXPECT_EQ(j < 4 ? FixedText(p.grades[j] * 1000, 4) : "-", rows[j].grade);
    EXPECT_EQ(FixedText(p.vpis[j].Rv, 4), rows[j].Rv);
    EXPECT_EQ(FixedText(p.vpis[j].T, 4), rows[j].T);
    EXPECT_EQ(FixedText(p.vpis[j].E, 4), rows[j].E);
  }
  EXPECT_EQ(p.vpis[1].PKtext, "1800");

  // The worked heights: main points, points listed, set out and levelled.
  const struct {
    double PK;
    const char* H;
  } heights[] = {{1838.3934, "157.5915"},
                 {1958.3934, "156.8120"},
                 {3444.3868, "151.2219"},
                 {4351.8119, "154.5446"},
                 {1750, "157.4297"},
                 {2950, "149.4388"},
                 {1850, "157.5547"},
                 {1000, "-"},
                 {5300, "-"},
                 {1100, "151.0000"},
                 {5200, "152.0000"},
                 {1100 - 1e-7, "151.0000"},
                 {5200 + 1e-7, "152.0000"},
                 {1100 - 2e-6, "-"},
                 {5200 + 2e-6, "-"}};
  for (const auto& h : heights) {
    SCOPED_TRACE(h.PK);
    EXPECT_EQ(HeightText(p, h.PK), h.H);
  }
  double H = 0;
  EXPECT_FALSE(DesignHeight(p, std::nan(""), H));
  EXPECT_FALSE(DesignHeight(Profile{}, 1500, H));
}

TEST(Profile, ProblemLines) {
  struct Case {
    const char* text;
    std::vector<std::string> problems;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {" \r\n\t\r\n", {}},
      {"1100 151\r\n1800\r\nx 3\r\n2000 1.5m\r\n3000 149 15000 7 8",
       {"!Profile line not read: 1800!", "!Profile line not read: x 3!",
        "!Profile line not read: 2000 1.5m!"}},
      {"1100;151,5;0\r\n1800\t158,25", {}},
      {"  1100 151  ", {"!Profile: at least two lines are needed!"}},
      {"1100 151\r\n1800 158\r\n2000 150 x\r\n2000 150 0\r\n3000 140",
       {"!Profile at PK 1800: Rv is needed!", "!Profile at PK 2000: Rv is needed!"}},
      {"1100 151 -5\r\n1.1e3 150 0\r\n900 150 -1\r\n2000 150 -1\r\n3000 140",
       {"!Profile at PK 1.1e3: PK must grow!", "!Profile at PK 900: PK must grow!"}},
      {"1100 151 -5\r\n1200 150 -1\r\n2000 150 0\r\n3000 140 -2\r\n3100 140 -3",
       {"!Profile at PK 1200: Rv must be at least 0!",
        "!Profile at PK 3000: Rv must be at least 0!"}},
      // Grades 0.01, -0.01, 0.01: T = 10000 * 0.02 / 2 = 100 at each inner VPI: 100 too long for
      // the middle grade; running 50 past the first VPI is a profile cut inside its curve.
      {"0 0\r\n50 0.5 10000\r\n150 -0.5 10000\r\n1000 8",
       {"!Profile between PK 50 and PK 150: the vertical curves overlap by 100.0000!"}},
      // T 100.3 each: curves that overlap by more than 0.5 do not meet; a curve that reaches past
      // a point without a curve never does.
      {"0 0\r\n100 1 10030\r\n300 -1 10030\r\n400 0",
       {"!Profile between PK 100 and PK 300: the vertical curves overlap by 0.6000!"}},
      {"0 0\r\n100 1 10015\r\n200 0 0\r\n300 1",
       {"!Profile between PK 100 and PK 200: the vertical curves overlap by 0.1500!"}},
      {"0 0\r\n100 1 10025\r\n300 -1 10025\r\n400 0", {}},
      // Curves that exactly touch do not overlap.
      {"0 0\r\n100 1 10000\r\n300 -1 10000\r\n400 0", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ProfileReading reading = ReadProfile(c.text);
    EXPECT_EQ(reading.problems, c.problems);
    // A profile with problems has no VPIs; one without has a VPI per line.
    EXPECT_EQ(reading.profile.vpis.size(), c.problems.empty() ? reading.echo.size() : 0u);
  }
  // A decimal comma after a ';' or TAB, and Rv ignored on the end lines.
  const Profile p = ReadProfile("1100;151,5;-7\r\n1800\t158,25").profile;
  ASSERT_EQ(p.vpis.size(), 2u);
  EXPECT_EQ(p.vpis[0].H, 151.5);
  EXPECT_EQ(p.vpis[0].Rv, 0.0);
  EXPECT_EQ(p.vpis[1].H, 158.25);

  // Grades too steep to subtract: a break of grade still has no curve, and no overlap.
  const ProfileReading steep = ReadProfile("0 1.5e308\n1 -1.5e308 0\n2 1.5e308");
  EXPECT_TRUE(steep.problems.empty());
  ASSERT_EQ(steep.profile.vpis.size(), 3u);
  EXPECT_EQ(steep.profile.vpis[1].T, 0.0);
  EXPECT_EQ(steep.profile.vpis[1].E, 0.0);
}

// A random profile whose vertical curves fit: 2 to 8 VPIs 100 to 1100 apart, heights within
// 30 of 150, Rv 0 (a plain break of grade) to 40000, tried again until no curves overlap or run
// past the ends.
Profile RandomProfile(std::mt19937& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  for (;;) {
    const int count = 2 + static_cast<int>(unit(random) * 7);
    std::string text;
    double PK = -500 + 1000 * unit(random);
    for (int j = 0; j < count; ++j) {
      char line[100];
      const double Rv = unit(random) < 0.15 ? 0 : 40000 * unit(random);
      std::snprintf(line, sizeof line, "%.3f %.3f %.1f\n", PK, 120 + 60 * unit(random), Rv);
      text += line;
      PK += 100 + 1000 * unit(random);
    }
    ProfileReading reading = ReadProfile(text);
    bool fits = reading.problems.empty();
    const std::vector<ProfileVPI>& v = reading.profile.vpis;
    for (size_t j = 0; fits && j + 1 < v.size(); ++j)
      fits = v[j].PK + v[j].T + v[j + 1].T <= v[j + 1].PK;
    if (fits) return reading.profile;
  }
}

double Height(const Profile& p, double PK) {
  double H = 0;
  EXPECT_TRUE(DesignHeight(p, PK, H)) << PK;
  return H;
}

// Grades 0.01 and -0.01 about a curve of Rv 10000 (T 100): a profile cut out inside it at its
// start or its end follows it there. Two curves of Rv 10015 (T 100.15) about VPIs 200 apart
// overlap by 0.3 and meet at PK 200: up to there the first parabola (at PK 200 it gives
// -0.000001123, the second +0.000001123), above it the second (at 200.1 the first gives
// -0.001000125).
TEST(Profile, CurvesPastTheEndsAndCurvesThatMeet) {
  const char* const meet = "0 0\r\n100 1 10015\r\n300 -1 10015\r\n400 0";
  const struct {
    const char* profile;
    double PK;
    const char* H;
  } rows[] = {{"0 0\r\n50 0.5 10000\r\n1000 -9", 0, "-0.125000000"},
              {"0 0\r\n950 9.5 10000\r\n1000 9", 1000, "8.875000000"},
              {meet, 199.9, "0.000996880"},
              {meet, 200, "-0.000001123"},
              {meet, 200.1, "-0.000996880"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.profile) + " at " + std::to_string(row.PK));
    const ProfileReading reading = ReadProfile(row.profile);
    ASSERT_TRUE(reading.problems.empty()) << reading.problems.front();
    EXPECT_EQ(FixedText(Height(reading.profile, row.PK), 9), row.H);
  }
}

TEST(Profile, HeightsAreContinuousAndFollowTheGradeLines) {
  std::mt19937 random(18);
  std::uniform_real_distribution<double> unit(0, 1);
  int curves = 0;
  for (int n = 0; n < 300; ++n) {
    const Profile p = RandomProfile(random);
    const std::vector<ProfileVPI>& v = p.vpis;
    for (size_t j = 1; j + 1 < v.size(); ++j) {
      if (v[j].T <= 0) continue;
      ++curves;
      // Where the curve meets its grade lines, and its middle: the VPI's height moved by E,
      // up in a sag, down on a crest.
      const double begin = v[j].PK - v[j].T, end = v[j].PK + v[j].T;
      const double onBefore = v[j].H + p.grades[j - 1] * (begin - v[j].PK);
      const double onAfter = v[j].H + p.grades[j] * (end - v[j].PK);
      EXPECT_NEAR(Height(p, begin), onBefore, 1e-9);
      EXPECT_NEAR(Height(p, std::nextafter(begin, -1e300)), onBefore, 1e-9);
      EXPECT_NEAR(Height(p, end), onAfter, 1e-9);
      EXPECT_NEAR(Height(p, std::nextafter(end, 1e300)), onAfter, 1e-9);
      const double sag = p.grades[j] > p.grades[j - 1] ? 1 : -1;
      EXPECT_NEAR(Height(p, v[j].PK), v[j].H + sag * v[j].E, 1e-9);
    }
    // Off the curves the height lies on the straight line between two neighbouring VPIs.
    for (int k = 0; k < 50; ++k) {
      const double PK = v.front().PK + (v.back().PK - v.front().PK) * unit(random);
      size_t j = 0;
      while (j + 2 < v.size() && v[j + 1].PK <= PK) ++j;
      if (PK < v[j].PK + v[j].T || PK > v[j + 1].PK - v[j + 1].T) continue;
      const double between =
          v[j].H + (v[j + 1].H - v[j].H) * (PK - v[j].PK) / (v[j + 1].PK - v[j].PK);
      EXPECT_NEAR(Height(p, PK), between, 1e-9) << PK;
    }
  }
  EXPECT_GT(curves, 200);
}

}  // namespace
