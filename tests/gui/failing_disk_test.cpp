// Saving where the disk refuses: a file system that is full, a folder that is read-only, a folder
// that is gone by the time of the Save. Each time a message box must name the file that failed
// (and, when writing failed, the system's reason), the old file must stay byte for byte as it was,
// the editor must keep the text and still count it as unsaved (Exit asks, and Exit with Yes stays
// when that save fails too), and a save to a sound place afterwards must work.
//
// The failing places are real mounts made for each test under a fresh folder in /tmp, so these
// tests need root and a system that allows mount; they skip with the reason otherwise. Every mount
// is undone in TearDown, whatever the test did.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "file_helpers.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

// The same file seen from Windows: Linux paths are Wine's drive Z:.
std::string ZPath(const std::string& linuxPath) {
  std::string path = "Z:" + linuxPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

// The system's words for an error code, as this Wine says them, without the line break.
std::string SystemWords(DWORD error) {
  char words[512] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                 words, sizeof words, nullptr);
  std::string text = words;
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

// Whether this process can make a new file at `path` (removed again at once): a check that the
// place made for a test really refuses, since root may write where an ordinary user may not.
bool CanCreate(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  DeleteFileA(path.c_str());
  return true;
}

// A text of about `bytes` bytes, in report lines, each ending with CR LF.
std::string ReportLines(size_t bytes) {
  std::string text;
  for (int i = 0; text.size() < bytes; ++i) {
    text += "PK" + std::to_string(i) + "   Ypz=530.1234   Xpz=260.5500   B_rl=1520\r\n";
  }
  return text;
}

class FailingDisk : public PolverTest {
 protected:
  void SetUp() override {
    static int serial = 0;
    base = "/tmp/polver-disk-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++serial);
    if (RunLinux("test $(id -u) -eq 0") != 0) {
      GTEST_SKIP() << "needs root: the full, read-only and vanishing folders are made with mount";
    }
    ASSERT_EQ(0, RunLinux("mkdir -p " + base + "/good")) << base;
    createdBase = true;
    if (!Mount("-t tmpfs -o size=4k polver-probe", base + "/probe")) {
      GTEST_SKIP() << "mount is refused here (no CAP_SYS_ADMIN?): cannot make a failing disk";
    }
    ASSERT_TRUE(Unmount(base + "/probe"));
    PolverTest::SetUp();
  }

  // The program goes first, so that nothing of it holds a file in a mount; then every mount is
  // undone (lazily if something still holds it) before the folder itself goes.
  void TearDown() override {
    PolverTest::TearDown();
    for (auto mount = mounts.rbegin(); mount != mounts.rend(); ++mount) {
      EXPECT_TRUE(Unmount(*mount)) << "still mounted: " << *mount;
    }
    if (!createdBase) return;
    if (RunLinux("! grep -qF ' " + base + "/' /proc/mounts") != 0) {
      ADD_FAILURE() << "a mount is left under " << base << "; the folder is kept";
      return;
    }
    EXPECT_EQ(0, RunLinux("rm -rf " + base));
  }

  // Mounts at `point` (made if missing) with `arguments` ("-t tmpfs -o size=64k name", "--bind
  // /from"), then runs `then` (a remount) if given. The point is remembered first, so TearDown
  // undoes even a half-made mount.
  bool Mount(const std::string& arguments, const std::string& point, const std::string& then = "") {
    mounts.push_back(point);
    return RunLinux("mkdir -p " + point + " && mount " + arguments + " " + point +
                    (then.empty() ? "" : " && " + then)) == 0;
  }

  // Undoes the mount at `point` if there is one; lazily when a process still holds it.
  static bool Unmount(const std::string& point) {
    return RunLinux("if mountpoint -q " + point + "; then umount " + point +
                    " 2>/dev/null || umount -l " + point + "; fi; ! mountpoint -q " + point) == 0;
  }

  std::string TitleFor(const std::string& path) const {
    return std::string(kBaseTitle) + " - " + path;
  }

  // Text added the way a paste adds it, so the document counts as changed.
  void AddText(const std::string& text) {
    const std::string before = ReadText(polver.editor);
    DWORD_PTR result = 0;
    const WPARAM end = static_cast<WPARAM>(before.size());
    SendMessageTimeoutA(polver.editor, EM_SETSEL, end, static_cast<LPARAM>(end), SMTO_ABORTIFHUNG,
                        5000, &result);
    SendMessageTimeoutA(polver.editor, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 20000, &result);
    ASSERT_TRUE(ReadText(polver.editor) == before + text) << "the editor did not take the text";
  }

  // Waits until a top-level window's title is `expected`. A save of a large text keeps the program
  // busy, so each look gives up quietly after a moment instead of counting as a failure.
  bool WaitForTitle(const std::string& expected, int timeoutMs = 30000) {
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
      char title[1024] = {};
      GetWindowTextA(polver.main, title, sizeof title);  // a top-level caption needs no message
      if (expected == title) return true;
      Sleep(50);
    }
    return false;
  }

  // File, Open of `path`; waits until the title names it. When the document holds unsaved text,
  // Open asks first and No lets that text go.
  void OpenFile(const std::string& path, bool asksFirst = false) {
    PostCommand(polver.main, CMD_OPEN);
    if (asksFirst) {
      HWND prompt = WaitForWindow(Pid(), "#32770", "Confirm");
      ASSERT_NE(nullptr, prompt) << "Open did not ask about the unsaved text";
      PressButton(prompt, IDNO);
    }
    HWND dialog = WaitForWindow(Pid(), "#32770", "Open File");
    ASSERT_NE(nullptr, dialog) << "no Open File dialog";
    ChooseFile(dialog, path);
    ASSERT_TRUE(WaitForTitle(TitleFor(path))) << "not opened: " << path;
  }

  // The one message box the failed save shows: its text is checked whole, then it is closed. It
  // is looked for by its caption (the system's default one), since a question box answered just
  // before may still be on its way out.
  void ExpectFailureBox(const std::string& expectedText) {
    HWND box = WaitForWindow(Pid(), "#32770", "Error", 30000);
    ASSERT_NE(nullptr, box) << "no message box for: " << expectedText;
    EXPECT_EQ(expectedText, MessageBoxText(box));
    PressButton(box, IDOK);
    for (int waited = 0; IsWindow(box) && waited < 10000; waited += 50) Sleep(50);
    ASSERT_FALSE(IsWindow(box));
  }

  // After a refused save: the editor holds `text`, the title names `path` as before, and the
  // document still counts as changed: Exit asks, and Cancel keeps the program running.
  void ExpectNothingLost(const std::string& text, const std::string& path) {
    EXPECT_TRUE(WaitForTitle(TitleFor(path)));
    EXPECT_TRUE(ReadText(polver.editor) == text) << "the editor's text changed";
    PostCommand(polver.main, CMD_EXIT);
    HWND prompt = WaitForWindow(Pid(), "#32770", "Confirm");
    ASSERT_NE(nullptr, prompt) << "Exit did not ask: the failed save counted as saved";
    EXPECT_EQ(kChangedQuestion, MessageBoxText(prompt));
    PressButton(prompt, IDCANCEL);
    EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", "Confirm"));
    EXPECT_EQ(-1, WaitForExit(polver.process, 300)) << "Cancel must keep the program";
    EXPECT_TRUE(ReadText(polver.editor) == text) << "the editor's text changed";
  }

  // Exit, Yes at the question, and the save it starts is refused too: the program must stay, with
  // the text, rather than end as if the text were saved.
  void ExpectExitWithRefusedSaveStays(const std::string& text, const std::string& path,
                                      const std::string& expectedMessage) {
    PostCommand(polver.main, CMD_EXIT);
    HWND prompt = WaitForWindow(Pid(), "#32770", "Confirm");
    ASSERT_NE(nullptr, prompt) << "Exit did not ask";
    PressButton(prompt, IDYES);
    ExpectFailureBox(expectedMessage);
    EXPECT_EQ(-1, WaitForExit(polver.process, 1000)) << "the program ended with the text unsaved";
    ExpectNothingLost(text, path);
  }

  // Save As to a folder where writing works: the file holds exactly the editor's text, the title
  // names it, and the document now counts as saved, so Exit ends the program without asking.
  void ExpectSaveAsToGoodPlaceWorks(const std::string& text) {
    const std::string good = ZPath(base + "/good/report.txt");
    PostCommand(polver.main, CMD_SAVE_AS);
    HWND dialog = WaitForWindow(Pid(), "#32770", "Save File");
    ASSERT_NE(nullptr, dialog) << "no Save File dialog";
    ChooseFile(dialog, good);
    ASSERT_TRUE(WaitForTitle(TitleFor(good))) << "the title does not name " << good;
    EXPECT_TRUE(FileBytes(good) == text) << "the saved file differs from the editor's text";
    EXPECT_EQ(1, EntryCount(ZPath(base + "/good")));
    PostCommand(polver.main, CMD_EXIT);
    EXPECT_EQ(0, WaitForExit(polver.process, 10000)) << "Exit after a good save must not ask";
  }

  std::string base;  // this test's own folder in /tmp (a Linux path)
  bool createdBase = false;
  std::vector<std::string> mounts;  // Linux paths, in the order they were mounted
};

TEST_F(FailingDisk, FullFileSystemKeepsOldFileAndText) {
  const std::string full = base + "/full";
  ASSERT_TRUE(Mount("-t tmpfs -o size=64k polver-full", full));
  const std::string path = ZPath(full + "/report.txt");
  const std::string old = "PK0   Ypz=530.1234   Xpz=260.5500\r\n";
  PutFile(path, old);
  OpenFile(path);
  const std::string text = old + ReportLines(200 * 1024);  // far more than the 64 KiB free
  AddText(text.substr(old.size()));

  // Save goes straight to the current file.
  PostCommand(polver.main, CMD_SAVE);
  const std::string diskFull = "Can't write file " + path + "\n" + SystemWords(ERROR_DISK_FULL);
  ExpectFailureBox(diskFull);
  EXPECT_TRUE(FileBytes(path) == old) << "the old file was damaged";
  EXPECT_EQ(1, EntryCount(ZPath(full))) << "the unfinished new file must be removed";
  ExpectNothingLost(text, path);

  // Save As through the dialog to a new name on the same full disk: no file is left, and the
  // document keeps its old name.
  const std::string other = ZPath(full + "/other.txt");
  PostCommand(polver.main, CMD_SAVE_AS);
  HWND dialog = WaitForWindow(Pid(), "#32770", "Save File");
  ASSERT_NE(nullptr, dialog) << "no Save File dialog";
  ChooseFile(dialog, other);
  ExpectFailureBox("Can't write file " + other + "\n" + SystemWords(ERROR_DISK_FULL));
  EXPECT_FALSE(Exists(other));
  EXPECT_TRUE(FileBytes(path) == old) << "the old file was damaged";
  EXPECT_EQ(1, EntryCount(ZPath(full)));
  ExpectNothingLost(text, path);

  ExpectExitWithRefusedSaveStays(text, path, diskFull);
  EXPECT_TRUE(FileBytes(path) == old) << "the old file was damaged";
  EXPECT_EQ(1, EntryCount(ZPath(full)));

  ExpectSaveAsToGoodPlaceWorks(text);
  EXPECT_TRUE(FileBytes(path) == old) << "the old file was damaged";
}

TEST_F(FailingDisk, ReadOnlyFolderKeepsOldFileAndText) {
  const std::string source = base + "/source";
  const std::string readOnly = base + "/readonly";
  const std::string old = "PK0   Ypz=530.1234   Xpz=260.5500\r\n";
  ASSERT_EQ(0, RunLinux("mkdir -p " + source));
  PutFile(ZPath(source + "/report.txt"), old);
  ASSERT_TRUE(Mount("--bind " + source, readOnly, "mount -o remount,bind,ro " + readOnly));
  ASSERT_FALSE(CanCreate(ZPath(readOnly + "/probe.txt"))) << "the bind mount is not read-only";
  const std::string path = ZPath(readOnly + "/report.txt");
  OpenFile(path);
  const std::string text = old + "PK1   Ypz=531.0000   Xpz=261.0000\r\n";
  AddText(text.substr(old.size()));

  PostCommand(polver.main, CMD_SAVE);
  ExpectFailureBox("Can't open file " + path);
  EXPECT_TRUE(FileBytes(path) == old) << "the old file was damaged";
  EXPECT_EQ(1, EntryCount(ZPath(source)));
  ExpectNothingLost(text, path);

  ExpectExitWithRefusedSaveStays(text, path, "Can't open file " + path);
  EXPECT_TRUE(FileBytes(path) == old) << "the old file was damaged";

  ExpectSaveAsToGoodPlaceWorks(text);
  EXPECT_TRUE(FileBytes(ZPath(source + "/report.txt")) == old) << "the old file was damaged";
}

// The folder of the open document goes away before Save, which writes straight to the document's
// path without a dialog: removed outright, or its file system unmounted (a card pulled out).
TEST_F(FailingDisk, VanishedFolderKeepsTextAndCreatesNothing) {
  struct Vanishing {
    const char* name;
    bool mounted;  // the folder is a mount of another folder, which keeps the old file
  };
  const Vanishing ways[] = {{"removed", false}, {"unmounted", true}};
  const std::string old = "PK0   Ypz=530.1234   Xpz=260.5500\r\n";
  const std::string text = old + "PK1   Ypz=531.0000   Xpz=261.0000\r\n";
  bool unsaved = false;  // the previous round leaves its text unsaved
  for (const Vanishing& way : ways) {
    SCOPED_TRACE(way.name);
    const std::string folder = base + "/" + way.name;
    const std::string kept = base + "/" + way.name + "-source";
    ASSERT_EQ(0, RunLinux("mkdir -p " + folder));
    if (way.mounted) {
      ASSERT_EQ(0, RunLinux("mkdir -p " + kept));
      ASSERT_TRUE(Mount("--bind " + kept, folder));
    }
    PutFile(ZPath(folder + "/report.txt"), old);
    const std::string path = ZPath(folder + "/report.txt");

    OpenFile(path, unsaved);
    AddText(text.substr(old.size()));
    unsaved = true;

    // The program's current folder is this one, so the unmount may have to be lazy.
    ASSERT_EQ(0, RunLinux(way.mounted ? "umount " + folder + " 2>/dev/null || umount -l " + folder +
                                            "; rmdir " + folder
                                      : "rm -rf " + folder));
    ASSERT_FALSE(Exists(ZPath(folder)));

    PostCommand(polver.main, CMD_SAVE);
    EXPECT_EQ(nullptr, WaitForWindow(Pid(), "#32770", "Save File", 500)) << "Save must not ask";
    ExpectFailureBox("Can't open file " + path);
    EXPECT_FALSE(Exists(ZPath(folder))) << "the save made the vanished folder again";
    if (way.mounted) {
      EXPECT_TRUE(FileBytes(ZPath(kept + "/report.txt")) == old) << "the old file was damaged";
      EXPECT_EQ(1, EntryCount(ZPath(kept)));
    }
    ExpectNothingLost(text, path);
  }
  ExpectSaveAsToGoodPlaceWorks(text);
}

}  // namespace
