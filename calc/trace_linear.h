// Trace Linear: chainage and offset of a surveyed point PZ against a straight given by A and B.
#pragma once

#include "calculator.h"
#include "remembered_inputs.h"

extern const CalculatorSpec kTraceLinear;

// Reads the remembered A, B and PZ; returns the result block and the outputs PK_pz, d_pz.
CalcOutcome ComputeTraceLinear(RememberedInputs& inputs);
