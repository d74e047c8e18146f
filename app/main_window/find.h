// Find in the document: the system's modeless Find dialog, and Find Next (F3) without it.
#pragma once

#include <windows.h>

// Edit, Find: shows the Find dialog, or brings it forward when it is already open.
void ShowFindDialog(HWND mainWindow);

// Edit, Find Next: searches again for the last text, as the Find dialog left it; with no text
// yet it shows the dialog.
void FindNext(HWND mainWindow);

// True for the message the Find dialog sends its owner; the main window hands it to
// OnFindDialogMessage.
bool IsFindDialogMessage(UINT message);
void OnFindDialogMessage(HWND mainWindow, LPARAM lParam);

// The open Find dialog, or nullptr; the message loop passes its messages through
// IsDialogMessageA so that Tab, Enter and Escape work in it.
HWND FindDialogWindow();
