// Trace Connecting: the main elements of a transition curve (spiral) between a straight and a
// circular curve, and the chainage and offset of a surveyed point PZ on it.
#pragma once

#include <string>

#include "frame/calculator.h"
#include "frame/remembered_inputs.h"
#include "trace/spiral_foot_point.h"
#include "trace/trace_point.h"

extern const CalculatorSpec kTraceConnecting;

// The report's texts for a point off the spiral and for a failed foot-point search.
extern const char* const kOutsideConnecting;  // "!Point outside of connecting crooked!"
extern const char* const kFootPointNotFound;  // "!Foot point not found!"

// The spiral as the calculation uses it.
struct ConnectingTrace {
  double Y_nkk, X_nkk;
  double Lpk, sinA, cosA, Apk;  // the straight from the line point to NKK
  double chainageSign;          // Sign(PK_nkk - PK_l)
  double Rk, sideSign;          // the centre's distance from NKK and side (+1 right)
  double L_sk, q, C, a, a1, X_ksk, Y_ksk, Z, FI;
  double PKnsk, PKksk;
};

// PZ in the spiral frame and, when it is on the spiral and its foot point was found, its
// chainage and offset.
struct ConnectingPoint {
  double xpz, ypz, xlim;
  bool outside;
  bool found;
  double Lpz, qpz, PKpz, Dpz;
};

// Reads the remembered line point, NKK, centre, R_kk, L_sk and q.
ConnectingTrace MakeConnectingTrace(const RememberedInputs& inputs);

// The spiral's report lines from "Apk=..." to "PKnsk=...   PKksk=...", each starting with a
// line end.
std::string ConnectingTraceLines(const ConnectingTrace& trace);

ConnectingPoint LocateOnConnectingTrace(const ConnectingTrace& trace, double Y, double X);

// PK_pz and d_pz as the output fields show them, or the warning.
Station ConnectingStation(const ConnectingTrace& trace, double Y, double X);

// The point whose PK_pz and d_pz are PK and d (to the foot-point tolerance); outside when the
// chainage is off the spiral.
SetOutPoint SetOutOnConnectingTrace(const ConnectingTrace& trace, double PK, double d);

// Reads the remembered line point, NKK, centre, R_kk, L_sk, q and PZ; writes PKnsk and C into
// TransitionStartPK and SpiralParameter for Rail Connecting. Returns the spiral block (before the
// outputs), the point block (after) and the outputs PK_pz, d_pz.
CalcOutcome ComputeTraceConnecting(RememberedInputs& inputs);
