// Trace Alignment's fields, read in one place for every button of the dialog and its LandXML
// commands.
#pragma once

#include <windows.h>

#include "alignment/alignment_texts.h"

// What the dialog's fields hold, remembered as typed: every button reads them first.
AlignmentTexts ReadAlignmentFields(HWND dialog);
