// Trace Alignment with a cant: the cant pieces of the reports and the "List cant" block.
#include "alignment/alignment_cant.h"

#include <vector>

#include "frame/report.h"
#include "geometry.h"
#include "point_lists/point_lines.h"
#include "point_lists/point_list_summary.h"

const char* const kCantColumnHead = "\tCant";
const char* const kCantListColumnsHead = "\tCant\tCant design\tdCant";

namespace {

const char* const kTab = "\t";

std::string Line(const std::string& text) {
  return text + kReportLineEnd;
}

// Cants are shown to a tenth of a millimetre, twists to a hundredth of a mm/m; a value that
// rounds to zero without its sign (a ramp from 0 starts at "0.0", not "-0.0").
std::string CantText(double C) {
  return UnsignedFixedText(C, 1);
}
std::string TwistText(double twist) {
  return UnsignedFixedText(twist, 2);
}

// The value of largest absolute size seen so far (the first on a tie) and its row's chainage.
struct Largest {
  bool found = false;
  double value = 0.0;
  double PK = 0.0;
  void Take(double x, double at) {
    if (found && !(Absolute(x) > Absolute(value))) return;
    found = true;
    value = x;
    PK = at;
  }
};

// "Largest dCant=... at PK ...   Largest twist=... at PK ..." with the parts that have a value;
// nothing when neither has.
std::string LargestLine(const Largest& dCant, const Largest& twist) {
  std::string line;
  if (dCant.found)
    line = "Largest dCant=" + CantText(dCant.value) + " at PK " + FixedText(dCant.PK, 4);
  if (twist.found) {
    if (!line.empty()) line += "   ";
    line += "Largest twist=" + TwistText(twist.value) + " at PK " + FixedText(twist.PK, 4);
  }
  return line.empty() ? "" : Line(line);
}

}  // namespace

std::string CantEcho(const CantReading& cant) {
  if (cant.echo.empty()) return "";
  std::string text = Line("Cant:");
  for (const std::string& line : cant.echo) text += Line(line);
  return text;
}

std::string DesignCantColumn(const Cant& cant, double PK) {
  double C = 0;
  return DesignCant(cant, PK, C) ? kTab + CantText(C) : "\t-";
}

MeasuredCant ReadPointCant(const std::string& line) {
  const LineFields split = SplitFields(line);
  MeasuredCant measured;
  measured.read =
      split.fields.size() >= 5 && ReadFullNumber(split.fields[4], split.decimalComma, measured.C);
  return measured;
}

std::string CantListColumns(const Cant& cant, MeasuredCant measured, double PK) {
  std::string columns = kTab + (measured.read ? CantText(measured.C) : "-");
  double design = 0;
  if (!DesignCant(cant, PK, design)) return columns + "\t-\t-";
  columns += kTab + CantText(design);
  return columns + kTab + (measured.read ? CantText(measured.C - design) : "-");
}

std::string CantListColumnsOffAlignment(MeasuredCant measured) {
  return kTab + (measured.read ? CantText(measured.C) : "-") + "\t-\t-";
}

std::string CantWarningColumn(const Cant& cant, double PK) {
  double C = 0;
  return DesignCant(cant, PK, C) ? "" : kTab + std::string(kChainageOutsideCant);
}

std::string AlignmentCantBlock(const AlignmentTexts& texts, const std::string& selection) {
  CantReading reading = ReadCant(texts.cant);
  // With no cant every chainage would be outside it: say what is missing instead.
  if (reading.echo.empty()) reading.problems.push_back("!Cant: at least two lines are needed!");
  std::string block = kReportLineEnd;
  block += Line("Calculation on alignment: cant");
  block += Line("");
  block += Line("Cant:");
  for (const std::string& line : reading.echo) block += Line(line);
  block += Line("");
  if (!reading.problems.empty()) {
    for (const std::string& problem : reading.problems) block += Line(problem);
    return block;
  }

  block += Line("Point\tPK\tCant\tCant design\tdCant\tTwist");
  const SelectedPoints selected = ReadSelectedPoints(selection);
  size_t outside = 0;
  Largest largestDCant, largestTwist;
  bool hasBefore = false;
  PointLine before;
  for (const SelectedPoint& each : selected.read) {
    const PointLine& point = each.point;
    const double PK = point.first, C = point.second;
    std::string row = point.name + kTab + FixedText(PK, 4) + kTab + CantText(C);
    double design = 0;
    const bool inside = DesignCant(reading.cant, PK, design);
    if (inside) {
      row += kTab + CantText(design) + kTab + CantText(C - design);
      largestDCant.Take(C - design, PK);
    } else {
      row += "\t-\t-";
      ++outside;
    }
    // The twist from the row read before; none where the two chainages are the same.
    if (hasBefore && PK != before.first) {
      const double twist = (C - before.second) / (PK - before.first);
      row += kTab + TwistText(twist);
      largestTwist.Take(twist, PK);
    } else {
      row += "\t-";
    }
    if (!inside) row += kTab + std::string(kChainageOutsideCant);
    block += Line(row);
    before = point;
    hasBefore = true;
  }
  block += PointListSummary(selected.notRead, selected.read.size(), outside);
  block += LargestLine(largestDCant, largestTwist);
  return block;
}
