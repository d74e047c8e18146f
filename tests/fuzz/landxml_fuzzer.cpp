// LandXML on any text: read as XML by the tests' small reader, then every alignment taken over.
// A refusal is one sentence naming the alignment; an alignment taken over gives texts that CALC
// reads without a problem, and that export and take over again give the same vertex lines.
#include <algorithm>
#include <string>
#include <vector>

#include "../unit/xml_text.h"
#include "alignment/alignment_report.h"
#include "fuzz_checks.h"
#include "landxml/landxml.h"
#include "xml_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  // A declared code page: the declaration names UTF-16 instead, no line or later column moved.
  const XmlDeclaredEncoding encoding = DeclaredEncoding(text);
  if (encoding.kind == XmlDeclaredEncoding::CodePage) {
    const std::string declaring = DeclaringUtf16(text, encoding);
    FuzzCheck(declaring.compare(encoding.nameAt, 6, "UTF-16") == 0 &&
                  declaring.size() == text.size() - encoding.name.size() +
                                          std::max<size_t>(6, encoding.name.size()),
              "the declaration names UTF-16 in place", Visible(text.substr(0, 80)));
  }
  const XmlNode root = ParseXml(text);
  const std::string problem = LandXmlFileProblem(root);
  FuzzCheck(problem.empty() || problem.back() == '.', "a file problem is a sentence", problem);
  for (const XmlNode* alignment : LandXmlAlignments(root)) {
    for (bool xBeforeY : {false, true}) {
      const LandXmlTakeOver result = TakeOverAlignment(*alignment, xBeforeY);
      const std::string detail =
          Visible(result.refusal + " | " + result.texts.vertices + " | " + result.texts.profile);
      if (!result.refusal.empty()) {
        const std::string head =
            "Alignment " + LandXmlAlignmentName(*alignment) + " cannot be taken over: ";
        FuzzCheck(result.refusal.compare(0, head.size(), head) == 0 && result.refusal.back() == '.',
                  "a refusal names the alignment", detail);
        FuzzCheck(result.texts.vertices.empty(), "a refusal leaves the fields alone", detail);
        continue;
      }
      const std::string without =
          "Alignment " + LandXmlAlignmentName(*alignment) + " was taken over without its ";
      FuzzCheck(
          result.warning.empty() || (result.warning.compare(0, without.size(), without) == 0 &&
                                     result.warning.back() == '.'),
          "a part left out is said in one sentence", result.warning);
      const AlignmentReading reading = ReadAlignment(result.texts);
      FuzzCheck(reading.problems.empty(), "CALC reads what was taken over", detail);
      const LandXmlExport out = ExportAlignment(result.texts, "again", "", "");
      FuzzCheck(out.problem.empty(), "what was taken over exports", detail + out.problem);
      const LandXmlTakeOver again =
          TakeOverAlignment(*LandXmlAlignments(out.root).front(), xBeforeY);
      FuzzCheck(again.refusal.empty(), "an exported alignment is taken over",
                detail + again.refusal);
    }
  }
  return 0;
}
