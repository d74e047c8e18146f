// The application state: one record for the whole run, set up once at start-up.
#pragma once

#include <windows.h>

#include <string>

struct AppState {
  std::string ClassName;     // main window class; also how a second copy finds the running one
  std::string BaseTitle;     // the title when no file is named
  std::string WindowTitle;   // the title currently shown
  HWND MainWindow;           // the top-level window
  HWND Editor;               // the edit control holding the document
  int DocumentChanged;       // 1 while the editor holds changes not yet saved
  std::string DocumentPath;  // full path of the document file, empty for a new document
  // The shared rail value B_rl lives with the other remembered dialog inputs (RailBase).
};

AppState& App();

// Sets WindowTitle and shows it on the main window.
void ShowTitle(const std::string& title);
