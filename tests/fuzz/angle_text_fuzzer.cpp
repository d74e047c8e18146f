// AngleText on any double: "degrees'minutes'seconds'" with whole degrees carrying the sign, whole
// minutes 0 to 59, seconds 0 to 59.99 in hundredths, together within half a hundredth of a
// second of the angle; NaN and infinities (also angles too large to turn into degrees) in
// their fixed forms.
#include <cmath>
#include <vector>

#include "fuzz_checks.h"
#include "geometry.h"
#include "number_text.h"

namespace {

std::vector<std::string> SplitParts(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t quote = text.find('\''); quote != std::string::npos;
       quote = text.find('\'', start)) {
    parts.push_back(text.substr(start, quote - start));
    start = quote + 1;
  }
  if (start != text.size()) parts.push_back(text.substr(start));  // something after the last '
  return parts;
}

void CheckAngleText(double x) {
  const std::string text = AngleText(x);
  const std::string detail = DoubleDetail(x) + " gave " + Visible(text);
  if (std::isnan(x)) {
    FuzzCheck(text == "NAN'NAN'NAN'", "NaN is written NAN'NAN'NAN'", detail);
    return;
  }
  const double degreesOfX = x * 180 / kProgramPi;
  if (std::isinf(degreesOfX)) {
    FuzzCheck(text == (x < 0 ? "-INF'NAN'NAN'" : " INF'NAN'NAN'"),
              "an infinite angle is written INF'NAN'NAN'", detail);
    return;
  }

  const std::vector<std::string> parts = SplitParts(text);
  FuzzCheck(parts.size() == 3 && text.back() == '\'', "three parts, each ended by '", detail);
  for (const std::string& part : parts)
    FuzzCheck(IsNumberText(part), "each part is a number text", detail);
  FuzzCheck((parts[0][0] == '-') == (x < 0), "the sign rides on the degrees", detail);
  FuzzCheck(parts[1][0] == ' ' && parts[2][0] == ' ', "minutes and seconds are never negative",
            detail);

  const double degrees = std::fabs(TextToNum(parts[0]));
  const double minutes = TextToNum(parts[1]);
  const double seconds = TextToNum(parts[2]);
  FuzzCheck(degrees == std::floor(degrees), "whole degrees", detail);
  FuzzCheck(minutes == std::floor(minutes) && minutes >= 0 && minutes <= 59,
            "whole minutes from 0 to 59", detail);
  FuzzCheck(seconds >= 0 && seconds < 60, "seconds from 0 to below 60", detail);
  const std::size_t point = parts[2].find('.');
  FuzzCheck(point == std::string::npos || parts[2].size() - point - 1 <= 2, "seconds in hundredths",
            detail);

  // Below a million degrees the three parts add up to the angle (the sixfold product x*180/pi
  // rounds once more for each part, hence the relative term).
  const double magnitude = std::fabs(degreesOfX);
  if (magnitude < 1e6) {
    const double shown = degrees + minutes / 60 + seconds / 3600;
    FuzzCheck(std::fabs(shown - magnitude) <= 0.005 / 3600 + magnitude * 1e-13,
              "the parts round the angle to a hundredth of a second",
              detail + ", which adds up to " + DoubleDetail(shown) + " degrees, not " +
                  DoubleDetail(magnitude));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ByteReader reader(data, size);
  do {
    CheckAngleText(reader.Double());
  } while (!reader.AtEnd());
  return 0;
}
