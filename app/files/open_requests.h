// Files that reach the running program from outside: a path handed over by a second start
// (WM_COPYDATA) and files dropped on the main window (WM_DROPFILES).
//
// Neither is opened inside the message that brings it: a second start waits for its message to be
// answered, and the discard prompt may stay up for a long time. The request is kept and a message
// posted; it is carried out when the main window is free (no modal dialog, box or other opening in
// progress), by the main window calling TakeOpenRequest.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>

// Posted to the main window when a request waits; a timer of the same id retries while busy.
constexpr UINT kOpenRequestMessage = WM_APP + 1;
constexpr UINT_PTR kOpenRequestTimer = 1;

// In a second start: gives `path` (a full path) to the running copy's main window. True when that
// copy took it; it then comes forward and opens the file itself.
bool HandPathToRunningCopy(HWND running, const std::string& path);

// In the running copy: WM_COPYDATA from a second start. TRUE when it held a path.
LRESULT OnCopyData(HWND mainWindow, const COPYDATASTRUCT* data);

// WM_DROPFILES: the first dropped file is opened; when there are more, a box says so first.
void OnDropFiles(HWND mainWindow, HDROP drop);

// The waiting request's path, once the main window is free to open it: the window is brought
// forward and the request forgotten. "" while there is none or the window is busy (`opening`: the
// caller is still carrying out an earlier request; or a modal window is up), and then a retry is
// scheduled. Ends the retry timer when there is nothing left to wait for.
std::string TakeOpenRequest(HWND mainWindow, bool opening);
