// The common Open and Save file dialogs of the File menu.
#pragma once

#include <windows.h>

#include <string>

// The "Open File" dialog: text files first, then all files; a typed name that does not exist is
// offered for creation and returned as chosen. Returns the chosen full path, "" when cancelled.
std::string ChooseOpenFile(HWND owner);

// The "Save File" dialog, starting with an empty name; asks before an existing file is replaced.
// Returns the chosen full path, "" when cancelled.
std::string ChooseSaveFile(HWND owner);
