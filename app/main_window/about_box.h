// The About box (dialog 500).
#pragma once

#include <windows.h>

// OK, Enter and the close box end it; Escape (Cancel) deliberately does not.
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
