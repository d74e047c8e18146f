// Reading point lines.
#include "point_lists/point_lines.h"

#include <cmath>

#include "number_text.h"

namespace {
// Characters cut from the ends of a line shown as not read, and that make a line blank.
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Powers of ten that are exact doubles.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A number of at most 15 significant digits (an exact double) times a power of ten up to 10^22
// (an exact double) is one correctly rounded multiplication or division: the common survey values
// need no long arithmetic. plain is a checked number text with a decimal point. False when the
// text falls outside that range; value is then unchanged.
bool ReadShortNumber(const std::string& plain, double& value) {
  size_t i = 0;
  const bool negative = plain[0] == '-';
  if (plain[0] == '-' || plain[0] == '+') ++i;
  double digits = 0.0;
  int significant = 0, exponent = 0;
  bool point = false;
  for (; i < plain.size() && plain[i] != 'e' && plain[i] != 'E'; ++i) {
    if (plain[i] == '.') {
      point = true;
      continue;
    }
    if (significant > 0 || plain[i] != '0') {
      if (++significant > 15) return false;
      digits = digits * 10 + (plain[i] - '0');
    }
    if (point) --exponent;
  }
  if (i < plain.size()) {
    ++i;
    const bool negativeExponent = plain[i] == '-';
    if (plain[i] == '-' || plain[i] == '+') ++i;
    int written = 0;
    for (; i < plain.size(); ++i) {
      if (written > 1000) return false;
      written = written * 10 + (plain[i] - '0');
    }
    exponent += negativeExponent ? -written : written;
  }
  if (exponent < -22 || exponent > 22) return false;
  const double magnitude =
      exponent < 0 ? digits / kExactPowersOfTen[-exponent] : digits * kExactPowersOfTen[exponent];
  value = negative ? -magnitude : magnitude;
  return true;
}

// The longest text shown for a line that was not read, before "..." is added.
constexpr size_t kNotReadWidth = 60;
}  // namespace

std::vector<std::string> NonBlankLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    bool blank = true;
    for (size_t i = start; i < end && blank; ++i) blank = IsBlank(text[i]);
    if (!blank) lines.push_back(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

LineFields SplitFields(const std::string& line) {
  LineFields result;
  result.decimalComma = line.find_first_of(";\t") != std::string::npos;
  const char* separators = result.decimalComma ? "; \t" : ", ";
  size_t pos = line.find_first_not_of(separators);
  while (pos != std::string::npos) {
    const size_t end = line.find_first_of(separators, pos);
    result.fields.push_back(line.substr(pos, end == std::string::npos ? end : end - pos));
    pos = end == std::string::npos ? end : line.find_first_not_of(separators, end);
  }
  return result;
}

bool ReadFullNumber(const std::string& field, bool decimalComma, double& value) {
  std::string plain = field;  // the text with a decimal comma turned into a point
  size_t i = 0;
  if (i < plain.size() && (plain[i] == '+' || plain[i] == '-')) ++i;
  size_t digits = 0;
  bool point = false;
  for (; i < plain.size(); ++i) {
    if (IsDigit(plain[i])) {
      ++digits;
    } else if (!point && (plain[i] == '.' || (decimalComma && plain[i] == ','))) {
      point = true;
      plain[i] = '.';
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i < plain.size() && (plain[i] == 'e' || plain[i] == 'E')) {
    ++i;
    if (i < plain.size() && (plain[i] == '+' || plain[i] == '-')) ++i;
    size_t exponentDigits = 0;
    for (; i < plain.size() && IsDigit(plain[i]); ++i) ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  if (i != plain.size()) return false;
  double number = 0.0;
  if (!ReadShortNumber(plain, number)) number = TextToNum(plain);
  if (!std::isfinite(number)) return false;
  value = number;
  return true;
}

std::string NotReadText(const std::string& line) {
  size_t begin = 0, end = line.size();
  while (begin < end && IsBlank(line[begin])) ++begin;
  while (end > begin && IsBlank(line[end - 1])) --end;
  if (end - begin > kNotReadWidth) return line.substr(begin, kNotReadWidth) + "...";
  return line.substr(begin, end - begin);
}

bool ReadPointLine(const std::string& line, PointLine& point) {
  const LineFields split = SplitFields(line);
  const std::vector<std::string>& fields = split.fields;
  if (fields.size() < 2) return false;
  const size_t firstNumber = fields.size() == 2 ? 0 : 1;
  double first = 0.0, second = 0.0;
  if (!ReadFullNumber(fields[firstNumber], split.decimalComma, first) ||
      !ReadFullNumber(fields[firstNumber + 1], split.decimalComma, second)) {
    return false;
  }
  point.name = firstNumber == 0 ? std::string() : fields[0];
  point.first = first;
  point.second = second;
  return true;
}

SelectedPoints ReadSelectedPoints(const std::string& selection) {
  SelectedPoints selected;
  for (const std::string& line : NonBlankLines(selection)) {
    PointLine point;
    if (ReadPointLine(line, point)) {
      selected.read.push_back({line, point});
    } else {
      selected.notRead.push_back(NotReadText(line));
    }
  }
  return selected;
}
