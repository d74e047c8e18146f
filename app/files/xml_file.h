// XML files read and written with the platform's XML reader and writer (XmlLite), as XmlNode
// trees. xmllite.dll is loaded when first needed, so the program's start-up does not pay for it.
#pragma once

#include <string>

#include "landxml/xml_tree.h"

// A file read: the tree, or where reading stopped.
struct XmlFileReading {
  enum Outcome {
    Read,             // `root` holds the document element
    NotOpened,        // the file could not be opened or read; `systemError` says why
    Malformed,        // not well-formed XML, a DTD, or an encoding the reader does not know
    NoReader,         // the XML reader is not available on this system
    UnknownEncoding,  // the declaration names an encoding not known here: `encoding`
  };
  Outcome outcome = NotOpened;
  XmlNode root;
  int line = 0;  // where a malformed file stopped being readable, from 1
  int column = 0;
  unsigned long systemError = 0;
  std::string encoding;  // the encoding's name as declared, for UnknownEncoding
};

// Reads the XML file at `path` (UTF-8 or UTF-16, with or without a byte order mark, or an 8-bit
// code page that its declaration names: see xml_code_page.h) into a tree of local names:
// prefixes and namespaces are dropped and namespace declarations are not kept as attributes.
// Texts become UTF-8. DTDs are refused, as the reader does by default.
XmlFileReading ReadXmlFile(const std::string& path);

// Writes the tree as an indented UTF-8 XML file; the root's "xmlns" attribute becomes the
// default namespace of every element. The file at `path` is replaced only once the whole
// document is written, so a failure leaves no half-written file there. Returns "" on success,
// otherwise the system's reason.
std::string WriteXmlFile(const std::string& path, const XmlNode& root);
