// The band of VPI labels above the long section's plot. Every leader runs straight up from its
// VPI, so a label must never cover the leader of a VPI whose label stands higher. Along a run of
// VPIs whose labels would meet, the first half write their labels leftwards from their leaders,
// taken left to right, each a row above the last; the second half rightwards, taken right to left:
// the two halves never cover each other's leaders. The picture's edges may turn a run one way.
#include <algorithm>
#include <cmath>

#include "drawing/section_placer.h"

// The grown box of a label in band row `row` (0 just above the plot), written leftwards from x
// (ending there) or rightwards (starting there).
ScreenRect SectionPlacer::BandBox(double x, bool leftwards, double width, int row) const {
  const double bottom = Plot().top - 2 * px_ - row * rowHeight_;
  const double top = bottom - textHeight_ - 2 * spacing_;
  return leftwards ? ScreenRect{x - width - spacing_, top, x + spacing_, bottom}
                   : ScreenRect{x - spacing_, top, x + width + spacing_, bottom};
}

// The leader from a band label's bottom at `from` down to the plot crosses no label.
bool SectionPlacer::LeaderFree(double x, double from) const {
  const double to = Plot().top;
  return !(to > from) || texts_.Overlaps({x - px_, from, x + px_, to}, 1) == 0;
}

void SectionPlacer::PlaceInBand(const BandLabel& label, bool leftwards, int rowsLimit,
                                int& rowsUsed) {
  SectionVPI& mark = layout.vpis[label.vpi];
  const double x = mark.at.x;
  // While the band's height is being found, rows may reach above the area.
  const ScreenRect band{area_.left, Plot().top - 2 * px_ - rowsLimit * rowHeight_ - px_,
                        area_.right, Plot().top};
  std::vector<ScreenRect> fallback;
  int chosenRow = -1;
  ScreenRect chosen{0, 0, 0, 0};
  for (int row = 0; row < rowsLimit && chosenRow < 0; ++row) {
    // Written the other way only where it would leave the picture: the other way round it
    // could cover the leaders of the rest of its run.
    for (bool way : {leftwards, !leftwards}) {
      const ScreenRect box = BandBox(x, way, label.width, row);
      if (!Within(band, box)) continue;
      if (way != leftwards && Within(band, BandBox(x, leftwards, label.width, row))) break;
      fallback.push_back(box);
      if (places_.Overlaps(box, 1) == 0 && LeaderFree(x, box.bottom)) {
        chosenRow = row;
        chosen = box;
        break;
      }
    }
  }
  if (chosenRow < 0) {
    // No free row: on paper the least crowded place all the same, pushed onto the picture.
    if (!style_.everyLabel || rowsLimit <= 0) {
      rowsUsed = std::max(rowsUsed, rowsLimit + 1);
      return;
    }
    if (fallback.empty()) {
      ScreenRect box = BandBox(x, leftwards, label.width, 0);
      const double shift =
          box.left < band.left ? band.left - box.left : std::fmin(0, band.right - box.right);
      fallback.push_back({box.left + shift, box.top, box.right + shift, box.bottom});
    }
    const int least = places_.Choose(fallback, true);
    chosen = fallback[least];
    chosenRow = static_cast<int>(std::lround((Plot().top - 2 * px_ - chosen.bottom) / rowHeight_));
  }
  rowsUsed = std::max(rowsUsed, chosenRow + 1);
  mark.label = static_cast<int>(layout.texts.size());
  AddText(SectionTextKind::VPI, label.text, chosen);
  const double textBottom = chosen.bottom - spacing_;
  const double end = std::fmin(std::fmax(x, chosen.left + spacing_), chosen.right - spacing_);
  mark.leader = static_cast<int>(layout.leaders.size());
  layout.leaders.push_back({{end, textBottom}, {x, mark.at.y - layout.markRadius}});
  TakeVertical(x, chosen.bottom, Plot().top);
}

int SectionPlacer::BandLabels(int rowsLimit) {
  int rowsUsed = 0;
  for (size_t first = 0; first < waiting_.size();) {
    // A run: labels whose boxes would reach the next one's leader.
    size_t last = first;
    while (last + 1 < waiting_.size() &&
           layout.vpis[waiting_[last + 1].vpi].at.x - layout.vpis[waiting_[last].vpi].at.x <
               std::fmax(waiting_[last].width, waiting_[last + 1].width) + 4 * spacing_)
      ++last;
    const size_t count = last - first + 1;
    auto fitsLeftwards = [&](size_t i) {
      return layout.vpis[waiting_[i].vpi].at.x - waiting_[i].width - spacing_ >= area_.left;
    };
    auto fitsRightwards = [&](size_t i) {
      return layout.vpis[waiting_[i].vpi].at.x + waiting_[i].width + spacing_ <= area_.right;
    };
    // How many of the run write leftwards: half of it, all or none at the picture's edges.
    size_t leftwards = (count + 1) / 2;
    if (!fitsLeftwards(first)) {
      leftwards = 0;
    } else if (!fitsRightwards(last)) {
      leftwards = count;
    }
    for (size_t i = first; i < first + leftwards; ++i)
      PlaceInBand(waiting_[i], true, rowsLimit, rowsUsed);
    for (size_t i = last + 1; i-- > first + leftwards;)
      PlaceInBand(waiting_[i], false, rowsLimit, rowsUsed);
    first = last + 1;
  }
  return rowsUsed;
}
