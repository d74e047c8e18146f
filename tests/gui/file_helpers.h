// Files and the common file dialogs, as the end-to-end tests of the File menu use them.
#pragma once

#include <windows.h>

#include <string>

extern const char* const kBaseTitle;        // the main window's title with no document named
extern const char* const kChangedQuestion;  // the discard prompt's text
constexpr int kFileNameField = 0x47C;       // the common file dialogs' file name combo box

// Whole files, read and written by the test in binary.
std::string FileBytes(const std::string& path);
void PutFile(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);

// Names in a folder (not "." and ".."): a save must leave no half-written file behind.
int EntryCount(const std::string& folder);

// Types a full path into an Open or Save dialog's file name field and accepts it.
void ChooseFile(HWND dialog, const std::string& path);
