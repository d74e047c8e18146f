// The benchmark's alignments and surveys, shared by the native timing of the calculation and the
// timing of the button in polver.exe: 50 vertices zigzagging north with R 600 and L 100 at each
// inner one, and a chain of 130 elements (straights, spirals from and to straights and between
// two curves, curves) winding left and right; 10,000 points about each track. Portable.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

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

constexpr int kChainElements = 130;

// One stretch of the repeating element chain: length and radii at its start and end (0 for a
// straight's infinite radius, positive to the right).
struct SampleElement {
  const char* kind;
  double L, R1, R2;
};

// Thirteen elements that turn left and back right by about as much, so that the chain winds on.
inline std::vector<SampleElement> ChainStretch() {
  return {{"straight", 200, 0, 0},    {"spiral", 80, 0, -600},    {"curve", 18, -600, -600},
          {"spiral", 50, -600, -400}, {"curve", 40, -400, -400},  {"spiral", 50, -400, 0},
          {"straight", 150, 0, 0},    {"spiral", 80, 0, 700},     {"curve", 100, 700, 700},
          {"spiral", 60, 700, 1500},  {"curve", 120, 1500, 1500}, {"spiral", 60, 1500, 0},
          {"straight", 100, 0, 0}};
}

// The chain's element lines, the first from Y 0 X 0 heading north (+X).
inline std::string ElementChainLines() {
  std::string text;
  char line[96];
  const std::vector<SampleElement> stretch = ChainStretch();
  for (int i = 0; i < kChainElements; ++i) {
    const SampleElement& e = stretch[i % stretch.size()];
    const std::string kind = e.kind;
    if (kind == "straight") {
      std::snprintf(line, sizeof line, "straight %g%s\r\n", e.L, i == 0 ? " 0 0 0" : "");
    } else if (kind == "curve") {
      std::snprintf(line, sizeof line, "curve %g %g\r\n", e.L, e.R1);
    } else {
      std::snprintf(line, sizeof line, "spiral %g %g %g\r\n", e.L, e.R1, e.R2);
    }
    text += line;
  }
  return text;
}

// kAlignmentPoints lines "P<n> Y X" about the chain, up to 12 either side of it, traced here
// metre by metre (the curvature linear along each element); every fiftieth point lies before the
// start, outside the alignment, and every thousandth line is not read.
inline std::string ElementChainSurvey() {
  struct Sample {
    double Y, X, direction;
  };
  std::vector<Sample> track{{0, 0, 0}};
  const std::vector<SampleElement> stretch = ChainStretch();
  for (int i = 0; i < kChainElements; ++i) {
    const SampleElement& e = stretch[i % stretch.size()];
    const double k1 = e.R1 == 0 ? 0 : 1 / e.R1, k2 = e.R2 == 0 ? 0 : 1 / e.R2;
    const int steps = static_cast<int>(e.L);
    for (int j = 0; j < steps; ++j) {
      const Sample at = track.back();
      const double k = k1 + (k2 - k1) * (j + 0.5) / steps;
      const double middle = at.direction + k / 2;
      track.push_back({at.Y + std::sin(middle), at.X + std::cos(middle), at.direction + k});
    }
  }
  std::string text;
  char line[96];
  const double length = static_cast<double>(track.size() - 1);
  for (int i = 0; i < kAlignmentPoints; ++i) {
    if (i % 1000 == 999) {
      text += "station set up here\r\n";
      continue;
    }
    double Y = -5 + i % 11, X = -20.0 - i % 40;
    if (i % 50 != 49) {
      const double s = length * ((i * 7919) % kAlignmentPoints) / kAlignmentPoints;
      const Sample& at = track[static_cast<size_t>(s)];
      const double side = -12.0 + 24.0 * (i % 89) / 89.0;
      const double along = s - std::floor(s);
      Y = at.Y + along * std::sin(at.direction) + side * std::cos(at.direction);
      X = at.X + along * std::cos(at.direction) - side * std::sin(at.direction);
    }
    std::snprintf(line, sizeof line, "P%d %.3f %.3f\r\n", i + 1, Y, X);
    text += line;
  }
  return text;
}
