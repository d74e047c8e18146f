// The versine diagram's data and geometry.
#include "versines/versine_diagram.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr size_t kMostSlewLabels = 12;
}  // namespace

VersineDiagram BuildVersineDiagram(const VersineResult& result) {
  VersineDiagram diagram;
  diagram.sign = result.sign;
  for (size_t i = 0; i < result.stations.size() && i < result.P.size(); ++i) {
    diagram.names.push_back(result.stations[i].name);
    diagram.measured.push_back(result.stations[i].f);
    diagram.design.push_back(result.P[i]);
    // A slew of the versines' sign moves the station outwards.
    diagram.outward.push_back(result.sign * result.columns.slew[i]);
  }
  return diagram;
}

DiagramAxis ValueAxis(double low, double high, double height, double spacing) {
  DiagramAxis axis;
  low = std::min(low, 0.0);
  high = std::max(high, 0.0);
  if (!std::isfinite(low) || !std::isfinite(high) || !(height > 0)) return axis;
  if (high - low < 1e-9) high = low + 1;
  // Ticks no closer than `spacing`, and no more than the panel can take.
  axis.step = RoundStepAtLeast((high - low) * spacing / height);
  // A design versine of -1e-15 is 0: it does not open another tick below.
  axis.low = std::floor(low / axis.step + 1e-6) * axis.step;
  axis.high = std::ceil(high / axis.step - 1e-6) * axis.step;
  if (axis.high - axis.low < axis.step) axis.high = axis.low + axis.step;
  return axis;
}

double ValueY(const ScreenRect& panel, const DiagramAxis& axis, double value) {
  return panel.bottom - (value - axis.low) / (axis.high - axis.low) * (panel.bottom - panel.top);
}

double StationApart(const ScreenRect& panel, size_t n) {
  return (panel.right - panel.left) / static_cast<double>(n > 0 ? n : 1);
}

double StationX(const ScreenRect& panel, size_t i, size_t n) {
  return panel.left + (static_cast<double>(i) + 0.5) * StationApart(panel, n);
}

size_t NameEvery(double apart, double widest, double gap) {
  if (!(apart > 0)) return 1;
  for (size_t every = 1;; every *= 10) {
    for (size_t factor : {1, 2, 5}) {
      if (static_cast<double>(every * factor) * apart >= widest + gap) return every * factor;
    }
    if (every > 1000000000) return every;
  }
}

std::vector<size_t> LabelledSlews(const std::vector<double>& outward, double apart, double width) {
  std::vector<size_t> order(outward.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return std::fabs(outward[a]) > std::fabs(outward[b]);
  });
  std::vector<size_t> chosen;
  if (order.empty() || !(std::fabs(outward[order[0]]) > 0)) return chosen;
  const double largest = std::fabs(outward[order[0]]);
  for (size_t i : order) {
    if (chosen.size() >= kMostSlewLabels || std::fabs(outward[i]) < largest / 2) break;
    bool clear = true;
    for (size_t j : chosen) {
      const double distance = std::fabs(static_cast<double>(i) - static_cast<double>(j)) * apart;
      if (distance < width) clear = false;
    }
    if (clear) chosen.push_back(i);
  }
  return chosen;
}

VersineDiagramLayout LayOutVersineDiagram(const ScreenRect& area, double fontHeight,
                                          double scaleWidth) {
  VersineDiagramLayout layout;
  const double margin = fontHeight;
  const double left = area.left + margin + scaleWidth;
  const double right = std::max(left + 1, area.right - 2 * margin);
  // A line for each panel's title above it, two for the slews' values, one for the names.
  const double namesHeight = 2 * fontHeight;
  const double top = area.top + 2 * fontHeight;
  const double bottom = std::max(top + 10, area.bottom - namesHeight - margin);
  const double panels = bottom - top - 4 * fontHeight;
  const double split = top + std::max(5.0, panels * 3 / 5);
  layout.versines = {left, top, right, split};
  layout.slews = {left, split + 4 * fontHeight, right,
                  std::max(split + 4 * fontHeight + 5, bottom)};
  layout.namesTop = layout.slews.bottom + fontHeight / 2;
  return layout;
}
