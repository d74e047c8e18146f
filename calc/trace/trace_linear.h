// Trace Linear: chainage and offset of a surveyed point PZ against a straight given by A and B.
#pragma once

#include <string>

#include "frame/calculator.h"
#include "frame/remembered_inputs.h"
#include "trace/trace_point.h"

extern const CalculatorSpec kTraceLinear;

// The straight AB as the calculation uses it.
struct LinearTrace {
  double PK_A, Y_A, X_A, PK_B, Y_B, X_B;
  double Lpk, cY, cX;   // length and unit direction of AB
  double Apk;           // direction angle of AB
  double chainageSign;  // Sign(PK_B - PK_A)
};

// The estimates of PZ's chainage and offset from A and from B.
struct LinearPoint {
  double PKpz1, Dpz1, PKpz2, Dpz2;
};

// Reads the remembered A and B.
LinearTrace MakeLinearTrace(const RememberedInputs& inputs);

// The element's report line "Apk=...   Lpk=...", starting with a line end.
std::string LinearTraceLines(const LinearTrace& trace);

LinearPoint LocateOnLinearTrace(const LinearTrace& trace, double Y, double X);

// PK_pz and d_pz, the means of the two estimates, as the output fields show them.
Station LinearStation(const LinearTrace& trace, double Y, double X);

// The point whose PK_pz and d_pz are PK and d: the chainage inverts the mean of the two
// estimates. Never outside: the straight runs on past A and B.
SetOutPoint SetOutOnLinearTrace(const LinearTrace& trace, double PK, double d);

// Reads the remembered A, B and PZ; returns the result block and the outputs PK_pz, d_pz.
CalcOutcome ComputeTraceLinear(RememberedInputs& inputs);
