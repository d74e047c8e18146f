// Curve by Versines runs on the one dialog frame: its fields are a table, remembered as typed.
// CALC and "Diagram" both read the fields and the editor's selection first.
#include "calculator_dialogs/versines_dialog.h"

#include <string>
#include <vector>

#include "calculator_dialogs/dialog_frame.h"
#include "common/app_state.h"
#include "common/editor_text.h"
#include "common/messages.h"
#include "common/wait_cursor.h"
#include "drawing_window/versine_window.h"
#include "frame/report.h"
#include "resource.h"
#include "versines/versine_diagram.h"
#include "versines/versine_report.h"
#include "versines/versines.h"

namespace {

VersineTexts ReadVersineFields(HWND dialog) {
  std::vector<std::string> texts;
  for (const InputField& field : kCurveByVersines.inputs)
    texts.push_back(GetText(GetDlgItem(dialog, field.controlId)));
  RememberFieldTexts(kCurveByVersines, texts, Remembered());
  return {texts[0], texts[1], texts[2], texts[3]};
}

// The editor's selection; false after the point lists' message when nothing is selected (a
// selection of blank lines is read, and gets its problem in the block).
bool SelectedVersines(HWND dialog, std::string& selection) {
  selection = GetSelectedText(App().Editor);
  if (!selection.empty()) return true;
  MessageBoxA(dialog, Messages::kSelectPointLines, Messages::kPointListCaption,
              MB_OK | MB_ICONINFORMATION);
  return false;
}

void Calculate(HWND dialog) {
  const VersineTexts texts = ReadVersineFields(dialog);
  std::string selection;
  if (!SelectedVersines(dialog, selection)) return;
  WaitCursor wait;
  AppendText(App().Editor, VersinesBlock(texts, selection));
}

// The diagram of what CALC would compute; problems go into the document as CALC gives them.
void Diagram(HWND dialog) {
  const VersineTexts texts = ReadVersineFields(dialog);
  std::string selection;
  // The pressed button would stay the default one; Enter means CALC here too.
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_CALC)), TRUE);
  if (!SelectedVersines(dialog, selection)) return;
  VersineResult result;
  {
    WaitCursor wait;
    result = CalculateVersines(texts, selection);
  }
  if (!result.problems.empty()) {
    AppendText(App().Editor,
               InputReport(kCurveByVersines, TextsInTableOrder(texts)) + VersineResultText(result));
    return;
  }
  ShowVersineDiagram(BuildVersineDiagram(result));
}

}  // namespace

INT_PTR CALLBACK CurveByVersinesDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND && wParam == IDC_VERSINE_DIAGRAM) {
    Diagram(dialog);
  } else if (FrameHandle(dialog, message, wParam, kCurveByVersines)) {
    Calculate(dialog);
  }
  return 0;
}
