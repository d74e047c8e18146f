// Trace Alignment, the reports: the curve table and main points that
// CALC appends, and the blocks of "List PK, d" and "Set out" over the editor's selected lines.
// Every block starts with CR LF and every line ends with CR LF; each is appended in one piece.
#pragma once

#include <string>
#include <vector>

#include "alignment/alignment_texts.h"

// The warnings of a row off the alignment.
extern const char* const kPointOutsideAlignment;     // "!Point outside of alignment!"
extern const char* const kChainageOutsideAlignment;  // "!Chainage outside of alignment!"

// CALC: the echo, the curve table (Vertex, Angle, R, L, T, K, D, PK; with any L2 != L both L in
// and L out, T in and T out), the main points with
// their chainages and coordinates, and the length and number of curves.
std::string AlignmentCalcBlock(const AlignmentTexts& texts);

// "List PK, d": chainage, offset and element of every point line of the selection.
std::string AlignmentListBlock(const AlignmentTexts& texts, const std::string& selection);

// "Set out": coordinates and element of every "name PK d" line of the selection.
std::string AlignmentSetOutBlock(const AlignmentTexts& texts, const std::string& selection);
