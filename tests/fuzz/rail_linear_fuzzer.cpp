// The Rail Linear calculator on any field texts: see calculator_fuzz.h.
#include "calculator_fuzz.h"
#include "rail/rail_linear.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzCalculator(kRailLinear, ComputeRailLinear, data, size);
}
