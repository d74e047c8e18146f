// Keeping the drawing's labels apart: the boxes already taken on the picture (labels, and the
// track itself), and a choice among a label's candidate places of the first that is free, or
// else the least crowded. Portable; boxes in device units.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "drawing/drawing_view.h"

// Up to this many points every name is drawn, even over another.
constexpr size_t kAlwaysNamedPoints = 300;

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

// The advances of the label font's characters (by byte, the drawing's texts being ANSI) and its
// line height, in device units: what a label's box is measured with.
struct LabelFont {
  double advance[256] = {};
  double height = 0;
};
double TextWidth(const LabelFont& font, const std::string& text);

// The box of a text of `width` by `height` pushed out from `at` by `gap` in the direction
// (dx, dy), a unit vector: along it, a box of w by h reaches |dx| w / 2 + |dy| h / 2 from its
// centre.
ScreenRect BoxBeside(ScreenPoint at, double dx, double dy, double gap, double width, double height);

// A label's candidate places beside `at`, best first: `gap` away, then `gap` plus one, two...
// label heights out, in each of the directions in turn, each box grown by `spacing`. Those that
// stay inside `clip` (grown by `spacing`) only, unless none does.
std::vector<ScreenRect> PlacesAround(ScreenPoint at, const std::vector<ScreenPoint>& directions,
                                     double gap, int distances, double width, double height,
                                     double spacing, const ScreenRect& clip);

// Whether a label in `box` (its text's box) stands so far from `at` that it needs a leader line:
// farther than `gap` plus half a label height; `end` is then the box's point nearest `at`.
bool NeedsLeader(ScreenPoint at, const ScreenRect& box, double gap, double height,
                 ScreenPoint& end);

// Marks the line a-b as taken, in pieces of about `piece` so that a long straight takes only the
// boxes along it; `width` on either side. Only the part within `piece` of `clip`.
void TakeLine(LabelPlaces& places, ScreenPoint a, ScreenPoint b, double width, double piece,
              const ScreenRect& clip);
