// The Trace Connecting calculator on any field texts: see calculator_fuzz.h.
#include "calculator_fuzz.h"
#include "trace/trace_connecting.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzCalculator(kTraceConnecting, ComputeTraceConnecting, data, size);
}
