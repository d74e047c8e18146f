// Trace Alignment, the reports.
#include "alignment/alignment_report.h"

#include <algorithm>

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

// Title, empty line, PK start and the vertex lines as typed, the profile lines, empty line.
std::string BlockHead(const std::string& title, const AlignmentTexts& texts,
                      const AlignmentReading& reading) {
  std::string block = kReportLineEnd;
  AddLine(block, title);
  AddLine(block, "");
  AddLine(block, "PKstart=" + texts.PKstart);
  for (const std::string& line : reading.echo) AddLine(block, line);
  block += ProfileEcho(reading.profile);
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
// when there is a profile, then the length and the number of elements.
void AddElementTable(std::string& block, const Alignment& a, const Profile& profile,
                     bool xBeforeY) {
  const bool heights = !profile.vpis.empty();
  AddLine(block, "Element\tPK\t" + CoordinateHeader(xBeforeY) + "\tDirection\tR start\tR end\tL" +
                     (heights ? "\tH" : ""));
  const auto row = [&](const std::string& name, double PK, PlanePoint P, double direction,
                       const std::string& rest) {
    AddLine(block, name + kTab + LengthText(PK) + kTab + CoordinateColumns(P, xBeforeY) + kTab +
                       AngleText(direction) + kTab + rest +
                       (heights ? DesignHeightColumn(profile, PK) : ""));
  };
  const std::vector<ChainElement>& elements = a.chain.elements;
  double length = 0;
  for (size_t i = 0; i < elements.size(); ++i) {
    const ChainElement& e = elements[i];
    const bool straight = e.kind == ChainKind::Straight;
    row(ElementName(a, static_cast<int>(i)), e.PKstart, e.start, e.direction,
        (straight ? "-" : RadiusColumn(e.Rstart)) + kTab + (straight ? "-" : RadiusColumn(e.Rend)) +
            kTab + LengthText(e.L));
    length += e.L;
  }
  const ChainElement& last = elements.back();
  row("End", last.PKstart + last.L, last.end, last.endDirection, "-\t-\t-");
  AddLine(block, "");
  if (heights) {
    block += ProfileTable(profile);
    AddLine(block, "");
  }
  AddLine(block, "Length=" + LengthText(length) +
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
  if (IsElementForm(a)) {
    AddElementTable(block, a, profile, texts.xBeforeY);
    return block;
  }
  const size_t n = a.vertices.size();

  AddCurveTable(block, a);

  AddLine(block, "Point\tPK\t" + CoordinateHeader(texts.xBeforeY) + (heights ? "\tH" : ""));
  const auto row = [&](const std::string& name, double PK, PlanePoint P) {
    AddLine(block, name + kTab + LengthText(PK) + kTab + CoordinateColumns(P, texts.xBeforeY) +
                       (heights ? DesignHeightColumn(profile, PK) : ""));
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
  AddLine(block, "Length=" + LengthText(a.PKend - a.PKstart) +
                     "   Curves=" + Trim(NumToText(static_cast<double>(n - 2))));
  return block;
}

namespace {

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
  const Alignment& a = reading.alignment;
  const Profile& profile = reading.profile.profile;
  const bool heights = !profile.vpis.empty();
  const std::string coordinates = CoordinateHeader(texts.xBeforeY);
  if (heights) {
    AddLine(block, list ? "Point\t" + coordinates + "\tH\tPK\td\tH design\tdH\tElement"
                        : "Point\tPK\td\t" + coordinates + "\tH\tElement");
  } else {
    AddLine(block, list ? "Point\t" + coordinates + "\tPK\td\tElement"
                        : "Point\tPK\td\t" + coordinates + "\tElement");
  }

  std::vector<std::string> notRead;
  size_t points = 0, outside = 0;
  for (const std::string& line : NonBlankLines(selection)) {
    PointLine point;
    if (!ReadPointLine(line, point)) {
      notRead.push_back(NotReadText(line));
      continue;
    }
    ++points;
    std::string row = point.name + kTab;
    if (list) {
      const PlanePoint P = texts.xBeforeY ? PlanePoint{point.second, point.first}
                                          : PlanePoint{point.first, point.second};
      row += CoordinateColumns(P, texts.xBeforeY) + kTab;
      double H = 0;
      const bool hasHeight = heights && ReadPointHeight(line, H);
      if (heights) row += (hasHeight ? LengthText(H) : "-") + kTab;
      const AlignmentStation station = ProjectOntoAlignment(a, P);
      if (station.found) {
        double design = 0;
        const bool inProfile = heights && DesignHeight(profile, station.PK, design);
        row += LengthText(station.PK) + kTab + LengthText(station.d) + kTab;
        if (heights && inProfile) {
          row += LengthText(design) + kTab + (hasHeight ? LengthText(H - design) : "-") + kTab;
        } else if (heights) {
          row += "-\t-\t";
        }
        row += ElementName(a, station.element);
        if (heights && !inProfile) row += kTab + std::string(kChainageOutsideProfile);
      } else {
        row += std::string(heights ? "-\t-\t-\t-\t" : "-\t-\t") + kPointOutsideAlignment;
        ++outside;
      }
    } else {
      row += LengthText(point.first) + kTab + LengthText(point.second) + kTab;
      const int element = ElementAtChainage(a, point.first);
      double design = 0;
      const bool inProfile = heights && DesignHeight(profile, point.first, design);
      if (element >= 0) {
        // A chainage a hair outside the alignment is set out at its end.
        const double PK = ChainageOnElement(a, element, point.first);
        const PlanePoint P = SetOutOnElement(a, element, PK, point.second);
        row += CoordinateColumns(P, texts.xBeforeY) + kTab;
        if (heights) row += (inProfile ? LengthText(design) : "-") + kTab;
        row += ElementName(a, element);
        if (heights && !inProfile) row += kTab + std::string(kChainageOutsideProfile);
      } else {
        row += std::string(heights ? "-\t-\t-\t" : "-\t-\t") + kChainageOutsideAlignment;
        ++outside;
      }
    }
    AddLine(block, row);
  }
  block += PointListSummary(notRead, points, outside);
  return block;
}

}  // namespace

std::string AlignmentListBlock(const AlignmentTexts& texts, const std::string& selection) {
  return AlignmentPointList(ListStations, texts, selection);
}

std::string AlignmentSetOutBlock(const AlignmentTexts& texts, const std::string& selection) {
  return AlignmentPointList(SetOutStations, texts, selection);
}
