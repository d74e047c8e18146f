// Reading point lines: the lines of a selection in the editor, their fields and their numbers, as
// a surveyor pastes them from a total station's export or a spreadsheet. Portable.
//
// A point line is "name, first, second[, more...]" or just "first, second". Fields are separated
// by commas, or by semicolons and TABs when the line holds either (a comma is then a decimal
// comma); blanks separate fields too and a run of separators counts as one.
#pragma once

#include <string>
#include <vector>

// The lines of a selection: a line ends at CR LF, LF or CR. Lines of only blanks and TABs are left
// out. The text may start or end in the middle of a line; any bytes may appear.
std::vector<std::string> NonBlankLines(const std::string& text);

// The fields of one line by the point-list rules: when the line holds a ';' or a TAB, fields are
// separated by ';' and TAB and a ',' inside a field is a decimal comma (decimalComma = true);
// otherwise by ','. Blanks separate fields too; a run of separators counts as one.
struct LineFields {
  std::vector<std::string> fields;
  bool decimalComma = false;
};
LineFields SplitFields(const std::string& line);

// A field that is a number written in full (optional sign, digits with an optional decimal point
// -- or decimal comma when decimalComma -- and an optional exponent), whose correctly rounded
// double is finite. "2.5m", "0x10", "inf", "nan", "" and 1e999 are not numbers. With decimalComma a
// decimal point is still accepted ("530.25" in a TAB-separated line); a number has at most one of
// them.
bool ReadFullNumber(const std::string& field, bool decimalComma, double& value);

// A line as the report shows it after "Not read: ": without leading and trailing blanks and TABs,
// cut after 60 characters with "..." added when longer.
std::string NotReadText(const std::string& line);

// One point line read: three or more fields give a name and the next two numbers (further fields,
// a height or a code, are ignored); exactly two fields give the two numbers and an empty name.
struct PointLine {
  std::string name;
  double first = 0.0;
  double second = 0.0;
};

// Reads one line; false (point unchanged) when it has too few fields or a field that should be a
// number is not one.
bool ReadPointLine(const std::string& line, PointLine& point);

// The selection's lines read as points: every line that reads, with its text (for the further
// fields a block takes from it: a height, a cant), and the "Not read" text of every line that
// does not, each in line order.
struct SelectedPoint {
  std::string line;
  PointLine point;
};
struct SelectedPoints {
  std::vector<SelectedPoint> read;
  std::vector<std::string> notRead;
};
SelectedPoints ReadSelectedPoints(const std::string& selection);
