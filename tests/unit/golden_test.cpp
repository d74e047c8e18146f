// The worked examples as the surveyor gets them: every file in tests/golden holds one example's
// inputs and the exact block it appends, and this runner computes the block and compares.
//
// A file is a run of sections, each opened by a line "[name]" and holding the lines up to the
// next one; lines before the first section and lines starting with "#" are notes. The section
// [block] names what is computed (a row of kBlocks), [expected] holds the block's lines with
// every TAB written as " | " (the block's leading empty line included). The other sections are
// the block's inputs, their lines joined by CR LF as typed in the dialog or selected in the
// editor.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "alignment/alignment_cant.h"
#include "alignment/alignment_report.h"
#include "versines/versine_report.h"

namespace {

using Sections = std::map<std::string, std::string>;

AlignmentTexts AlignmentInputs(const Sections& in) {
  AlignmentTexts texts;
  texts.PKstart = in.count("PK start") ? in.at("PK start") : "0";
  texts.vertices = in.count("vertices") ? in.at("vertices") : "";
  texts.profile = in.count("profile") ? in.at("profile") : "";
  texts.cant = in.count("cant") ? in.at("cant") : "";
  texts.xBeforeY = in.count("x before y") != 0;
  return texts;
}
std::string Selection(const Sections& in) {
  return in.count("selection") ? in.at("selection") : "";
}

struct GoldenBlock {
  const char* name;
  std::string (*compute)(const Sections& in);
};
const GoldenBlock kBlocks[] = {
    {"alignment calc", [](const Sections& in) { return AlignmentCalcBlock(AlignmentInputs(in)); }},
    {"alignment list",
     [](const Sections& in) { return AlignmentListBlock(AlignmentInputs(in), Selection(in)); }},
    {"alignment set out",
     [](const Sections& in) { return AlignmentSetOutBlock(AlignmentInputs(in), Selection(in)); }},
    {"alignment list cant",
     [](const Sections& in) { return AlignmentCantBlock(AlignmentInputs(in), Selection(in)); }},
    {"versines",
     [](const Sections& in) {
       return VersinesBlock({in.at("step"), in.at("L1"), in.at("L2"), in.at("R")}, Selection(in));
     }},
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

Sections ReadGolden(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::map<std::string, std::vector<std::string>> lines;
  std::string line, name;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      name = line.substr(1, line.size() - 2);
      lines[name];
    } else if (!name.empty() && (line.empty() || line[0] != '#')) {
      lines[name].push_back(name == "expected" ? Replaced(line, " | ", "\t") : line);
    }
  }
  Sections sections;
  for (const auto& [section, text] : lines) {
    std::string& joined = sections[section];
    for (size_t i = 0; i < text.size(); ++i) {
      if (section == "expected")
        joined += text[i] + "\r\n";  // every line of a block ends with CR LF
      else
        joined += (i > 0 ? "\r\n" : "") + text[i];  // typed lines are joined by line breaks
    }
  }
  return sections;
}

TEST(Golden, EveryWorkedExampleGivesItsBlock) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(POLVER_GOLDEN_DIR)) {
    if (entry.path().extension() != ".txt") continue;
    ++files;
    SCOPED_TRACE(entry.path().filename().string());
    Sections in = ReadGolden(entry.path());
    std::istringstream block(in["block"]);
    std::string kind;
    std::getline(block, kind);
    const GoldenBlock* found = nullptr;
    for (const GoldenBlock& row : kBlocks)
      if (kind == row.name) found = &row;
    ASSERT_NE(nullptr, found) << "unknown block: " << kind;
    EXPECT_EQ(in["expected"], found->compute(in));
  }
  EXPECT_GT(files, 0) << "no worked examples in " << POLVER_GOLDEN_DIR;
}

}  // namespace
