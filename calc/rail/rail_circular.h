// Rail size of circular trace: the rail-size value y_rp at a point Rp of a circular curve.
#pragma once

#include "frame/calculator.h"
#include "frame/remembered_inputs.h"

extern const CalculatorSpec kRailCircular;

// Reads the remembered A, B, R, z, Rp and B_rl; returns the result block and the output y_rp.
CalcOutcome ComputeRailCircular(RememberedInputs& inputs);
