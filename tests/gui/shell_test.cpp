// The main window, its editor, the Edit and Help menus and the single-instance guard, end to end.
#include <string>

#include "polver_fixture.h"
#include "resource.h"

namespace {

RECT WorkArea() {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

}  // namespace

TEST_F(PolverTest, MainWindowFillsTheScreenAndTheEditorFillsTheWindow) {
  char className[64] = {};
  GetClassNameA(polver.main, className, sizeof className);
  EXPECT_STREQ("Polver", className);
  EXPECT_EQ("Polver by Dunrel (rus)", ReadText(polver.main));

  RECT window;
  GetWindowRect(polver.main, &window);
  EXPECT_EQ(0, window.left);
  EXPECT_EQ(0, window.top);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), window.right - window.left);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYCAPTION) - 5,
            window.bottom - window.top);

  RECT client;
  RECT editor;
  GetClientRect(polver.main, &client);
  GetWindowRect(polver.editor, &editor);
  MapWindowPoints(nullptr, polver.main, reinterpret_cast<POINT*>(&editor), 2);
  EXPECT_EQ(0, editor.left);
  EXPECT_EQ(0, editor.top);
  EXPECT_EQ(client.right, editor.right);
  EXPECT_EQ(client.bottom, editor.bottom);

  WriteText(polver.editor, "Calculation on linear trace\r\nPK0= 1000   Y0= 500   X0= 200\r\n");
  SaveScreenshot("main-window");
}

TEST_F(PolverTest, SecondStartBringsTheFirstForwardAndEnds) {
  PROCESS_INFORMATION second = LaunchPolver();
  EXPECT_EQ(0, WaitForExit(second, 30000));
  EXPECT_EQ(nullptr, WaitForWindow(second.dwProcessId, "Polver", nullptr, 0));
  EXPECT_EQ(polver.main, GetForegroundWindow());
  CloseHandle(second.hThread);
  CloseHandle(second.hProcess);
}

TEST_F(PolverTest, UndoWithNothingToUndoSaysSo) {
  PostCommand(polver.main, CMD_UNDO);
  HWND box = WaitForWindow(Pid(), "#32770", "Undo Notification");
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("Nothing to undo!", MessageBoxText(box));
  PressButton(box, IDOK);
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", "Undo Notification"));
}

TEST_F(PolverTest, AboutBoxIsCentredAndClosesWithOkAndEnterButNotEscape) {
  PostCommand(polver.main, CMD_ABOUT);
  HWND about = WaitForWindow(Pid(), "#32770", "About Polver");
  ASSERT_NE(nullptr, about);
  RECT box;
  GetWindowRect(about, &box);
  const RECT work = WorkArea();
  EXPECT_EQ(work.left + ((work.right - work.left) - (box.right - box.left)) / 2, box.left);
  EXPECT_EQ(work.top + ((work.bottom - work.top) - (box.bottom - box.top)) / 2, box.top);
  EXPECT_EQ("Version 1.0.0.1", ReadText(GetDlgItem(about, IDC_ABOUT_VERSION)));
  SaveScreenshot("about-box");

  BringToFront(about);
  PressKeys("Escape");
  Settle(about);
  Sleep(300);
  EXPECT_TRUE(IsWindowVisible(about)) << "Escape must not close the About box";
  PressKeys("Return");
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", "About Polver"));

  PostCommand(polver.main, CMD_ABOUT);
  about = WaitForWindow(Pid(), "#32770", "About Polver");
  ASSERT_NE(nullptr, about);
  PressButton(about, IDOK);
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", "About Polver"));
}

TEST_F(PolverTest, LongPasteArrivesWholeAndSelectAllCutEmptiesTheEditor) {
  std::string text;
  while (text.size() < 100000) text += "PKpz1=1066.0000   Dpz1=-12.0000\r\n";
  text.resize(100000);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();

  PostCommand(polver.main, CMD_PASTE);
  EXPECT_TRUE(WaitForText(polver.editor, text, 20000));
  EXPECT_EQ(0, WaitForWindow(Pid(), "#32770", "Error!", 0) != nullptr);

  PostCommand(polver.main, CMD_SELECT_ALL);
  PostCommand(polver.main, CMD_CUT);
  EXPECT_TRUE(WaitForText(polver.editor, ""));
}

namespace {

int CountMainWindows() {
  int count = 0;
  for (HWND window = FindWindowA("Polver", nullptr); window != nullptr;
       window = FindWindowExA(nullptr, window, "Polver", nullptr)) {
    ++count;
  }
  return count;
}

}  // namespace

// Without taking turns, both copies could look before either had created its window.
TEST(SingleInstance, TwoCopiesStartedTogetherGiveOneWindow) {
  PROCESS_INFORMATION first = LaunchPolver();
  PROCESS_INFORMATION second = LaunchPolver();
  const DWORD firstId = first.dwProcessId;
  const DWORD secondId = second.dwProcessId;
  HWND firstWindow = WaitForWindow(firstId, "Polver", nullptr, 5000);
  HWND secondWindow = WaitForWindow(secondId, "Polver", nullptr, firstWindow ? 2000 : 20000);
  EXPECT_TRUE((firstWindow == nullptr) != (secondWindow == nullptr));
  EXPECT_EQ(1, CountMainWindows());
  // The copy without a window has ended with status 0; the other keeps running.
  const PROCESS_INFORMATION& deferred = firstWindow != nullptr ? second : first;
  EXPECT_EQ(0, WaitForExit(deferred, 20000));
  for (PROCESS_INFORMATION* process : {&first, &second}) {
    TerminateProcess(process->hProcess, 0);
    WaitForSingleObject(process->hProcess, 10000);
    CloseHandle(process->hThread);
    CloseHandle(process->hProcess);
  }
}
