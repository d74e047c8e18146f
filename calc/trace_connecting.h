// Trace Connecting: the main elements of a transition curve (spiral) between a straight and a
// circular curve, and the chainage and offset of a surveyed point PZ on it.
#pragma once

#include "calculator.h"
#include "remembered_inputs.h"

extern const CalculatorSpec kTraceConnecting;

// The foot-point iteration gives up after this many passes.
constexpr int kFootPointPassLimit = 1000;

// Reads the remembered line point, NKK, centre, R_kk, L_sk, q and PZ; writes PKnsk and C into
// TransitionStartPK and SpiralParameter for Rail Connecting. Returns the spiral block (before the
// outputs), the point block (after) and the outputs PK_pz, d_pz.
CalcOutcome ComputeTraceConnecting(RememberedInputs& inputs);
