// The wait cursor for as long as a guard lives: long work (a large file, a long point list,
// printing) shows that the program is busy until it ends, on every path out of it.
#pragma once

#include <windows.h>

struct WaitCursor {
  WaitCursor() : previous(SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)))) {}  // IDC_WAIT
  ~WaitCursor() { SetCursor(previous); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  HCURSOR previous;
};
