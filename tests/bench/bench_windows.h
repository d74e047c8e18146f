// What the benchmarks share: a clock, reading a window's text from outside without hanging on a
// busy process, finding a process's window, starting polver.exe up to its editor, and the text
// to type into a dialog's field.
#pragma once

#include <windows.h>

#include <string>

inline double Seconds() {
  LARGE_INTEGER now;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The window's text, if its process answers within the time given; false when it does not.
inline bool ReadTextQuickly(HWND window, std::wstring& text, UINT timeoutMs) {
  text.assign(4096, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                           SMTO_ABORTIFHUNG, timeoutMs, &copied)) {
    return false;
  }
  text.resize(copied);
  return true;
}

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* caption;  // any caption when null
  HWND found;
};

inline BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  WindowSearch& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  std::wstring caption;
  if (owner == search.processId && IsWindowVisible(window) &&
      lstrcmpiW(className, search.className) == 0 &&
      (search.caption == nullptr ||
       (ReadTextQuickly(window, caption, 1000) && caption == search.caption))) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level window of the process, within 30 seconds; null when none appears.
inline HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* caption) {
  for (int waited = 0; waited < 30000; waited += 20) {
    WindowSearch search{processId, className, caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(20);
  }
  return nullptr;
}

// polver.exe started, with its main window once the editor (id 111) is in it; a null window
// when it did not come up (the process, if any, is still returned to be ended).
struct RunningPolver {
  PROCESS_INFORMATION process;
  HWND mainWindow;
};

inline RunningPolver StartPolver(const std::string& polverPath) {
  RunningPolver polver = {};
  std::string command = "\"" + polverPath + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &polver.process)) {
    return polver;
  }
  HWND window = WaitForWindow(polver.process.dwProcessId, L"Polver", nullptr);
  for (int waited = 0; window != nullptr && waited < 10000; waited += 20) {
    if (GetDlgItem(window, 111) != nullptr) {
      polver.mainWindow = window;
      break;
    }
    Sleep(20);
  }
  return polver;
}

inline void EndPolver(RunningPolver& polver) {
  if (polver.process.hProcess == nullptr) return;
  TerminateProcess(polver.process.hProcess, 0);
  WaitForSingleObject(polver.process.hProcess, 10000);
  CloseHandle(polver.process.hThread);
  CloseHandle(polver.process.hProcess);
}

// The text to type into one field of a dialog, by its control id.
struct FieldText {
  int id;
  const char* text;
};
