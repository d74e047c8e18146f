// Trace Alignment, the reports: reading the vertex lines, the curve table and main points that
// CALC appends, and the blocks of "List PK, d" and "Set out" over the editor's selected lines.
// Every block starts with CR LF and every line ends with CR LF; each is appended in one piece.
#pragma once

#include <string>
#include <vector>

#include "alignment.h"
#include "profile.h"
#include "remembered_inputs.h"

// The warnings of a row off the alignment.
extern const char* const kPointOutsideAlignment;     // "!Point outside of alignment!"
extern const char* const kChainageOutsideAlignment;  // "!Chainage outside of alignment!"

// What the dialog holds: the PK start, vertex and profile texts as typed, and the "X before Y"
// setting.
struct AlignmentTexts {
  std::string PKstart;
  std::string vertices;
  bool xBeforeY = false;
  std::string profile;  // blank: the alignment has no profile
};

// The texts the dialog shows when it opens: NumToText of the remembered PK start (" 0" at first),
// the vertex and profile lines as last typed, the shared "X before Y".
AlignmentTexts OpeningAlignmentTexts(const RememberedInputs& inputs);

// Remembers what the dialog holds: PK start through TextToNum, the vertex and profile lines as
// typed and "X before Y" (shared with the Trace dialogs).
void RememberAlignmentTexts(const AlignmentTexts& texts, RememberedInputs& inputs);

// The vertices read from the dialog's texts: the echo of every non-blank vertex line as typed,
// and, when no problem was found, the built alignment; the profile read from its text.
struct AlignmentReading {
  std::vector<std::string> echo;
  std::vector<std::string> problems;  // report lines, the first kind found only
  Alignment alignment;
  ProfileReading profile;  // blank text: no VPIs
};

// Vertex lines: "name Y X [R L [L2]]" (X Y with xBeforeY) by the point-list field rules; R and L
// on every vertex but the two ends, L2 (the exit spiral) when the sixth field is a number, else
// L2 = L. The problems of reading come first (lines not read, then inner vertices without R and
// L), then those of building the alignment, then, only when the vertices have none, the
// profile's.
AlignmentReading ReadAlignment(const AlignmentTexts& texts);

// CALC: the echo, the curve table (Vertex, Angle, R, L, T, K, D, PK; with any L2 != L both L in
// and L out, T in and T out), the main points with
// their chainages and coordinates, and the length and number of curves.
std::string AlignmentCalcBlock(const AlignmentTexts& texts);

// "List PK, d": chainage, offset and element of every point line of the selection.
std::string AlignmentListBlock(const AlignmentTexts& texts, const std::string& selection);

// "Set out": coordinates and element of every "name PK d" line of the selection.
std::string AlignmentSetOutBlock(const AlignmentTexts& texts, const std::string& selection);

// The end of a point-list block: a blank line, "Not read: " and each line that was not read, and
// the summary "Points=n   Outside=n   Not read=n".
std::string PointListSummary(const std::vector<std::string>& notRead, size_t points,
                             size_t outside);
