// The File menu's document operations. Each returns 1 on success, 0 on failure or cancellation;
// the main window sets DocumentChanged = 1 - result.
#pragma once

#include <windows.h>

#include <string>

int NewDocument(HWND mainWindow, HWND editor);
int OpenDocument(HWND mainWindow, HWND editor);
int SaveDocument(HWND mainWindow, HWND editor);
int SaveDocumentAs(HWND mainWindow, HWND editor);
int ExitProgram(HWND mainWindow, HWND editor);

// File, Open without the dialog: the discard prompt, then the file at `path` (a full path), with
// the same messages when it is missing or cannot be read.
int OpenNamedDocument(HWND mainWindow, HWND editor, const std::string& path);

// The one "may I discard the text?" gate of New, Open, Exit and closing the window.
// Returns 1 to go on, 0 to abandon the command (Cancel, or Yes followed by a save that failed
// or was cancelled: the text stays and DocumentChanged stays 1).
int ConfirmDiscard(HWND mainWindow, HWND editor);
