// Curve by Versines' dialog: Step, L1, L2 and R, CALC and "Diagram" over the versine lines
// selected in the editor.
#pragma once

#include <windows.h>

INT_PTR CALLBACK CurveByVersinesDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
