// Searching the document's text for the Find command. Portable: no platform headers.
//
// The text is searched where it lies, with no copy: one call looks at each byte of the searched
// part at most a few times over, so a search of a document of many megabytes stays quick.
#pragma once

#include <cstddef>
#include <string>

// What counts as the same letter and as part of a word, for each of the 256 byte values of the
// text's 8-bit code page.
struct TextAlphabet {
  unsigned char folded[256];  // the byte's lower-case form (itself when it has none)
  bool inWord[256];           // letters, digits and '_'
};

// The alphabet of plain ASCII: A-Z fold to a-z; letters, digits and '_' make words.
TextAlphabet AsciiAlphabet();

struct SearchRequest {
  std::string what;  // the text to find; an empty one is never found
  bool down;         // true: towards the end of the text; false: towards its start
  bool matchCase;    // false: letters match whatever their case (by TextAlphabet::folded)
  bool wholeWord;    // true: a match must not have a word character on either side
};

// Where the request is next found in `text`, or std::string::npos when it is not.
// Down: the first match that starts at `from` or later. Up: the last match that ends at `from` or
// earlier. `from` past the end counts as the end. With the selection as (start, end), searching
// down from its end and up from its start never finds the selection itself again.
std::size_t FindInText(const std::string& text, std::size_t from, const SearchRequest& request,
                       const TextAlphabet& alphabet);
