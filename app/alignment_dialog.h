// The Trace Alignment dialog: PK start, the vertex lines, CALC, the point-list buttons.
#pragma once

#include <windows.h>

INT_PTR CALLBACK TraceAlignmentDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
