// Rail size of connecting trace: the rail-size value y_rp at a point Rp of a transition curve.
#pragma once

#include "frame/calculator.h"
#include "frame/remembered_inputs.h"

extern const CalculatorSpec kRailConnecting;

// Reads the remembered A, B, PKnsk, C, Rp and B_rl; returns the result block and the output y_rp.
CalcOutcome ComputeRailConnecting(RememberedInputs& inputs);
