// What every Windows editor has taught its users, end to end: the keyboard shortcuts, Find in a
// large document, a file named on the command line or handed over by a second start, files dropped
// on the window, and the warning after loading a file whose bytes a text document cannot keep.
#include <windows.h>

#include <shlobj.h>

#include <string>
#include <utility>
#include <vector>

#include "file_helpers.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

const char* const kBytesLeftOut =
    "This file holds bytes that a text document cannot keep (a zero byte or Ctrl+Z). Saving it "
    "will leave them out.";

// The common Find dialog's controls.
constexpr int kFindWhat = 1152;   // edt1
constexpr int kWholeWord = 1040;  // chx1
constexpr int kMatchCase = 1041;  // chx2
constexpr int kUp = 1056;         // rad1
constexpr int kDown = 1057;       // rad2

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 20000, &result);
  return static_cast<LRESULT>(result);
}

// The editor's selection as (start, end); Wine carries EM_GETSEL's two answers across processes.
std::pair<DWORD, DWORD> Selection(HWND editor) {
  DWORD start = 0;
  DWORD end = 0;
  Ask(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

// Files dropped on a window as the shell drops them: a DROPFILES block with the names, made in
// the target process (an HDROP is that process's memory), then WM_DROPFILES.
void DropFiles(const Polver& polver, const std::vector<std::string>& paths) {
  std::string names;
  for (const std::string& path : paths) names += path + '\0';
  names += '\0';
  DROPFILES header{};
  header.pFiles = sizeof header;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  block += names;
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, polver.process.dwProcessId);
  ASSERT_NE(nullptr, process);
  void* remote = VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT, PAGE_READWRITE);
  ASSERT_NE(nullptr, remote);
  ASSERT_TRUE(WriteProcessMemory(process, remote, block.data(), block.size(), nullptr));
  CloseHandle(process);
  PostMessageA(polver.main, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

class WindowsHabits : public PolverTest {
 protected:
  void SetUp() override {
    static int serial = 0;
    std::string temp(MAX_PATH + 1, '\0');
    temp.resize(GetTempPathA(static_cast<DWORD>(temp.size()), &temp[0]));
    // A blank in the folder's name: command lines must quote it.
    folder = temp + "polver habits " + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++serial);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
  }
  void TearDown() override {
    PolverTest::TearDown();
    for (const std::string& path : files) DeleteFileA(path.c_str());
    RemoveDirectoryA(folder.c_str());
  }
  // The fixture's copy of the program, started with these arguments (each test starts its own).
  void StartWith(const std::string& arguments) {
    polver = StartPolver(arguments);
    ASSERT_NE(polver.main, nullptr);
    ASSERT_NE(polver.editor, nullptr);
  }

  std::string File(const std::string& name, const std::string& bytes) {
    const std::string path = folder + "\\" + name;
    PutFile(path, bytes);
    files.push_back(path);
    return path;
  }
  std::string TitleFor(const std::string& path) const {
    return std::string(kBaseTitle) + " - " + path;
  }

  // Text added as typing adds it, so the document counts as changed.
  void AddText(const std::string& text) {
    const WPARAM end = static_cast<WPARAM>(ReadText(polver.editor).size());
    Ask(polver.editor, EM_SETSEL, end, static_cast<LPARAM>(end));
    Ask(polver.editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }

  // The box with this caption must come next: checks its text and presses a button.
  void Answer(const char* caption, const std::string& text, int button,
              const char* screenshot = nullptr) {
    HWND box = WaitForWindow(Pid(), "#32770", caption, 30000);
    ASSERT_NE(nullptr, box) << "no box for: " << text;
    EXPECT_EQ(text, MessageBoxText(box));
    if (screenshot != nullptr) SaveScreenshot(screenshot);
    PressButton(box, button);
    EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", caption));
  }

  bool NoBox(const char* caption, int waitMs) {
    Settle(polver.main);
    return WaitForWindow(Pid(), "#32770", caption, waitMs) == nullptr;
  }

  std::string folder;
  std::vector<std::string> files;
};

// Each shortcut, pressed as real keys, does what its menu item does; inside a calculator the same
// keys keep the dialog's meaning.
TEST_F(WindowsHabits, ShortcutsDoWhatTheirMenuItemsDo) {
  StartWith("");
  WriteText(polver.editor, "station notes\r\n");
  BringToFront(polver.main);
  PressKeys("ctrl+a");
  for (int waited = 0; waited < 5000 && Selection(polver.editor).second != 15; waited += 50) {
    Sleep(50);
  }
  EXPECT_EQ(std::make_pair(DWORD{0}, DWORD{15}), Selection(polver.editor));

  PressKeys("ctrl+f");
  HWND find = WaitForWindow(Pid(), "#32770", "Find");
  ASSERT_NE(nullptr, find);
  PressButton(find, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(Pid(), "#32770", "Find"));

  BringToFront(polver.main);
  PressKeys("ctrl+s");  // an unnamed document: Save asks for a name
  HWND save = WaitForWindow(Pid(), "#32770", "Save File");
  ASSERT_NE(nullptr, save);
  PressButton(save, IDCANCEL);
  Answer("Error", "File Save failed.", IDOK);

  BringToFront(polver.main);
  PressKeys("ctrl+o");  // the cancelled Save left the document changed: the prompt comes first
  Answer("Confirm", kChangedQuestion, IDNO);
  HWND open = WaitForWindow(Pid(), "#32770", "Open File");
  ASSERT_NE(nullptr, open);
  PressButton(open, IDCANCEL);
  Answer("Error", "File open failed.", IDOK);

  PostCommand(polver.main, CMD_TRACE_LINEAR);
  HWND calculator = WaitForWindow(Pid(), "#32770", "Trace Linear");
  ASSERT_NE(nullptr, calculator);
  BringToFront(calculator);
  PressKeys("ctrl+n");
  EXPECT_TRUE(NoBox("Confirm", 500)) << "Ctrl+N inside a calculator must not reach the document";
  PressButton(calculator, IDC_CLOSE);
  ASSERT_TRUE(WaitForWindowGone(Pid(), "#32770", "Trace Linear"));

  BringToFront(polver.main);
  PressKeys("ctrl+n");
  Answer("Confirm", kChangedQuestion, IDNO);
  EXPECT_TRUE(WaitForText(polver.editor, ""));

  // Print shows its dialog or its notice, whichever this build has.
  BringToFront(polver.main);
  PressKeys("ctrl+p");
  HWND print = WaitForWindow(Pid(), "#32770", nullptr);
  ASSERT_NE(nullptr, print) << "Ctrl+P showed nothing";
  PressButton(print, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(Pid(), "#32770", nullptr));

  BringToFront(polver.main);
  PressKeys("ctrl+q");  // New left nothing to save
  EXPECT_EQ(0, WaitForExit(polver.process, 10000));
}

// Find in a 5 MB document opened from the command line: down and up, with and without match
// case; the match is selected and in view; F3 repeats the search without the dialog.
TEST_F(WindowsHabits, FindWorksInALargeDocumentNamedOnTheCommandLine) {
  std::string bytes;
  const std::string line = "PKpz1=1066.0000   Dpz1=-12.0000\r\n";
  std::size_t upper = 0;
  std::size_t lower = 0;
  while (bytes.size() < 5000000) {
    if (upper == 0 && bytes.size() > 1000000) {
      upper = bytes.size();
      bytes += "Marker\r\n";
    }
    if (lower == 0 && bytes.size() > 4000000) {
      lower = bytes.size();
      bytes += "marker\r\n";
    }
    bytes += line;
  }
  const std::string path = File("long survey.txt", bytes);
  StartWith("\"" + path + "\"");
  ASSERT_TRUE(WaitForText(polver.main, TitleFor(path), 60000));
  ASSERT_TRUE(ReadText(polver.editor) == bytes) << "the named file must open whole";

  Ask(polver.editor, EM_SETSEL, 0, 0);
  PostCommand(polver.main, CMD_FIND);
  HWND find = WaitForWindow(Pid(), "#32770", "Find");
  ASSERT_NE(nullptr, find);
  WriteText(GetDlgItem(find, kFindWhat), "marker");
  const auto findNext = [&](std::size_t expected) {
    PressButton(find, IDOK);
    for (int waited = 0; waited < 20000 && Selection(polver.editor).first != expected;
         waited += 50) {
      Sleep(50);
    }
    EXPECT_EQ(std::make_pair(DWORD(expected), DWORD(expected + 6)), Selection(polver.editor));
  };
  findNext(upper);  // no match case: "Marker" first
  findNext(lower);
  const LRESULT matchLine = Ask(polver.editor, EM_LINEFROMCHAR, lower);
  const LRESULT topLine = Ask(polver.editor, EM_GETFIRSTVISIBLELINE);
  EXPECT_TRUE(topLine <= matchLine && matchLine < topLine + 100) << "the match is in view";
  PressButton(find, IDOK);
  Answer("Polver", "Cannot find \"marker\"", IDOK);
  SaveScreenshot("find-dialog");

  // Up with match case, from the lower-case match: "Marker" only.
  WriteText(GetDlgItem(find, kFindWhat), "Marker");
  Ask(GetDlgItem(find, kDown), BM_SETCHECK, BST_UNCHECKED);
  Ask(GetDlgItem(find, kUp), BM_SETCHECK, BST_CHECKED);
  Ask(GetDlgItem(find, kMatchCase), BM_SETCHECK, BST_CHECKED);
  findNext(upper);
  PressButton(find, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(Pid(), "#32770", "Find"));

  // F3 with the dialog closed: up from the first match finds nothing more.
  BringToFront(polver.main);
  PressKeys("F3");
  Answer("Polver", "Cannot find \"Marker\"", IDOK);
  // Whole word: "Marker" is a word, "Mark" inside it is not.
  Ask(polver.editor, EM_SETSEL, 0, 0);
  PostCommand(polver.main, CMD_FIND);
  find = WaitForWindow(Pid(), "#32770", "Find");
  ASSERT_NE(nullptr, find);
  WriteText(GetDlgItem(find, kFindWhat), "Mark");
  Ask(GetDlgItem(find, kUp), BM_SETCHECK, BST_UNCHECKED);
  Ask(GetDlgItem(find, kDown), BM_SETCHECK, BST_CHECKED);
  Ask(GetDlgItem(find, kWholeWord), BM_SETCHECK, BST_CHECKED);
  PressButton(find, IDOK);
  Answer("Polver", "Cannot find \"Mark\"", IDOK);
}

// Clicks the window's close box with the real mouse: the point is found by asking the window
// itself where its close box is (WM_NCHITTEST), along the middle of its caption.
void ClickCloseBox(HWND window) {
  RECT frame{};
  ASSERT_TRUE(GetWindowRect(window, &frame));
  const int captionMiddle =
      frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  for (int x = frame.right - 1; x > frame.left; --x) {
    if (Ask(window, WM_NCHITTEST, 0, MAKELPARAM(x, captionMiddle)) == HTCLOSE) {
      const int middle = x - GetSystemMetrics(SM_CXSIZE) / 3;
      EXPECT_EQ(0, RunLinux("xdotool mousemove " + std::to_string(middle) + " " +
                            std::to_string(captionMiddle) + " click 1"));
      return;
    }
  }
  ADD_FAILURE() << "no close box on the window's caption";
}

// Find Next (F3, as real keys) searches the way last chosen in the Find dialog, with its match
// case and whole word, while the dialog is open and after each way of closing it.
TEST_F(WindowsHabits, FindNextKeepsTheDialogsChoicesAfterItCloses) {
  // "station" as a whole word in that case only on the third line.
  const std::string text = "Station 1\r\nstations\r\nstation 2\r\nend\r\n";
  const DWORD match = static_cast<DWORD>(text.find("station 2"));
  StartWith("");
  WriteText(polver.editor, text);
  const auto selectionBecomes = [&](std::pair<DWORD, DWORD> expected) {
    for (int waited = 0; waited < 10000 && Selection(polver.editor) != expected; waited += 50) {
      Sleep(50);
    }
    return Selection(polver.editor) == expected;
  };
  // F3 from the top finds the match below; from the end, searching down, nothing.
  const auto expectFindNextGoesDown = [&](const char* after) {
    SCOPED_TRACE(after);
    Ask(polver.editor, EM_SETSEL, 0, 0);
    BringToFront(polver.main);
    PressKeys("F3");
    EXPECT_TRUE(selectionBecomes({match, match + 7})) << "F3 from the top";
    Ask(polver.editor, EM_SETSEL, text.size(), text.size());
    PressKeys("F3");
    Answer("Polver", "Cannot find \"station\"", IDOK);
  };

  const std::vector<std::pair<const char*, void (*)(HWND)>> closings = {
      {"Cancel", [](HWND find) { PressButton(find, IDCANCEL); }},
      {"Escape",
       [](HWND find) {
         BringToFront(find);
         PressKeys("Escape");
       }},
      {"close box", ClickCloseBox},
  };
  for (const auto& closing : closings) {
    SCOPED_TRACE(closing.first);
    Ask(polver.editor, EM_SETSEL, 0, 0);
    BringToFront(polver.main);
    PressKeys("ctrl+f");
    HWND find = WaitForWindow(Pid(), "#32770", "Find");
    ASSERT_NE(nullptr, find);
    WriteText(GetDlgItem(find, kFindWhat), "station");
    Ask(GetDlgItem(find, kUp), BM_SETCHECK, BST_UNCHECKED);
    Ask(GetDlgItem(find, kDown), BM_SETCHECK, BST_CHECKED);
    Ask(GetDlgItem(find, kMatchCase), BM_SETCHECK, BST_CHECKED);
    Ask(GetDlgItem(find, kWholeWord), BM_SETCHECK, BST_CHECKED);
    PressButton(find, IDOK);
    ASSERT_TRUE(selectionBecomes({match, match + 7})) << "Find Next in the dialog";
    if (closing.second == ClickCloseBox) {
      expectFindNextGoesDown("with the dialog open");
      ASSERT_NE(nullptr, WaitForWindow(Pid(), "#32770", "Find"));
      SaveScreenshot("find-dialog-open-behind");
    }
    closing.second(find);
    ASSERT_TRUE(WaitForWindowGone(Pid(), "#32770", "Find"));
    expectFindNextGoesDown(closing.first);
  }
}

TEST_F(WindowsHabits, MissingFileNamedOnTheCommandLineSaysOpenFailed) {
  const std::string missing = folder + "\\missing.txt";
  polver.process = LaunchPolver("\"" + missing + "\"");
  Answer("Error", "File open failed.", IDOK);
  polver.main = WaitForWindow(Pid(), "Polver", nullptr);
  ASSERT_NE(nullptr, polver.main);
  EXPECT_EQ(kBaseTitle, ReadText(polver.main));
  PostCommand(polver.main, CMD_EXIT);  // an empty, unchanged document: no prompt
  EXPECT_EQ(0, WaitForExit(polver.process, 10000));
}

// A second start with a path hands it over and ends; the running copy asks first about its
// changed text, and Cancel keeps that text.
TEST_F(WindowsHabits, SecondStartHandsItsFileToTheRunningCopy) {
  const std::string path = File("handed over.txt", "PK_A= 100\r\n");
  StartWith("");
  AddText("unsaved work\r\n");
  const auto startSecond = [&] {
    PROCESS_INFORMATION second = LaunchPolver("\"" + path + "\"");
    EXPECT_EQ(0, WaitForExit(second, 30000));
    CloseHandle(second.hThread);
    CloseHandle(second.hProcess);
  };
  startSecond();
  Answer("Confirm", kChangedQuestion, IDCANCEL);
  EXPECT_EQ("unsaved work\r\n", ReadText(polver.editor));
  EXPECT_EQ(kBaseTitle, ReadText(polver.main));

  ShowWindow(polver.main, SW_MINIMIZE);  // a minimised copy comes back to open it
  ASSERT_TRUE(IsIconic(polver.main));
  startSecond();
  Answer("Confirm", kChangedQuestion, IDNO);
  EXPECT_FALSE(IsIconic(polver.main));
  EXPECT_TRUE(WaitForText(polver.main, TitleFor(path)));
  EXPECT_EQ("PK_A= 100\r\n", ReadText(polver.editor));
  EXPECT_EQ(polver.main, GetForegroundWindow());
}

// Drops of one file and of several, and the warning after loading a file with bytes the text
// cannot keep: a zero byte, or text after Ctrl+Z; an ordinary file (a final Ctrl+Z too) gets none.
TEST_F(WindowsHabits, DroppedFilesOpenAndLostBytesAreAnnounced) {
  const std::string zero = File("zero.txt", std::string("PK_A= 1\0junk\r\nPK_B= 2\r\n", 21));
  const std::string afterCtrlZ = File("after.txt",
                                      "PK_A= 1\r\n\x1A"
                                      "PK_B= 2\r\n");
  const std::string plain = File("plain.txt", "PK_A= 1\r\n\x1A\r\n");
  StartWith("");

  DropFiles(polver, {zero});
  Answer("Open", kBytesLeftOut, IDOK, "bytes-left-out");
  EXPECT_EQ("PK_A= 1\r\nPK_B= 2\r\n", ReadText(polver.editor));
  EXPECT_EQ(TitleFor(zero), ReadText(polver.main));

  DropFiles(polver, {plain, zero});
  Answer("Open",
         "2 files were dropped. Polver holds one document at a time and opens the first "
         "of them:\n" +
             plain,
         IDOK, "several-dropped");
  EXPECT_TRUE(WaitForText(polver.main, TitleFor(plain)));
  EXPECT_TRUE(NoBox("Open", 500)) << "an ordinary file gets no warning";
  EXPECT_EQ("PK_A= 1\r\n", ReadText(polver.editor));

  DropFiles(polver, {afterCtrlZ});
  Answer("Open", kBytesLeftOut, IDOK);
  EXPECT_EQ(TitleFor(afterCtrlZ), ReadText(polver.main));
  EXPECT_EQ("PK_A= 1\r\n", ReadText(polver.editor));

  // A drop while a calculator is open waits until it is closed.
  PostCommand(polver.main, CMD_TRACE_LINEAR);
  HWND calculator = WaitForWindow(Pid(), "#32770", "Trace Linear");
  ASSERT_NE(nullptr, calculator);
  DropFiles(polver, {plain});
  Sleep(500);
  EXPECT_EQ(TitleFor(afterCtrlZ), ReadText(polver.main));
  PressButton(calculator, IDC_CLOSE);
  EXPECT_TRUE(WaitForText(polver.main, TitleFor(plain)));

  PostCommand(polver.main, CMD_NEW);  // a freshly opened document asks nothing
  EXPECT_TRUE(WaitForText(polver.main, kBaseTitle));
}

}  // namespace
