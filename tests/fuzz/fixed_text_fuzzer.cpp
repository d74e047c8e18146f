// FixedText on any double, mostly with the four decimals of every length in the reports: exactly
// n decimals, the "-" on every negative value, and a value within half a unit of the last
// decimal of x (plus the rounding of the one double addition the rule makes).
#include <cmath>
#include <limits>

#include "fuzz_checks.h"
#include "geometry.h"
#include "number_text.h"

namespace {

void CheckFixedText(double x, int n) {
  const std::string text = FixedText(x, n);
  const std::string detail =
      DoubleDetail(x) + " with " + std::to_string(n) + " decimals gave " + Visible(text);
  FuzzCheck(IsFixedText(text, n), "FixedText has exactly n decimals", detail);
  const std::string nanFraction = std::string(n > 3 ? n - 3 : 0, '0') + "NAN";
  if (std::isnan(x)) {
    FuzzCheck(text == "NAN." + nanFraction, "NaN is written NAN.0NAN", detail);
    return;
  }
  if (std::isinf(x)) {
    FuzzCheck(text == (x < 0 ? "-INF." : "INF.") + nanFraction, "infinity is written INF.0NAN",
              detail);
    return;
  }
  FuzzCheck((text[0] == '-') == (x < 0), "the sign shows on negative values only", detail);

  const std::size_t point = text.rfind('.');
  const std::string whole = text.substr(text[0] == '-' ? 1 : 0, point - (text[0] == '-' ? 1 : 0));
  double p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  const double magnitude = std::fabs(x);
  if (AllDigits(whole)) {
    // Whole parts below 1E+15 are exact integers; the decimals add at most 1 - 10^-n.
    const double shown = std::strtod(whole.c_str(), nullptr) +
                         std::strtod(text.substr(point + 1).c_str(), nullptr) / p;
    const double a = magnitude + 0.5 / p;
    const double slack = 2 * (std::nextafter(a, HUGE_VAL) - a) + 1e-9 / p;
    FuzzCheck(std::fabs(shown - magnitude) <= 0.5 / p + slack,
              "the decimals round x to the nearest unit of the last decimal",
              detail + ", which reads " + DoubleDetail(shown));
  } else {
    // As in NumToText, only the largest doubles round up to "1.79769313486232E+308", which
    // reads as infinity.
    const double shown = std::fmin(TextToNum(whole), std::numeric_limits<double>::max());
    FuzzCheck(std::fabs(shown - magnitude) <= magnitude * 1e-14 + 1,
              "a whole part from 1E+15 up keeps 15 significant digits",
              detail + ", which reads " + DoubleDetail(shown));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ByteReader reader(data, size);
  do {
    const std::uint8_t choice = reader.Byte();
    const int decimals = choice < 192 ? 4 : 1 + choice % 8;
    CheckFixedText(reader.Double(), decimals);
  } while (!reader.AtEnd());
  return 0;
}
