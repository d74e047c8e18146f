// TextToNum on any bytes: the same double as this C library's strtod in the "C" locale (glibc's
// is correctly rounded, as TextToNum must be on every runtime), bit for bit, sign of zero
// included; any NaN for any NaN. Only a prefix counts: text glued after it changes nothing.
#include <cmath>
#include <cstdlib>

#include "fuzz_checks.h"
#include "number_text.h"

namespace {

bool SameDouble(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double value = TextToNum(text);
  // strtod stops at a zero byte, and so must TextToNum: no number continues past one.
  const double expected = std::strtod(text.c_str(), nullptr);
  FuzzCheck(SameDouble(value, expected), "TextToNum reads like a correctly rounded strtod",
            Visible(text) + " gave " + DoubleDetail(value) + ", strtod " + DoubleDetail(expected));

  const double glued = TextToNum(text + "#1e5");
  FuzzCheck(
      SameDouble(value, glued), "a character that no number holds ends the number",
      Visible(text) + " gave " + DoubleDetail(value) + ", followed by #1e5 " + DoubleDetail(glued));
  return 0;
}
