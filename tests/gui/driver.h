// Operating the real polver.exe from another process, as a person at the desktop would:
// menu commands and button presses as window messages, texts through WM_GETTEXT/WM_SETTEXT,
// keystrokes as real key events of the X display. Every wait is bounded.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One running copy of the program under test.
struct Polver {
  PROCESS_INFORMATION process{};
  HWND main = nullptr;
  HWND editor = nullptr;
};

// Starts polver.exe (path from the POLVER_EXE environment variable) and waits until its main window
// is visible, has its editor and answers messages. Fails the current test when it does not.
// `arguments` is the rest of its command line (a document to open).
Polver StartPolver(const std::string& arguments = "");

// Starts a copy without waiting for any window of its own.
PROCESS_INFORMATION LaunchPolver(const std::string& arguments = "");

// Ends the copy however it stands (any open dialog or message box goes with it).
void StopPolver(Polver& polver);

// Waits up to timeoutMs for the process to end; returns its exit code, or -1 on time-out.
int WaitForExit(const PROCESS_INFORMATION& process, int timeoutMs);

// A visible top-level window of the process with this class ("#32770" for dialogs and message
// boxes) and caption (nullptr for any), once it answers messages; nullptr after the time-out.
HWND WaitForWindow(DWORD processId, const char* className, const char* caption,
                   int timeoutMs = 10000);

// Waits until no visible top-level window of the process has this class and caption.
bool WaitForWindowGone(DWORD processId, const char* className, const char* caption,
                       int timeoutMs = 10000);

// The whole text of a window or control of another process (8-bit, in the system code page).
std::string ReadText(HWND window);

// Replaces the text of a window or control of another process.
void WriteText(HWND window, const std::string& text);

// Sends WM_COMMAND with the command id without waiting (commands may open modal dialogs).
void PostCommand(HWND window, int id);

// Presses a dialog's button: the same WM_COMMAND its click would send.
void PressButton(HWND dialog, int id);

// The static text of a message box (its control 0xFFFF).
std::string MessageBoxText(HWND box);

// Waits until the text of a window satisfies the predicate-free check "equals expected".
bool WaitForText(HWND window, const std::string& expected, int timeoutMs = 10000);

// Real key events on the X display (xdotool), e.g. "Return", "Escape", "ctrl+q"; and typed text.
void PressKeys(const std::string& keys);
void TypeText(const std::string& text);

// Makes the window the foreground window so that key events reach it.
void BringToFront(HWND window);

// Saves a picture of the whole screen under the artifacts folder (POLVER_ARTIFACTS, a Linux path).
void SaveScreenshot(const std::string& name);

// A name for a file or folder of this test run in the Linux /tmp, e.g.
// "/tmp/polver-print-alice-42": the user's name keeps apart the runs of users whose Windows process
// ids repeat.
std::string LinuxTempPath(const std::string& kind);

// Runs a Linux program and waits for it; returns its exit code.
int RunLinux(const std::string& commandLine, int timeoutMs = 20000);

// Gives the other process a moment to handle what it was sent (a round trip through its queue).
void Settle(HWND window);
