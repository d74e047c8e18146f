#include "command_line.h"

std::string PathFromCommandLine(const std::string& commandLine) {
  const char* const blanks = " \t\r\n";
  const std::size_t first = commandLine.find_first_not_of(blanks);
  if (first == std::string::npos) {
    return "";
  }
  if (commandLine[first] == '"') {
    const std::size_t close = commandLine.find('"', first + 1);
    return commandLine.substr(first + 1,
                              close == std::string::npos ? std::string::npos : close - first - 1);
  }
  const std::size_t last = commandLine.find_last_not_of(blanks);
  return commandLine.substr(first, last - first + 1);
}
