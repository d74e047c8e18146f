// Trace Alignment, the reports.
#include "alignment/alignment_report.h"

#include <algorithm>

#include "alignment/alignment_cant.h"
#include "alignment/alignment_heights.h"
#include "frame/report.h"
#include "geometry.h"
#include "number_text.h"
#include "point_lists/point_lines.h"
#include "point_lists/point_list.h"
#include "point_lists/point_list_summary.h"

const char* const kPointOutsideAlignment = "!Point outside of alignment!";
const char* const kChainageOutsideAlignment = "!Chainage outside of alignment!";

namespace {

const char* const kTitle = "Calculation on alignment";
const char* const kTab = "\t";

// One line of a block: its text and the line end.
void AddLine(std::string& block, const std::string& line) {
  block += line;
  block += kReportLineEnd;
}

// Title, empty line, PK start and the vertex lines as typed, the profile and cant lines, empty
// line.
std::string BlockHead(const std::string& title, const AlignmentTexts& texts,
                      const AlignmentReading& reading) {
  std::string block = kReportLineEnd;
  AddLine(block, title);
  AddLine(block, "");
  AddLine(block, "PKstart=" + texts.PKstart);
  for (const std::string& line : reading.echo) AddLine(block, line);
  block += ProfileEcho(reading.profile);
  block += CantEcho(reading.cant);
  AddLine(block, "");
  return block;
}

void AddProblems(std::string& block, const AlignmentReading& reading) {
  for (const std::string& problem : reading.problems) AddLine(block, problem);
}

// The two coordinate columns in the order the user chose.
std::string CoordinateColumns(PlanePoint P, bool xBeforeY) {
  return xBeforeY ? LengthText(P.X) + kTab + LengthText(P.Y)
                  : LengthText(P.Y) + kTab + LengthText(P.X);
}

std::string CoordinateHeader(bool xBeforeY) {
  return xBeforeY ? "X\tY" : "Y\tX";
}

// The curve table and the empty line after it. Its columns: one L and one T while every curve
// has L2 = L, otherwise both spirals and both tangents, with D = T in + T out - K.
void AddCurveTable(std::string& block, const Alignment& a) {
  const size_t n = a.vertices.size();
  bool unequal = false;
  for (size_t i = 1; i + 1 < n; ++i) unequal = unequal || a.curves[i].L2 != a.curves[i].L;
  AddLine(block, unequal ? "Vertex\tAngle\tR\tL in\tL out\tT in\tT out\tK\tD\tPK"
                         : "Vertex\tAngle\tR\tL\tT\tK\tD\tPK");
  for (size_t i = 1; i + 1 < n; ++i) {
    const VertexCurve& c = a.curves[i];
    const std::string spirals = unequal ? LengthText(c.L) + kTab + LengthText(c.L2) + kTab +
                                              LengthText(c.T) + kTab + LengthText(c.T2)
                                        : LengthText(c.L) + kTab + LengthText(c.T);
    AddLine(block, a.vertices[i].name + kTab + AngleText(c.theta) + kTab + LengthText(c.R) + kTab +
                       spirals + kTab + LengthText(c.K) + kTab + LengthText(c.D) + kTab +
                       LengthText(c.PK));
  }
  AddLine(block, "");
}

// A radius column: "-" for a straight's infinite radius.
std::string RadiusColumn(double R) {
  return R == 0 ? "-" : LengthText(R);
}

// The element form's CALC: one row per element where it starts, the End row, the profile table
// when there is a profile, then the length and the number of elements. H and Cant as in the main
// points table, and with a pivot line each rail's height.
void AddElementTable(std::string& block, const Alignment& a, const Profile& profile,
                     const Cant& cant, bool xBeforeY) {
  const bool heights = !profile.vpis.empty();
  const bool cants = !cant.points.empty();
  const bool rails = HasTrackHeights(profile, cant);
  AddLine(block, "Element\tPK\t" + CoordinateHeader(xBeforeY) + "\tDirection\tR start\tR end\tL" +
                     (heights ? "\tH" : "") + (cants ? kCantColumnHead : "") +
                     (rails ? kRailHeightsHead : ""));
  const auto row = [&](const std::string& name, double PK, PlanePoint P, double direction,
                       const std::string& rest) {
    AddLine(block, name + kTab + LengthText(PK) + kTab + CoordinateColumns(P, xBeforeY) + kTab +
                       AngleText(direction) + kTab + rest +
                       (heights ? DesignHeightColumn(profile, PK) : "") +
                       (cants ? DesignCantColumn(cant, PK) : "") +
                       (rails ? RailHeightsColumns(profile, cant, PK) : ""));
  };
  const std::vector<ChainElement>& elements = a.chain.elements;
  for (size_t i = 0; i < elements.size(); ++i) {
    const ChainElement& e = elements[i];
    const bool straight = e.kind == ChainKind::Straight;
    row(ElementName(a, static_cast<int>(i)), e.PKstart, e.start, e.direction,
        (straight ? "-" : RadiusColumn(e.Rstart)) + kTab + (straight ? "-" : RadiusColumn(e.Rend)) +
            kTab + LengthText(e.L));
  }
  const ChainElement& last = elements.back();
  row("End", last.PKstart + last.L, last.end, last.endDirection, "-\t-\t-");
  AddLine(block, "");
  if (heights) {
    block += ProfileTable(profile);
    AddLine(block, "");
  }
  AddLine(block, "Length=" + LengthText(TrackLength(a)) +
                     "   Elements=" + Trim(NumToText(static_cast<double>(elements.size()))));
}

}  // namespace

std::string AlignmentCalcBlock(const AlignmentTexts& texts) {
  const AlignmentReading reading = ReadAlignment(texts);
  std::string block = BlockHead(kTitle, texts, reading);
  if (!reading.problems.empty()) {
    AddProblems(block, reading);
    return block;
  }
  const Alignment& a = reading.alignment;
  const Profile& profile = reading.profile.profile;
  const bool heights = !profile.vpis.empty();
  const Cant& cant = reading.cant.cant;
  const bool cants = !cant.points.empty();
  if (IsElementForm(a)) {
    AddElementTable(block, a, profile, cant, texts.xBeforeY);
    return block;
  }
  const size_t n = a.vertices.size();

  AddCurveTable(block, a);

  const bool rails = HasTrackHeights(profile, cant);
  AddLine(block, "Point\tPK\t" + CoordinateHeader(texts.xBeforeY) + (heights ? "\tH" : "") +
                     (cants ? kCantColumnHead : "") + (rails ? kRailHeightsHead : ""));
  const auto row = [&](const std::string& name, double PK, PlanePoint P) {
    AddLine(block, name + kTab + LengthText(PK) + kTab + CoordinateColumns(P, texts.xBeforeY) +
                       (heights ? DesignHeightColumn(profile, PK) : "") +
                       (cants ? DesignCantColumn(cant, PK) : "") +
                       (rails ? RailHeightsColumns(profile, cant, PK) : ""));
  };
  row(a.vertices[0].name, a.PKstart, a.vertices[0].at);
  for (size_t i = 1; i + 1 < n; ++i) {
    const VertexCurve& c = a.curves[i];
    const std::string& name = a.vertices[i].name;
    row(name + " NSK", c.PK_NSK, c.NSK);
    row(name + " NKK", c.PK_NKK, c.NKK);
    row(name + " KKK", c.PK_KKK, c.KKK);
    row(name + " KSK", c.PK_KSK, c.KSK);
  }
  row(a.vertices[n - 1].name, a.PKend, a.vertices[n - 1].at);
  AddLine(block, "");
  if (heights) {
    block += ProfileTable(profile);
    AddLine(block, "");
  }
  AddLine(block, "Length=" + LengthText(TrackLength(a)) +
                     "   Curves=" + Trim(NumToText(static_cast<double>(n - 2))));
  return block;
}

namespace {

// What the rows of a point list need besides the point line.
struct PointListContext {
  const Alignment& a;
  const Profile& profile;
  bool heights;
  const Cant& cant;
  bool cants;
  bool xBeforeY;
  bool track;  // the heights of the canted track: a pivot line and a profile
};

// A "List PK, d" row after the point's name, each column after a TAB; outside gets whether the
// point lies off the alignment. The columns: the coordinates, [H], PK, d, [H design, dH], [Cant,
// Cant design, dCant], [H track, dH track], the element, then the warnings of a chainage outside
// the profile or cant.
std::string ListColumns(const PointListContext& c, const std::string& line, const PointLine& point,
                        bool& outside) {
  const PlanePoint P =
      c.xBeforeY ? PlanePoint{point.second, point.first} : PlanePoint{point.first, point.second};
  std::string row = kTab + CoordinateColumns(P, c.xBeforeY);
  double H = 0;
  const bool hasHeight = c.heights && ReadPointHeight(line, H);
  if (c.heights) row += kTab + (hasHeight ? LengthText(H) : "-");
  const MeasuredCant measured = c.cants ? ReadPointCant(line) : MeasuredCant();
  const AlignmentStation station = ProjectOntoAlignment(c.a, P);
  outside = !station.found;
  if (outside) {
    row += c.heights ? "\t-\t-\t-\t-" : "\t-\t-";
    if (c.cants) row += CantListColumnsOffAlignment(measured);
    if (c.track) row += "\t-\t-";
    return row + kTab + kPointOutsideAlignment;
  }
  row += kTab + LengthText(station.PK) + kTab + LengthText(station.d);
  double design = 0;
  const bool inProfile = c.heights && DesignHeight(c.profile, station.PK, design);
  if (inProfile) {
    row += kTab + LengthText(design) + kTab + (hasHeight ? LengthText(H - design) : "-");
  } else if (c.heights) {
    row += "\t-\t-";
  }
  if (c.cants) row += CantListColumns(c.cant, measured, station.PK);
  if (c.track)
    row += TrackHeightListColumns(c.profile, c.cant, station.PK, station.d, hasHeight, H);
  row += kTab + ElementName(c.a, station.element);
  if (c.heights && !inProfile) row += kTab + std::string(kChainageOutsideProfile);
  if (c.cants) row += CantWarningColumn(c.cant, station.PK);
  return row;
}

// A "Set out" row after the point's name: PK, d, the coordinates, [H], [Cant], [H track], the
// element, then the warnings of a chainage outside the profile or cant.
std::string SetOutColumns(const PointListContext& c, const PointLine& point, bool& outside) {
  std::string row = kTab + LengthText(point.first) + kTab + LengthText(point.second);
  const int element = ElementAtChainage(c.a, point.first);
  outside = element < 0;
  if (outside) {
    row += c.heights ? "\t-\t-\t-" : "\t-\t-";
    if (c.cants) row += "\t-";
    if (c.track) row += "\t-";
    return row + kTab + kChainageOutsideAlignment;
  }
  // A chainage a hair outside the alignment is set out at its end.
  const double PK = ChainageOnElement(c.a, element, point.first);
  const PlanePoint P = SetOutOnElement(c.a, element, PK, point.second);
  row += kTab + CoordinateColumns(P, c.xBeforeY);
  double design = 0;
  const bool inProfile = c.heights && DesignHeight(c.profile, point.first, design);
  if (c.heights) row += kTab + (inProfile ? LengthText(design) : "-");
  if (c.cants) row += DesignCantColumn(c.cant, point.first);
  if (c.track) row += TrackHeightColumn(c.profile, c.cant, point.first, point.second);
  row += kTab + ElementName(c.a, element);
  if (c.heights && !inProfile) row += kTab + std::string(kChainageOutsideProfile);
  if (c.cants) row += CantWarningColumn(c.cant, point.first);
  return row;
}

// The table, "Not read" lines and summary of a point list against the alignment.
std::string AlignmentPointList(PointListAction action, const AlignmentTexts& texts,
                               const std::string& selection) {
  const AlignmentReading reading = ReadAlignment(texts);
  const bool list = action == ListStations;
  std::string block =
      BlockHead(std::string(kTitle) + (list ? ": point list" : ": setting out"), texts, reading);
  if (!reading.problems.empty()) {
    AddProblems(block, reading);
    return block;
  }
  const Profile& profile = reading.profile.profile;
  const Cant& cant = reading.cant.cant;
  const PointListContext context = {
      reading.alignment,    profile,        !profile.vpis.empty(),         cant,
      !cant.points.empty(), texts.xBeforeY, HasTrackHeights(profile, cant)};
  const std::string coordinates = CoordinateHeader(texts.xBeforeY);
  const std::string H = context.heights ? "\tH" : "";
  if (list) {
    AddLine(block, "Point\t" + coordinates + H + "\tPK\td" +
                       (context.heights ? "\tH design\tdH" : "") +
                       (context.cants ? kCantListColumnsHead : "") +
                       (context.track ? kTrackHeightListHead : "") + "\tElement");
  } else {
    AddLine(block, "Point\tPK\td\t" + coordinates + H + (context.cants ? kCantColumnHead : "") +
                       (context.track ? kTrackHeightHead : "") + "\tElement");
  }

  const SelectedPoints selected = ReadSelectedPoints(selection);
  size_t outside = 0;
  for (const SelectedPoint& each : selected.read) {
    const std::string& line = each.line;
    const PointLine& point = each.point;
    bool off = false;
    const std::string columns =
        list ? ListColumns(context, line, point, off) : SetOutColumns(context, point, off);
    if (off) ++outside;
    AddLine(block, point.name + columns);
  }
  block += PointListSummary(selected.notRead, selected.read.size(), outside);
  return block;
}

}  // namespace

std::string AlignmentListBlock(const AlignmentTexts& texts, const std::string& selection) {
  return AlignmentPointList(ListStations, texts, selection);
}

std::string AlignmentSetOutBlock(const AlignmentTexts& texts, const std::string& selection) {
  return AlignmentPointList(SetOutStations, texts, selection);
}
