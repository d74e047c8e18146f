// A calculator as data: its template, titles, input fields in reading order and output fields.
// The dialog frame walks these tables; each calculator adds one pure compute function.
#pragma once

#include <string>
#include <vector>

#include "frame/remembered_inputs.h"

struct InputField {
  int controlId;
  const char* reportKey;  // "PK0=", "   Y0=", "PZ: " ...
  bool startsLine;        // the key begins a new report line
  bool isName;            // a point-name field: remembered as text, never converted
  int remembered;         // a RememberedNumber, or a RememberedName when isName
};

struct CalculatorSpec {
  int templateId;
  const char* dialogTitle;
  const char* reportTitle;
  std::vector<InputField> inputs;  // reading order
  std::vector<int> outputIds;      // output fields, written with FixedText(value, 4)
};

// What one calculation produces after its inputs have been read and remembered.
struct CalcOutcome {
  std::vector<std::string> blocksBeforeOutputs;  // appended before the output fields are written
  std::vector<double> outputs;                   // one per CalculatorSpec::outputIds
  std::vector<std::string> blocksAfterOutputs;   // appended after
};
