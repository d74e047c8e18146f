// Trace Circular: chainage and radial offset of a surveyed point PZ on a circular curve.
#pragma once

#include "calculator.h"
#include "remembered_inputs.h"

extern const CalculatorSpec kTraceCircular;

// Reads the remembered NK, KK, centre, R, z, q and PZ; returns the curve block (before the
// outputs), the point block (after) and the outputs PK_pz, d_pz.
CalcOutcome ComputeTraceCircular(RememberedInputs& inputs);
