// The portable half of the calculation dialog frame: what a field shows when a dialog opens,
// remembering the typed field texts, the input report (block 1) and the output texts.
// The Win32 frame reads and writes the fields; everything it does with their texts is here.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "frame/calculator.h"
#include "frame/remembered_inputs.h"

// Line end of every report line.
extern const char* const kReportLineEnd;  // "\r\n"

// The text a field shows when its dialog opens: NumToText of its remembered number (" 0" on first
// use), or the remembered name for a point-name field.
std::string OpeningText(const InputField& field, const RememberedInputs& inputs);

// Stores each field's text into the record, in table order: numbers through TextToNum (a text that
// is not a number gives 0), names as typed. texts[i] belongs to calculator.inputs[i]; missing texts
// count as empty.
void RememberFieldTexts(const CalculatorSpec& calculator, const std::vector<std::string>& texts,
                        RememberedInputs& inputs);

// Report block 1: CR LF, the report title, CR LF, then each key followed by its field's text
// exactly as typed (a key that starts a line preceded by CR LF), ending with CR LF.
std::string InputReport(const CalculatorSpec& calculator, const std::vector<std::string>& texts);

// One line of a result block: every line starts with a line end, and a block ends with one more
// (kReportLineEnd), so that consecutive blocks stand one empty line apart.
std::string ReportLine(const std::string& items);

// A computed length, chainage or offset as the reports and output fields show it: four decimals.
std::string LengthText(double x);

// The output fields' texts: FixedText(value, 4) of each output value.
std::vector<std::string> OutputTexts(const CalcOutcome& outcome);

// What one press of CALC produced: the text appended to the editor, all blocks in order, and the
// texts written into the output fields.
struct CalcRun {
  std::string appended;
  std::vector<std::string> outputTexts;
};

// One whole calculation without any window, as the dialog runs it: every field not named in typed
// keeps the text it showed on opening; the texts are remembered and echoed, then compute runs on
// the record. typed maps control ids to the texts the user typed.
CalcRun RunCalculation(const CalculatorSpec& calculator, RememberedInputs& inputs,
                       const std::map<int, std::string>& typed,
                       CalcOutcome (*compute)(RememberedInputs&));
