// LandXML: the alignment in Trace Alignment's texts written as a LandXML 1.2 document tree.
#include "landxml.h"

LandXmlExport ExportAlignment(const AlignmentTexts& texts, const std::string& name,
                              const std::string& date, const std::string& time) {
  LandXmlExport result;
  const AlignmentReading reading = ReadAlignment(texts);
  if (!reading.problems.empty()) {
    result.problem = reading.problems.front();
    return result;
  }
  result.root.name = "LandXML";
  result.root.attributes = {{"xmlns", "http://www.landxml.org/schema/LandXML-1.2"},
                            {"version", "1.2"},
                            {"date", date},
                            {"time", time}};
  (void)name;
  return result;
}
