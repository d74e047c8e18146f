// LandXML: what a whole file holds, before one of its alignments is taken over.
#include "landxml/landxml.h"

#include "number_text.h"

namespace {

void CollectAlignments(const XmlNode& node, std::vector<const XmlNode*>& found) {
  for (const XmlNode& child : node.children) {
    if (child.name == "Alignment") {
      found.push_back(&child);
    } else {
      CollectAlignments(child, found);
    }
  }
}

}  // namespace

std::string LandXmlFileProblem(const XmlNode& root) {
  const XmlNode* units = root.Child("Units");
  if (units && units->Child("Imperial") && !units->Child("Metric"))
    return "This file gives lengths in feet; Polver reads metres only.";
  if (LandXmlAlignments(root).empty()) return "This file holds no alignment.";
  return "";
}

std::string MalformedLandXmlMessage(int line, int column) {
  return "This file cannot be read as LandXML: line " + std::to_string(line) + ", column " +
         std::to_string(column) + ".";
}

std::string UnknownEncodingLandXmlMessage(const std::string& name) {
  return "This file cannot be read as LandXML: its encoding " + name + " is not known.";
}

std::vector<const XmlNode*> LandXmlAlignments(const XmlNode& root) {
  std::vector<const XmlNode*> found;
  if (root.name == "Alignment") {
    found.push_back(&root);
  } else {
    CollectAlignments(root, found);
  }
  return found;
}

std::string LandXmlAlignmentName(const XmlNode& alignment) {
  const std::string* name = alignment.Attribute("name");
  const std::string trimmed = name ? Trim(*name) : std::string();
  return trimmed.empty() ? "(no name)" : trimmed;
}
