// The document file format: how a text file's bytes become the editor's text.
// Portable: no platform headers.
//
// A document file is plain 8-bit text. Saving writes the editor's text byte for byte, with no
// conversion at all, so it needs no function here; loading decodes the file the way a text-mode
// read does, so that files written by other programs (LF line ends, a trailing Ctrl+Z) open as
// they always have.
#pragma once

#include <string>

// The editor's text for a file holding `bytes`, line by line:
//  - CR LF and a lone LF end a line; a lone CR is an ordinary character of its line;
//  - the byte 0x1A (Ctrl+Z) ends the file, whatever follows it;
//  - a zero byte ends its line's text: the rest of that line, up to its LF, is dropped;
//  - every line gets CR LF, the last one too, whether or not the file ended with a line break;
//  - lines of any length are kept whole.
// An empty file (or one starting with 0x1A) gives "". The result never holds a zero byte, and
// text that already has CR LF after every line comes back unchanged.
std::string DocumentTextFromFileBytes(const std::string& bytes);

// True when loading `bytes` leaves out more than line-break bytes and a final Ctrl+Z: the file
// holds a zero byte before its first Ctrl+Z, or anything but CR and LF after it. Saving such a
// document writes a shorter file than the one opened, so the user is told once after loading.
bool DecodingLeavesOutBytes(const std::string& bytes);
