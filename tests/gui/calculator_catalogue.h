// The six calculators as the long-running GUI tests drive them: menu command, field table,
// compute function and one worked example whose outputs are known by hand.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "frame/calculator.h"

struct CalculatorUnderTest {
  const char* name;  // a short name for test output
  int command;       // the menu command that opens the dialog
  const CalculatorSpec* table;
  CalcOutcome (*compute)(RememberedInputs&);
  std::map<int, std::string> example;       // a text for every input field
  std::vector<std::string> exampleOutputs;  // what the output fields show for the example
};

// All six, in menu order.
const std::vector<CalculatorUnderTest>& AllCalculators();
