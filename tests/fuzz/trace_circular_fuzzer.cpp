// The Trace Circular calculator on any field texts: see calculator_fuzz.h.
#include "calculator_fuzz.h"
#include "trace/trace_circular.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzCalculator(kTraceCircular, ComputeTraceCircular, data, size);
}
