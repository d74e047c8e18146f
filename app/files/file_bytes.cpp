#include "files/file_bytes.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>

namespace {

// Large files are read and written in pieces whose size fits a DWORD comfortably.
constexpr DWORD PieceSize = 1u << 20;

// Creates a new, empty file beside `path` ("<path>.<process>-<n>.tmp") that no one else has open.
// Returns INVALID_HANDLE_VALUE when none can be made, with the system's error set.
HANDLE CreateFileBeside(const std::string& path, std::string& newPath) {
  const std::string stem = path + "." + std::to_string(GetCurrentProcessId()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    newPath = stem + std::to_string(attempt) + ".tmp";
    const HANDLE file = CreateFileA(newPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = GetLastError();
    if (file != INVALID_HANDLE_VALUE ||
        (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)) {
      return file;
    }
  }
  return INVALID_HANDLE_VALUE;
}

// Writes every byte, or returns false with the system's error set. A write that succeeds yet
// writes nothing would loop for ever, so it counts as a full disk.
bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, PieceSize));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, piece, &written, nullptr)) {
      return false;
    }
    if (written == 0) {
      SetLastError(ERROR_HANDLE_DISK_FULL);
      return false;
    }
    done += written;
  }
  return true;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  bytes.clear();
  LARGE_INTEGER size;
  if (GetFileSizeEx(file, &size) && size.QuadPart > 0) {
    bytes.reserve(static_cast<std::size_t>(size.QuadPart) +
                  PieceSize);  // the last read asks for a whole piece
  }
  bool ok = true;
  for (;;) {
    const std::size_t before = bytes.size();
    bytes.resize(before + PieceSize);
    DWORD got = 0;
    ok = ReadFile(file, &bytes[before], PieceSize, &got, nullptr) != 0;
    bytes.resize(before + (ok ? got : 0));
    if (!ok || got == 0) {
      break;
    }
  }
  CloseHandle(file);
  return ok;
}

WriteOutcome ReplaceFileBytes(const std::string& path, const std::string& bytes) {
  // A folder of that name can never be replaced by a file: say so before making anything.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return {WriteStep::Open, ERROR_ACCESS_DENIED};
  }

  std::string newPath;
  const HANDLE file = CreateFileBeside(path, newPath);
  if (file == INVALID_HANDLE_VALUE) {
    return {WriteStep::Open, GetLastError()};
  }
  bool ok = WriteAll(file, bytes) && FlushFileBuffers(file);
  DWORD error = ok ? 0 : GetLastError();
  if (!CloseHandle(file) && ok) {
    ok = false;
    error = GetLastError();
  }
  if (ok && !MoveFileExA(newPath.c_str(), path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = false;
    error = GetLastError();
  }
  if (!ok) {
    DeleteFileA(newPath.c_str());
    return {WriteStep::Write, error};
  }
  return {WriteStep::Done, 0};
}
