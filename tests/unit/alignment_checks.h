// What the alignment tests share: the worked alignment as typed, and the two properties that make
// any alignment's geometry trustworthy.
#pragma once

#include <gtest/gtest.h>

#include <random>

#include "alignment/alignment.h"

// The worked alignment's vertex lines (PK start 1000).
inline const char* const kWorkedVertexLines =
    "V0 500 200\r\n"
    "V1 900 1200 600 120\r\n"
    "V2 700 2200 800 0\r\n"
    "V3 1500 3000 500 80\r\n"
    "V4 1600 4000";

// Setting out at the chainage where one element meets the next gives one point from either, on
// the track and beside it.
inline void ExpectJoinsAtMainPoints(const Alignment& a) {
  for (size_t i = 0; i + 1 < a.elements.size(); ++i) {
    for (double d : {-4.0, 0.0, 2.5}) {
      const double PK = a.elements[i].PKend;
      const PlanePoint before = SetOutOnElement(a, static_cast<int>(i), PK, d);
      const PlanePoint after = SetOutOnElement(a, static_cast<int>(i + 1), PK, d);
      EXPECT_NEAR(before.Y, after.Y, 1e-8) << ElementName(a, static_cast<int>(i));
      EXPECT_NEAR(before.X, after.X, 1e-8) << ElementName(a, static_cast<int>(i));
    }
  }
}

// Setting out random chainages and offsets (within 5 of the track) and computing them back gives
// them again.
inline void ExpectSetOutRoundTrips(const Alignment& a, std::mt19937& random, int points) {
  std::uniform_real_distribution<double> unit(0, 1);
  for (int point = 0; point < points; ++point) {
    const double PK = a.PKstart + (a.PKend - a.PKstart) * unit(random);
    const double d = 10 * (unit(random) - 0.5);
    const int element = ElementAtChainage(a, PK);
    ASSERT_GE(element, 0);
    const AlignmentStation back = ProjectOntoAlignment(a, SetOutOnElement(a, element, PK, d));
    ASSERT_TRUE(back.found) << ElementName(a, element) << " PK " << PK << " d " << d;
    EXPECT_NEAR(back.PK, PK, 1e-6) << ElementName(a, element);
    EXPECT_NEAR(back.d, d, 1e-6) << ElementName(a, element);
  }
}
