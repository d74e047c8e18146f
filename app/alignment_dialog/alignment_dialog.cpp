// Trace Alignment is not one of the table-driven calculators: its vertices are a multi-line
// text, so it has a procedure of its own, laid out like theirs. Every button reads and remembers
// the dialog's texts first, then appends one block to the editor.
#include "alignment_dialog/alignment_dialog.h"

#include <string>

#include "alignment/alignment_cant.h"
#include "alignment/alignment_heights.h"
#include "alignment/alignment_report.h"
#include "alignment_dialog/alignment_fields.h"
#include "alignment_dialog/landxml_commands.h"
#include "common/app_state.h"
#include "common/editor_text.h"
#include "common/messages.h"
#include "common/wait_cursor.h"
#include "common/window_placement.h"
#include "drawing_window/drawing_window.h"
#include "point_lists/point_lines.h"
#include "resource.h"

namespace {

void OpenAlignment(HWND dialog) {
  const AlignmentTexts texts = OpeningAlignmentTexts(Remembered());
  SetText(GetDlgItem(dialog, IDC_PK_START), texts.PKstart);
  SetText(GetDlgItem(dialog, IDC_VERTICES), texts.vertices);
  SetText(GetDlgItem(dialog, IDC_PROFILE), texts.profile);
  SetText(GetDlgItem(dialog, IDC_CANT), texts.cant);
  CheckDlgButton(dialog, IDC_X_BEFORE_Y, texts.xBeforeY ? BST_CHECKED : BST_UNCHECKED);
  CenterWindow(dialog);
}

void Calculate(HWND dialog) {
  const AlignmentTexts texts = ReadAlignmentFields(dialog);
  WaitCursor wait;
  AppendText(App().Editor, AlignmentCalcBlock(texts));
}

// The lines selected in the editor; false after the point lists' message when none are.
bool SelectedLines(HWND dialog, std::string& selection) {
  selection = GetSelectedText(App().Editor);
  if (!NonBlankLines(selection).empty()) return true;
  MessageBoxA(dialog, Messages::kSelectPointLines, Messages::kPointListCaption,
              MB_OK | MB_ICONINFORMATION);
  return false;
}

// The pressed button would stay the default one; Enter means CALC here too.
void ReturnToCalc(HWND dialog) {
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_CALC)), TRUE);
}

// "List PK, d" or "Set out" over the lines selected in the editor.
void PointList(HWND dialog, bool setOut) {
  const AlignmentTexts texts = ReadAlignmentFields(dialog);
  std::string selection;
  if (SelectedLines(dialog, selection)) {
    WaitCursor wait;
    AppendText(App().Editor, setOut ? AlignmentSetOutBlock(texts, selection)
                                    : AlignmentListBlock(texts, selection));
  }
  ReturnToCalc(dialog);
}

// "List H" or "List cant": the selected lines of a chainage and a measured value against the
// profile or the cant.
void ListAlongTrack(HWND dialog, std::string (*block)(const AlignmentTexts&, const std::string&)) {
  const AlignmentTexts texts = ReadAlignmentFields(dialog);
  std::string selection;
  if (SelectedLines(dialog, selection)) {
    WaitCursor wait;
    AppendText(App().Editor, block(texts, selection));
  }
  ReturnToCalc(dialog);
}

}  // namespace

// Enter in the vertex, profile and cant lines makes a new line (ES_WANTRETURN); elsewhere it is
// CALC (IDOK). Escape, Close and the window's close box end the dialog; a multi-line field answers
// Escape with WM_CLOSE to its dialog.
INT_PTR CALLBACK TraceAlignmentDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: OpenAlignment(dialog); return 0;
    // The whole command word: an edit field's notifications carry a code and do nothing.
    case WM_COMMAND:
      switch (wParam) {
        case IDOK: Calculate(dialog); break;
        case IDCANCEL: EndDialog(dialog, 0); break;
        case IDC_LIST_PK_D: PointList(dialog, false); break;
        case IDC_SET_OUT: PointList(dialog, true); break;
        case IDC_LIST_H: ListAlongTrack(dialog, AlignmentHeightsBlock); break;
        case IDC_LIST_CANT: ListAlongTrack(dialog, AlignmentCantBlock); break;
        case IDC_DRAWING: ShowAlignmentDrawing(dialog, ReadAlignmentFields(dialog)); break;
        case IDC_IMPORT_LANDXML: ImportLandXml(dialog); break;
        case IDC_EXPORT_LANDXML: ExportLandXml(dialog); break;
        case IDC_X_BEFORE_Y:
          Remembered().XBeforeY = IsDlgButtonChecked(dialog, IDC_X_BEFORE_Y) == BST_CHECKED;
          break;
        default: break;
      }
      return 0;
    case WM_CLOSE: EndDialog(dialog, 0); return 0;
    default: return 0;
  }
}
