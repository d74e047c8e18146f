// LandXML: the numbers and points of a design file's texts.
#include "landxml/landxml_numbers.h"

#include <sstream>

#include "number_text.h"
#include "point_lists/point_lines.h"

bool ReadXmlNumber(const std::string& text, double& value) {
  return ReadFullNumber(Trim(text), false, value);
}

bool ReadXmlPair(const XmlNode* node, double& first, double& second) {
  if (!node) return false;
  std::istringstream words(node->text);
  std::string a, b;
  return static_cast<bool>(words >> a >> b) && ReadXmlNumber(a, first) && ReadXmlNumber(b, second);
}

bool ReadXmlPoint(const XmlNode* node, PlanePoint& point) {
  double northing = 0, easting = 0;
  if (!ReadXmlPair(node, northing, easting)) return false;
  point = {easting, northing};
  return true;
}

std::string Reason(const char* pattern, double PK) {
  std::string reason = pattern;
  const size_t at = reason.find("%s");
  if (at != std::string::npos) reason.replace(at, 2, FixedText(PK, 4));
  return reason;
}
