// The file-reading rules on any bytes, against a second, line-by-line reading of the same rules:
// the text has no zero byte and no Ctrl+Z, every LF comes as CR LF, the last line is ended too,
// and reading the text again as a file gives it back unchanged; the warning after loading comes
// exactly when the text lost a byte that was neither a line break nor the Ctrl+Z ending the file.
#include "document_text.h"
#include "fuzz_checks.h"

namespace {

// The rules spelt out one line at a time: the file ends at the first Ctrl+Z; each LF ends a
// line, and a CR just before it belongs to the line end; a zero byte cuts the rest of its line;
// a last line without LF still counts when it holds any byte.
std::string ReadLineByLine(const std::string& bytes) {
  const std::string file = bytes.substr(0, bytes.find('\x1A'));
  std::string text;
  std::size_t start = 0;
  while (start < file.size()) {
    const std::size_t lf = file.find('\n', start);
    std::string line = file.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
    if (lf != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
    text += line.substr(0, line.find('\0')) + "\r\n";
    if (lf == std::string::npos) break;
    start = lf + 1;
  }
  return text;
}

std::size_t CountWithoutBreaks(const std::string& s) {
  std::size_t count = 0;
  for (char c : s) count += c != '\r' && c != '\n';
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = DocumentTextFromFileBytes(bytes);
  const std::string detail = Visible(bytes) + " gave " + Visible(text);

  FuzzCheck(text.find('\0') == std::string::npos, "the text holds no zero byte", detail);
  FuzzCheck(text.find('\x1A') == std::string::npos, "the text stops before Ctrl+Z", detail);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') FuzzCheck(i > 0 && text[i - 1] == '\r', "every LF comes as CR LF", detail);
  }
  FuzzCheck(text.empty() || (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0),
            "the last line is ended with CR LF", detail);
  FuzzCheck(text.empty() == (bytes.empty() || bytes[0] == '\x1A'),
            "only an empty file gives an empty text", detail);
  FuzzCheck(text == ReadLineByLine(bytes), "the text follows the line rules",
            detail + ", line by line " + Visible(ReadLineByLine(bytes)));
  FuzzCheck(DocumentTextFromFileBytes(text) == text, "a saved text reopens unchanged", detail);
  const std::size_t meant =
      CountWithoutBreaks(bytes) - (bytes.find('\x1A') != std::string::npos ? 1 : 0);
  FuzzCheck(DecodingLeavesOutBytes(bytes) == (CountWithoutBreaks(text) < meant),
            "the warning comes exactly when a byte is left out", detail);
  return 0;
}
