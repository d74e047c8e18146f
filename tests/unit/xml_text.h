// XML text to an XmlNode tree and back, for tests that write design files the way a reader sees
// them. Only what those files use: a declaration, comments, elements with prefixes (dropped, as
// the program's reader keeps local names), attributes in double or single quotes, character
// data with the five predefined entities. Text that is not such XML gives what was read so far.
#pragma once

#include <cctype>
#include <string>

#include "landxml/xml_tree.h"

namespace xml_text {

inline std::string LocalName(const std::string& name) {
  const size_t colon = name.find(':');
  return colon == std::string::npos ? name : name.substr(colon + 1);
}

inline std::string Decoded(const std::string& text) {
  static const char* const kEntities[][2] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  std::string out;
  for (size_t i = 0; i < text.size();) {
    bool replaced = false;
    for (const auto& entity : kEntities) {
      const std::string name = entity[0];
      if (text.compare(i, name.size(), name) == 0) {
        out += entity[1];
        i += name.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

struct Reader {
  const std::string& text;
  size_t at = 0;

  bool Blank() const {
    return at < text.size() && std::isspace(static_cast<unsigned char>(text[at]));
  }
  void SkipBlanks() {
    while (Blank()) ++at;
  }
  // Declarations, comments and blanks before the next element or text.
  void SkipMarkup() {
    for (;;) {
      SkipBlanks();
      if (text.compare(at, 2, "<?") == 0) {
        at = text.find("?>", at);
        at = at == std::string::npos ? text.size() : at + 2;
      } else if (text.compare(at, 4, "<!--") == 0) {
        at = text.find("-->", at);
        at = at == std::string::npos ? text.size() : at + 3;
      } else {
        return;
      }
    }
  }
  std::string Name() {
    const size_t begin = at;
    while (at < text.size() && !Blank() && text[at] != '>' && text[at] != '/' && text[at] != '=')
      ++at;
    return text.substr(begin, at - begin);
  }
  // The element that starts at '<'.
  XmlNode Element() {
    XmlNode node;
    ++at;
    node.name = LocalName(Name());
    for (;;) {
      SkipBlanks();
      if (at >= text.size()) return node;
      if (text.compare(at, 2, "/>") == 0) {
        at += 2;
        return node;
      }
      if (text[at] == '>') {
        ++at;
        break;
      }
      const std::string name = Name();
      SkipBlanks();
      if (at >= text.size() || text[at] != '=') return node;
      ++at;
      SkipBlanks();
      const char quote = at < text.size() ? text[at] : '"';
      const size_t end = text.find(quote, at + 1);
      if (end == std::string::npos) return node;
      node.attributes.push_back({LocalName(name), Decoded(text.substr(at + 1, end - at - 1))});
      at = end + 1;
    }
    for (;;) {
      if (at >= text.size()) return node;
      if (text.compare(at, 4, "<!--") == 0) {
        SkipMarkup();
      } else if (text.compare(at, 2, "</") == 0) {
        at = text.find('>', at);
        at = at == std::string::npos ? text.size() : at + 1;
        return node;
      } else if (text[at] == '<') {
        node.children.push_back(Element());
      } else {
        const size_t end = text.find('<', at);
        const size_t stop = end == std::string::npos ? text.size() : end;
        node.text += Decoded(text.substr(at, stop - at));
        at = stop;
      }
    }
  }
};

}  // namespace xml_text

// The root element of an XML text.
inline XmlNode ParseXml(const std::string& text) {
  xml_text::Reader reader{text};
  reader.SkipMarkup();
  if (reader.at < text.size() && text[reader.at] == '<') return reader.Element();
  return XmlNode();
}
