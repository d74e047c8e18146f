// Loading a document file: the bytes on disk against the text the editor gets.
// Saving writes the editor's text unchanged, so "round-trips" below means: the loaded text, written
// out and loaded again, is the same text, i.e. a saved document reopens exactly as it was.
#include "document_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct LoadCase {
  const char* why;
  std::string bytes;
  std::string text;
};

TEST(DocumentText, LoadsByTextModeRules) {
  using namespace std::string_literals;
  const LoadCase cases[] = {
      {"empty file", "", ""},
      {"LF ends a line; the last line gets its break", "a\nb", "a\r\nb\r\n"},
      {"CR LF ends a line", "a\r\nb\r\n", "a\r\nb\r\n"},
      {"empty lines stay", "\n\r\n\n", "\r\n\r\n\r\n"},
      {"a lone CR stays inside its line", "a\rb\n", "a\rb\r\n"},
      {"CR at the very end stays", "a\r", "a\r\r\n"},
      {"CR CR LF keeps the first CR", "a\r\r\nb", "a\r\r\nb\r\n"},
      {"Ctrl+Z ends the file mid-line",
       "ab\x1A"
       "cd\nef\n",
       "ab\r\n"},
      {"Ctrl+Z right after a line break",
       "ab\n\x1A"
       "cd\n",
       "ab\r\n"},
      {"Ctrl+Z first gives an empty text",
       "\x1A"
       "abc",
       ""},
      {"Ctrl+Z between CR and LF leaves the CR", "a\r\x1A\n", "a\r\r\n"},
      {"a zero byte ends its line's text", "ab\0cd\nef\n"s, "ab\r\nef\r\n"},
      {"a zero byte alone still makes a line", "a\n\0"s, "a\r\n\r\n"},
      {"a zero byte just before CR LF", "a\0\r\nb"s, "a\r\nb\r\n"},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(DocumentTextFromFileBytes(c.bytes), c.text);
  }
}

TEST(DocumentText, LoadedTextRoundTrips) {
  // Whatever a file held, the text it loads as is saved and reopened unchanged.
  using namespace std::string_literals;
  const std::string files[] = {
      "a\nb",
      "a\r\nb\r\n",
      "x\ry\r\n\r\n",
      "ab\0cd\nef"s,
      "a\r\r\n",
      "tail\x1A"
      "junk",
  };
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const std::string text = DocumentTextFromFileBytes(file);
    EXPECT_EQ(DocumentTextFromFileBytes(text), text);
    EXPECT_EQ(text.find('\0'), std::string::npos);
  }
}

TEST(DocumentText, LongLineStaysWhole) {
  // Lines are never split, however long (an old line buffer held 2046 characters).
  std::string line(100000, 'x');
  line[2045] = 'A';
  line[2046] = 'B';
  line[99999] = 'Z';
  const std::string text = DocumentTextFromFileBytes(line + "\nnext");
  EXPECT_EQ(text, line + "\r\nnext\r\n");
}

TEST(DocumentText, ManyLinesKeepTheirOrderAndBytes) {
  // A large file mixing both line ends: every line arrives, in order, with all its bytes.
  std::string file;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string line = "line " + std::to_string(i) + " \xE9\xFF";
    file += line + (i % 2 == 0 ? "\r\n" : "\n");
    expected += line + "\r\n";
  }
  EXPECT_EQ(DocumentTextFromFileBytes(file), expected);
}

// The warning after loading must come exactly when the loaded text lost a byte that was not a line
// break or the one Ctrl+Z that ends the file: counted here without the reading rules themselves.
TEST(DocumentText, WarnsExactlyWhenLoadingLeavesOutBytes) {
  const auto withoutBreaks = [](const std::string& s) {
    std::size_t count = 0;
    for (char c : s) count += c != '\r' && c != '\n';
    return count;
  };
  const char alphabet[] = {'a', '\0', '\x1A', '\r', '\n'};
  unsigned seed = 12345;
  for (int round = 0; round < 20000; ++round) {
    std::string file;
    seed = seed * 1103515245u + 12345u;
    const int length = static_cast<int>((seed >> 16) % 9);
    for (int i = 0; i < length; ++i) {
      seed = seed * 1103515245u + 12345u;
      file += alphabet[(seed >> 16) % 5];
    }
    SCOPED_TRACE(::testing::PrintToString(file));
    const std::size_t kept = withoutBreaks(DocumentTextFromFileBytes(file));
    const std::size_t meant = withoutBreaks(file) - (file.find('\x1A') != std::string::npos);
    EXPECT_EQ(DecodingLeavesOutBytes(file), kept < meant);
  }
  EXPECT_FALSE(DecodingLeavesOutBytes("old file\r\n\x1A"));
  EXPECT_TRUE(DecodingLeavesOutBytes(std::string("a\0b\r\n", 5)));
  EXPECT_TRUE(DecodingLeavesOutBytes("a\x1A\r\nmore"));
}

}  // namespace
