// Find in the document: the search against a brute-force reading of its own promise, and the
// cases a surveyor meets (case, whole words, direction from the selection).
#include "text_search.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Whether `what` stands at `at` under the request's rules, looked at byte by byte.
bool MatchesAt(const std::string& text, std::size_t at, const SearchRequest& request,
               const TextAlphabet& alphabet) {
  const std::string& what = request.what;
  if (at + what.size() > text.size()) return false;
  for (std::size_t i = 0; i < what.size(); ++i) {
    const auto a = static_cast<unsigned char>(text[at + i]);
    const auto b = static_cast<unsigned char>(what[i]);
    if (request.matchCase ? a != b : alphabet.folded[a] != alphabet.folded[b]) return false;
  }
  if (!request.wholeWord) return true;
  const auto inWord = [&](std::size_t i) {
    return alphabet.inWord[static_cast<unsigned char>(text[i])];
  };
  return (at == 0 || !inWord(at - 1)) &&
         (at + what.size() == text.size() || !inWord(at + what.size()));
}

TEST(TextSearch, FindsTheNearestMatchInEitherDirection) {
  const TextAlphabet alphabet = AsciiAlphabet();
  const char letters[] = {'a', 'A', 'b', ' ', '_'};
  unsigned seed = 777;
  const auto next = [&](unsigned range) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % range;
  };
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    for (unsigned i = next(14); i > 0; --i) text += letters[next(5)];
    SearchRequest request{"", next(2) == 0, next(2) == 0, next(2) == 0};
    for (unsigned i = next(3) + 1; i > 0; --i) request.what += letters[next(5)];
    const std::size_t from = next(16);
    SCOPED_TRACE("'" + text + "' '" + request.what + "' from " + std::to_string(from) +
                 (request.down ? " down" : " up") + (request.matchCase ? " case" : "") +
                 (request.wholeWord ? " word" : ""));

    std::size_t expected = std::string::npos;
    const std::size_t end = std::min(from, text.size());
    for (std::size_t at = 0; at + request.what.size() <= text.size(); ++at) {
      if (!MatchesAt(text, at, request, alphabet)) continue;
      if (request.down && at >= end) {
        expected = at;
        break;
      }
      if (!request.down && at + request.what.size() <= end) expected = at;
    }
    EXPECT_EQ(expected, FindInText(text, from, request, alphabet));
  }
}

TEST(TextSearch, SurveyReportCases) {
  const TextAlphabet alphabet = AsciiAlphabet();
  const std::string text = "PKpz1=10.0000\r\npkpz1=20.0000\r\nPKpz12=30.0000\r\n";
  EXPECT_EQ(0u, FindInText(text, 0, {"pkpz1", true, false, false}, alphabet));
  EXPECT_EQ(15u, FindInText(text, 0, {"pkpz1", true, true, false}, alphabet));
  EXPECT_EQ(30u, FindInText(text, 15 + 5, {"PKpz1", true, false, false}, alphabet));
  EXPECT_EQ(std::string::npos, FindInText(text, 20, {"PKpz1", true, false, true}, alphabet));
  EXPECT_EQ(15u, FindInText(text, 30, {"PKPZ1", false, false, true}, alphabet));
  EXPECT_EQ(std::string::npos, FindInText(text, 0, {"PKpz1", false, false, false}, alphabet));
  EXPECT_EQ(std::string::npos, FindInText(text, 0, {"", true, false, false}, alphabet));
  // Bytes of the upper half are compared as they are by the ASCII alphabet.
  EXPECT_EQ(2u, FindInText("a \xC0\xE0", 0, {"\xC0", true, false, false}, alphabet));
}

}  // namespace
