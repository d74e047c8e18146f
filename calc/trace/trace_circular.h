// Trace Circular: chainage and radial offset of a surveyed point PZ on a circular curve.
#pragma once

#include <string>

#include "frame/calculator.h"
#include "frame/remembered_inputs.h"
#include "trace/trace_point.h"

extern const CalculatorSpec kTraceCircular;

// The report's text for a point off the arc.
extern const char* const kOutsideCircular;  // "!Point outside of circular crooked!"

// The curve as the calculation uses it.
struct CircularTrace {
  double PK0, PKn, Yck, Xck, R, z, q;
  double Ankk, Rnkk, Akkk, Rkkk;
  double Beta;      // signed central angle from NK to KK
  double turnSign;  // +1 when Beta >= 0, else -1
  double Lkk;       // arc length
};

// PZ as seen from the centre, and when it is on the arc its two chainages and its offset.
struct CircularPoint {
  double Apz, Rpz;
  bool outside;
  double PKpz1, PKpz2, Dpz;
};

// Reads the remembered NK, KK, centre, R, z and q.
CircularTrace MakeCircularTrace(const RememberedInputs& inputs);

// The curve's report lines "Ankk=...", "Akkk=...", "Beta=...", each starting with a line end.
std::string CircularTraceLines(const CircularTrace& trace);

CircularPoint LocateOnCircularTrace(const CircularTrace& trace, double Y, double X);

// PK_pz and d_pz as the output fields show them, or the outside warning.
Station CircularStation(const CircularTrace& trace, double Y, double X);

// The point whose PK_pz and d_pz are PK and d; outside when the chainage is off the arc.
SetOutPoint SetOutOnCircularTrace(const CircularTrace& trace, double PK, double d);

// Reads the remembered NK, KK, centre, R, z, q and PZ; returns the curve block (before the
// outputs), the point block (after) and the outputs PK_pz, d_pz.
CalcOutcome ComputeTraceCircular(RememberedInputs& inputs);
