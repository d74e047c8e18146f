// An XML document as plain data, between the platform's XML reader and writer and the portable
// code that gives it meaning. Names are local names: whatever prefix or namespace an element or
// attribute carried is gone. Texts are UTF-8.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct XmlNode {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;  // in document order
  std::string text;  // the element's own character data, its pieces joined
  std::vector<XmlNode> children;

  // The value of the attribute with this local name, or null.
  const std::string* Attribute(const std::string& localName) const {
    for (const auto& attribute : attributes)
      if (attribute.first == localName) return &attribute.second;
    return nullptr;
  }
  // The first child element with this local name, or null.
  const XmlNode* Child(const std::string& localName) const {
    for (const XmlNode& child : children)
      if (child.name == localName) return &child;
    return nullptr;
  }
};
