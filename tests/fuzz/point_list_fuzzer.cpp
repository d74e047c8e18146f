// Point lists on any selected bytes: the first byte picks the Trace element, the button and
// "X before Y"; the rest is the selection. Whatever the lines, the block keeps its frame, every
// non-blank line becomes exactly one row or one "Not read" line, and every cell of a row is a
// four-decimal number, "-" or the element's warning.
#include <string>
#include <vector>

#include "fuzz_checks.h"
#include "point_lists/point_lines.h"
#include "point_lists/point_list.h"
#include "trace/trace_circular.h"
#include "trace/trace_connecting.h"
#include "trace/trace_linear.h"

namespace {

struct Element {
  const CalculatorSpec* calculator;
  std::vector<std::string> texts;  // table order, the point fields last and ignored
};

// The worked element of each Trace dialog.
const Element& ElementFor(int index) {
  static const std::vector<Element> elements = {
      {&kTraceLinear, {"1000", "500", "200", "1100", "560", "280"}},
      {&kTraceCircular,
       {"1000", "0", "100", "1157.0796", "100", "0", "0", "0", "100", "0.05", "-0.02"}},
      {&kTraceConnecting,
       {"1000", "0", "0", "1100", "0", "100", "-300", "100", "300", "100", "0.01"}},
  };
  return elements[index % elements.size()];
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;) {
    parts.push_back(text.substr(start, end - start));
    start = end + separator.size();
  }
  parts.push_back(text.substr(start));
  return parts;
}

bool IsWarning(const std::string& cell) {
  return cell == kOutsideCircular || cell == kOutsideConnecting || cell == kFootPointNotFound;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int mode = data[0];
  const Element& element = ElementFor(mode & 3);
  const PointListAction action = (mode & 4) ? SetOutStations : ListStations;
  const bool xBeforeY = (mode & 8) != 0;
  const std::string selection(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::vector<std::string> lines = NonBlankLines(selection);

  RememberedInputs inputs = InitialInputs();
  const std::string block =
      PointListBlock(*element.calculator, element.texts, inputs, action, xBeforeY, lines);
  RememberedInputs none = InitialInputs();
  const std::string empty =
      PointListBlock(*element.calculator, element.texts, none, action, xBeforeY, {});
  const std::string detail = "block " + Visible(block.substr(0, 2000));

  // The element part is the same whatever the lines; the table starts right after it.
  const std::size_t header = empty.find("\r\nPoint\t") + 2;
  FuzzCheck(header > 2 && block.compare(0, header, empty, 0, header) == 0,
            "the block opens as it does without lines", detail);
  const std::string table = block.substr(header);
  FuzzCheck(table.size() >= 2 && table.compare(table.size() - 2, 2, "\r\n") == 0,
            "the block ends with CR LF", detail);

  std::size_t rows = 0, outside = 0, notRead = 0;
  bool summary = false;
  const std::vector<std::string> tableLines = Split(table.substr(0, table.size() - 2), "\r\n");
  FuzzCheck(tableLines[0].compare(0, 6, "Point\t") == 0, "the table opens with its header", detail);
  bool inRows = true;
  for (std::size_t index = 1; index < tableLines.size(); ++index) {
    const std::string& line = tableLines[index];
    if (inRows && line.empty()) {
      inRows = false;
    } else if (inRows) {
      const std::vector<std::string> cells = Split(line, "\t");
      FuzzCheck(cells.size() == 5 || cells.size() == 6, "a row has five or six cells", line);
      for (std::size_t i = 1; i < 5; ++i)
        FuzzCheck(cells[i] == "-" || IsFixedText(cells[i], 4), "a cell is a number or -", line);
      if (cells.size() == 6) {
        FuzzCheck(IsWarning(cells[5]) && cells[3] == "-" && cells[4] == "-",
                  "a row without a result carries the warning", line);
        ++outside;
      }
      ++rows;
    } else if (line.compare(0, 10, "Not read: ") == 0) {
      FuzzCheck(line.size() <= 10 + 63, "a line not read is shown cut", line);
      ++notRead;
    } else {
      const std::string expected = "Points=" + std::to_string(rows) +
                                   "   Outside=" + std::to_string(outside) +
                                   "   Not read=" + std::to_string(notRead);
      FuzzCheck(!summary && line == expected, "the summary counts the rows", line);
      summary = true;
    }
  }
  FuzzCheck(summary, "the block ends with its summary", detail);
  FuzzCheck(rows + notRead == lines.size(), "each line gives one row or one Not read line", detail);
  return 0;
}
