// Page layout for printing: whatever the text and the page size, every character reaches paper
// exactly once and in order, no printed line is wider than the page, and the pages are full but
// for the last.
#include "page/page_layout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<std::vector<std::string>> PrintedPages(const std::string& text,
                                                   const PageShape& shape) {
  std::vector<std::vector<std::string>> pages;
  size_t offset = 0;
  do {
    pages.emplace_back();
    for (int i = 0; i < shape.linesPerPage && offset < text.size(); ++i) {
      std::string line;
      offset = NextPrintedLine(text, offset, shape.columns, line);
      pages.back().push_back(line);
    }
  } while (offset < text.size());
  return pages;
}

// The characters that leave a mark on paper, in order: blanks, TABs, line breaks and other control
// characters leave none.
std::string Marks(const std::string& text) {
  std::string marks;
  for (char c : text) {
    if (static_cast<unsigned char>(c) > 0x20 && c != 0x7F) marks += c;
  }
  return marks;
}

TEST(PageLayout, EveryCharacterPrintedOnceInOrder) {
  const std::string alphabet = "ab1. \t\t\r\n\n\x01\x7F\xE9";
  std::mt19937 random(20261207);
  for (int round = 0; round < 1000; ++round) {
    std::string text(random() % 300, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    if (round % 3 == 0) text.append(random() % 200, 'x');  // a long line now and then
    const PageShape shape{1 + static_cast<int>(random() % 40), 1 + static_cast<int>(random() % 8)};
    SCOPED_TRACE("round " + std::to_string(round) + ", columns " + std::to_string(shape.columns) +
                 ", lines " + std::to_string(shape.linesPerPage));

    const auto pages = PrintedPages(text, shape);
    std::string printed;
    for (size_t p = 0; p < pages.size(); ++p) {
      if (p + 1 < pages.size()) {
        EXPECT_EQ(pages[p].size(), static_cast<size_t>(shape.linesPerPage));
      }
      for (const std::string& line : pages[p]) {
        EXPECT_LE(line.size(), static_cast<size_t>(shape.columns));
        printed += line;
      }
    }
    EXPECT_EQ(Marks(printed), Marks(text));
    ASSERT_EQ(CountPages(text, shape), static_cast<int>(pages.size()));
    // Each page's start, found by skipping, reads the page that the walk above printed.
    for (int p = 1; p <= CountPages(text, shape); ++p) {
      std::string first;
      NextPrintedLine(text, PageStart(text, p, shape), shape.columns, first);
      EXPECT_EQ(first, pages[p - 1].empty() ? "" : pages[p - 1][0]);
    }
  }
}

TEST(PageLayout, WrapsLongLinesAndLinesUpTabs) {
  const std::string longLine(50, '7');
  const std::string text = "P1\t100.000\t2\r\nPOINT-22\t5\t6\r\n" + longLine + "\r\n" +
                           std::string(20, '-') + "\r\n\r\nend";
  const auto pages = PrintedPages(text, PageShape{20, 4});
  const std::vector<std::vector<std::string>> expected = {
      {"P1              100.", "000             2", "POINT-22        5   ", "6"},
      {"77777777777777777777", "77777777777777777777", "7777777777", std::string(20, '-')},
      {"", "end"},  // a break right after a full line makes no empty line
  };
  EXPECT_EQ(pages, expected);
  EXPECT_EQ(PrintedPages("", PageShape{20, 4}), std::vector<std::vector<std::string>>(1));
  EXPECT_EQ(CountPages("", PageShape{0, 0}), 1);
  EXPECT_EQ(CountPages("a\rb\nc\r\n", PageShape{0, 0}), 3);  // every kind of break ends a line
}

TEST(PageLayout, HeaderNamesDocumentAndPage) {
  EXPECT_EQ(PageHeader("sheet.txt", 2, 12, 30), "sheet.txt         Page 2 of 12");
  EXPECT_EQ(PageHeader("a-very-long-file-name.txt", 1, 3, 20), "a-very-l Page 1 of 3");
  EXPECT_EQ(PageHeader("sheet.txt", 1, 3, 5), "Page 1 of 3");
  EXPECT_EQ(PrintedDocumentName("C:\\survey\\km 12\\sheet.txt"), "sheet.txt");
  EXPECT_EQ(PrintedDocumentName("Z:/tmp/a.txt"), "a.txt");
  EXPECT_EQ(PrintedDocumentName(""), "Untitled");
}

}  // namespace
