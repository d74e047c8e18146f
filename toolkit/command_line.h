// The program's command line: the one document it is asked to open. Portable: no platform headers.
#pragma once

#include <string>

// The path named on a command line (without the program's own name), or "" when none is.
// A path in double quotes is taken up to its closing quote; an unquoted one is the whole line
// without its outer blanks, so that a path with blanks works quoted or not.
std::string PathFromCommandLine(const std::string& commandLine);
