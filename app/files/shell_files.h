// Small questions the document commands ask the file system.
#pragma once

#include <string>

// True when the path names something that exists, a folder too. A path holding "*" or "?" is a
// pattern: true when some entry matches it. An empty path, or any failure to ask, gives false.
bool FileExists(const std::string& path);

// The process's current directory, however long; "" if it cannot be read.
std::string CurrentDirectory();

// The full path of `path` as seen from the current directory; `path` itself if that fails.
std::string FullPath(const std::string& path);
