#include "text_search.h"

#include <algorithm>
#include <cctype>

TextAlphabet AsciiAlphabet() {
  TextAlphabet alphabet{};
  for (int c = 0; c < 256; ++c) {
    const bool ascii = c < 128;
    alphabet.folded[c] = static_cast<unsigned char>(ascii && std::isupper(c) ? std::tolower(c) : c);
    alphabet.inWord[c] = (ascii && std::isalnum(c)) || c == '_';
  }
  return alphabet;
}

namespace {

bool IsWholeWord(const std::string& text, std::size_t at, std::size_t length,
                 const TextAlphabet& alphabet) {
  const auto inWord = [&](std::size_t i) {
    return alphabet.inWord[static_cast<unsigned char>(text[i])];
  };
  return (at == 0 || !inWord(at - 1)) && (at + length == text.size() || !inWord(at + length));
}

}  // namespace

std::size_t FindInText(const std::string& text, std::size_t from, const SearchRequest& request,
                       const TextAlphabet& alphabet) {
  const std::string& what = request.what;
  if (what.empty() || what.size() > text.size()) {
    return std::string::npos;
  }
  const bool matchCase = request.matchCase;
  const auto same = [&](char a, char b) {
    return matchCase ? a == b
                     : alphabet.folded[static_cast<unsigned char>(a)] ==
                           alphabet.folded[static_cast<unsigned char>(b)];
  };
  from = std::min(from, text.size());

  if (request.down) {
    auto start = text.begin() + static_cast<std::ptrdiff_t>(from);
    for (;;) {
      const auto found = std::search(start, text.end(), what.begin(), what.end(), same);
      if (found == text.end()) return std::string::npos;
      const std::size_t at = static_cast<std::size_t>(found - text.begin());
      if (!request.wholeWord || IsWholeWord(text, at, what.size(), alphabet)) return at;
      start = found + 1;
    }
  }
  // Up: the last match inside [0, limit); a match that is not a whole word narrows the range
  // so that the next try ends one byte earlier.
  std::size_t limit = from;
  for (;;) {
    const auto end = text.begin() + static_cast<std::ptrdiff_t>(limit);
    const auto found = std::find_end(text.begin(), end, what.begin(), what.end(), same);
    if (found == end) return std::string::npos;
    const std::size_t at = static_cast<std::size_t>(found - text.begin());
    if (!request.wholeWord || IsWholeWord(text, at, what.size(), alphabet)) return at;
    limit = at + what.size() - 1;
  }
}
