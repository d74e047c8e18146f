// The benchmark's alignment and survey, shared by the native timing of the calculation and the
// timing of the button in polver.exe: 50 vertices zigzagging north with R 600 and L 100 at each
// inner one, and 10,000 points about the track. Portable.
#pragma once

#include <cstdio>
#include <string>

constexpr int kAlignmentVertices = 50;
constexpr int kAlignmentPoints = 10000;

// "V<i> Y X R L" lines: legs about 854 long turning 41 degrees left and right by turns.
inline std::string FiftyVertices() {
  std::string text;
  char line[96];
  for (int i = 0; i < kAlignmentVertices; ++i) {
    std::snprintf(line, sizeof line, "V%d %d %d 600 100\r\n", i, 800 * i, (i % 2) * 300);
    text += line;
  }
  return text;
}

// kAlignmentPoints lines "P<n> Y X": along each leg between its vertices, up to 12 either side
// of it, so that points fall on the straights, the spirals and the arcs, and some beyond the
// curves near the vertices; every thousandth line is not read.
inline std::string AlignmentSurvey() {
  std::string text;
  char line[96];
  for (int i = 0; i < kAlignmentPoints; ++i) {
    if (i % 1000 == 999) {
      text += "station set up here\r\n";
      continue;
    }
    const int leg = i % (kAlignmentVertices - 1);
    const double t = (i % 997) / 997.0;
    const double dY = 800, dX = leg % 2 == 0 ? 300 : -300;
    const double side = -12.0 + 24.0 * (i % 89) / 89.0;
    const double Y = 800.0 * leg + t * dY + side * dX / 854.4;
    const double X = (leg % 2) * 300 + t * dX - side * dY / 854.4;
    std::snprintf(line, sizeof line, "P%d %.3f %.3f\r\n", i + 1, Y, X);
    text += line;
  }
  return text;
}
