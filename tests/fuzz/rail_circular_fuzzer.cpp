// The Rail Circular calculator on any field texts: see calculator_fuzz.h.
#include "calculator_fuzz.h"
#include "rail/rail_circular.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzCalculator(kRailCircular, ComputeRailCircular, data, size);
}
