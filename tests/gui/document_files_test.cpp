// The File menu end to end: the discard prompt, Open, Save, Save As and Exit against real files,
// and the promise behind them: the surveyor's text is never lost, in the editor or on disk.
#include <fstream>
#include <iterator>
#include <string>

#include "file_helpers.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveDirectoryA(path.c_str());
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

struct BoxSearch {
  DWORD processId;
  HWND exclude;
  HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM parameter) {
  BoxSearch& search = *reinterpret_cast<BoxSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (owner == search.processId && window != search.exclude && IsWindowVisible(window) &&
      lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, 0xFFFF) != nullptr) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// A message box of the process (a dialog with the static text 0xFFFF), whatever its caption,
// other than `exclude`; nullptr after the time-out.
HWND WaitForMessageBox(DWORD processId, int timeoutMs = 10000, HWND exclude = nullptr) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    BoxSearch search{processId, exclude, nullptr};
    EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      Settle(search.found);
      return search.found;
    }
    Sleep(50);
  }
  return nullptr;
}

// Real key strokes through the system's input queue, to whichever window has the focus: each
// character of `text` (letters, digits, blanks), or one key with Ctrl held down.
void SendKey(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

void TypeKeys(const std::string& text) {
  for (char c : text) {
    const SHORT key = VkKeyScanA(c);
    const bool shift = (key & 0x100) != 0;
    if (shift) SendKey(VK_SHIFT, false);
    SendKey(LOBYTE(key), false);
    SendKey(LOBYTE(key), true);
    if (shift) SendKey(VK_SHIFT, true);
    Sleep(20);
  }
}

// A left click in the middle of a window, as the mouse makes it.
void ClickInto(HWND window) {
  RECT box;
  GetWindowRect(window, &box);
  SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
  Settle(window);
}

void PressCtrlWith(char letter) {
  SendKey(VK_CONTROL, false);
  SendKey(static_cast<WORD>(letter), false);
  SendKey(static_cast<WORD>(letter), true);
  SendKey(VK_CONTROL, true);
}

class DocumentFiles : public PolverTest {
 protected:
  void SetUp() override {
    PolverTest::SetUp();
    static int serial = 0;
    std::string temp(MAX_PATH + 1, '\0');
    temp.resize(GetTempPathA(static_cast<DWORD>(temp.size()), &temp[0]));
    folder = temp + "polver-docs-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++serial);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
  }
  void TearDown() override {
    PolverTest::TearDown();
    RemoveFolder(folder);
  }

  std::string Path(const std::string& name) const { return folder + "\\" + name; }
  std::string TitleFor(const std::string& path) const {
    return std::string(kBaseTitle) + " - " + path;
  }

  // Text added the way a paste or a typed key adds it, so the document counts as changed.
  void AddText(const std::string& text) {
    const std::string before = ReadText(polver.editor);
    DWORD_PTR result = 0;
    const WPARAM end = static_cast<WPARAM>(before.size());
    SendMessageTimeoutA(polver.editor, EM_SETSEL, end, static_cast<LPARAM>(end), SMTO_ABORTIFHUNG,
                        5000, &result);
    SendMessageTimeoutA(polver.editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &result);
    ASSERT_EQ(before + text, ReadText(polver.editor));
  }

  // The message box that must come next: checks its text and presses a button.
  void Answer(const std::string& expectedText, int button) {
    HWND box = WaitForMessageBox(Pid());
    ASSERT_NE(nullptr, box) << "no message box for: " << expectedText;
    EXPECT_EQ(expectedText, MessageBoxText(box));
    PressButton(box, button);
    for (int waited = 0; IsWindow(box) && waited < 10000; waited += 50) Sleep(50);
    EXPECT_FALSE(IsWindow(box));
  }

  // The discard prompt: its caption, text and buttons.
  void AnswerPrompt(int button) {
    HWND box = WaitForWindow(Pid(), "#32770", "Confirm");
    ASSERT_NE(nullptr, box) << "no discard prompt";
    EXPECT_EQ(kChangedQuestion, MessageBoxText(box));
    EXPECT_NE(nullptr, GetDlgItem(box, IDYES));
    EXPECT_NE(nullptr, GetDlgItem(box, IDNO));
    EXPECT_NE(nullptr, GetDlgItem(box, IDCANCEL));
    PressButton(box, button);
    EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", "Confirm"));
  }

  HWND WaitForFileDialog(const char* caption) {
    HWND dialog = WaitForWindow(Pid(), "#32770", caption);
    EXPECT_NE(nullptr, dialog) << "no " << caption << " dialog";
    return dialog;
  }

  // Waits until the window's text is `expected`. A large file keeps the program busy for seconds,
  // so each look gives up quietly after a moment instead of counting as a failure.
  bool WaitForIdleText(HWND window, const std::string& expected, int timeoutMs = 60000) {
    const std::wstring wanted(expected.begin(), expected.end());  // titles and paths are ASCII here
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
      std::wstring text(wanted.size() + 2, L'\0');
      DWORD_PTR copied = 0;
      if (SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                              SMTO_ABORTIFHUNG, 200, &copied) &&
          text.substr(0, copied) == wanted) {
        return true;
      }
      Sleep(50);
    }
    return false;
  }

  // File, Open of `path`, answering no prompt; waits until the title names it.
  void OpenFile(const std::string& path) {
    PostCommand(polver.main, CMD_OPEN);
    HWND dialog = WaitForFileDialog("Open File");
    ASSERT_NE(nullptr, dialog);
    ChooseFile(dialog, path);
    ASSERT_TRUE(WaitForIdleText(polver.main, TitleFor(path)));
  }

  // File, Save As to a new `path`; waits until the title names it.
  void SaveFileAs(const std::string& path) {
    PostCommand(polver.main, CMD_SAVE_AS);
    HWND dialog = WaitForFileDialog("Save File");
    ASSERT_NE(nullptr, dialog);
    ChooseFile(dialog, path);
    ASSERT_TRUE(WaitForIdleText(polver.main, TitleFor(path)));
  }

  // The document still counts as changed: Exit asks, and Cancel keeps the program running.
  void ExpectStillChanged() {
    PostCommand(polver.main, CMD_EXIT);
    AnswerPrompt(IDCANCEL);
    EXPECT_EQ(-1, WaitForExit(polver.process, 300)) << "Cancel must keep the program";
  }

  bool NoMessageBoxFor(int ms) { return WaitForMessageBox(Pid(), ms) == nullptr; }

  std::string folder;
};

TEST_F(DocumentFiles, NewOnUnchangedDocumentAsksNothing) {
  WriteText(polver.editor, "not typed, so not a change\r\n");  // WM_SETTEXT sends no EN_CHANGE
  PostCommand(polver.main, CMD_NEW);
  EXPECT_TRUE(WaitForText(polver.editor, ""));
  EXPECT_TRUE(NoMessageBoxFor(500));
  EXPECT_EQ(kBaseTitle, ReadText(polver.main));
}

TEST_F(DocumentFiles, TypingMarksChangedAndExitAsks) {
  BringToFront(polver.main);
  ClickInto(polver.editor);
  TypeKeys("PK 12");
  ASSERT_TRUE(WaitForText(polver.editor, "PK 12"));
  PostCommand(polver.main, CMD_EXIT);
  AnswerPrompt(IDNO);
  EXPECT_EQ(0, WaitForExit(polver.process, 10000));
}

TEST_F(DocumentFiles, CancelAtThePromptAbandonsNewOpenAndExit) {
  const std::string path = Path("kept.txt");
  PutFile(path, "kept\r\n");
  OpenFile(path);
  AddText("more\r\n");
  const int commands[] = {CMD_NEW, CMD_OPEN, CMD_EXIT};
  for (int command : commands) {
    SCOPED_TRACE(command);
    PostCommand(polver.main, command);
    AnswerPrompt(IDCANCEL);
    Settle(polver.main);
    EXPECT_EQ("kept\r\nmore\r\n", ReadText(polver.editor));
    EXPECT_EQ(TitleFor(path), ReadText(polver.main));
    EXPECT_EQ(nullptr, WaitForWindow(Pid(), "#32770", "Open File", 300));
    EXPECT_EQ(-1, WaitForExit(polver.process, 300));
  }
  EXPECT_EQ("kept\r\n", FileBytes(path));
}

TEST_F(DocumentFiles, NoAtThePromptGoesOnWithoutSaving) {
  const std::string path = Path("untouched.txt");
  PutFile(path, "untouched\r\n");
  OpenFile(path);
  AddText("thrown away\r\n");
  PostCommand(polver.main, CMD_NEW);
  AnswerPrompt(IDNO);
  EXPECT_TRUE(WaitForText(polver.editor, ""));
  EXPECT_EQ(kBaseTitle, ReadText(polver.main));
  EXPECT_EQ("untouched\r\n", FileBytes(path));
  PostCommand(polver.main, CMD_EXIT);  // New left the document unchanged: no question
  EXPECT_EQ(0, WaitForExit(polver.process, 10000));
}

TEST_F(DocumentFiles, YesAtThePromptSavesThenGoesOn) {
  // A named document is saved to its file without a dialog, then New empties the editor.
  const std::string named = Path("named.txt");
  PutFile(named, "first\r\n");
  OpenFile(named);
  AddText("second\r\n");
  PostCommand(polver.main, CMD_NEW);
  AnswerPrompt(IDYES);
  EXPECT_TRUE(WaitForText(polver.editor, ""));
  EXPECT_EQ(kBaseTitle, ReadText(polver.main));
  EXPECT_EQ("first\r\nsecond\r\n", FileBytes(named));

  // An unnamed document goes through the Save File dialog, then Exit ends the program.
  const std::string fresh = Path("fresh.txt");
  AddText("unnamed text\r\n");
  PostCommand(polver.main, CMD_EXIT);
  AnswerPrompt(IDYES);
  HWND dialog = WaitForFileDialog("Save File");
  ASSERT_NE(nullptr, dialog);
  ChooseFile(dialog, fresh);
  EXPECT_EQ(0, WaitForExit(polver.process, 10000));
  EXPECT_EQ("unnamed text\r\n", FileBytes(fresh));
}

TEST_F(DocumentFiles, YesThenCancelledSaveKeepsTheText) {
  AddText("survey notes\r\n");
  const int commands[] = {CMD_NEW, CMD_OPEN, CMD_EXIT};
  for (int command : commands) {
    SCOPED_TRACE(command);
    PostCommand(polver.main, command);
    AnswerPrompt(IDYES);
    HWND dialog = WaitForFileDialog("Save File");
    ASSERT_NE(nullptr, dialog);
    PressButton(dialog, IDCANCEL);
    Answer("File Save failed.", IDOK);
    Settle(polver.main);
    EXPECT_EQ(nullptr, WaitForWindow(Pid(), "#32770", "Open File", 300)) << "Open must not go on";
    EXPECT_EQ("survey notes\r\n", ReadText(polver.editor));
    EXPECT_EQ(kBaseTitle, ReadText(polver.main));
    EXPECT_EQ(-1, WaitForExit(polver.process, 300));
  }
  ExpectStillChanged();
}

TEST_F(DocumentFiles, OpenAndSaveFollowTheLineRulesAndTitles) {
  // a LF b loads with CR LF after each line; saved unchanged it is those six bytes.
  const std::string lf = Path("lf.txt");
  const std::string saved = Path("saved.txt");
  PutFile(lf, "a\nb");
  OpenFile(lf);
  EXPECT_EQ("a\r\nb\r\n", ReadText(polver.editor));
  SaveFileAs(saved);
  EXPECT_EQ("a\r\nb\r\n", FileBytes(saved));
  EXPECT_EQ("a\nb", FileBytes(lf));

  // Ctrl+Z ends the file; an empty file gives an empty, unchanged document.
  const std::string ctrlZ = Path("ctrlz.txt");
  PutFile(ctrlZ,
          "kept\r\nalso kept\x1A"
          "dropped\r\n");
  OpenFile(ctrlZ);
  Answer(
      "This file holds bytes that a text document cannot keep (a zero byte or Ctrl+Z). Saving "
      "it will leave them out.",
      IDOK);
  EXPECT_EQ("kept\r\nalso kept\r\n", ReadText(polver.editor));
  const std::string empty = Path("empty.txt");
  PutFile(empty, "");
  OpenFile(empty);
  EXPECT_EQ("", ReadText(polver.editor));

  PostCommand(polver.main, CMD_NEW);  // a freshly opened document asks nothing
  EXPECT_TRUE(WaitForText(polver.main, kBaseTitle));
  EXPECT_TRUE(NoMessageBoxFor(300));
}

TEST_F(DocumentFiles, CancelledOpenSaysOpenFailedAndKeepsTheDocument) {
  const std::string path = Path("current.txt");
  PutFile(path, "current\r\n");
  OpenFile(path);
  PostCommand(polver.main, CMD_OPEN);
  HWND dialog = WaitForFileDialog("Open File");
  ASSERT_NE(nullptr, dialog);
  PressButton(dialog, IDCANCEL);
  Answer("File open failed.", IDOK);
  EXPECT_EQ("current\r\n", ReadText(polver.editor));
  EXPECT_EQ(TitleFor(path), ReadText(polver.main));
  ExpectStillChanged();  // a cancelled Open marks the document changed, as it always has
}

TEST_F(DocumentFiles, OpenOfMissingNameSaysOpenFailedAndCreatesNothing) {
  const std::string missing = Path("missing.txt");
  PostCommand(polver.main, CMD_OPEN);
  HWND dialog = WaitForFileDialog("Open File");
  ASSERT_NE(nullptr, dialog);
  ChooseFile(dialog, missing);
  // The dialog offers to create the file; accepting only hands the name back.
  HWND offer = WaitForMessageBox(Pid(), 10000, dialog);
  ASSERT_NE(nullptr, offer);
  EXPECT_EQ("Open File", ReadText(offer));
  PressButton(offer, IDYES);
  for (int waited = 0; IsWindow(offer) && waited < 10000; waited += 50) Sleep(50);
  Answer("File open failed.", IDOK);
  EXPECT_FALSE(Exists(missing));
  EXPECT_EQ("", ReadText(polver.editor));
  EXPECT_EQ(kBaseTitle, ReadText(polver.main));
}

TEST_F(DocumentFiles, LockedFileCannotBeOpenedAndNothingIsLost) {
  const std::string current = Path("current.txt");
  const std::string locked = Path("locked.txt");
  PutFile(current, "current\r\n");
  PutFile(locked, "locked\r\n");
  OpenFile(current);
  AddText("unsaved\r\n");
  HANDLE lock = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);

  PostCommand(polver.main, CMD_OPEN);
  AnswerPrompt(IDNO);
  HWND dialog = WaitForFileDialog("Open File");
  ASSERT_NE(nullptr, dialog);
  ChooseFile(dialog, locked);
  Answer("Can't open file " + locked, IDOK);
  CloseHandle(lock);
  EXPECT_EQ("current\r\nunsaved\r\n", ReadText(polver.editor));
  EXPECT_EQ(TitleFor(current), ReadText(polver.main));
  EXPECT_EQ(-1, WaitForExit(polver.process, 300))
      << "a file that cannot be read never ends the program";
  ExpectStillChanged();
}

TEST_F(DocumentFiles, SaveToLockedFileKeepsTheOldFileAndTheText) {
  const std::string path = Path("report.txt");
  PutFile(path, "old\r\n");
  OpenFile(path);
  AddText("new\r\n");
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);

  PostCommand(polver.main, CMD_SAVE);
  HWND box = WaitForMessageBox(Pid());
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(0u, MessageBoxText(box).rfind("Can't write file " + path + "\n", 0))
      << MessageBoxText(box);
  PressButton(box, IDOK);
  EXPECT_TRUE(WaitForText(polver.main, TitleFor(path)));  // the title is as it was
  CloseHandle(lock);
  EXPECT_EQ("old\r\n", FileBytes(path));
  EXPECT_EQ(1, EntryCount(folder)) << "the unfinished new file must be removed";
  EXPECT_EQ("old\r\nnew\r\n", ReadText(polver.editor));
  ExpectStillChanged();

  // Once the lock is gone the same Save writes the file.
  PostCommand(polver.main, CMD_SAVE);
  EXPECT_TRUE(NoMessageBoxFor(1000));
  EXPECT_EQ("old\r\nnew\r\n", FileBytes(path));
  EXPECT_EQ(1, EntryCount(folder));
}

TEST_F(DocumentFiles, SaveOverFolderSaysCantOpenAndKeepsTheText) {
  const std::string path = Path("notes.txt");
  PutFile(path, "notes\r\n");
  OpenFile(path);
  AddText("more notes\r\n");
  ASSERT_TRUE(DeleteFileA(path.c_str()));
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));  // a folder now has the document's name

  PostCommand(polver.main, CMD_SAVE);
  Answer("Can't open file " + path, IDOK);
  EXPECT_EQ("notes\r\nmore notes\r\n", ReadText(polver.editor));
  EXPECT_EQ(TitleFor(path), ReadText(polver.main));
  EXPECT_EQ(FILE_ATTRIBUTE_DIRECTORY, GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(1, EntryCount(folder));
  ExpectStillChanged();
}

TEST_F(DocumentFiles, CancelledSaveAsKeepsTheName) {
  const std::string path = Path("named.txt");
  PutFile(path, "named\r\n");
  OpenFile(path);
  PostCommand(polver.main, CMD_SAVE_AS);
  HWND dialog = WaitForFileDialog("Save File");
  ASSERT_NE(nullptr, dialog);
  PressButton(dialog, IDCANCEL);
  Answer("File Save failed.", IDOK);
  EXPECT_EQ(TitleFor(path), ReadText(polver.main));

  // The next Save goes straight to the same file, with no dialog.
  AddText("added\r\n");
  PostCommand(polver.main, CMD_SAVE);
  EXPECT_EQ(nullptr, WaitForWindow(Pid(), "#32770", "Save File", 1000));
  EXPECT_TRUE(WaitForText(polver.main, TitleFor(path)));
  EXPECT_EQ("named\r\nadded\r\n", FileBytes(path));
}

TEST_F(DocumentFiles, LargeFileOpensWholeAndSavesBackByteIdentical) {
  // 100,000 lines, about 5 MB, ending with CR LF, one line far longer than 2046 characters.
  std::string bytes;
  for (int i = 0; i < 100000; ++i) {
    bytes +=
        "PKpz" + std::to_string(i) + "=1066.0000   Dpz=-12.0000   Ypz=530.1234   Xpz=260.55\r\n";
  }
  bytes.insert(bytes.size() / 2, std::string(5000, 'L') + "\r\n");
  const std::string source = Path("large.txt");
  const std::string copy = Path("copy.txt");
  PutFile(source, bytes);
  ASSERT_GT(bytes.size(), 5000000u);

  OpenFile(source);
  EXPECT_TRUE(ReadText(polver.editor) == bytes) << "the editor must hold the file whole";
  SaveFileAs(copy);
  EXPECT_TRUE(FileBytes(copy) == bytes) << "the saved file must equal the opened one";
}

TEST_F(DocumentFiles, CtrlQAndCloseBoxAskAndCancelKeepsTheProgram) {
  AddText("unsaved\r\n");
  BringToFront(polver.main);
  PressCtrlWith('Q');
  AnswerPrompt(IDCANCEL);
  EXPECT_EQ(-1, WaitForExit(polver.process, 300));

  PostMessageA(polver.main, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
  AnswerPrompt(IDCANCEL);
  EXPECT_EQ(-1, WaitForExit(polver.process, 300));
  EXPECT_EQ("unsaved\r\n", ReadText(polver.editor));

  PostMessageA(polver.main, WM_SYSCOMMAND, SC_CLOSE, 0);
  AnswerPrompt(IDNO);
  EXPECT_EQ(0, WaitForExit(polver.process, 10000));
}

}  // namespace
