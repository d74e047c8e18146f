// The portable half of the calculation dialog frame.
#include "frame/report.h"

#include "geometry.h"
#include "number_text.h"

const char* const kReportLineEnd = "\r\n";

namespace {
// texts[index], or "" when the caller gave fewer texts than the table has fields.
const std::string& TextAt(const std::vector<std::string>& texts, size_t index) {
  static const std::string kEmpty;
  return index < texts.size() ? texts[index] : kEmpty;
}
}  // namespace

std::string OpeningText(const InputField& field, const RememberedInputs& inputs) {
  if (field.isName) return inputs.Name[field.remembered];
  return NumToText(inputs.Number[field.remembered]);
}

void RememberFieldTexts(const CalculatorSpec& calculator, const std::vector<std::string>& texts,
                        RememberedInputs& inputs) {
  for (size_t i = 0; i < calculator.inputs.size(); ++i) {
    const InputField& field = calculator.inputs[i];
    if (field.isName) {
      inputs.Name[field.remembered] = TextAt(texts, i);
    } else {
      inputs.Number[field.remembered] = TextToNum(TextAt(texts, i));
    }
  }
}

std::string InputReport(const CalculatorSpec& calculator, const std::vector<std::string>& texts) {
  std::string block = kReportLineEnd;
  block += calculator.reportTitle;
  block += kReportLineEnd;
  for (size_t i = 0; i < calculator.inputs.size(); ++i) {
    const InputField& field = calculator.inputs[i];
    if (field.startsLine) block += kReportLineEnd;
    block += field.reportKey;
    block += TextAt(texts, i);
  }
  block += kReportLineEnd;
  return block;
}

std::string ReportLine(const std::string& items) {
  return kReportLineEnd + items;
}

std::string LengthText(double x) {
  return FixedText(x, 4);
}

std::vector<std::string> OutputTexts(const CalcOutcome& outcome) {
  std::vector<std::string> texts;
  for (double value : outcome.outputs) texts.push_back(LengthText(value));
  return texts;
}

CalcRun RunCalculation(const CalculatorSpec& calculator, RememberedInputs& inputs,
                       const std::map<int, std::string>& typed,
                       CalcOutcome (*compute)(RememberedInputs&)) {
  std::vector<std::string> texts;
  for (const InputField& field : calculator.inputs) {
    auto found = typed.find(field.controlId);
    texts.push_back(found != typed.end() ? found->second : OpeningText(field, inputs));
  }
  RememberFieldTexts(calculator, texts, inputs);

  CalcRun run;
  run.appended = InputReport(calculator, texts);
  CalcOutcome outcome = compute(inputs);
  for (const std::string& block : outcome.blocksBeforeOutputs) run.appended += block;
  run.outputTexts = OutputTexts(outcome);
  for (const std::string& block : outcome.blocksAfterOutputs) run.appended += block;
  return run;
}
