// The frame the picture windows share (the alignment drawing, the versine diagram): an
// overlapped window of Polver's icon, owned by the main window and not modal, three quarters of
// the screen in its middle.
#pragma once

#include <windows.h>

// Registers the class on first use and creates the window, hidden; null when it cannot.
HWND CreatePictureWindow(const char* className, const char* title, WNDPROC procedure);

// Shows the window (restored when minimised) in front with the keyboard focus, drawn anew.
void BringUpPictureWindow(HWND window);

// The smallest size the user may drag a picture window to (WM_GETMINMAXINFO).
void KeepPictureWindowSize(LPARAM minMaxInfo);
