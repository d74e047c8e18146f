#include "calculator_dialogs/dialog_frame.h"

#include <string>
#include <vector>

#include "common/app_state.h"
#include "common/editor_text.h"
#include "common/messages.h"
#include "common/wait_cursor.h"
#include "common/window_placement.h"
#include "frame/report.h"
#include "point_lists/point_lines.h"
#include "resource.h"

void FrameOpen(HWND dialog, const CalculatorSpec& calculator) {
  for (const InputField& field : calculator.inputs) {
    SetText(GetDlgItem(dialog, field.controlId), OpeningText(field, Remembered()));
  }
  // The Trace dialogs' "X before Y", shared by the three of them for the run.
  if (GetDlgItem(dialog, IDC_X_BEFORE_Y)) {
    CheckDlgButton(dialog, IDC_X_BEFORE_Y, Remembered().XBeforeY ? BST_CHECKED : BST_UNCHECKED);
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

void FramePointList(HWND dialog, const CalculatorSpec& calculator, PointListAction action) {
  // The element's fields are read and remembered first, as CALC does, whatever the selection.
  std::vector<std::string> texts;
  texts.reserve(calculator.inputs.size());
  for (const InputField& field : calculator.inputs) {
    texts.push_back(IsPointField(field) ? std::string()
                                        : GetText(GetDlgItem(dialog, field.controlId)));
  }
  RememberElementTexts(calculator, texts, Remembered());
  const std::vector<std::string> lines = NonBlankLines(GetSelectedText(App().Editor));
  if (lines.empty()) {
    MessageBoxA(dialog, Messages::kSelectPointLines, Messages::kPointListCaption,
                MB_OK | MB_ICONINFORMATION);
  } else {
    WaitCursor wait;
    AppendText(App().Editor, PointListBlock(calculator, texts, Remembered(), action,
                                            Remembered().XBeforeY, lines));
  }
  // The pressed button would stay the default one; Enter means CALC in these dialogs.
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_CALC)), TRUE);
}

bool FrameHandle(HWND dialog, UINT message, WPARAM wParam, const CalculatorSpec& calculator) {
  switch (message) {
    case WM_INITDIALOG: FrameOpen(dialog, calculator); return false;
    // The whole command word: an edit field's notifications carry a code and do nothing.
    case WM_COMMAND:
      if (wParam == IDOK) return true;
      if (wParam == IDCANCEL) EndDialog(dialog, 0);
      if (wParam == IDC_LIST_PK_D) FramePointList(dialog, calculator, ListStations);
      if (wParam == IDC_SET_OUT) FramePointList(dialog, calculator, SetOutStations);
      if (wParam == IDC_X_BEFORE_Y) {
        Remembered().XBeforeY = IsDlgButtonChecked(dialog, IDC_X_BEFORE_Y) == BST_CHECKED;
      }
      return false;
    case WM_CLOSE: EndDialog(dialog, 0); return false;
    default: return false;
  }
}
