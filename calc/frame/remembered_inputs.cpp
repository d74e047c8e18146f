// The remembered inputs of the calculation dialogs: their start values and the one record of the
// run.
#include "frame/remembered_inputs.h"

namespace {
// B_rl, the rail base that the program starts with.
constexpr double kInitialRailBase = 0.76;
}  // namespace

RememberedInputs InitialInputs() {
  RememberedInputs inputs;
  for (double& number : inputs.Number) number = 0.0;
  inputs.Number[RailBase] = kInitialRailBase;
  inputs.XBeforeY = false;
  inputs.Name[VersineStep] = "10";  // the usual step of a 20 m string
  return inputs;  // the other names start empty
}

RememberedInputs& Remembered() {
  static RememberedInputs record = InitialInputs();
  return record;
}
