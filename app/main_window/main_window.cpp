#include "main_window/main_window.h"

#include <string>

#include "alignment_dialog/alignment_dialog.h"
#include "calculator_dialogs/dialog_procs.h"
#include "calculator_dialogs/versines_dialog.h"
#include "common/app_state.h"
#include "common/editor_text.h"
#include "common/messages.h"
#include "files/document.h"
#include "files/open_requests.h"
#include "main_window/about_box.h"
#include "main_window/find.h"
#include "number_text.h"
#include "printing/print.h"
#include "resource.h"

namespace {

// Deletes the editor's selection; the title grows by " - " and the path on every use.
void ClearSelection() {
  AppState& app = App();
  SendMessageA(app.Editor, WM_CLEAR, 0, 0);
  ShowTitle(app.WindowTitle + " - " + app.DocumentPath);
  app.DocumentChanged = 1;
}

// The usage line lies under the editor, which covers the whole client area.
void PaintUsageLine(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const std::string line =
      "Editbox is using" + NumToText(GetWindowTextLengthA(App().Editor)) + " bytes";
  TextOutA(dc, 75, 128, line.c_str(), static_cast<int>(line.size()));
  EndPaint(window, &paint);
}

void UndoInEditor() {
  HWND editor = App().Editor;
  if (SendMessageA(editor, EM_CANUNDO, 0, 0) != 0) {
    SendMessageA(editor, WM_UNDO, 0, 0);
  } else {
    ShowMessage(Messages::kNothingToUndo, Messages::kUndoCaption, MB_OK);
  }
}

void OnEditorNotification(int code) {
  switch (code) {
    case EN_CHANGE: App().DocumentChanged = 1; break;
    case EN_ERRSPACE:
    case EN_MAXTEXT:
      ShowMessage(Messages::kEditorFull, Messages::kErrorCaption, MB_ICONERROR);
      break;
    default: break;
  }
}

// Every dialog opens the same way: a beep, then modally over the main window.
void RunDialog(int templateId, DLGPROC procedure) {
  MessageBeep(0);
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), App().MainWindow,
                  procedure, 0);
}

// The document operations return 1 on success; the document is unchanged exactly then.
void RunDocumentCommand(int (*operation)(HWND, HWND)) {
  AppState& app = App();
  app.DocumentChanged = 1 - operation(app.MainWindow, app.Editor);
}

// A file handed over by a second start or dropped on the window: opened as File, Open would,
// once the window is free. Its own prompt and boxes run a message loop, so a further request
// that arrives meanwhile waits for this one to end.
void OpenRequestedFile(HWND window) {
  static bool opening = false;
  const std::string path = TakeOpenRequest(window, opening);
  if (path.empty()) return;
  opening = true;
  AppState& app = App();
  app.DocumentChanged = 1 - OpenNamedDocument(app.MainWindow, app.Editor, path);
  opening = false;
}

void OnCommand(int id, int code) {
  HWND editor = App().Editor;
  switch (id) {
    // File
    case CMD_NEW: RunDocumentCommand(NewDocument); break;
    case CMD_OPEN: RunDocumentCommand(OpenDocument); break;
    case CMD_SAVE: RunDocumentCommand(SaveDocument); break;
    case CMD_SAVE_AS: RunDocumentCommand(SaveDocumentAs); break;
    case CMD_PRINT: PrintDocument(App().MainWindow, editor, App().DocumentPath); break;
    case CMD_EXIT: RunDocumentCommand(ExitProgram); break;
    case IDC_EDITOR: OnEditorNotification(code); break;
    // Edit
    case CMD_UNDO: UndoInEditor(); break;
    case CMD_SELECT_ALL: SendMessageA(editor, EM_SETSEL, 0, -1); break;
    case CMD_CUT: SendMessageA(editor, WM_CUT, 0, 0); break;
    case CMD_COPY: SendMessageA(editor, WM_COPY, 0, 0); break;
    case CMD_PASTE: SendMessageA(editor, WM_PASTE, 0, 0); break;
    case CMD_FIND: ShowFindDialog(App().MainWindow); break;
    case CMD_FIND_NEXT: FindNext(App().MainWindow); break;
    case CMD_CLEAR_SELECTION: ClearSelection(); break;
    // Help
    case CMD_ABOUT: RunDialog(IDD_ABOUT, AboutDialogProc); break;
    // Mark
    case CMD_TRACE_LINEAR: RunDialog(IDD_TRACE_LINEAR, TraceLinearDialog); break;
    case CMD_TRACE_CIRCULAR: RunDialog(IDD_TRACE_CIRCULAR, TraceCircularDialog); break;
    case CMD_TRACE_CONNECTING: RunDialog(IDD_TRACE_CONNECTING, TraceConnectingDialog); break;
    case CMD_TRACE_ALIGNMENT: RunDialog(IDD_TRACE_ALIGNMENT, TraceAlignmentDialog); break;
    case CMD_RAIL_LINEAR: RunDialog(IDD_RAIL_LINEAR, RailLinearDialog); break;
    case CMD_RAIL_CIRCULAR: RunDialog(IDD_RAIL_CIRCULAR, RailCircularDialog); break;
    case CMD_RAIL_CONNECTING: RunDialog(IDD_RAIL_CONNECTING, RailConnectingDialog); break;
    case CMD_CURVE_BY_VERSINES: RunDialog(IDD_CURVE_BY_VERSINES, CurveByVersinesDialog); break;
    default: break;
  }
}

// Closing the window or ending the session asks first while the text has unsaved changes.
bool MayDiscardDocument() {
  return ConfirmDiscard(App().MainWindow, App().Editor) == 1;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZE: MoveWindow(App().Editor, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
    case WM_SETFOCUS: SetFocus(App().Editor); return 0;
    case WM_PAINT: PaintUsageLine(window); return 0;
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) ClearSelection();
      return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_LBUTTONDOWN: ShowNotice(Messages::kMadeIt); return 0;
    case WM_CLOSE:
      if (MayDiscardDocument()) DestroyWindow(window);
      return 0;
    case WM_QUERYENDSESSION: return MayDiscardDocument() ? TRUE : FALSE;
    case WM_COPYDATA: return OnCopyData(window, reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_DROPFILES: OnDropFiles(window, reinterpret_cast<HDROP>(wParam)); return 0;
    case kOpenRequestMessage: OpenRequestedFile(window); return 0;
    case WM_TIMER:
      if (wParam == kOpenRequestTimer) OpenRequestedFile(window);
      return 0;
    default:
      if (IsFindDialogMessage(message)) {
        OnFindDialogMessage(window, lParam);
        return 0;
      }
      return DefWindowProcA(window, message, wParam, lParam);
  }
}
