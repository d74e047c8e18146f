#include "page/page_layout.h"

namespace {

int AtLeastOne(int value) {
  return value < 1 ? 1 : value;
}

bool IsLineBreak(char c) {
  return c == '\r' || c == '\n';
}

// Uses up the line break at `offset` (CR LF counts as one) and returns the offset after it.
size_t PastLineBreak(const std::string& text, size_t offset) {
  if (text[offset] == '\r' && offset + 1 < text.size() && text[offset + 1] == '\n') {
    return offset + 2;
  }
  return offset + 1;
}

}  // namespace

size_t NextPrintedLine(const std::string& text, size_t offset, int columns, std::string& line) {
  const size_t width = static_cast<size_t>(AtLeastOne(columns));
  line.clear();
  while (offset < text.size()) {
    const char c = text[offset];
    if (IsLineBreak(c)) return PastLineBreak(text, offset);
    if (line.size() == width) return offset;
    if (c == '\t') {
      const size_t stop = (line.size() / kTabStop + 1) * kTabStop;
      line.append((stop < width ? stop : width) - line.size(), ' ');
    } else {
      const unsigned char code = static_cast<unsigned char>(c);
      line += (code < 0x20 || code == 0x7F) ? ' ' : c;
    }
    ++offset;
  }
  return offset;
}

size_t SkipPage(const std::string& text, size_t offset, const PageShape& shape) {
  std::string line;
  for (int i = 0; i < AtLeastOne(shape.linesPerPage) && offset < text.size(); ++i) {
    offset = NextPrintedLine(text, offset, shape.columns, line);
  }
  return offset;
}

int CountPages(const std::string& text, const PageShape& shape) {
  int pages = 1;
  size_t offset = SkipPage(text, 0, shape);
  while (offset < text.size()) {
    offset = SkipPage(text, offset, shape);
    ++pages;
  }
  return pages;
}

size_t PageStart(const std::string& text, int page, const PageShape& shape) {
  size_t offset = 0;
  for (int skipped = 1; skipped < page; ++skipped) {
    if (offset >= text.size()) return text.size();
    offset = SkipPage(text, offset, shape);
  }
  return offset;
}

std::string PageHeader(const std::string& documentName, int page, int pageCount, int columns) {
  const std::string number = "Page " + std::to_string(page) + " of " + std::to_string(pageCount);
  const int room = AtLeastOne(columns) - static_cast<int>(number.size()) - 1;
  if (room < 1) return number;
  const std::string name = documentName.substr(0, static_cast<size_t>(room));
  return name + std::string(static_cast<size_t>(room) - name.size() + 1, ' ') + number;
}

std::string PrintedDocumentName(const std::string& documentPath) {
  const size_t slash = documentPath.find_last_of("\\/");
  const std::string name =
      slash == std::string::npos ? documentPath : documentPath.substr(slash + 1);
  return name.empty() ? "Untitled" : name;
}
