// NumToText on any double: the "% .15G" shape written out, equal to this C library's own
// "% .15G" for finite values (the fuzz build runs on glibc, whose printf rounds exactly), and
// read back by TextToNum to within its 15 significant digits.
#include <cmath>
#include <cstdio>
#include <limits>

#include "fuzz_checks.h"
#include "number_text.h"

namespace {

void CheckNumToText(double x) {
  const std::string text = NumToText(x);
  const std::string detail = DoubleDetail(x) + " gave " + Visible(text);
  FuzzCheck(IsNumberText(text), "NumToText has the \"% .15G\" shape", detail);
  if (std::isnan(x)) {
    FuzzCheck(text == "NAN", "NaN is written NAN", detail);
    return;
  }
  if (std::isinf(x)) {
    FuzzCheck(text == (x < 0 ? "-INF" : " INF"), "infinities are written INF", detail);
    return;
  }

  char expected[64];
  std::snprintf(expected, sizeof expected, "% .15G", x);
  FuzzCheck(text == expected, "NumToText equals the C library's \"% .15G\"",
            detail + ", the library wrote " + Visible(expected));

  // Fifteen digits lose at most half a unit of the fifteenth: relative 5e-15. Only values
  // within that of the largest double may read back as infinity ("1.79769313486232E+308").
  const double back = TextToNum(text);
  const double largest = std::numeric_limits<double>::max();
  if (std::isinf(back)) {
    FuzzCheck(std::fabs(x) > largest * (1 - 1e-14) && std::signbit(back) == std::signbit(x),
              "only the largest doubles read back as infinity", detail);
    return;
  }
  FuzzCheck(std::fabs(back - x) <= std::fabs(x) * 1e-14, "the text reads back within 1e-14",
            detail + ", read back as " + DoubleDetail(back));
  FuzzCheck(std::signbit(back) == std::signbit(x), "the sign reads back", detail);
  // A field reopened with this text and calculated again shows the same text.
  FuzzCheck(NumToText(back) == text, "writing the read-back value gives the same text",
            detail + ", then " + Visible(NumToText(back)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ByteReader reader(data, size);
  do {
    CheckNumToText(reader.Double());
  } while (!reader.AtEnd());
  return 0;
}
