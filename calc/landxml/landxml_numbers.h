// LandXML: the numbers and points of a design file's texts.
#pragma once

#include <string>

#include "alignment/alignment.h"
#include "landxml/xml_tree.h"

// A number as XML writes it ("12.5", "12.", "-3e2", blanks around it); false for anything else.
bool ReadXmlNumber(const std::string& text, double& value);

// The first two numbers of an element's text ("northing easting [elevation]", "station
// elevation"); false without the element or two numbers.
bool ReadXmlPair(const XmlNode* node, double& first, double& second);

// A point's text "northing easting [elevation]": X is its first number, Y its second.
bool ReadXmlPoint(const XmlNode* node, PlanePoint& point);

// A refusal's reason with its chainage: pattern's "%s" replaced by FixedText(PK, 4).
std::string Reason(const char* pattern, double PK);
