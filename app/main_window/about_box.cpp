#include "main_window/about_box.h"

#include "common/window_placement.h"

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: CenterWindow(dialog); break;
    case WM_COMMAND:
      if (wParam == IDOK) EndDialog(dialog, 0);
      break;
    case WM_CLOSE: EndDialog(dialog, 0); break;
    default: break;
  }
  return 0;
}
