// The Trace Alignment dialog: PK start, the vertex and profile lines, CALC, the point-list,
// LandXML and drawing buttons.
#pragma once

#include <windows.h>

INT_PTR CALLBACK TraceAlignmentDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
