#include "number_text.h"

#include <charconv>
#include <cmath>
#include <iterator>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\r';
}

}  // namespace

std::string Trim(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// to_chars writes "%.15G" exactly (the digits rounded half to even on the exact value, the
// exponent with a sign and at least two digits), only in lower case. Infinities and NaN are
// spelled here, as C runtimes spell them differently.
std::string NumToText(double x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : " INF";
  char buffer[32] = {' '};
  char* const first = std::signbit(x) ? buffer : buffer + 1;  // to_chars writes the "-"
  char* const last = std::to_chars(first, std::end(buffer), x, std::chars_format::general, 15).ptr;
  std::string text(buffer, last);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string Spaces(int n) {
  return n < 1 ? std::string() : std::string(static_cast<std::size_t>(n), ' ');
}

std::string JoinText(std::initializer_list<const char*> texts) {
  std::string joined;
  for (const char* text : texts) {
    if (text != nullptr) joined += text;
  }
  return joined;
}

int CompareText(const std::string& a, const std::string& b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char left = static_cast<unsigned char>(a[i]);
    const unsigned char right = static_cast<unsigned char>(b[i]);
    if (left != right) return left < right ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string CharText(std::initializer_list<int> codes) {
  std::string text;
  for (int code : codes) {
    // Each code is stored as one byte, as the text holds 8-bit characters.
    const unsigned char byte = static_cast<unsigned char>(code);
    if (byte == 0 || text.size() == 10) break;
    text.push_back(static_cast<char>(byte));
  }
  return text;
}
