// The long section's layout, one round of it: shared by section_placer.cpp (the frame, the axes,
// the marks and the labels beside them) and section_band.cpp (the band of VPI labels above the
// plot). Internal to the two.
#pragma once

#include <string>
#include <vector>

#include "drawing/section_layout.h"

// A VPI label waiting for the band.
struct BandLabel {
  size_t vpi;  // in SectionLayout::vpis
  std::string text;
  double width;
};

// One round of the layout with the band `rows` high.
class SectionPlacer {
 public:
  SectionPlacer(const DrawingScene& scene, const ScreenRect& area, const LabelFont& font,
                const SectionStyle& style)
      : scene_(scene),
        area_(area),
        font_(font),
        style_(style),
        px_(style.pixel),
        textHeight_(font.height > 0 ? font.height : style.fontHeight),
        spacing_(1.5 * style.pixel),
        rowHeight_(textHeight_ + 3 * spacing_ + style.pixel),
        places_(4 * style.fontHeight),
        texts_(4 * style.fontHeight) {}

  // The plot's frame with a band of `rows`; false when there is no room for a plot.
  bool Frame(int rows);
  // The rows the band may have: the plot keeps a third of its height.
  int MostRows() const;
  // The rows the band holds above the plot as framed.
  int RowsHeld() const;
  void Axes();
  void Marks();
  void VPILabelsBeside();
  void GradeLabels();
  // Returns the rows the band's labels need (more than held: those beyond are left out).
  int BandLabels(int rowsLimit);
  void PointLabels();

  SectionLayout layout;

 private:
  static bool Within(const ScreenRect& outer, const ScreenRect& box);
  static ScreenRect Grown(const ScreenRect& rect, double by);
  static bool Inside(const ScreenRect& rect, ScreenPoint p);
  double Width(const std::string& text) const { return TextWidth(font_, text); }
  ScreenRect Plot() const { return layout.map.box; }
  // The inside of the plot a grown candidate box must keep to.
  ScreenRect PlotInside() const { return Grown(Plot(), -px_); }
  void AddText(SectionTextKind kind, const std::string& text, const ScreenRect& grownBox);
  void TakeVertical(double x, double top, double bottom);
  ScreenRect BandBox(double x, bool leftwards, double width, int row) const;
  bool LeaderFree(double x, double from) const;
  void PlaceInBand(const BandLabel& label, bool leftwards, int rowsLimit, int& rowsUsed);

  const DrawingScene& scene_;
  ScreenRect area_;
  const LabelFont& font_;
  SectionStyle style_;
  double px_;
  double textHeight_;
  double spacing_;
  double rowHeight_;
  LabelPlaces places_;  // everything drawn: what a label must not cover
  LabelPlaces texts_;   // the labels alone: what a leader must not cross
  std::vector<BandLabel> waiting_;
};
