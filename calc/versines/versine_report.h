// Curve by Versines' block: the fields as typed, then the problems, or the table of every
// station and the design's three lines. Portable.
#pragma once

#include <string>

#include "versines/versines.h"

// The station of the slew largest in size as printed (to 0.1 mm); the first on a tie.
size_t LargestSlewStation(const VersineResult& result);

// The result's part of the block, after the fields' echo: an empty line, then the problem lines,
// or the table, an empty line and the design's three lines; every line ends with CR LF.
std::string VersineResultText(const VersineResult& result);

// The whole block CALC appends: CR LF, "Curve by versines", an empty line, the fields as typed
// ("Step=10   L1=30   L2=30   R="), then the result's part.
std::string VersinesBlock(const VersineTexts& texts, const std::string& selection);
