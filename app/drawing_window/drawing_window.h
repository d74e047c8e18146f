// The window "Alignment drawing": Trace Alignment's plan and long section on screen, with zoom,
// pan, printing and copying.
#pragma once

#include <windows.h>

#include "alignment/alignment_texts.h"

// "Drawing" in Trace Alignment: draws the dialog's texts, read as CALC reads them, and takes the
// editor's selected lines as points. A problem in the fields is shown in a message box and draws
// nothing; otherwise the drawing window opens, or the open one draws the new scene fitted again.
void ShowAlignmentDrawing(HWND dialog, const AlignmentTexts& texts);
