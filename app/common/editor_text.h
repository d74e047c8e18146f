// Text services on windows and controls, used by the main window, the documents and the dialogs.
#pragma once

#include <windows.h>

#include <string>

// The whole text of a window or control, however long.
std::string GetText(HWND window);

// Replaces the window's text.
void SetText(HWND window, const std::string& text);

// The text selected in an edit control ("" when nothing is selected).
std::string GetSelectedText(HWND editor);

// Adds text at the very end of an edit control, whatever was selected, and scrolls to it.
// The keyboard focus is given back to the window that had it, so keys typed into an open
// dialog never reach the editor.
void AppendText(HWND window, const std::string& text);

// Message box owned by the active window; returns the button pressed.
int ShowMessage(const char* text, const char* caption, UINT style);

// Information box "Notice" with an OK button.
int ShowNotice(const char* text);
