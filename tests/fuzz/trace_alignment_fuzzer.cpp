// Trace Alignment on any bytes: the first byte picks the button and "X before Y"; the rest is
// split at the first NUL into the vertex lines and the selection (none: the worked alignment's
// vertices). Whatever the text, each block starts with its title and ends with CR LF, the echo
// holds every non-blank vertex line, and a block with problems ends in problem lines only; a
// point list has one row or one "Not read" line per selected line.
#include <string>
#include <vector>

#include "alignment_report.h"
#include "fuzz_checks.h"
#include "point_lines.h"

namespace {

const char* const kWorkedVertices =
    "V0 500 200\nV1 900 1200 600 120\nV2 700 2200 800 0\nV3 1500 3000 500 80\nV4 1600 4000";

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int mode = data[0];
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t cut = rest.find('\0');
  AlignmentTexts texts;
  texts.PKstart = "1000";
  texts.xBeforeY = (mode & 4) != 0;
  texts.vertices = cut == std::string::npos ? kWorkedVertices : rest.substr(0, cut);
  const std::string selection = cut == std::string::npos ? rest : rest.substr(cut + 1);

  const int button = mode & 3;
  const std::string block = button == 0   ? AlignmentCalcBlock(texts)
                            : button == 1 ? AlignmentListBlock(texts, selection)
                                          : AlignmentSetOutBlock(texts, selection);
  const std::string detail = "block " + Visible(block.substr(0, 2000));
  FuzzCheck(block.compare(0, 26, "\r\nCalculation on alignment") == 0,
            "the block opens with its title", detail);
  FuzzCheck(EndsWith(block, "\r\n"), "the block ends with CR LF", detail);

  const AlignmentReading reading = ReadAlignment(texts);
  FuzzCheck(reading.echo == NonBlankLines(texts.vertices), "every vertex line is echoed", detail);
  if (!reading.problems.empty()) {
    std::string problems;
    for (const std::string& line : reading.problems) {
      FuzzCheck(line.size() >= 2 && line.front() == '!' && line.back() == '!',
                "a problem line is a warning", line);
      problems += line + "\r\n";
    }
    FuzzCheck(EndsWith(block, "\r\n\r\n" + problems), "problems end the block", detail);
    return 0;
  }
  if (button != 0) {
    std::string head = std::string("\r\nCalculation on alignment") +
                       (button == 1 ? ": point list" : ": setting out") +
                       "\r\n\r\nPKstart=1000\r\n";
    for (const std::string& line : reading.echo) head += line + "\r\n";
    head += "\r\n";
    FuzzCheck(block.compare(0, head.size(), head) == 0, "the block opens with the echo", detail);
    const std::size_t tableEnd = block.find("\r\n\r\n", head.size());
    FuzzCheck(tableEnd != std::string::npos, "the table ends with an empty line", detail);
    std::size_t lines = 0;  // the header and the rows
    for (std::size_t at = head.size(); at <= tableEnd; at = block.find("\r\n", at) + 2) ++lines;
    std::size_t notRead = 0;
    for (std::size_t at = block.find("\r\nNot read: ", tableEnd); at != std::string::npos;
         at = block.find("\r\nNot read: ", at + 2))
      ++notRead;
    FuzzCheck(lines - 1 + notRead == NonBlankLines(selection).size(),
              "each selected line gives one row or one Not read line", detail);
    FuzzCheck(EndsWith(block, "   Not read=" + std::to_string(notRead) + "\r\n"),
              "the summary counts the lines not read", detail);
  }
  return 0;
}
