// Trace Alignment with a cant: the report pieces that give the design cant (the cant echo, the
// Cant columns of the main points and point lists) and the block of "List cant", which compares
// measured cants at chainages with the design and gives the twist between them.
// The column pieces each start with a TAB, so that any table (the vertex form's main points, an
// element table) adds them to a row as they are. Every piece with lines ends them with CR LF.
#pragma once

#include <string>

#include "alignment/alignment_texts.h"
#include "alignment/cant.h"

// "Cant:" and the cant's non-blank lines as typed; nothing for a blank cant.
std::string CantEcho(const CantReading& cant);

// The heads of the cant columns: "\tCant" (the main points, "Set out") and
// "\tCant\tCant design\tdCant" ("List PK, d").
extern const char* const kCantColumnHead;
extern const char* const kCantListColumnsHead;

// The Cant column for a row at PK: "\t" and the design cant with one decimal, or "\t-" outside
// the cant.
std::string DesignCantColumn(const Cant& cant, double PK);

// A measured cant as a point line gives it, or none.
struct MeasuredCant {
  bool read = false;
  double C = 0.0;
};

// The measured cant of a "List PK, d" point line: its fifth field (after the name, the two
// coordinates and the height) when that is a number written in full.
MeasuredCant ReadPointCant(const std::string& line);

// The three "List PK, d" columns of a point at chainage PK: the measured cant, the design cant
// and dCant (measured - design), each with one decimal or "-" where a value is missing.
std::string CantListColumns(const Cant& cant, MeasuredCant measured, double PK);

// The same three columns of a point outside the alignment: its measured cant, "-", "-".
std::string CantListColumnsOffAlignment(MeasuredCant measured);

// The warning column after the element of a row at PK: "\t!Chainage outside of cant!" outside
// the cant, else nothing.
std::string CantWarningColumn(const Cant& cant, double PK);

// "List cant": the selected "name PK C" or "PK C" lines against the cant alone: the heading, the
// cant echo, then the problems, or the table "Point\tPK\tCant\tCant design\tdCant\tTwist", the
// "Not read:" lines, the summary (Outside: outside the cant) and the line of the largest dCant
// and twist. A blank cant is reported as too few lines.
std::string AlignmentCantBlock(const AlignmentTexts& texts, const std::string& selection);
