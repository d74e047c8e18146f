// The long section of the alignment drawing: chainage across, height up, the design line with
// its vertical curves, the VPIs with their PK and H, the grades, and the points with their dH.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "drawing_window/drawing_gdi.h"
#include "drawing_window/drawing_parts.h"

namespace {

// The most ticks on the long section's axes.
constexpr size_t kMostTicks = 2000;

// Chainage across, height up, each stretched to fill its box.
struct SectionMap {
  ScreenRect box;
  double PKfrom, PKto, Hlow, Hhigh;
  ScreenPoint At(double PK, double H) const {
    return {box.left + (PK - PKfrom) / (PKto - PKfrom) * (box.right - box.left),
            box.bottom - (H - Hlow) / (Hhigh - Hlow) * (box.bottom - box.top)};
  }
};

std::string Fixed(double value, int decimals, bool sign) {
  char text[64];
  std::snprintf(text, sizeof text, sign ? "%+.*f" : "%.*f", decimals, value);
  return text;
}

void DrawSectionAxes(HDC dc, const SectionMap& map, const DrawingFrame& frame) {
  Selected pen(dc, MakePen(frame, 1, kFrame));
  HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, static_cast<int>(map.box.left), static_cast<int>(map.box.top),
            static_cast<int>(map.box.right) + 1, static_cast<int>(map.box.bottom) + 1);
  SelectObject(dc, previousBrush);
  SetTextColor(dc, kTicks);
  const ScreenRect anywhere = Grown(map.box, 1e4);
  const double tick = 5 * frame.pixel;
  // Heights: a label's height apart and more.
  const double perMetre = (map.box.bottom - map.box.top) / (map.Hhigh - map.Hlow);
  const double Hstep = RoundStepAtLeast(1.6 * frame.fontHeight / perMetre);
  // Counted, not stepped: far from 0 a multiple plus one may round back to itself.
  const double firstH = std::ceil(map.Hlow / Hstep);
  for (size_t n = 0; n < kMostTicks; ++n) {
    const double k = firstH + static_cast<double>(n);
    if (!(k * Hstep <= map.Hhigh) || (n > 0 && k == firstH + static_cast<double>(n - 1))) break;
    const ScreenPoint at = map.At(map.PKfrom, k * Hstep);
    Segment(dc, at, {at.x - tick, at.y}, anywhere);
    Label(dc, {at.x - tick, at.y}, -1, 0, 2 * frame.pixel, TickLabel(k * Hstep, Hstep), anywhere);
  }
  const SIZE digit = TextSize(dc, "0");
  const double PKstep = LabelledTickStep(map.PKfrom, map.PKto,
                                         (map.box.right - map.box.left) / (map.PKto - map.PKfrom),
                                         static_cast<double>(digit.cx));
  const double firstPK = std::ceil(map.PKfrom / PKstep - 1e-9);
  for (size_t n = 0; n < kMostTicks; ++n) {
    const double k = firstPK + static_cast<double>(n);
    if (!(k * PKstep <= map.PKto + 1e-9 * PKstep) ||
        (n > 0 && k == firstPK + static_cast<double>(n - 1)))
      break;
    const ScreenPoint at = map.At(k * PKstep, map.Hlow);
    Segment(dc, at, {at.x, at.y + tick}, anywhere);
    Label(dc, {at.x, at.y + tick}, 0, 1, frame.pixel, TickLabel(k * PKstep, PKstep), anywhere);
  }
}

}  // namespace

void DrawSection(HDC dc, const DrawingScene& scene, const DrawingFrame& frame,
                 const ScreenRect& area) {
  const std::vector<ProfileVPI>& vpis = scene.profile.vpis;
  const HeightRange heights = SectionHeights(scene);
  double spare = (heights.high - heights.low) * 0.15;
  if (!(spare > 0)) spare = 1;
  const SIZE wide = TextSize(dc, "000000.0");
  SectionMap map{{area.left + wide.cx + 12 * frame.pixel, area.top + frame.fontHeight * 3.2,
                  area.right - 20 * frame.pixel, area.bottom - frame.fontHeight * 2},
                 ChainageSpanOf(scene.alignment).from,
                 ChainageSpanOf(scene.alignment).to,
                 heights.low - spare,
                 heights.high + spare * 2.5};
  if (!(map.box.right > map.box.left + 10 && map.box.bottom > map.box.top + 10) ||
      !(map.PKto > map.PKfrom))
    return;
  DrawSectionAxes(dc, map, frame);
  const ScreenRect clip = map.box;

  // The grade lines light and dashed, the design line with its vertical curves over them.
  {
    Selected pen(dc, MakePen(frame, 1, kConstruction));
    for (size_t j = 0; j + 1 < vpis.size(); ++j) {
      DashedSegment(dc, map.At(vpis[j].PK, vpis[j].H), map.At(vpis[j + 1].PK, vpis[j + 1].H), clip,
                    8 * frame.pixel, 5 * frame.pixel);
    }
  }
  LabelPlaces places(4 * frame.fontHeight);
  // The axes' labels outside the box.
  places.Take({area.left, map.box.bottom, area.right, area.bottom});
  places.Take({area.left, area.top, map.box.left, area.bottom});
  {
    Selected pen(dc, MakePen(frame, 2, kTrack));
    std::vector<ScreenPoint> line;
    const double from = std::fmax(vpis.front().PK, map.PKfrom);
    const double to = std::fmin(vpis.back().PK, map.PKto);
    const int steps =
        static_cast<int>(std::fmin(4000, (map.box.right - map.box.left) / frame.pixel));
    for (int i = 0; i <= steps && to > from; ++i) {
      const double PK = from + (to - from) * i / steps;
      double H = 0;
      if (DesignHeight(scene.profile, PK, H)) line.push_back(map.At(PK, H));
    }
    ClippedPolyline(dc, line, clip);
    for (size_t i = 0; i + 1 < line.size(); ++i)
      TakeLine(places, line[i], line[i + 1], 2 * frame.pixel, 12 * frame.pixel, clip);
  }
  // The points with a height, as crosses at their chainage, in one call.
  const double arm = 4 * frame.pixel;
  {
    std::vector<POINT> ends;
    for (const DrawingPoint& point : scene.points) {
      if (!point.onTrack || !point.hasHeight) continue;
      const ScreenPoint at = map.At(point.PK, point.H);
      if (!Inside(Grown(clip, -arm), at)) continue;
      for (const ScreenPoint& end :
           {ScreenPoint{at.x - arm, at.y - arm}, ScreenPoint{at.x + arm, at.y + arm},
            ScreenPoint{at.x - arm, at.y + arm}, ScreenPoint{at.x + arm, at.y - arm}})
        ends.push_back(Rounded(end));
      places.Take({at.x - arm, at.y - arm, at.x + arm, at.y + arm});
    }
    if (!ends.empty()) {
      Selected pen(dc, MakePen(frame, 1.2, kPointOnTrack));
      const std::vector<DWORD> counts(ends.size() / 2, 2);
      PolyPolyline(dc, ends.data(), counts.data(), static_cast<DWORD>(counts.size()));
    }
  }
  // Each VPI: a small circle, a thin line down to the axis, its PK and H above (below where that
  // is taken); the grade of each stretch by its middle.
  const ScreenPoint up{0, -1};
  const ScreenPoint down{0, 1};
  {
    Selected pen(dc, MakePen(frame, 1, kText));
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SetTextColor(dc, kText);
    const ScreenRect labels = Grown(clip, frame.fontHeight * 3);
    const double radius = 3.5 * frame.pixel;
    for (const ProfileVPI& vpi : vpis) {
      const ScreenPoint at = map.At(vpi.PK, vpi.H);
      if (!Inside(Grown(clip, 1), at)) continue;
      DashedSegment(dc, {at.x, at.y + radius}, {at.x, map.box.bottom}, clip, 2 * frame.pixel,
                    3 * frame.pixel);
      Ellipse(dc, static_cast<int>(std::lround(at.x - radius)),
              static_cast<int>(std::lround(at.y - radius)),
              static_cast<int>(std::lround(at.x + radius)) + 1,
              static_cast<int>(std::lround(at.y + radius)) + 1);
      places.Take({at.x - radius, at.y - radius, at.x + radius, at.y + radius});
      PlacedLabel(dc, places, at, {up, down, {0.7, -0.7}, {-0.7, -0.7}}, radius + frame.pixel, 6,
                  "PK " + Fixed(vpi.PK, 2, false) + "  H " + Fixed(vpi.H, 3, false), true, frame,
                  labels);
    }
    SelectObject(dc, previousBrush);
    for (size_t j = 0; j < scene.profile.grades.size() && j + 1 < vpis.size(); ++j) {
      const double PK = (vpis[j].PK + vpis[j + 1].PK) / 2;
      const ScreenPoint at = map.At(PK, (vpis[j].H + vpis[j + 1].H) / 2);
      if (!Inside(clip, at)) continue;
      PlacedLabel(dc, places, at, {down, up}, 4 * frame.pixel, 4,
                  Fixed(scene.profile.grades[j] * 1000, 2, true) + " \x89", true, frame, labels);
    }
  }
  // Their dH beside the points' crosses; among thousands, where there is room.
  SetTextColor(dc, kPointOnTrack);
  const bool mustShow = scene.points.size() <= kAlwaysNamedPoints;
  for (const DrawingPoint& point : scene.points) {
    if (!point.onTrack || !point.hasDesign) continue;
    const ScreenPoint at = map.At(point.PK, point.H);
    if (!Inside(clip, at)) continue;
    const ScreenPoint side{0.7, point.dH >= 0 ? -0.7 : 0.7};
    PlacedLabel(dc, places, at, {side, {-side.x, side.y}, {side.x, -side.y}, {-side.x, -side.y}},
                arm, 3, "dH " + Fixed(point.dH, 4, true), mustShow, frame, clip);
  }
}
