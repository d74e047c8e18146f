// The shortest round-trip text of a double, through std::to_chars (the library's exact
// algorithm, the same on every C runtime).
#include "shortest_text.h"

#include <charconv>
#include <cmath>

std::string ShortestText(double x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
  // A fixed text of 1e16 and above would only add zeros, below 1e-6 only leading zeros.
  const double magnitude = std::fabs(x);
  const bool plain = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e16);
  char buffer[400];
  const std::to_chars_result result =
      plain ? std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed)
            : std::to_chars(buffer, buffer + sizeof buffer, x);
  return std::string(buffer, result.ptr);
}
