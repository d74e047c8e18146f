// The main window's procedure: keeps the editor over the client area, runs the menu commands and
// tracks whether the document has changed.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
