// The picture windows' shared frame.
#include "drawing_window/picture_window.h"

#include "common/app_state.h"
#include "common/window_placement.h"
#include "resource.h"

HWND CreatePictureWindow(const char* className, const char* title, WNDPROC procedure) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  if (!GetClassInfoA(instance, className, &windowClass)) {
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_POLVER));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
  }
  // Three quarters of the screen, in its middle.
  const int width = GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
  const int height = GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
  HWND window = CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, 0, 0, width, height,
                                App().MainWindow, nullptr, instance, nullptr);
  if (window != nullptr) CenterWindow(window);
  return window;
}

void BringUpPictureWindow(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  SetFocus(window);
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

void KeepPictureWindowSize(LPARAM minMaxInfo) {
  reinterpret_cast<MINMAXINFO*>(minMaxInfo)->ptMinTrackSize = {320, 240};
}
