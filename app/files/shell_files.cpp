#include "files/shell_files.h"

#include <windows.h>

bool FileExists(const std::string& path) {
  if (path.empty()) {
    return false;
  }
  if (path.find_first_of("*?") != std::string::npos) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
      return false;
    }
    FindClose(search);
    return true;
  }
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Asks for the size first, and again if the directory changed to a longer one between the two
// calls, so no length is ever cut.
std::string CurrentDirectory() {
  DWORD capacity = GetCurrentDirectoryA(0, nullptr);
  while (capacity > 0) {
    std::string directory(capacity, '\0');
    const DWORD length = GetCurrentDirectoryA(capacity, &directory[0]);
    if (length < capacity) {
      directory.resize(length);
      return directory;
    }
    capacity = length;  // it grew: length is the capacity now needed
  }
  return "";
}

std::string FullPath(const std::string& path) {
  const DWORD capacity = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (capacity == 0) return path;
  std::string full(capacity, '\0');
  const DWORD length = GetFullPathNameA(path.c_str(), capacity, &full[0], nullptr);
  if (length == 0 || length >= capacity) return path;
  full.resize(length);
  return full;
}
