// LandXML: the nodes both exports write, an alignment's plan as vertices or as elements.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "alignment/plane_point.h"
#include "landxml/xml_tree.h"

XmlNode Element(const std::string& name,
                std::vector<std::pair<std::string, std::string>> attributes = {},
                const std::string& text = "");

// A point as LandXML writes it: "northing easting", X before Y.
XmlNode PointElement(const std::string& name, PlanePoint P);

// A <Line> with its chainage, length, start and end.
XmlNode LineElement(double PK, double length, PlanePoint start, PlanePoint end);
