// The drawing of an alignment as plain data, in survey coordinates: what Trace Alignment's
// "Drawing" shows, prints and copies. Screen, printer and clipboard draw the same scene.
//
// Glossary as in alignment.h and profile.h; a point's "foot" is the point of the track at its
// chainage (offset 0), so that the line from foot to point is its offset d.
#pragma once

#include <string>
#include <vector>

#include "alignment/alignment.h"
#include "alignment/alignment_report.h"
#include "alignment/profile.h"
#include "drawing/drawing_view.h"

// A main point of a curve (NSK, NKK, KKK, KSK) with its tick across the track; in the element
// form, where there are no vertices, each element's start.
struct DrawingMainPoint {
  std::string name;  // "V1 NSK"; in the element form the element's number, "1", "2", ...
  PlanePoint at;
  PlanePoint inward;  // unit normal towards the curve's centre: where its label goes
};

// A surveyed point of the selection.
struct DrawingPoint {
  std::string name;
  PlanePoint at;
  bool onTrack = false;  // its perpendicular falls on the alignment
  PlanePoint foot{0, 0};
  double PK = 0;
  double d = 0;
  bool hasHeight = false;  // the line gave a height
  double H = 0;
  bool hasDesign = false;  // its chainage lies on the profile: dH = H - design height
  double dH = 0;
};

struct DrawingScene {
  std::string problem;  // the first problem line; the rest is empty when there is one
  Alignment alignment;
  std::vector<PlanePoint> vertexLabelSide;  // per vertex, unit direction away from its curve
  std::vector<DrawingMainPoint> mainPoints;
  std::vector<DrawingPoint> points;
  Profile profile;  // no VPIs: no long section
};

// Reads the dialog's texts as CALC does and the selection's point lines as "List PK, d" does
// (lines that cannot be read are left out; a height is a fourth field that is a number written in
// full, as "List PK, d" takes it). An alignment or profile that cannot be read gives only
// `problem`.
DrawingScene BuildDrawingScene(const AlignmentTexts& texts, const std::string& selection);

// Every vertex, the track and every point: what fitting must show. In the element form, without
// vertices, the whole track.
SurveyBox SceneBox(const DrawingScene& scene);

// The element traced as a polyline whose chords stray from the track by at most `tolerance`
// (units of length); a straight is its two ends. The number of points is bounded (100,000).
std::vector<PlanePoint> TraceElement(const Alignment& alignment, int element, double tolerance);

// Where an element lies: within `reach` of `centre` (its first point and its length).
struct ElementReach {
  PlanePoint centre;
  double reach;
};
ElementReach ReachOfElement(const Alignment& alignment, int element);

// A chainage tick: its PK, its place on the track and the unit normal to the left of growing
// chainage (where its label goes).
struct ChainageTick {
  double PK;
  PlanePoint at;
  PlanePoint left;
};

// The ticks at every multiple of `step` from `from` to `to` (within PK start and the end); none
// when there would be more than `most`. In the element form, whose chainages may jump at a
// station equation, each element's multiples within its own range, a tick at a joint once.
std::vector<ChainageTick> ChainageTicks(const Alignment& alignment, double step, double from,
                                        double to, size_t most);

// The lowest and highest chainage of the track: PK start and the end, or in the element form,
// where a station equation may set the chainage back, the extremes of its elements' ranges.
struct ChainageSpan {
  double from;
  double to;
};
ChainageSpan ChainageSpanOf(const Alignment& alignment);

// The long section's heights: the lowest and highest of the design line and the points' heights.
struct HeightRange {
  double low;
  double high;
};
HeightRange SectionHeights(const DrawingScene& scene);
