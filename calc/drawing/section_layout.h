// The long section of the alignment drawing laid out on a flat surface, apart from any device:
// chainage across, height up; the axes with their numbers, the design line, the VPIs, the grades
// and the points with a height; and every label kept clear of the others, of the axes' numbers, of
// the frame and of the line. A VPI label with no free place beside its point goes up into a band
// above the plot, on as many rows as the labels need, with a leader down to its point; the plot
// gives up height for the band. Sizes in device units, y growing downwards.
#pragma once

#include <string>
#include <vector>

#include "drawing/drawing_scene.h"
#include "drawing/label_places.h"

// Chainage across, height up, each stretched to fill `box`, the plot's frame.
struct SectionMap {
  ScreenRect box{0, 0, 0, 0};
  double PKfrom = 0, PKto = 1, Hlow = 0, Hhigh = 1;
  ScreenPoint At(double PK, double H) const;
};

enum class SectionTextKind { Axis, VPI, Grade, Point };

// A label: its text is written with its box's top left corner where the box's is.
struct SectionText {
  SectionTextKind kind;
  std::string text;
  ScreenRect box;
};

struct SectionLine {
  ScreenPoint from;
  ScreenPoint to;
};

// A VPI drawn (inside the plot): its mark and the index of its label in `texts`, -1 for none.
struct SectionVPI {
  ScreenPoint at;
  size_t index = 0;  // in the profile's VPIs
  int label = -1;
  int leader = -1;  // its leader in `leaders`, -1 where the label stands beside the point
};

struct SectionLayout {
  bool drawn = false;  // false when the area is too small for a plot or the track has no length
  SectionMap map;
  int bandRows = 0;                 // rows of VPI labels above the plot
  double markRadius = 0;            // a VPI's circle
  double crossArm = 0;              // a point's cross
  std::vector<SectionLine> ticks;   // the axes' tick marks
  std::vector<SectionLine> grades;  // the grade lines, VPI to VPI, not clipped
  std::vector<ScreenPoint> line;    // the design line with its vertical curves, not clipped
  std::vector<SectionVPI> vpis;
  std::vector<ScreenPoint> crosses;  // the points with a height
  std::vector<SectionLine> leaders;  // from a label to its point
  std::vector<SectionText> texts;
};

struct SectionStyle {
  double pixel = 1;         // device units per screen pixel: gaps, marks
  double fontHeight = 13;   // the label font's size
  bool everyLabel = false;  // paper: every VPI's label, and every grade's that its grade can hold
};

// The long section of the scene's profile in `area`, its labels measured with `font`. On screen a
// label that finds no free place is left out (a grade's, too, where its grade is shorter than the
// label); with `everyLabel` each VPI's label and the label of each grade at least as long as it is
// drawn even then, in the least crowded place. (Made by the placer: section_placer.cpp.)
SectionLayout LayOutSection(const DrawingScene& scene, const ScreenRect& area,
                            const LabelFont& font, const SectionStyle& style);
