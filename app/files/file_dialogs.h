// The common Open and Save file dialogs: those of the File menu, and the one they share.
#pragma once

#include <windows.h>

#include <string>

// The "Open File" dialog: text files first, then all files; a typed name that does not exist is
// offered for creation and returned as chosen. Returns the chosen full path, "" when cancelled.
std::string ChooseOpenFile(HWND owner);

// The "Save File" dialog, starting with an empty name; asks before an existing file is replaced.
// Returns the chosen full path, "" when cancelled.
std::string ChooseSaveFile(HWND owner);

// The Open or the Save dialog, prepared afresh each time: filters are pairs of name and pattern
// ending in a double zero, the first pair chosen. Returns the chosen path or "" when cancelled.
// No flag restores the current directory, so a dialog may start in the folder the previous one
// ended in.
std::string RunFileDialog(HWND owner, const char* caption, const char* filters,
                          const char* defaultExtension, DWORD flags, bool save);
