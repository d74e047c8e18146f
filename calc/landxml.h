// LandXML, the design programs' exchange format: taking one of a file's alignments over into
// Trace Alignment's texts (PK start, vertex lines, profile lines), and writing an alignment out.
// The file itself is read and written by the platform's XML reader and writer as an XmlNode tree.
#pragma once

#include <string>
#include <vector>

#include "alignment_report.h"
#include "xml_tree.h"

// What keeps a whole file from being imported, as the message box says it ("This file holds no
// alignment.", the feet message), or "" when it holds alignments in metres.
std::string LandXmlFileProblem(const XmlNode& root);

// "This file cannot be read as LandXML: line <n>, column <m>."
std::string MalformedLandXmlMessage(int line, int column);

// Every <Alignment> of the file in file order, and the name it is listed under.
std::vector<const XmlNode*> LandXmlAlignments(const XmlNode& root);
std::string LandXmlAlignmentName(const XmlNode& alignment);

// One alignment taken over: the dialog's texts (PK start, the vertex lines in the order the
// "X before Y" setting reads them, the profile lines; empty profile without one), or the refusal
// "Alignment <name> cannot be taken over: <reason>." with the texts left empty.
struct LandXmlTakeOver {
  std::string refusal;  // empty when taken over
  AlignmentTexts texts;
};
LandXmlTakeOver TakeOverAlignment(const XmlNode& alignment, bool xBeforeY);

// The LandXML 1.2 document of the alignment in the dialog's texts, named after the file; date
// and time as the root's attributes ("2026-12-07", "23:05:00"). A problem: the first problem
// line that CALC would report, and no document.
struct LandXmlExport {
  std::string problem;
  XmlNode root;  // the root's "xmlns" attribute is the namespace of every element
};
LandXmlExport ExportAlignment(const AlignmentTexts& texts, const std::string& name,
                              const std::string& date, const std::string& time);
