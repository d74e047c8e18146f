#include "files/open_requests.h"

#include <shellapi.h>

#include <vector>

#include "common/messages.h"

namespace {

// Marks a WM_COPYDATA as a path from a second start of this program.
constexpr ULONG_PTR kPathTag = 0x506F6C76;  // "Polv"
// A path longer than this is no path at all.
constexpr DWORD kLongestPath = 32768;
// A running copy answers the hand-over at once unless it is stuck in long work (a huge file).
constexpr UINT kHandOverTimeoutMs = 60000;

struct OpenRequest {
  std::string path;  // "" when nothing waits
  UINT fileCount;    // how many files came with it (a drop of several), 1 otherwise
};

OpenRequest& Request() {
  static OpenRequest request{"", 0};
  return request;
}

void Keep(HWND mainWindow, const std::string& path, UINT fileCount) {
  Request() = OpenRequest{path, fileCount};
  PostMessageA(mainWindow, kOpenRequestMessage, 0, 0);
}

// A modal dialog or box disables the main window; a request must not open a document under it.
bool IsBusy(HWND mainWindow) {
  return !IsWindowEnabled(mainWindow);
}

}  // namespace

bool HandPathToRunningCopy(HWND running, const std::string& path) {
  DWORD runningProcess = 0;
  GetWindowThreadProcessId(running, &runningProcess);
  AllowSetForegroundWindow(runningProcess);  // it brings itself forward
  COPYDATASTRUCT data{};
  data.dwData = kPathTag;
  data.cbData = static_cast<DWORD>(path.size() + 1);
  data.lpData = const_cast<char*>(path.c_str());
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                             kHandOverTimeoutMs, &answer) != 0 &&
         answer == TRUE;
}

LRESULT OnCopyData(HWND mainWindow, const COPYDATASTRUCT* data) {
  if (data == nullptr || data->dwData != kPathTag || data->lpData == nullptr || data->cbData == 0 ||
      data->cbData > kLongestPath) {
    return FALSE;
  }
  const char* bytes = static_cast<const char*>(data->lpData);
  std::string path(bytes, data->cbData);
  path.resize(path.find('\0') == std::string::npos ? path.size() : path.find('\0'));
  if (path.empty()) return FALSE;
  Keep(mainWindow, path, 1);
  return TRUE;
}

void OnDropFiles(HWND mainWindow, HDROP drop) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  std::string path;
  if (count > 0) {
    const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
    std::vector<char> name(length + 1, '\0');
    DragQueryFileA(drop, 0, name.data(), length + 1);
    path = name.data();
  }
  DragFinish(drop);
  if (!path.empty()) Keep(mainWindow, path, count);
}

std::string TakeOpenRequest(HWND mainWindow, bool opening) {
  OpenRequest& request = Request();
  if (request.path.empty()) {
    KillTimer(mainWindow, kOpenRequestTimer);
    return "";
  }
  if (opening || IsBusy(mainWindow)) {
    SetTimer(mainWindow, kOpenRequestTimer, 250, nullptr);
    return "";
  }
  KillTimer(mainWindow, kOpenRequestTimer);
  const OpenRequest taken = request;
  request = OpenRequest{"", 0};

  if (IsIconic(mainWindow)) ShowWindow(mainWindow, SW_RESTORE);
  SetForegroundWindow(mainWindow);
  if (taken.fileCount > 1) {
    const std::string text =
        std::to_string(taken.fileCount) + Messages::kSeveralDropped + taken.path;
    MessageBoxA(mainWindow, text.c_str(), Messages::kOpenCaption, MB_OK | MB_ICONINFORMATION);
  }
  return taken.path;
}
