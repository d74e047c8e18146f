// Keeping the drawing's labels apart: the boxes already taken on the picture (labels, and the
// track itself), and a choice among a label's candidate places of the first that is free, or
// else the least crowded. Portable; boxes in device units.
#pragma once

#include <unordered_map>
#include <vector>

#include "drawing/drawing_view.h"

class LabelPlaces {
 public:
  // `cell` is the side of the squares the picture is divided into for looking boxes up.
  explicit LabelPlaces(double cell);

  // Marks the box as taken.
  void Take(const ScreenRect& box);

  // How many taken boxes the box overlaps, counting up to `most` only (a box met in two grid
  // cells may count twice).
  int Overlaps(const ScreenRect& box, int most) const;

  // The index of the first candidate that overlaps nothing; with `mustShow`, the one that
  // overlaps least (the earlier on a tie) when none is free; otherwise -1 then.
  int Choose(const std::vector<ScreenRect>& candidates, bool mustShow) const;

 private:
  long long Key(long long column, long long row) const;
  bool CellsOf(const ScreenRect& box, long long& left, long long& top, long long& right,
               long long& bottom) const;
  double cell_;
  std::vector<ScreenRect> boxes_;
  std::unordered_map<long long, std::vector<int>> cells_;
};
