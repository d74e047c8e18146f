#include "document_text.h"

namespace {

constexpr char EndOfFileMark = '\x1A';

}  // namespace

std::string DocumentTextFromFileBytes(const std::string& bytes) {
  // Only bytes before the first Ctrl+Z belong to the file.
  const std::size_t end = bytes.find(EndOfFileMark);
  const std::size_t size = end == std::string::npos ? bytes.size() : end;

  std::string text;
  text.reserve(size + size / 16 + 2);  // room for CR before most LFs without regrowing

  bool lineStarted = false;  // bytes of the current line have been read (even if all dropped)
  bool lineCut = false;      // a zero byte ended this line's text; drop the rest up to LF
  for (std::size_t i = 0; i < size; ++i) {
    const char c = bytes[i];
    const bool crBeforeLf = c == '\r' && i + 1 < size && bytes[i + 1] == '\n';
    if (c == '\n' || crBeforeLf) {
      text += "\r\n";
      i += crBeforeLf ? 1 : 0;
      lineStarted = false;
      lineCut = false;
      continue;
    }
    lineStarted = true;
    if (c == '\0') {
      lineCut = true;
    } else if (!lineCut) {
      text += c;
    }
  }
  if (lineStarted) {
    text += "\r\n";  // the last line had no line break of its own
  }
  return text;
}

bool DecodingLeavesOutBytes(const std::string& bytes) {
  const std::size_t end = bytes.find(EndOfFileMark);
  const std::size_t size = end == std::string::npos ? bytes.size() : end;
  if (bytes.find('\0') < size) {
    return true;
  }
  return end != std::string::npos && bytes.find_first_not_of("\r\n", end + 1) != std::string::npos;
}
