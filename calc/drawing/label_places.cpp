// The taken boxes sit in a hash of grid cells, so that a drawing with thousands of labels looks
// up only its neighbours. A box far outside the picture (beyond a million cells) takes nothing.
#include "drawing/label_places.h"

#include <cmath>

namespace {

constexpr double kFarthestCell = 1e6;
// A box spanning more cells than this is cut into its middle part for the lookup; no label is
// that large, and the track is taken in short pieces.
constexpr long long kWidestSpan = 64;
// Past this many overlaps a place counts as crowded as any.
constexpr int kCrowded = 8;

bool Intersect(const ScreenRect& a, const ScreenRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

LabelPlaces::LabelPlaces(double cell) : cell_(cell > 0 && std::isfinite(cell) ? cell : 32) {}

long long LabelPlaces::Key(long long column, long long row) const {
  return column * 4000003LL + row;
}

bool LabelPlaces::CellsOf(const ScreenRect& box, long long& left, long long& top, long long& right,
                          long long& bottom) const {
  const double l = std::floor(box.left / cell_);
  const double t = std::floor(box.top / cell_);
  const double r = std::floor(box.right / cell_);
  const double b = std::floor(box.bottom / cell_);
  if (!(std::fabs(l) < kFarthestCell && std::fabs(t) < kFarthestCell &&
        std::fabs(r) < kFarthestCell && std::fabs(b) < kFarthestCell))
    return false;
  left = static_cast<long long>(l);
  top = static_cast<long long>(t);
  right = static_cast<long long>(r);
  bottom = static_cast<long long>(b);
  if (right - left > kWidestSpan) right = left + kWidestSpan;
  if (bottom - top > kWidestSpan) bottom = top + kWidestSpan;
  return right >= left && bottom >= top;
}

void LabelPlaces::Take(const ScreenRect& box) {
  long long left, top, right, bottom;
  if (!CellsOf(box, left, top, right, bottom)) return;
  const int index = static_cast<int>(boxes_.size());
  boxes_.push_back(box);
  for (long long column = left; column <= right; ++column) {
    for (long long row = top; row <= bottom; ++row) cells_[Key(column, row)].push_back(index);
  }
}

int LabelPlaces::Overlaps(const ScreenRect& box, int most) const {
  long long left, top, right, bottom;
  if (!CellsOf(box, left, top, right, bottom)) return 0;
  // A box taken in two cells met by this one counts twice: the count only ranks crowding.
  int count = 0;
  for (long long column = left; column <= right; ++column) {
    for (long long row = top; row <= bottom; ++row) {
      const auto found = cells_.find(Key(column, row));
      if (found == cells_.end()) continue;
      for (int index : found->second) {
        if (Intersect(box, boxes_[index]) && ++count >= most) return count;
      }
    }
  }
  return count;
}

int LabelPlaces::Choose(const std::vector<ScreenRect>& candidates, bool mustShow) const {
  int best = -1;
  int fewest = 0;
  for (size_t i = 0; i < candidates.size(); ++i) {
    const int overlaps = Overlaps(candidates[i], best < 0 ? kCrowded : fewest);
    if (overlaps == 0) return static_cast<int>(i);
    if (best < 0 || overlaps < fewest) {
      best = static_cast<int>(i);
      fewest = overlaps;
    }
  }
  return mustShow ? best : -1;
}
