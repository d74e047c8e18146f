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

void FrameReadInputs(HWND dialog, const CalculatorSpec& calculator) {
  std::vector<std::string> texts;
  texts.reserve(calculator.inputs.size());
  for (const InputField& field : calculator.inputs) {
    texts.push_back(GetText(GetDlgItem(dialog, field.controlId)));
  }
  RememberFieldTexts(calculator, texts, Remembered());
  AppendText(App().Editor, InputReport(calculator, texts));
}

void FrameShowOutcome(HWND dialog, const CalculatorSpec& calculator, const CalcOutcome& outcome) {
  for (const std::string& block : outcome.blocksBeforeOutputs) AppendText(App().Editor, block);
  const std::vector<std::string> outputs = OutputTexts(outcome);
  for (size_t i = 0; i < calculator.outputIds.size() && i < outputs.size(); ++i) {
    SetText(GetDlgItem(dialog, calculator.outputIds[i]), outputs[i]);
  }
  for (const std::string& block : outcome.blocksAfterOutputs) AppendText(App().Editor, block);
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
