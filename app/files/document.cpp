// The File menu's document commands: the editor's text as one document file.
//
// Nothing here ever loses the surveyor's text: a file that cannot be read or written is reported
// and the command is abandoned with the editor, the path and the title as they were; a save writes
// a complete new file before it replaces the old one; and "Yes, save first" followed by a save that
// fails or is cancelled abandons the New, Open or Exit that asked.
#include "files/document.h"

#include <cstdio>
#include <string>

#include "common/app_state.h"
#include "common/editor_text.h"
#include "common/messages.h"
#include "common/wait_cursor.h"
#include "document_text.h"
#include "files/file_bytes.h"
#include "files/file_dialogs.h"
#include "files/shell_files.h"

namespace {

constexpr const char* CantWriteFile = "Can't write file ";  // followed by the path and the reason

// The system's own words for an error code, without the trailing line break.
std::string SystemErrorText(unsigned long error) {
  char* words = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&words), 0, nullptr);
  std::string text =
      length > 0 ? std::string(words, length) : "Error " + std::to_string(error) + ".";
  LocalFree(words);
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
    text.pop_back();
  }
  return text;
}

// A file that could not be read or written: one line on the standard error stream and the same
// text in a message box, after which the program carries on.
void ReportFileFailure(HWND editor, const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
  MessageBoxA(editor, text.c_str(), nullptr, MB_OK | MB_ICONERROR);
}

void ShowDocumentTitle() {
  ShowTitle(App().BaseTitle + " - " + App().DocumentPath);
}

// Reads the file at `path` and puts its text into the editor in one piece, the caret at the end
// and in view, under the wait cursor. False when the file cannot be read (the editor is then
// untouched); `leftOut` tells whether the text lacks bytes of the file that are not line breaks.
bool LoadIntoEditor(HWND editor, const std::string& path, bool& leftOut) {
  WaitCursor busy;
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    return false;
  }
  leftOut = DecodingLeavesOutBytes(bytes);
  const std::string text = DocumentTextFromFileBytes(bytes);
  SetText(editor, text);
  // Positions past the end are clamped by the control, so the byte count is always far enough.
  const WPARAM end = static_cast<WPARAM>(text.size());
  SendMessageA(editor, EM_SETSEL, end, static_cast<LPARAM>(end));
  SendMessageA(editor, EM_SCROLLCARET, 0, 0);
  SetFocus(editor);
  return true;
}

// Loads the file at `path` into the editor in one piece, the caret at the end and in view.
// Returns 1 when loaded (`leftOut` as LoadIntoEditor gives it); 0, after telling the user, when
// the file does not exist (an empty path, a cancelled dialog) or cannot be read, and then the
// editor is untouched.
int ReadDocument(HWND editor, const std::string& path, bool& leftOut) {
  if (!FileExists(path)) {
    MessageBoxA(editor, Messages::kOpenFailed, nullptr, MB_OK);
    return 0;
  }
  if (!LoadIntoEditor(editor, path, leftOut)) {
    ReportFileFailure(editor, Messages::kCantOpenFile + path);
    return 0;
  }
  return 1;
}

// Writes the editor's whole text, byte for byte, to the file at `path`. Returns 1 when the file
// holds it; 0, after telling the user, when it could not be written, and then the file on disk
// is as it was.
int WriteDocument(HWND editor, const std::string& path) {
  WriteOutcome outcome{};
  {
    WaitCursor busy;
    outcome = ReplaceFileBytes(path, GetText(editor));
  }
  switch (outcome.failedStep) {
    case WriteStep::Done: return 1;
    case WriteStep::Open: ReportFileFailure(editor, Messages::kCantOpenFile + path); return 0;
    case WriteStep::Write: break;
  }
  ReportFileFailure(editor, CantWriteFile + path + "\n" + SystemErrorText(outcome.systemError));
  return 0;
}

// Save of a named document. The title drops the name while the file is being written and gets it
// back when the file is complete; after a failure it is restored as it was.
int SaveToCurrentPath(HWND editor) {
  const std::string titleBefore = App().WindowTitle;
  ShowTitle(App().BaseTitle);
  if (!WriteDocument(editor, App().DocumentPath)) {
    ShowTitle(titleBefore);
    return 0;
  }
  ShowDocumentTitle();
  return 1;
}

// Loads `path` and names the document after it; on failure the document stays as it was.
// The reading rules stay as they always were; once the document is open and named, the user
// learns that a save would write a shorter file.
int LoadDocument(HWND editor, const std::string& path) {
  bool leftOut = false;
  if (!ReadDocument(editor, path, leftOut)) {
    return 0;
  }
  App().DocumentPath = path;
  ShowDocumentTitle();
  if (leftOut) {
    MessageBoxA(editor, Messages::kBytesLeftOut, Messages::kOpenCaption, MB_OK | MB_ICONWARNING);
  }
  return 1;
}

}  // namespace

// Answers "File has changed. Save?" when there are unsaved changes. Yes saves first (through the
// Save File dialog for an unnamed document) and goes on only if that save succeeded; a dismissed
// or failed box counts as Cancel.
int ConfirmDiscard(HWND mainWindow, HWND editor) {
  if (App().DocumentChanged != 1) {
    return 1;
  }
  const int answer = ShowMessage(Messages::kFileChanged, Messages::kConfirmCaption,
                                 MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer == IDNO) {
    return 1;
  }
  if (answer != IDYES) {
    return 0;
  }
  const int saved = SaveDocument(mainWindow, editor);
  App().DocumentChanged = 1 - saved;
  return saved;
}

int NewDocument(HWND mainWindow, HWND editor) {
  if (!ConfirmDiscard(mainWindow, editor)) {
    return 0;
  }
  SetText(editor, "");
  App().DocumentPath.clear();
  ShowTitle(App().BaseTitle);
  return 1;
}

// Gate, then load. A cancelled dialog or a name that does not exist gives "File open failed." and
// keeps the document as it was (the caller then marks it changed).
int OpenDocument(HWND mainWindow, HWND editor) {
  if (!ConfirmDiscard(mainWindow, editor)) {
    return 0;
  }
  return LoadDocument(editor, ChooseOpenFile(mainWindow));
}

// The same gate and load as File, Open, for a name given on the command line, by a second start
// or by a drop.
int OpenNamedDocument(HWND mainWindow, HWND editor, const std::string& path) {
  if (!ConfirmDiscard(mainWindow, editor)) {
    return 0;
  }
  return LoadDocument(editor, path);
}

int SaveDocument(HWND mainWindow, HWND editor) {
  if (App().DocumentPath.empty()) {
    return SaveDocumentAs(mainWindow, editor);
  }
  return SaveToCurrentPath(editor);
}

// A cancelled dialog gives "File Save failed." and keeps the previous name, which the title
// still shows.
int SaveDocumentAs(HWND mainWindow, HWND editor) {
  const std::string path = ChooseSaveFile(mainWindow);
  if (path.empty()) {
    MessageBoxA(editor, Messages::kSaveFailed, nullptr, MB_OK);
    return 0;
  }
  if (!WriteDocument(editor, path)) {
    return 0;
  }
  App().DocumentPath = path;
  ShowDocumentTitle();
  return 1;
}

int ExitProgram(HWND mainWindow, HWND editor) {
  if (!ConfirmDiscard(mainWindow, editor)) {
    return 0;
  }
  PostQuitMessage(0);
  return 1;
}
