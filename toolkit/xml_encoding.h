// The encoding an XML file's declaration names, for a reader that knows only UTF-8 and UTF-16:
// a file in one of the 8-bit code pages that design programs write (Central European, Cyrillic,
// Western) is converted to UTF-16 first, its declaration then naming UTF-16.
#pragma once

#include <string>

struct XmlDeclaredEncoding {
  enum Kind {
    Native,    // UTF-8 or UTF-16 (by byte order mark, by declaration, or for want of one)
    CodePage,  // a known 8-bit encoding: `codePage` is its Windows code page
    Unknown,   // a name not known here: `name` as written
  };
  Kind kind = Native;
  std::string name;       // the declared name as written ("" without one)
  unsigned codePage = 0;  // for CodePage
  size_t nameAt = 0;      // where the name stands in the bytes (for CodePage and Unknown)
};

// The encoding the file's bytes declare: the encoding of an XML declaration at their very start.
// A byte order mark (UTF-8 or UTF-16) makes the file Native whatever it declares; so does a
// declaration without an encoding, or one that is not well-formed (the reader reports that).
XmlDeclaredEncoding DeclaredEncoding(const std::string& bytes);

// The Windows code page of an encoding name (any case): ISO-8859-1, -2, -3, -4, -5, -7, -9, -13
// and -15, latin1 and latin2, windows-1250 to -1258 and cp1250 to cp1258, KOI8-R, KOI8-U, IBM866
// and cp866, US-ASCII; 0 for any other name.
unsigned CodePageOfEncoding(const std::string& name);

// The bytes with the declared name replaced by "UTF-16", and blanks after its closing quote where
// the new name is shorter, so that every later character keeps its line and column. The bytes
// are then to be converted from the code page; every byte of the declaration is ASCII there.
std::string DeclaringUtf16(const std::string& bytes, const XmlDeclaredEncoding& encoding);
