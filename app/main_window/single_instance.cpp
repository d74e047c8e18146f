#include "main_window/single_instance.h"

#include <windows.h>

#include <string>

int ActivatePreviousInstance(const char* className) {
  HWND running = FindWindowA(className, nullptr);
  if (running == nullptr) return 0;
  if (!IsIconic(running)) {
    SetForegroundWindow(running);
    return 1;
  }
  // The mutex is never released: it goes when this waiting process ends.
  const std::string mutexName = std::string(className) + "_EnFI";
  CreateMutexA(nullptr, TRUE, mutexName.c_str());
  if (GetLastError() == ERROR_ALREADY_EXISTS) return 1;  // another copy is already waiting

  const DWORD version = GetVersion();
  const bool flashOffAfterPause = (version & 0x80000000u) == 0 && (version & 0xFFu) >= 5;
  // Also stop when the running copy's window is gone, so a waiting copy never outlives it.
  while (IsWindow(running) && GetForegroundWindow() != running) {
    FlashWindow(running, TRUE);
    Sleep(450);
    if (flashOffAfterPause) FlashWindow(running, FALSE);
  }
  if (IsWindow(running)) SetForegroundWindow(running);
  return 1;
}

namespace {
HANDLE startTurn = nullptr;
}

void BeginStartTurn(const char* className) {
  const std::string name = std::string(className) + "_Start";
  startTurn = CreateMutexA(nullptr, FALSE, name.c_str());
  if (startTurn != nullptr) WaitForSingleObject(startTurn, 10000);
}

void EndStartTurn() {
  if (startTurn == nullptr) return;
  ReleaseMutex(startTurn);
  CloseHandle(startTurn);
  startTurn = nullptr;
}
