// Laying a plain text out on printed pages: TABs expanded to fixed stops, long lines wrapped at
// the page width (never cut off), and pages of a fixed number of lines under a header line.
// The layout is streamed: a printer walks the text one printed line at a time from an offset, so
// that nothing is kept for a page beyond the line being drawn, however long the document.
#pragma once

#include <cstddef>
#include <string>

// TAB stops stand every 16 characters: wide enough that the columns of a point-list table, with
// names and coordinates of up to 15 characters, line up.
constexpr int kTabStop = 16;

// What fits on one page, in characters of a fixed-pitch font.
struct PageShape {
  int columns;       // characters on one printed line; less than 1 counts as 1
  int linesPerPage;  // printed text lines under the header; less than 1 counts as 1
};

// Reads the printed line that starts at `offset` into `line` and returns the offset where the next
// printed line starts. A line ends at a line break (CR LF, a lone LF or a lone CR, which is used up
// with the line) or when `columns` characters are full: the rest of a longer line goes on the next
// printed line, and a break right after a full line is used up with it. A TAB becomes blanks up to
// the next stop (counted from the printed line's start, and never past its end); any other control
// character prints as one blank. At the end of the text it returns text.size() and an empty line.
size_t NextPrintedLine(const std::string& text, size_t offset, int columns, std::string& line);

// The offset where the page after the one starting at `offset` starts.
size_t SkipPage(const std::string& text, size_t offset, const PageShape& shape);

// The number of pages the text fills; an empty text still prints one page (its header).
int CountPages(const std::string& text, const PageShape& shape);

// The offset where page `page` (1 for the first) starts; text.size() past the last page.
size_t PageStart(const std::string& text, int page, const PageShape& shape);

// The header line of a page: the document's name on the left and "Page N of M" on the right, filled
// with blanks to `columns` characters. A name too long for the line is cut at its end, keeping the
// page number whole.
std::string PageHeader(const std::string& documentName, int page, int pageCount, int columns);

// The name a document prints under: the file name of its path without the folders, or "Untitled"
// for a document without a file.
std::string PrintedDocumentName(const std::string& documentPath);
