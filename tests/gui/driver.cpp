#include "driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Long enough for the program to load a large file before it answers.
constexpr UINT kMessageTimeoutMs = 20000;

// Linux paths are reached through Wine's drive Z:.
std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string converted = "Z:" + path;
  for (char& c : converted) {
    if (c == '/') c = '\\';
  }
  return converted;
}

std::string EnvironmentValue(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result) !=
         0;
}

struct WindowQuery {
  DWORD processId;
  const char* className;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  WindowQuery& query = *reinterpret_cast<WindowQuery*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != query.processId || !IsWindowVisible(window)) return TRUE;
  char className[256] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpiA(className, query.className) != 0) return TRUE;
  // A top-level window's caption is readable from another process without a message.
  char caption[512] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (query.caption != nullptr && lstrcmpA(caption, query.caption) != 0) return TRUE;
  query.found = window;
  return FALSE;
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* caption) {
  WindowQuery query{processId, className, caption, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

}  // namespace

PROCESS_INFORMATION LaunchPolver(const std::string& arguments) {
  std::string command = "\"" + WindowsPath(EnvironmentValue("POLVER_EXE", "polver.exe")) + "\"";
  if (!arguments.empty()) command += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    ADD_FAILURE() << "cannot start " << command << " (error " << GetLastError() << ")";
  }
  return process;
}

Polver StartPolver(const std::string& arguments) {
  Polver polver;
  polver.process = LaunchPolver(arguments);
  polver.main = WaitForWindow(polver.process.dwProcessId, "Polver", nullptr, 30000);
  if (polver.main == nullptr) {
    ADD_FAILURE() << "the main window did not appear";
    return polver;
  }
  for (int waited = 0; waited < 10000; waited += 50) {
    polver.editor = GetDlgItem(polver.main, 111);
    if (polver.editor != nullptr && Answers(polver.editor)) break;
    Sleep(50);
  }
  if (polver.editor == nullptr) ADD_FAILURE() << "the editor did not appear";
  return polver;
}

void StopPolver(Polver& polver) {
  if (polver.process.hProcess == nullptr) return;
  if (WaitForSingleObject(polver.process.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(polver.process.hProcess, 99);
    WaitForSingleObject(polver.process.hProcess, 10000);
  }
  CloseHandle(polver.process.hThread);
  CloseHandle(polver.process.hProcess);
  polver.process = PROCESS_INFORMATION{};
}

int WaitForExit(const PROCESS_INFORMATION& process, int timeoutMs) {
  if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
    return -1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  return static_cast<int>(code);
}

HWND WaitForWindow(DWORD processId, const char* className, const char* caption, int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    HWND window = FindProcessWindow(processId, className, caption);
    if (window != nullptr && Answers(window)) return window;
    Sleep(50);
  }
  return nullptr;
}

bool WaitForWindowGone(DWORD processId, const char* className, const char* caption, int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (FindProcessWindow(processId, className, caption) == nullptr) return true;
    Sleep(50);
  }
  return false;
}

// The wide form: the ANSI one may make a second, untimed call to a busy process.
std::string ReadText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                           &length)) {
    ADD_FAILURE() << "no answer to WM_GETTEXTLENGTH";
    return std::string();
  }
  std::wstring wide(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0]),
                      SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied);
  wide.resize(copied);
  if (wide.empty()) return std::string();
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                        nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &text[0], bytes,
                      nullptr, nullptr);
  return text;
}

void WriteText(HWND window, const std::string& text) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                           SMTO_ABORTIFHUNG, 20000, &result)) {
    ADD_FAILURE() << "no answer to WM_SETTEXT";
  }
}

void PostCommand(HWND window, int id) {
  PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void PressButton(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string MessageBoxText(HWND box) {
  HWND text = GetDlgItem(box, 0xFFFF);
  return text != nullptr ? ReadText(text) : std::string();
}

bool WaitForText(HWND window, const std::string& expected, int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (ReadText(window) == expected) return true;
    Sleep(50);
  }
  return false;
}

std::string LinuxTempPath(const std::string& kind) {
  return "/tmp/polver-" + kind + "-" + EnvironmentValue("USER", "user") + "-" +
         std::to_string(GetCurrentProcessId());
}

// Wine starts a Linux executable given by its Z: path, but hands back no process handle to wait
// on: the shell writes the command's exit code into a file, which is polled instead.
int RunLinux(const std::string& commandLine, int timeoutMs) {
  static int serial = 0;
  const std::string doneFile = LinuxTempPath("driver") + "-" + std::to_string(++serial);
  const std::string script =
      commandLine + "; echo $? > " + doneFile + ".tmp; mv " + doneFile + ".tmp " + doneFile;
  // The Windows rules split the command line: one double-quoted argument, inner quotes escaped.
  std::string command = "Z:\\bin\\sh -c \"";
  for (char c : script) {
    if (c == '"') command += '\\';
    command += c;
  }
  command += "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    ADD_FAILURE() << "cannot run " << commandLine << " (error " << GetLastError() << ")";
    return -1;
  }
  if (process.hThread != nullptr) CloseHandle(process.hThread);
  if (process.hProcess != nullptr) CloseHandle(process.hProcess);
  const std::string windowsDoneFile = WindowsPath(doneFile);
  for (int waited = 0; waited <= timeoutMs; waited += 20) {
    FILE* done = fopen(windowsDoneFile.c_str(), "r");
    if (done != nullptr) {
      int code = -1;
      if (fscanf(done, "%d", &code) != 1) code = -1;
      fclose(done);
      DeleteFileA(windowsDoneFile.c_str());
      return code;
    }
    Sleep(20);
  }
  return -1;
}

void PressKeys(const std::string& keys) {
  EXPECT_EQ(0, RunLinux("xdotool key --delay 30 " + keys)) << "xdotool key " << keys;
}

void TypeText(const std::string& text) {
  EXPECT_EQ(0, RunLinux("xdotool type --delay 30 " + Quoted(text))) << "xdotool type " << text;
}

void BringToFront(HWND window) {
  SetForegroundWindow(window);
  for (int waited = 0; waited < 3000 && GetForegroundWindow() != window; waited += 50) Sleep(50);
  Settle(window);
}

void SaveScreenshot(const std::string& name) {
  const std::string folder = EnvironmentValue("POLVER_ARTIFACTS", "/tmp/polver-gui");
  RunLinux("mkdir -p " + Quoted(folder) + " && import -window root " +
           Quoted(folder + "/" + name + ".png"));
}

void Settle(HWND window) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
}
