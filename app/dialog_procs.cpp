// Each calculation dialog is the shared frame plus its own compute function, called between
// reading the inputs and showing the outcome. Every procedure returns 0 for every message.
#include "dialog_procs.h"

#include "dialog_frame.h"
#include "rail_circular.h"
#include "rail_connecting.h"
#include "rail_linear.h"
#include "trace_circular.h"
#include "trace_connecting.h"
#include "trace_linear.h"

INT_PTR CALLBACK TraceLinearDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kTraceLinear)) {
    FrameReadInputs(dialog, kTraceLinear);
    FrameShowOutcome(dialog, kTraceLinear, ComputeTraceLinear(Remembered()));
  }
  return 0;
}

INT_PTR CALLBACK TraceCircularDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kTraceCircular)) {
    FrameReadInputs(dialog, kTraceCircular);
    FrameShowOutcome(dialog, kTraceCircular, ComputeTraceCircular(Remembered()));
  }
  return 0;
}

INT_PTR CALLBACK TraceConnectingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kTraceConnecting)) {
    FrameReadInputs(dialog, kTraceConnecting);
    FrameShowOutcome(dialog, kTraceConnecting, ComputeTraceConnecting(Remembered()));
  }
  return 0;
}

INT_PTR CALLBACK RailLinearDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kRailLinear)) {
    FrameReadInputs(dialog, kRailLinear);
    FrameShowOutcome(dialog, kRailLinear, ComputeRailLinear(Remembered()));
  }
  return 0;
}

INT_PTR CALLBACK RailCircularDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kRailCircular)) {
    FrameReadInputs(dialog, kRailCircular);
    FrameShowOutcome(dialog, kRailCircular, ComputeRailCircular(Remembered()));
  }
  return 0;
}

INT_PTR CALLBACK RailConnectingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (FrameHandle(dialog, message, wParam, kRailConnecting)) {
    FrameReadInputs(dialog, kRailConnecting);
    FrameShowOutcome(dialog, kRailConnecting, ComputeRailConnecting(Remembered()));
  }
  return 0;
}
