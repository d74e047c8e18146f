// Curve by Versines on any bytes: the input up to its first NUL is the selection, the rest the
// field texts cut at NULs (Step, L1, L2, R; see calculator_fuzz.h). Whatever the texts, the block
// echoes the fields, then holds only problem lines, or one row of seven columns per selected line,
// an empty line and the design's three lines with the stations counted; no figure is a negative
// zero.
#include <string>
#include <vector>

#include "calculator_fuzz.h"
#include "point_lists/point_lines.h"
#include "versines/versine_report.h"
#include "versines/versines.h"

namespace {

std::string selection;

CalcOutcome ComputeVersines(RememberedInputs& in) {
  CalcOutcome outcome;
  const VersineTexts texts = {in.Name[VersineStep], in.Name[VersineL1], in.Name[VersineL2],
                              in.Name[VersineR]};
  outcome.blocksAfterOutputs.push_back(VersineResultText(CalculateVersines(texts, selection)));
  return outcome;
}

std::vector<std::string> Split(const std::string& text, const std::string& by) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t at = text.find(by); at != std::string::npos; at = text.find(by, start)) {
    pieces.push_back(text.substr(start, at - start));
    start = at + by.size();
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

void CheckResult(const std::string& result) {
  const std::string detail = "result " + Visible(result.substr(0, 2000));
  std::vector<std::string> lines = Split(result, "\r\n");
  FuzzCheck(lines.size() >= 3 && lines.front().empty() && lines.back().empty(),
            "the result opens with an empty line and ends with CR LF", detail);
  lines.pop_back();
  if (lines[1].compare(0, 1, "!") == 0) {
    for (std::size_t i = 1; i < lines.size(); ++i)
      FuzzCheck(lines[i].size() >= 2 && lines[i].front() == '!' && lines[i].back() == '!',
                "a block with problems holds only problem lines", detail);
    return;
  }
  const std::size_t n = NonBlankLines(selection).size();
  FuzzCheck(lines.size() == n + 6, "one row per selected line and the design's lines", detail);
  FuzzCheck(lines[1] == "Station\tf\tf design\tdf\tSum 1\tSum 2\tSlew", "the table's header",
            detail);
  for (std::size_t i = 2; i < n + 2; ++i) {
    const std::vector<std::string> columns = Split(lines[i], "\t");
    FuzzCheck(columns.size() >= 7, "a row has seven columns", detail);
    for (std::size_t c = columns.size() - 6; c < columns.size(); ++c)
      FuzzCheck(columns[c] != "-0.0", "no figure is a negative zero", detail);
  }
  const std::string count = "Stations=" + std::to_string(n) + "   Largest slew=";
  FuzzCheck(lines[n + 2].empty() && lines[n + 3].compare(0, 2, "R=") == 0 &&
                lines[n + 4].compare(0, 3, "TS=") == 0 &&
                lines[n + 5].compare(0, count.size(), count) == 0,
            "the design's three lines count the stations", detail);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = input.find('\0');
  selection = input.substr(0, cut);
  const std::size_t fields = cut == std::string::npos ? size : cut + 1;
  FuzzCalculator(kCurveByVersines, ComputeVersines, data + fields, size - fields, true);
  // The result's part as CALC on a fresh record computes it after the echo.
  const RememberedInputs opening = InitialInputs();
  const std::map<int, std::string> typed =
      TypedTexts(kCurveByVersines, data + fields, size - fields);
  std::vector<std::string> texts;
  for (const InputField& field : kCurveByVersines.inputs) {
    const auto found = typed.find(field.controlId);
    texts.push_back(found != typed.end() ? found->second : OpeningText(field, opening));
  }
  CheckResult(
      VersineResultText(CalculateVersines({texts[0], texts[1], texts[2], texts[3]}, selection)));
  return 0;
}
