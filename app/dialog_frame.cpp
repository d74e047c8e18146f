#include "dialog_frame.h"

#include <string>
#include <vector>

#include "app_state.h"
#include "editor_text.h"
#include "report.h"
#include "window_placement.h"

void FrameOpen(HWND dialog, const CalculatorSpec& calculator) {
  for (const InputField& field : calculator.inputs) {
    SetText(GetDlgItem(dialog, field.controlId), OpeningText(field, Remembered()));
  }
  CenterWindow(dialog);
}

std::string FrameReadInputs(HWND dialog, const CalculatorSpec& calculator) {
  std::vector<std::string> texts;
  texts.reserve(calculator.inputs.size());
  for (const InputField& field : calculator.inputs) {
    texts.push_back(GetText(GetDlgItem(dialog, field.controlId)));
  }
  RememberFieldTexts(calculator, texts, Remembered());
  return InputReport(calculator, texts);
}

void FrameShowOutcome(HWND dialog, const CalculatorSpec& calculator, const std::string& inputReport,
                      const CalcOutcome& outcome) {
  std::string report = inputReport;
  for (const std::string& block : outcome.blocksBeforeOutputs) report += block;
  for (const std::string& block : outcome.blocksAfterOutputs) report += block;
  const std::vector<std::string> outputs = OutputTexts(outcome);
  for (size_t i = 0; i < calculator.outputIds.size() && i < outputs.size(); ++i) {
    SetText(GetDlgItem(dialog, calculator.outputIds[i]), outputs[i]);
  }
  AppendText(App().Editor, report);
}

bool FrameHandle(HWND dialog, UINT message, WPARAM wParam, const CalculatorSpec& calculator) {
  switch (message) {
    case WM_INITDIALOG: FrameOpen(dialog, calculator); return false;
    // The whole command word: an edit field's notifications carry a code and do nothing.
    case WM_COMMAND:
      if (wParam == IDOK) return true;
      if (wParam == IDCANCEL) EndDialog(dialog, 0);
      return false;
    case WM_CLOSE: EndDialog(dialog, 0); return false;
    default: return false;
  }
}
