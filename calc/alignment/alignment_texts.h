// Trace Alignment, what its dialog holds: the PK start, vertex, profile and cant texts as typed,
// how they are remembered for the run, and how they are read into the alignment, its profile and
// its cant.
#pragma once

#include <string>
#include <vector>

#include "alignment/alignment.h"
#include "alignment/cant.h"
#include "alignment/profile.h"
#include "frame/remembered_inputs.h"

// What the dialog holds: the PK start, vertex, profile and cant texts as typed, and the "X before
// Y" setting.
struct AlignmentTexts {
  std::string PKstart;
  std::string vertices;
  bool xBeforeY = false;
  std::string profile;  // blank: the alignment has no profile
  // blank: the alignment has no cant (the initializer lets brace lists that end before it pass
  // without a warning)
  std::string cant = {};
};

// The texts the dialog shows when it opens: NumToText of the remembered PK start (" 0" at first),
// the vertex, profile and cant lines as last typed, the shared "X before Y".
AlignmentTexts OpeningAlignmentTexts(const RememberedInputs& inputs);

// Remembers what the dialog holds: PK start through TextToNum, the vertex, profile and cant lines
// as typed and "X before Y" (shared with the Trace dialogs).
void RememberAlignmentTexts(const AlignmentTexts& texts, RememberedInputs& inputs);

// The vertices read from the dialog's texts: the echo of every non-blank vertex line as typed,
// and, when no problem was found, the built alignment; the profile and the cant read from their
// texts.
struct AlignmentReading {
  std::vector<std::string> echo;
  std::vector<std::string> problems;  // report lines, the first kind found only
  Alignment alignment;
  ProfileReading profile;  // blank text: no VPIs
  CantReading cant;        // blank text: no cant points
};

// Element lines (see element_chain.h) when the text's first field is straight, curve or spiral;
// otherwise vertex lines: "name Y X [R L [L2]]" (X Y with xBeforeY) by the point-list field rules;
// R and L on every vertex but the two ends, L2 (the exit spiral) when the sixth field is a number,
// else L2 = L. The problems of reading come first (lines not read, then inner vertices without R
// and L), then those of building the alignment, then, only when the vertices have none, the
// profile's, and only when the profile has none either, the cant's.
AlignmentReading ReadAlignment(const AlignmentTexts& texts);
