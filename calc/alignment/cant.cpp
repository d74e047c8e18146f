// The track's cant: reading its lines and the design cant at a chainage.
#include "alignment/cant.h"

#include <algorithm>

#include "alignment/transition_laws.h"
#include "geometry.h"
#include "point_lists/point_lines.h"

const char* const kChainageOutsideCant = "!Chainage outside of cant!";

namespace {

// How far a chainage may lie outside the first or the last line and still count as that end,
// as for the profile.
constexpr double kCantTolerance = 1e-6;

}  // namespace

CantReading ReadCant(const std::string& text) {
  CantReading reading;
  reading.echo = NonBlankLines(text);
  if (reading.echo.empty()) return reading;
  std::vector<CantPoint> points;
  CantPivot pivot;
  for (const std::string& line : reading.echo) {
    const LineFields split = SplitFields(line);
    const std::vector<std::string>& f = split.fields;
    if (IsPivotLine(split)) {
      if (pivot.given || !ReadPivotLine(split, pivot))
        reading.problems.push_back("!Cant line not read: " + NotReadText(line) + "!");
      continue;
    }
    CantPoint point = {"", 0.0, 0.0, nullptr};
    if (f.size() < 2 || !ReadFullNumber(f[0], split.decimalComma, point.PK) ||
        !ReadFullNumber(f[1], split.decimalComma, point.C)) {
      reading.problems.push_back("!Cant line not read: " + NotReadText(line) + "!");
      continue;
    }
    point.PKtext = f[0];
    if (f.size() >= 3) point.ramp = LawOfCantWord(f[2]);
    points.push_back(point);
  }
  if (!reading.problems.empty()) return reading;
  if (points.size() < 2) {
    reading.problems.push_back("!Cant: at least two lines are needed!");
    return reading;
  }
  for (size_t j = 1; j < points.size(); ++j) {
    if (!(points[j].PK > points[j - 1].PK))
      reading.problems.push_back("!Cant at PK " + points[j].PKtext + ": PK must grow!");
  }
  if (!reading.problems.empty()) return reading;
  // The cant is the height of one rail head above the other: it cannot reach their distance.
  for (const CantPoint& point : points) {
    if (pivot.given && !(Absolute(point.C) / 1000 < RailHeadDistance(pivot)))
      reading.problems.push_back("!Cant at PK " + point.PKtext +
                                 ": cant must stay below the rail-head distance!");
  }
  if (!reading.problems.empty()) return reading;
  reading.cant.points = std::move(points);
  reading.cant.pivot = pivot;
  return reading;
}

bool DesignCant(const Cant& cant, double PK, double& C) {
  const std::vector<CantPoint>& p = cant.points;
  if (p.empty() || !(PK > p.front().PK - kCantTolerance) || !(PK < p.back().PK + kCantTolerance))
    return false;
  PK = std::min(std::max(PK, p.front().PK), p.back().PK);
  // j: the last line whose PK(j) <= PK.
  const auto after = std::upper_bound(
      p.begin(), p.end(), PK, [](double at, const CantPoint& point) { return at < point.PK; });
  const size_t j = static_cast<size_t>(after - p.begin()) - 1;
  // At a line's own chainage its own value, also where the ramp's numbers are too large to
  // subtract.
  if (j + 1 == p.size() || PK == p[j].PK) {
    C = p[j].C;
    return true;
  }
  const double rise = p[j + 1].C - p[j].C, run = p[j + 1].PK - p[j].PK;
  C = p[j].C +
      (p[j].ramp ? rise * p[j].ramp->f((PK - p[j].PK) / run) : rise * (PK - p[j].PK) / run);
  return true;
}
