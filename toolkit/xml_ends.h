// Whether an XML text ends where a document may end: every comment, processing instruction,
// CDATA section, declaration and tag closed, and every element that was opened ended again.
// Some versions of the platform's XML reader (Wine's) hang or stop the whole program on a
// document cut short, so such a file is refused before it reaches the reader; everything else
// about well-formedness is left to the reader itself.
#pragma once

#include <string>

// Where a text cut short stops being a document: the line and column (from 1; columns count
// characters, not bytes) of the construct left open, or of the text's end when elements are
// left open or there is no element at all.
struct XmlEnding {
  bool complete = true;
  int line = 0;
  int column = 0;
};

// `utf8` is the file's text in UTF-8 (or any encoding that writes ASCII as ASCII), with or
// without a byte order mark.
XmlEnding CheckXmlEnding(const std::string& utf8);
