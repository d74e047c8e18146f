// A document file's bytes on disk: read whole, and replaced without ever losing the old contents.
#pragma once

#include <string>

// Reads the whole file at `path` into `bytes`, however large. False when the file cannot be opened
// or read (it is a folder, access is denied, another program holds it locked); `bytes` is then
// left incomplete and must not be used.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Which step of replacing a file failed.
enum class WriteStep {
  Done,   // the file now holds exactly the new bytes
  Open,   // no new file could be made there (a folder of that name, no such or read-only folder)
  Write,  // writing, flushing, closing or putting the new file in place failed
};

struct WriteOutcome {
  WriteStep failedStep;       // Done on success
  unsigned long systemError;  // the system's error code of the failure, 0 on success
};

// Makes the file at `path` hold exactly `bytes`. The bytes go to a new file beside it first; only
// when every byte is written, flushed and closed does that file take the old one's place, so a full
// disk or a locked file leaves the old contents as they were. The new file is removed on failure.
WriteOutcome ReplaceFileBytes(const std::string& path, const std::string& bytes);
