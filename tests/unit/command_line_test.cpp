// The document named on the command line, as the shell and a user at a prompt write it.
#include "command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, PathIsQuotedOrTheWholeLine) {
  const struct {
    const char* line;
    const char* path;
  } cases[] = {
      {"", ""},
      {"   ", ""},
      {"C:\\survey\\day1.txt", "C:\\survey\\day1.txt"},
      {"  \"C:\\my survey\\day 1.txt\"  ", "C:\\my survey\\day 1.txt"},
      {"C:\\my survey\\day 1.txt ", "C:\\my survey\\day 1.txt"},
      {"\"C:\\unclosed quote.txt", "C:\\unclosed quote.txt"},
      {"\"\"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(c.path, PathFromCommandLine(c.line));
  }
}

}  // namespace
