// The track across: the pivot line and the heights of the rails and the rail heads' plane.
#include "alignment/track_heights.h"

#include <cmath>
#include <string>

namespace {

// The rail heads' centres lie this far outside the gauge, which is measured between the rails'
// inner faces.
constexpr double kRailHeadWidth = 0.065;

// How far past b a point may lie and still be on the track surface.
constexpr double kTrackEdgeTolerance = 1e-6;

struct PivotName {
  const char* word;
  PivotAt at;
};
const PivotName kPivotNames[] = {
    {"inner", PivotAt::Inner}, {"centre", PivotAt::Centre}, {"center", PivotAt::Centre},
    {"outer", PivotAt::Outer}, {"left", PivotAt::Left},     {"right", PivotAt::Right},
};

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

bool IsPivotLine(const LineFields& split) {
  return !split.fields.empty() && LowerCase(split.fields[0]) == "pivot";
}

bool ReadPivotLine(const LineFields& split, CantPivot& pivot) {
  const std::vector<std::string>& f = split.fields;
  if (!IsPivotLine(split) || f.size() < 2 || f.size() > 3) return false;
  CantPivot read;
  read.given = true;
  const std::string word = LowerCase(f[1]);
  bool known = false;
  for (const PivotName& name : kPivotNames) {
    if (word == name.word) {
      read.at = name.at;
      known = true;
    }
  }
  if (!known) return false;
  // A gauge in millimetres (1435) is no gauge in metres: it lies outside the range.
  if (f.size() == 3 && (!ReadFullNumber(f[2], split.decimalComma, read.gauge) ||
                        !(read.gauge >= kLeastGauge && read.gauge <= kLargestGauge)))
    return false;
  pivot = read;
  return true;
}

const char* PivotWord(PivotAt at) {
  for (const PivotName& name : kPivotNames) {
    if (name.at == at) return name.word;
  }
  return "";
}

double RailHeadDistance(const CantPivot& pivot) {
  return pivot.gauge + kRailHeadWidth;
}

RailHeights RailHeightsAt(const CantPivot& pivot, double H, double C) {
  const double D = C / 1000;
  // How far the track's centre lies above the pivot.
  double e = 0;
  switch (pivot.at) {
    case PivotAt::Centre: e = 0; break;
    case PivotAt::Left: e = -D / 2; break;
    case PivotAt::Right: e = D / 2; break;
    case PivotAt::Inner: e = std::fabs(D) / 2; break;
    case PivotAt::Outer: e = -std::fabs(D) / 2; break;
  }
  const double zc = H + e;
  return {zc, zc + D / 2, zc - D / 2};
}

bool TrackSurfaceHeight(const CantPivot& pivot, double H, double C, double d, double& z) {
  const double b = RailHeadDistance(pivot);
  if (!(std::fabs(d) <= b + kTrackEdgeTolerance)) return false;
  const double sinPsi = C / 1000 / b;
  if (!(std::fabs(sinPsi) < 1)) return false;
  const double tanPsi = sinPsi / std::sqrt(1 - sinPsi * sinPsi);
  z = RailHeightsAt(pivot, H, C).centre - d * tanPsi;
  return true;
}
