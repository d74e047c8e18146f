// Rail size of linear trace: the rail-size value y_rp at a point Rp of a straight.
#pragma once

#include "frame/calculator.h"
#include "frame/remembered_inputs.h"

extern const CalculatorSpec kRailLinear;

// Reads the remembered A, B, Rp and B_rl; returns the result block and the output y_rp.
CalcOutcome ComputeRailLinear(RememberedInputs& inputs);
