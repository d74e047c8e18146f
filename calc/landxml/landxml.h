// LandXML, the design programs' exchange format: taking one of a file's alignments over into
// Trace Alignment's texts (PK start, vertex lines, profile lines), and writing an alignment out.
// The file itself is read and written by the platform's XML reader and writer as an XmlNode tree.
#pragma once

#include <string>
#include <vector>

#include "alignment/alignment_report.h"
#include "landxml/xml_tree.h"

// What keeps a whole file from being imported, as the message box says it ("This file holds no
// alignment.", the feet message), or "" when it holds alignments in metres.
std::string LandXmlFileProblem(const XmlNode& root);

// "This file cannot be read as LandXML: line <n>, column <m>."
std::string MalformedLandXmlMessage(int line, int column);

// "This file cannot be read as LandXML: its encoding <name> is not known."
std::string UnknownEncodingLandXmlMessage(const std::string& name);

// Every <Alignment> of the file in file order, wherever it stands, and the name it is listed
// under: its name attribute without surrounding blanks, "(no name)" without one.
std::vector<const XmlNode*> LandXmlAlignments(const XmlNode& root);
std::string LandXmlAlignmentName(const XmlNode& alignment);

// One alignment taken over: the dialog's texts (PK start, the vertex lines V0, V1, ... in the
// order the "X before Y" setting reads them, the profile lines, the cant lines "station C" from
// its <Cant>, C negative for curvature="ccw"; lines joined by CR LF; an empty profile or cant
// without one), or the refusal "Alignment <name> cannot be taken over: <reason>." with
// the texts left empty. A plan that does not read as straight, spiral, curve, spiral, straight
// with vertices that run through the file's element ends within 1 mm is taken over as element
// lines instead (see landxml_elements.h), refused as "its elements at <PK> do not read as
// straights, curves and transition curves" when they do not hold together; so is a plan with a
// transition of another law than the clothoid (it has no vertex form). Besides the reasons of the
// file format's own rules (a <Chain>, "the spiral at <PK> is a <spiType>, not a clothoid, bloss,
// cosine, sinusoid or biquadratic"), only the plan refuses the alignment: a profile or a cant that
// does not read is left out, its field empty, and `warning` says so (PartialTakeOverMessage). The
// profile's reasons: "its profile at <PK> does not read as grades and vertical curves" for one
// that CALC would not read, "its profile has an unsymmetrical vertical curve at <PK>" (where it
// starts: its station less lengthIn); the cant's: "its cant ramp at <PK> is a <type>, not a
// clothoid, bloss, cosine, sinusoid or biquadratic" for a <CantStation> whose transitionType is of
// no law (one of a law other than the clothoid gives its cant line the law's cant word), "its cant
// at <PK> does not read as chainages and cants".
struct LandXmlTakeOver {
  std::string refusal;  // empty when taken over
  std::string warning;  // empty when taken over whole
  AlignmentTexts texts;
};
LandXmlTakeOver TakeOverAlignment(const XmlNode& alignment, bool xBeforeY);

// "Alignment <name> was taken over without its profile: <reason>.", "... without its cant:
// <reason>." or "... without its profile and its cant: <profile reason>; <cant reason>.";
// "" when both reasons are empty.
std::string PartialTakeOverMessage(const std::string& name, const std::string& profileReason,
                                   const std::string& cantReason);

// The LandXML 1.2 document of the alignment in the dialog's texts, named after the file; date
// and time as the root's attributes ("2026-12-07", "23:05:00"). Root <LandXML>, then <Units>,
// <Application> and <Alignments> holding the one <Alignment>, as the schema nests it; its cant,
// if any, as a <Cant> of one <CantStation> per line. A problem: the first problem line that CALC
// would report, or the chain's that LandXML cannot hold (ChainExportProblem), and no document.
struct LandXmlExport {
  std::string problem;
  XmlNode root;  // the root's "xmlns" attribute is the namespace of every element
};
LandXmlExport ExportAlignment(const AlignmentTexts& texts, const std::string& name,
                              const std::string& date, const std::string& time);
