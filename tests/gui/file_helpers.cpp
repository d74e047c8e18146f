#include "file_helpers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "driver.h"

const char* const kBaseTitle = "Polver by Dunrel (rus)";
const char* const kChangedQuestion = "File has changed. Save?";

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void PutFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  EXPECT_TRUE(file.flush()) << "cannot write " << path;
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int EntryCount(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    const std::string name = entry.cFileName;
    if (name != "." && name != "..") ++count;
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return count;
}

void ChooseFile(HWND dialog, const std::string& path) {
  HWND field = GetDlgItem(dialog, kFileNameField);
  HWND edit = FindWindowExA(field, nullptr, "Edit", nullptr);
  WriteText(edit != nullptr ? edit : field, path);
  PressButton(dialog, IDOK);
}
