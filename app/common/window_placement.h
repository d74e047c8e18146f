// Placing top-level windows on the screen.
#pragma once

#include <windows.h>

// Moves the window, keeping its size, to the middle of the desktop's work area (no clamping).
void CenterWindow(HWND window);

// Gives the window the whole screen width and the screen height less one caption less 5 pixels,
// at (0, 0), and shows it.
void FitToScreen(HWND window);
