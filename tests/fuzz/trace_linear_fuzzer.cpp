// The Trace Linear calculator on any field texts: see calculator_fuzz.h.
#include "calculator_fuzz.h"
#include "trace/trace_linear.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzCalculator(kTraceLinear, ComputeTraceLinear, data, size);
}
