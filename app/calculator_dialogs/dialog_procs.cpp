// Each calculation dialog is the shared frame plus its own compute function, called between
// reading the inputs and showing the outcome. Every procedure returns 0 for every message.
#include "calculator_dialogs/dialog_procs.h"

#include <string>

#include "calculator_dialogs/dialog_frame.h"
#include "rail/rail_circular.h"
#include "rail/rail_connecting.h"
#include "rail/rail_linear.h"
#include "trace/trace_circular.h"
#include "trace/trace_connecting.h"
#include "trace/trace_linear.h"

INT_PTR CALLBACK TraceLinearDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kTraceLinear)) {
    const std::string inputReport = FrameReadInputs(dialog, kTraceLinear);
    FrameShowOutcome(dialog, kTraceLinear, inputReport, ComputeTraceLinear(Remembered()));
  }
  return 0;
}

INT_PTR CALLBACK TraceCircularDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kTraceCircular)) {
    const std::string inputReport = FrameReadInputs(dialog, kTraceCircular);
    FrameShowOutcome(dialog, kTraceCircular, inputReport, ComputeTraceCircular(Remembered()));
  }
  return 0;
}

INT_PTR CALLBACK TraceConnectingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kTraceConnecting)) {
    const std::string inputReport = FrameReadInputs(dialog, kTraceConnecting);
    FrameShowOutcome(dialog, kTraceConnecting, inputReport, ComputeTraceConnecting(Remembered()));
  }
  return 0;
}

INT_PTR CALLBACK RailLinearDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kRailLinear)) {
    const std::string inputReport = FrameReadInputs(dialog, kRailLinear);
    FrameShowOutcome(dialog, kRailLinear, inputReport, ComputeRailLinear(Remembered()));
  }
  return 0;
}

INT_PTR CALLBACK RailCircularDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kRailCircular)) {
    const std::string inputReport = FrameReadInputs(dialog, kRailCircular);
    FrameShowOutcome(dialog, kRailCircular, inputReport, ComputeRailCircular(Remembered()));
  }
  return 0;
}

INT_PTR CALLBACK RailConnectingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kRailConnecting)) {
    const std::string inputReport = FrameReadInputs(dialog, kRailConnecting);
    FrameShowOutcome(dialog, kRailConnecting, inputReport, ComputeRailConnecting(Remembered()));
  }
  return 0;
}
