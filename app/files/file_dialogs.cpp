#include "files/file_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "common/messages.h"
#include "files/shell_files.h"

namespace {

// Pairs of name and pattern; the literal's own terminator makes the closing double zero.
constexpr char FileFilters[] = "Text Files (*.TXT)\0*.txt\0All Files(*.*)\0*.*\0";

// The file name room the dialogs are given, terminator included.
constexpr DWORD FileNameCapacity = 260;

}  // namespace

std::string RunFileDialog(HWND owner, const char* caption, const char* filters,
                          const char* defaultExtension, DWORD flags, bool save) {
  const std::string initialDirectory = CurrentDirectory();
  std::vector<char> fileName(FileNameCapacity, '\0');
  OPENFILENAMEA dialog = OPENFILENAMEA();
  dialog.lStructSize = sizeof(OPENFILENAMEA);
  dialog.hwndOwner = owner;
  dialog.hInstance = GetModuleHandleA(nullptr);
  dialog.lpstrFilter = filters;
  dialog.nFilterIndex = 0;  // no custom filter, so the first pair
  dialog.lpstrFile = fileName.data();
  dialog.nMaxFile = static_cast<DWORD>(fileName.size());
  dialog.lpstrInitialDir = initialDirectory.empty() ? nullptr : initialDirectory.c_str();
  dialog.lpstrTitle = caption;
  dialog.Flags = flags;
  dialog.lpstrDefExt = defaultExtension;
  const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  // After a failure the buffer may hold an error detail rather than a name, so it is not read.
  return chosen ? std::string(fileName.data()) : std::string();
}

std::string ChooseOpenFile(HWND owner) {
  return RunFileDialog(owner, Messages::kOpenFileCaption, FileFilters, "txt",
                       OFN_HIDEREADONLY | OFN_CREATEPROMPT, false);
}

std::string ChooseSaveFile(HWND owner) {
  return RunFileDialog(owner, Messages::kSaveFileCaption, FileFilters, "txt", OFN_OVERWRITEPROMPT,
                       true);
}
