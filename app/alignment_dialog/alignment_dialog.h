// The Trace Alignment dialog: PK start, the vertex, profile and cant lines, CALC, the point-list,
// LandXML and drawing buttons.
#pragma once

#include <windows.h>

INT_PTR CALLBACK TraceAlignmentDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
