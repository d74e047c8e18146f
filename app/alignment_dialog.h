// The Trace Alignment dialog: PK start, the vertex and profile lines, CALC, the point-list,
// LandXML and drawing buttons.
#pragma once

#include <windows.h>

#include "alignment_report.h"

INT_PTR CALLBACK TraceAlignmentDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// What the dialog's fields hold, remembered as typed: every button reads them first.
AlignmentTexts ReadAlignmentFields(HWND dialog);
