#include "xml_ends.h"

#include <cstring>

namespace {

const char* const kByteOrderMark = "\xEF\xBB\xBF";

bool StartsWith(const std::string& text, size_t at, const char* prefix) {
  return text.compare(at, std::strlen(prefix), prefix) == 0;
}

// The line and column of a byte offset: a UTF-8 continuation byte is no new character.
XmlEnding OpenAt(const std::string& text, size_t offset) {
  XmlEnding ending;
  ending.complete = false;
  ending.line = 1;
  ending.column = 1;
  for (size_t i = StartsWith(text, 0, kByteOrderMark) ? 3 : 0; i < offset && i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++ending.line;
      ending.column = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++ending.column;
    }
  }
  return ending;
}

// The offset just past the tag that starts at `at` ('<'), skipping quoted attribute values;
// npos when the text ends inside it.
size_t PastTag(const std::string& text, size_t at) {
  char quote = 0;
  for (size_t i = at + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return i + 1;
    }
  }
  return std::string::npos;
}

// Past a <!DOCTYPE ...> with or without its internal subset in brackets.
size_t PastDeclaration(const std::string& text, size_t at) {
  const size_t close = text.find('>', at);
  const size_t open = text.find('[', at);
  if (open == std::string::npos || close < open)
    return close == std::string::npos ? close : close + 1;
  const size_t end = text.find(']', open);
  if (end == std::string::npos) return end;
  const size_t last = text.find('>', end);
  return last == std::string::npos ? last : last + 1;
}

size_t PastMarker(const std::string& text, size_t at, const char* marker) {
  const size_t found = text.find(marker, at);
  return found == std::string::npos ? found : found + std::strlen(marker);
}

}  // namespace

XmlEnding CheckXmlEnding(const std::string& text) {
  size_t at = StartsWith(text, 0, kByteOrderMark) ? 3 : 0;
  int depth = 0;
  bool element = false;
  size_t firstText = std::string::npos;  // text before any element: not a document at all
  while (at < text.size()) {
    const size_t markup = text.find('<', at);
    if (!element && firstText == std::string::npos) {
      const size_t printed = text.find_first_not_of(" \t\r\n", at);
      if (printed < markup) firstText = printed;
    }
    if (markup == std::string::npos) break;
    size_t next = std::string::npos;
    if (StartsWith(text, markup, "<?")) {
      next = PastMarker(text, markup + 2, "?>");
    } else if (StartsWith(text, markup, "<!--")) {
      next = PastMarker(text, markup + 4, "-->");
    } else if (StartsWith(text, markup, "<![CDATA[")) {
      next = PastMarker(text, markup + 9, "]]>");
    } else if (StartsWith(text, markup, "<!")) {
      next = PastDeclaration(text, markup);
    } else {
      next = PastTag(text, markup);
      if (next != std::string::npos) {
        element = true;
        if (text[markup + 1] == '/') {
          --depth;
        } else if (text[next - 2] != '/') {
          ++depth;
        }
      }
    }
    if (next == std::string::npos) return OpenAt(text, markup);
    at = next;
  }
  if (!element && firstText != std::string::npos) return OpenAt(text, firstText);
  if (!element || depth > 0) return OpenAt(text, text.size());
  return XmlEnding();
}
