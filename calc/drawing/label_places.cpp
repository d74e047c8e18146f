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

double TextWidth(const LabelFont& font, const std::string& text) {
  double width = 0;
  for (unsigned char c : text) width += font.advance[c];
  return width;
}

ScreenRect BoxBeside(ScreenPoint at, double dx, double dy, double gap, double width,
                     double height) {
  const double reach = std::fabs(dx) * width / 2 + std::fabs(dy) * height / 2;
  const double centreX = at.x + dx * (gap + reach);
  const double centreY = at.y + dy * (gap + reach);
  return {centreX - width / 2, centreY - height / 2, centreX + width / 2, centreY + height / 2};
}

std::vector<ScreenRect> PlacesAround(ScreenPoint at, const std::vector<ScreenPoint>& directions,
                                     double gap, int distances, double width, double height,
                                     double spacing, const ScreenRect& clip) {
  std::vector<ScreenRect> candidates;
  for (int k = 0; k < distances; ++k) {
    for (ScreenPoint direction : directions) {
      const double length = std::hypot(direction.x, direction.y);
      if (length > 0) direction = {direction.x / length, direction.y / length};
      const ScreenRect box =
          BoxBeside(at, direction.x, direction.y, gap + k * height * 1.05, width, height);
      candidates.push_back(
          {box.left - spacing, box.top - spacing, box.right + spacing, box.bottom + spacing});
    }
  }
  // Places off the picture count as taken.
  const ScreenRect inner{clip.left - spacing, clip.top - spacing, clip.right + spacing,
                         clip.bottom + spacing};
  std::vector<ScreenRect> onPicture;
  for (const ScreenRect& box : candidates) {
    if (box.left >= inner.left && box.right <= inner.right && box.top >= inner.top &&
        box.bottom <= inner.bottom)
      onPicture.push_back(box);
  }
  if (!onPicture.empty()) candidates.swap(onPicture);
  return candidates;
}

bool NeedsLeader(ScreenPoint at, const ScreenRect& box, double gap, double height,
                 ScreenPoint& end) {
  end = {std::fmin(std::fmax(at.x, box.left), box.right),
         std::fmin(std::fmax(at.y, box.top), box.bottom)};
  return std::hypot(end.x - at.x, end.y - at.y) > gap + height * 0.5;
}

void TakeLine(LabelPlaces& places, ScreenPoint a, ScreenPoint b, double width, double piece,
              const ScreenRect& clip) {
  if (!ClipSegment(a, b,
                   {clip.left - piece, clip.top - piece, clip.right + piece, clip.bottom + piece}))
    return;
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  const int pieces = 1 + static_cast<int>(std::fmin(length / piece, 10000));
  for (int i = 0; i < pieces; ++i) {
    const ScreenPoint from{a.x + (b.x - a.x) * i / pieces, a.y + (b.y - a.y) * i / pieces};
    const ScreenPoint to{a.x + (b.x - a.x) * (i + 1) / pieces,
                         a.y + (b.y - a.y) * (i + 1) / pieces};
    places.Take({std::fmin(from.x, to.x) - width, std::fmin(from.y, to.y) - width,
                 std::fmax(from.x, to.x) + width, std::fmax(from.y, to.y) + width});
  }
}
