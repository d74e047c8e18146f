// The Rail Connecting calculator on any field texts: see calculator_fuzz.h.
#include "calculator_fuzz.h"
#include "rail/rail_connecting.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzCalculator(kRailConnecting, ComputeRailConnecting, data, size);
}
