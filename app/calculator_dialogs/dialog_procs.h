// The six calculation dialogs' procedures, one per template.
#pragma once

#include <windows.h>

INT_PTR CALLBACK TraceLinearDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TraceCircularDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK TraceConnectingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK RailLinearDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK RailCircularDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK RailConnectingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
