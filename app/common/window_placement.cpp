#include "common/window_placement.h"

void CenterWindow(HWND window) {
  RECT work;
  RECT box;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(window, &box);
  // Integer halving truncates toward zero, so a window larger than the work area overhangs evenly.
  const int left = work.left + ((work.right - work.left) - (box.right - box.left)) / 2;
  const int top = work.top + ((work.bottom - work.top) - (box.bottom - box.top)) / 2;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE);
}

void FitToScreen(HWND window) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYCAPTION) - 5;
  SetWindowPos(window, nullptr, 0, 0, width, height, SWP_SHOWWINDOW);
}
