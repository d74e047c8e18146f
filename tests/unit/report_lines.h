// Expected report text written the way the surveyor reads it in the editor: line by line.
#pragma once

#include <string>
#include <vector>

// The lines one after the other, each ended by CR LF.
inline std::string ReportLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The first three lines every calculation appends: an empty line, the title, an empty line.
inline std::string ReportHead(const std::string& title) {
  return ReportLines({"", title, ""});
}

#include <initializer_list>
#include <utility>

// A copy of a calculator's typed field texts with some of them changed: With(kWorked, {{&R::z,
// "1"}}).
template <typename Inputs>
Inputs With(Inputs in,
            std::initializer_list<std::pair<std::string Inputs::*, const char*>> changes) {
  for (const auto& change : changes) in.*change.first = change.second;
  return in;
}
