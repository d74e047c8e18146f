// LandXML: the nodes both exports write.
#include "landxml/landxml_nodes.h"

#include "shortest_text.h"

XmlNode Element(const std::string& name,
                std::vector<std::pair<std::string, std::string>> attributes,
                const std::string& text) {
  XmlNode node;
  node.name = name;
  node.attributes = std::move(attributes);
  node.text = text;
  return node;
}

XmlNode PointElement(const std::string& name, PlanePoint P) {
  return Element(name, {}, ShortestText(P.X) + " " + ShortestText(P.Y));
}

XmlNode LineElement(double PK, double length, PlanePoint start, PlanePoint end) {
  XmlNode line =
      Element("Line", {{"staStart", ShortestText(PK)}, {"length", ShortestText(length)}});
  line.children = {PointElement("Start", start), PointElement("End", end)};
  return line;
}
