// Trace Alignment on any bytes: the first byte picks the button (CALC, "List PK, d", "Set out",
// "List H"; "List cant" with 16), "X before Y" (4), the worked profile (8), the worked cant (32),
// the worked elements instead of the worked vertices (64) and, with 128, a pivot line first in
// the cant field ("pivot inner") and, with 64 too, the worked transitions of every law and their
// shaped cant ramps instead of the worked elements and cant; the rest is split at NULs into the
// vertex (or element) lines, the profile lines, the cant lines and the selection: "selection"
// alone (the worked vertices or elements), "vertices NUL selection", "vertices NUL profile NUL
// selection", or "vertices NUL profile NUL cant NUL selection". Whatever the text, each block
// starts with its title and ends with CR LF, the echo holds every non-blank vertex, profile and
// cant line, a block with problems ends in problem lines only (the vertices' before the profile's
// before the cant's), a point list has one row or one "Not read" line per selected line, CALC of
// elements has one row per element line and the End row, and CALC gives each rail's height
// exactly when the cant has a pivot line and there is a profile.
#include <string>
#include <vector>

#include "alignment/alignment_cant.h"
#include "alignment/alignment_heights.h"
#include "alignment/alignment_report.h"
#include "alignment/cant.h"
#include "alignment/profile.h"
#include "fuzz_checks.h"
#include "point_lists/point_lines.h"

namespace {

const char* const kWorkedVertices =
    "V0 500 200\nV1 900 1200 600 120\nV2 700 2200 800 0\nV3 1500 3000 500 80\nV4 1600 4000";
const char* const kWorkedElements =
    "curve 40 -500 1000 5000 30\nspiral 60 -500 -1200\ncurve 80 -1200\nspiral 50 -1200 0\n"
    "straight 100\nspiral 70 0 800\ncurve 120 800\nspiral 70 800 0\nstraight 50";
const char* const kWorkedTransitions =
    "straight 100 1000 5000 30\nbloss 80 0 -600\ncurve 120 -600\ncosine 60 -600 -1500\n"
    "curve 50 -1500\nsine 70 -1500 0\nstraight 80\nhelmert 90 0 900\ncurve 100 900\n"
    "helmert 90 900 0\nstraight 60";
const char* const kShapedCant =
    "0 0\n100 0 bloss\n180 -90\n300 -90 cosine\n360 -40\n410 -40 sine\n480 0\n"
    "560 0 helmert\n650 80\n750 80 helmert\n840 0\n900 0";
const char* const kWorkedProfile = "1100 151\n1800 158 10000\n3000 149 15000\n4200 155 0\n5200 152";
const char* const kWorkedCant =
    "1000 0\n1840 0\n1960 -90\n2185 -90\n2305 0\n2600 0\n2660 60\n3440 60\n3500 0\n3930 0\n"
    "4010 -75\n4270 -75\n4350 0\n5140 0";

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The table rows and "Not read" lines of a point-list block after its head: one per selected
// line, and the summary counts the lines not read.
void CheckTable(const std::string& block, std::size_t headSize, const std::string& selection,
                const std::string& detail) {
  const std::size_t tableEnd = block.find("\r\n\r\n", headSize);
  FuzzCheck(tableEnd != std::string::npos, "the table ends with an empty line", detail);
  std::size_t lines = 0;  // the header and the rows
  for (std::size_t at = headSize; at <= tableEnd; at = block.find("\r\n", at) + 2) ++lines;
  std::size_t notRead = 0;
  for (std::size_t at = block.find("\r\nNot read: ", tableEnd); at != std::string::npos;
       at = block.find("\r\nNot read: ", at + 2))
    ++notRead;
  FuzzCheck(lines - 1 + notRead == NonBlankLines(selection).size(),
            "each selected line gives one row or one Not read line", detail);
  FuzzCheck(EndsWith(block, "   Not read=" + std::to_string(notRead) + "\r\n"),
            "the summary counts the lines not read", detail);
}

void CheckProblems(const std::string& block, const std::vector<std::string>& problems,
                   const std::string& detail) {
  for (const std::string& line : problems) {
    FuzzCheck(line.size() >= 2 && line.front() == '!' && line.back() == '!',
              "a problem line is a warning", line);
  }
  FuzzCheck(EndsWith(block, "\r\n\r\n" + Lines(problems)), "problems end the block", detail);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int mode = data[0];
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t cut = rest.find('\0');
  const std::size_t secondCut = cut == std::string::npos ? cut : rest.find('\0', cut + 1);
  AlignmentTexts texts;
  texts.PKstart = "1000";
  texts.xBeforeY = (mode & 4) != 0;
  const bool pivot = (mode & 128) != 0;
  const bool transitions = pivot;  // with the worked elements (64)
  const char* const worked = (mode & 64) == 0 ? kWorkedVertices
                             : transitions    ? kWorkedTransitions
                                              : kWorkedElements;
  texts.vertices = cut == std::string::npos ? worked : rest.substr(0, cut);
  texts.profile = (mode & 8) != 0 ? kWorkedProfile : "";
  texts.cant = (mode & 32) == 0 ? "" : transitions ? kShapedCant : kWorkedCant;
  std::string selection = cut == std::string::npos ? rest : rest.substr(cut + 1);
  if (secondCut != std::string::npos) {
    texts.profile = rest.substr(cut + 1, secondCut - cut - 1);
    selection = rest.substr(secondCut + 1);
    const std::size_t thirdCut = rest.find('\0', secondCut + 1);
    if (thirdCut != std::string::npos) {
      texts.cant = rest.substr(secondCut + 1, thirdCut - secondCut - 1);
      selection = rest.substr(thirdCut + 1);
    }
  }
  if (pivot) texts.cant = "pivot inner\r\n" + texts.cant;

  const int button = (mode & 16) != 0 ? 4 : mode & 3;
  const std::string block = button == 0   ? AlignmentCalcBlock(texts)
                            : button == 1 ? AlignmentListBlock(texts, selection)
                            : button == 2 ? AlignmentSetOutBlock(texts, selection)
                            : button == 3 ? AlignmentHeightsBlock(texts, selection)
                                          : AlignmentCantBlock(texts, selection);
  const std::string detail = "block " + Visible(block.substr(0, 2000));
  FuzzCheck(block.compare(0, 26, "\r\nCalculation on alignment") == 0,
            "the block opens with its title", detail);
  FuzzCheck(EndsWith(block, "\r\n"), "the block ends with CR LF", detail);

  const ProfileReading profile = ReadProfile(texts.profile);
  FuzzCheck(profile.echo == NonBlankLines(texts.profile), "every profile line is echoed", detail);
  FuzzCheck(profile.problems.empty() == (profile.profile.vpis.size() == profile.echo.size()),
            "a profile without problems has one VPI per line", detail);
  const std::string profileEcho = profile.echo.empty() ? "" : "Profile:\r\n" + Lines(profile.echo);

  const CantReading cant = ReadCant(texts.cant);
  FuzzCheck(cant.echo == NonBlankLines(texts.cant), "every cant line is echoed", detail);
  std::size_t cantLines = 0;  // the lines other than pivot lines
  for (const std::string& line : cant.echo) cantLines += IsPivotLine(SplitFields(line)) ? 0 : 1;
  const bool onePointPerLine =
      cant.cant.points.size() == cantLines && (cantLines > 0 || cant.echo.empty());
  FuzzCheck(cant.problems.empty() == onePointPerLine,
            "a cant without problems has one point per cant line", detail);
  const std::string cantEcho = cant.echo.empty() ? "" : "Cant:\r\n" + Lines(cant.echo);

  if (button == 4) {
    const std::string head =
        "\r\nCalculation on alignment: cant\r\n\r\nCant:\r\n" + Lines(cant.echo) + "\r\n";
    FuzzCheck(block.compare(0, head.size(), head) == 0, "the block opens with the cant", detail);
    if (!cant.problems.empty() || cant.echo.empty()) {
      FuzzCheck(block.find("\r\n!Cant", head.size() - 2) == head.size() - 2,
                "cant problems follow the echo", detail);
      return 0;
    }
    // The line of the largest values, when there is one, follows the summary.
    const std::size_t summary = block.rfind("\r\nPoints=");
    const std::size_t largest = block.find("\r\nLargest ", summary);
    FuzzCheck(summary != std::string::npos, "the block has a summary", detail);
    CheckTable(largest == std::string::npos ? block : block.substr(0, largest + 2), head.size(),
               selection, detail);
    return 0;
  }

  if (button == 3) {
    const std::string head =
        "\r\nCalculation on alignment: heights\r\n\r\nProfile:\r\n" + Lines(profile.echo) + "\r\n";
    FuzzCheck(block.compare(0, head.size(), head) == 0, "the block opens with the profile", detail);
    if (!profile.problems.empty() || profile.echo.empty()) {
      FuzzCheck(block.find("\r\n!Profile", head.size() - 2) == head.size() - 2,
                "profile problems follow the echo", detail);
      return 0;
    }
    CheckTable(block, head.size(), selection, detail);
    return 0;
  }

  const AlignmentReading reading = ReadAlignment(texts);
  FuzzCheck(reading.echo == NonBlankLines(texts.vertices), "every vertex line is echoed", detail);
  const std::string head = std::string("\r\nCalculation on alignment") +
                           (button == 0   ? ""
                            : button == 1 ? ": point list"
                                          : ": setting out") +
                           "\r\n\r\nPKstart=1000\r\n" + Lines(reading.echo) + profileEcho +
                           cantEcho + "\r\n";
  FuzzCheck(block.compare(0, head.size(), head) == 0, "the block opens with the echo", detail);
  if (!reading.problems.empty()) {
    // Profile problems only when the vertices have none.
    const bool fromProfile = reading.problems == profile.problems;
    const bool fromCant = reading.problems == cant.problems;
    FuzzCheck(fromProfile || reading.problems.front().compare(0, 9, "!Profile ") != 0,
              "vertex problems come before the profile's", detail);
    FuzzCheck(fromCant == (!fromProfile && profile.problems.empty() &&
                           reading.problems.front().compare(0, 5, "!Cant") == 0),
              "the cant's problems come last", detail);
    CheckProblems(block, reading.problems, detail);
    return 0;
  }
  FuzzCheck(profile.problems.empty(), "the profile's problems are reported", detail);
  FuzzCheck(cant.problems.empty(), "the cant's problems are reported", detail);
  if (button == 0) {
    const std::size_t profileTable = block.find("\r\n\r\nPK\tH\tGrade (1/1000)\t");
    FuzzCheck((profileTable != std::string::npos) == !profile.echo.empty(),
              "CALC has the profile table exactly when there is a profile", detail);
    const std::size_t cantColumn = block.find(std::string(kCantColumnHead) + "\r\n", head.size());
    const bool rails = block.find(std::string(kCantColumnHead) + kRailHeightsHead + "\r\n",
                                  head.size()) != std::string::npos;
    FuzzCheck((cantColumn != std::string::npos || rails) == !cant.echo.empty(),
              "CALC has the Cant column exactly when there is a cant", detail);
    FuzzCheck(rails == (cant.cant.pivot.given && !profile.echo.empty()),
              "CALC gives the rails' heights exactly with a pivot line and a profile", detail);
    if (IsElementForm(reading.alignment)) {
      const std::size_t tableEnd = block.find("\r\n\r\n", head.size());
      FuzzCheck(
          block.compare(head.size(), 11, "Element\tPK\t") == 0 && tableEnd != std::string::npos,
          "CALC of elements opens with the element table", detail);
      std::size_t rows = 0;  // below the header
      for (std::size_t at = block.find("\r\n", head.size()); at < tableEnd;
           at = block.find("\r\n", at + 2))
        ++rows;
      FuzzCheck(rows == reading.echo.size() + 1, "one row per element line and the End row",
                detail);
      FuzzCheck(block.compare(block.find_last_of('\n', tableEnd) + 1, 4, "End\t") == 0,
                "the End row closes the element table", detail);
      FuzzCheck(EndsWith(block, "   Elements=" + std::to_string(reading.echo.size()) + "\r\n"),
                "CALC counts the elements", detail);
    }
  } else {
    CheckTable(block, head.size(), selection, detail);
  }
  return 0;
}
