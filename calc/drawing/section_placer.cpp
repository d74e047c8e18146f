// The long section's layout (LayOutSection) and the placer that makes it. Labels are placed in
// order of what they cannot do without: the axes' numbers first, then each VPI's label beside its
// point, the grades' labels by their grades, the VPI labels that found no place there in the band
// above the plot, and last the points' dH.
//
// Every VPI keeps the vertical above its point free for a leader up to the band (section_band.cpp).
#include "drawing/section_placer.h"

#include <algorithm>
#include <cmath>

namespace {

// The most ticks on the long section's axes.
constexpr size_t kMostTicks = 2000;
// The plot keeps at least this part of its full height when the band takes room from it.
constexpr double kLeastPlotShare = 1.0 / 3;
// Laying out again with the band's new height settles in a few rounds.
constexpr int kMostRounds = 6;

std::string VPIText(const ProfileVPI& vpi) {
  return "PK " + DrawingFigure(vpi.PK, 2, false) + "  H " + DrawingFigure(vpi.H, 3, false);
}

}  // namespace

bool SectionPlacer::Within(const ScreenRect& outer, const ScreenRect& box) {
  return box.left >= outer.left && box.right <= outer.right && box.top >= outer.top &&
         box.bottom <= outer.bottom;
}

ScreenRect SectionPlacer::Grown(const ScreenRect& rect, double by) {
  return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

bool SectionPlacer::Inside(const ScreenRect& rect, ScreenPoint p) {
  return p.x >= rect.left && p.x <= rect.right && p.y >= rect.top && p.y <= rect.bottom;
}

bool SectionPlacer::Frame(int rows) {
  const double fh = style_.fontHeight;
  const double top = std::fmax(area_.top + fh * 3.2, area_.top + fh * 0.4 + rows * rowHeight_);
  const ChainageSpan span = ChainageSpanOf(scene_.alignment);
  const HeightRange heights = SectionHeights(scene_);
  double spare = (heights.high - heights.low) * 0.15;
  if (!(spare > 0)) spare = 1;
  layout.map.box = {area_.left + Width("000000.0") + 12 * px_, top, area_.right - 20 * px_,
                    area_.bottom - fh * 2};
  layout.map.PKfrom = span.from;
  layout.map.PKto = span.to;
  layout.map.Hlow = heights.low - spare;
  layout.map.Hhigh = heights.high + spare * 2.5;
  layout.markRadius = 3.5 * px_;
  layout.crossArm = 4 * px_;
  const ScreenRect& box = layout.map.box;
  layout.drawn = box.right > box.left + 10 && box.bottom > box.top + 10 &&
                 layout.map.PKto > layout.map.PKfrom && !scene_.profile.vpis.empty();
  return layout.drawn;
}

int SectionPlacer::MostRows() const {
  const double fh = style_.fontHeight;
  const double fullTop = area_.top + fh * 3.2;
  const double bottom = area_.bottom - fh * 2;
  const double lowestTop = bottom - (bottom - fullTop) * kLeastPlotShare;
  return std::max(0, static_cast<int>((lowestTop - area_.top - fh * 0.4) / rowHeight_));
}

int SectionPlacer::RowsHeld() const {
  // The plot's top was set at a whole number of rows: rounding must not lose one.
  return std::max(
      0, static_cast<int>((Plot().top - area_.top - style_.fontHeight * 0.4) / rowHeight_ + 1e-6));
}

void SectionPlacer::AddText(SectionTextKind kind, const std::string& text,
                            const ScreenRect& grownBox) {
  places_.Take(grownBox);
  texts_.Take(grownBox);
  layout.texts.push_back({kind, text, Grown(grownBox, -spacing_)});
}

void SectionPlacer::TakeVertical(double x, double top, double bottom) {
  if (bottom > top) places_.Take({x - px_, top, x + px_, bottom});
}

// The frame, its ticks and their numbers: heights a label's height apart and more, chainages at
// the step whose labels stand their width apart.
void SectionPlacer::Axes() {
  const SectionMap& map = layout.map;
  const ScreenRect& box = map.box;
  // The frame's sides are lines no label may cross.
  TakeLine(places_, {box.left, box.top}, {box.right, box.top}, px_, 4 * style_.fontHeight, area_);
  TakeLine(places_, {box.left, box.bottom}, {box.right, box.bottom}, px_, 4 * style_.fontHeight,
           area_);
  TakeLine(places_, {box.left, box.top}, {box.left, box.bottom}, px_, 4 * style_.fontHeight, area_);
  TakeLine(places_, {box.right, box.top}, {box.right, box.bottom}, px_, 4 * style_.fontHeight,
           area_);
  const double tick = 5 * px_;
  const double perMetre = (box.bottom - box.top) / (map.Hhigh - map.Hlow);
  const double Hstep = RoundStepAtLeast(1.6 * style_.fontHeight / perMetre);
  // Counted, not stepped: far from 0 a multiple plus one may round back to itself.
  const double firstH = std::ceil(map.Hlow / Hstep);
  for (size_t n = 0; n < kMostTicks; ++n) {
    const double k = firstH + static_cast<double>(n);
    if (!(k * Hstep <= map.Hhigh) || (n > 0 && k == firstH + static_cast<double>(n - 1))) break;
    const ScreenPoint at = map.At(map.PKfrom, k * Hstep);
    layout.ticks.push_back({at, {at.x - tick, at.y}});
    const std::string text = TickLabel(k * Hstep, Hstep);
    AddText(
        SectionTextKind::Axis, text,
        Grown(BoxBeside({at.x - tick, at.y}, -1, 0, 2 * px_, Width(text), textHeight_), spacing_));
  }
  const double PKstep =
      LabelledTickStep(map.PKfrom, map.PKto, (box.right - box.left) / (map.PKto - map.PKfrom),
                       font_.advance[static_cast<unsigned char>('0')]);
  const double firstPK = std::ceil(map.PKfrom / PKstep - 1e-9);
  for (size_t n = 0; n < kMostTicks; ++n) {
    const double k = firstPK + static_cast<double>(n);
    if (!(k * PKstep <= map.PKto + 1e-9 * PKstep) ||
        (n > 0 && k == firstPK + static_cast<double>(n - 1)))
      break;
    const ScreenPoint at = map.At(k * PKstep, map.Hlow);
    layout.ticks.push_back({at, {at.x, at.y + tick}});
    const std::string text = TickLabel(k * PKstep, PKstep);
    AddText(SectionTextKind::Axis, text,
            Grown(BoxBeside({at.x, at.y + tick}, 0, 1, px_, Width(text), textHeight_), spacing_));
  }
}

// The grade lines, the design line, the points' crosses and the VPIs' marks, each with the
// vertical through it: down to the axis, and up to the band for a leader.
void SectionPlacer::Marks() {
  const SectionMap& map = layout.map;
  const std::vector<ProfileVPI>& vpis = scene_.profile.vpis;
  const ScreenRect plot = Plot();
  for (size_t j = 0; j + 1 < vpis.size(); ++j)
    layout.grades.push_back({map.At(vpis[j].PK, vpis[j].H), map.At(vpis[j + 1].PK, vpis[j + 1].H)});
  const double from = std::fmax(vpis.front().PK, map.PKfrom);
  const double to = std::fmin(vpis.back().PK, map.PKto);
  const int steps = static_cast<int>(std::fmin(4000, (plot.right - plot.left) / px_));
  for (int i = 0; i <= steps && to > from; ++i) {
    const double PK = from + (to - from) * i / steps;
    double H = 0;
    if (DesignHeight(scene_.profile, PK, H)) layout.line.push_back(map.At(PK, H));
  }
  for (size_t i = 0; i + 1 < layout.line.size(); ++i)
    TakeLine(places_, layout.line[i], layout.line[i + 1], 2 * px_, 12 * px_, plot);
  const double arm = layout.crossArm;
  for (const DrawingPoint& point : scene_.points) {
    if (!point.onTrack || !point.hasHeight) continue;
    const ScreenPoint at = map.At(point.PK, point.H);
    if (!Inside(Grown(plot, -arm), at)) continue;
    layout.crosses.push_back(at);
    places_.Take({at.x - arm, at.y - arm, at.x + arm, at.y + arm});
  }
  const double radius = layout.markRadius;
  for (size_t j = 0; j < vpis.size(); ++j) {
    const ScreenPoint at = map.At(vpis[j].PK, vpis[j].H);
    if (!Inside(Grown(plot, 1), at)) continue;
    layout.vpis.push_back({at, j, -1, -1});
    places_.Take({at.x - radius, at.y - radius, at.x + radius, at.y + radius});
    TakeVertical(at.x, at.y + radius, plot.bottom);
    TakeVertical(at.x, plot.top, at.y - radius);
  }
}

// Beside the point, clear of its verticals: above to either side, then below.
void SectionPlacer::VPILabelsBeside() {
  for (size_t drawn = 0; drawn < layout.vpis.size(); ++drawn) {
    SectionVPI& mark = layout.vpis[drawn];
    const ScreenPoint at = mark.at;
    const std::string text = VPIText(scene_.profile.vpis[mark.index]);
    const double width = Width(text);
    // A corner of the label at the mark's corner: up and to the right, up-left, down-right,
    // down-left.
    const double gap = layout.markRadius + spacing_ + px_;
    std::vector<ScreenRect> candidates;
    for (const ScreenPoint& side :
         {ScreenPoint{1, -1}, ScreenPoint{-1, -1}, ScreenPoint{1, 1}, ScreenPoint{-1, 1}}) {
      const double x = at.x + side.x * gap;
      const double y = at.y + side.y * gap;
      const ScreenRect box =
          Grown({std::fmin(x, x + side.x * width), std::fmin(y, y + side.y * textHeight_),
                 std::fmax(x, x + side.x * width), std::fmax(y, y + side.y * textHeight_)},
                spacing_);
      if (Within(PlotInside(), box)) candidates.push_back(box);
    }
    const int chosen = places_.Choose(candidates, false);
    if (chosen >= 0) {
      mark.label = static_cast<int>(layout.texts.size());
      AddText(SectionTextKind::VPI, text, candidates[chosen]);
    } else {
      waiting_.push_back({drawn, text, width});
    }
  }
}

// Below or above its grade, from the middle outwards, never beyond its two VPIs; only where the
// grade is at least as long as its label.
void SectionPlacer::GradeLabels() {
  const std::vector<double>& grades = scene_.profile.grades;
  const ScreenRect plot = Plot();
  for (size_t j = 0; j < grades.size() && j < layout.grades.size(); ++j) {
    ScreenPoint a = layout.grades[j].from;
    ScreenPoint b = layout.grades[j].to;
    if (!ClipSegment(a, b, plot)) continue;
    const std::string text = DrawingFigure(grades[j] * 1000, 2, true) + " \x89";
    const double width = Width(text);
    // Clear of the verticals at its two VPIs.
    if (b.x - a.x < width + 2 * spacing_ + 4 * px_) continue;
    const ScreenRect beside{a.x + px_, plot.top, b.x - px_, plot.bottom};
    // Square to the grade, below it first: the box then clears the grade by the gap, enough
    // for the line's pieces, which are taken as upright boxes around a sloping line.
    const double gap = 1.5 * (2 * px_ + spacing_);
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const ScreenPoint below{-(b.y - a.y) / length, (b.x - a.x) / length};
    std::vector<ScreenRect> candidates;
    for (int k = 0; k < 2; ++k) {
      for (double t : {0.5, 0.4, 0.6, 0.3, 0.7, 0.2, 0.8, 0.1, 0.9}) {
        const ScreenPoint at{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
        for (double side : {1.0, -1.0}) {
          const ScreenRect box = Grown(BoxBeside(at, side * below.x, side * below.y,
                                                 gap + k * textHeight_ * 1.05, width, textHeight_),
                                       spacing_);
          if (Within(PlotInside(), box) && Within(beside, box)) candidates.push_back(box);
        }
      }
    }
    const int chosen = places_.Choose(candidates, style_.everyLabel);
    if (chosen >= 0) AddText(SectionTextKind::Grade, text, candidates[chosen]);
  }
}

// Each point's dH beside its cross; among thousands, where there is room.
void SectionPlacer::PointLabels() {
  const bool mustShow = scene_.points.size() <= kAlwaysNamedPoints;
  const double arm = layout.crossArm;
  for (const DrawingPoint& point : scene_.points) {
    if (!point.onTrack || !point.hasDesign) continue;
    const ScreenPoint at = layout.map.At(point.PK, point.H);
    if (!Inside(Plot(), at)) continue;
    const std::string text = "dH " + DrawingFigure(point.dH, 4, true);
    const ScreenPoint side{0.7, point.dH >= 0 ? -0.7 : 0.7};
    std::vector<ScreenRect> candidates;
    for (const ScreenRect& box :
         PlacesAround(at, {side, {-side.x, side.y}, {side.x, -side.y}, {-side.x, -side.y}}, arm, 6,
                      Width(text), textHeight_, spacing_, Plot())) {
      if (Within(PlotInside(), box)) candidates.push_back(box);
    }
    const int chosen = places_.Choose(candidates, mustShow);
    if (chosen < 0) continue;
    AddText(SectionTextKind::Point, text, candidates[chosen]);
    ScreenPoint end;
    if (NeedsLeader(at, layout.texts.back().box, arm, textHeight_, end))
      layout.leaders.push_back({end, at});
  }
}

namespace {

// One round with a band of `rows`: `rowsHeld` says how many rows the band holds as framed and
// `rowsNeeded` how many its labels need. While sizing (not `final`) the labels may take rows up to
// what the plot can give; the final round keeps to the band and places the points' dH too.
SectionLayout LayOutOnce(const DrawingScene& scene, const ScreenRect& area, const LabelFont& font,
                         const SectionStyle& style, int rows, bool final, int& rowsHeld,
                         int& rowsNeeded) {
  SectionPlacer placer(scene, area, font, style);
  rowsHeld = 0;
  rowsNeeded = 0;
  if (!placer.Frame(rows)) return placer.layout;
  rowsHeld = placer.RowsHeld();
  placer.Axes();
  placer.Marks();
  placer.VPILabelsBeside();
  placer.GradeLabels();
  rowsNeeded = placer.BandLabels(final ? rowsHeld : std::max(rowsHeld, placer.MostRows()));
  if (final) placer.PointLabels();
  placer.layout.bandRows = std::min(rowsNeeded, rowsHeld);
  return placer.layout;
}

}  // namespace

// The band grows to the rows its labels need, up to what the plot can give; the plot shrinks
// with it and every label is placed again.
SectionLayout LayOutSection(const DrawingScene& scene, const ScreenRect& area,
                            const LabelFont& font, const SectionStyle& style) {
  SectionPlacer sizing(scene, area, font, style);
  if (!sizing.Frame(0)) return sizing.layout;
  const int most = sizing.MostRows();
  int rows = 0;
  int held = 0;
  int needed = 0;
  for (int round = 0; round < kMostRounds; ++round) {
    LayOutOnce(scene, area, font, style, rows, false, held, needed);
    if (needed <= held || rows >= most) break;
    rows = std::min(needed, most);
  }
  return LayOutOnce(scene, area, font, style, rows, true, held, needed);
}
