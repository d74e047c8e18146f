// XML files in an 8-bit code page (as Central European and Cyrillic design programs write them)
// made readable for the platform's XML reader, which knows UTF-8 and UTF-16 only.
#pragma once

#include <string>

// The file's bytes as the reader is to take them: unchanged for UTF-8 and UTF-16; converted to
// UTF-16 (little-endian, with its byte order mark) for a known 8-bit encoding, the declaration
// then naming UTF-16 and every character keeping its line. False, with the name as declared in
// `unknown`, for an encoding not known here or one the system cannot convert from.
bool BytesForXmlReader(std::string& bytes, std::string& unknown);
