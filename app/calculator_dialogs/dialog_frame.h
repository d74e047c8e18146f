// The one frame every calculation dialog runs on: it walks the calculator's tables and knows
// nothing of any one calculator.
#pragma once

#include <windows.h>

#include <string>

#include "frame/calculator.h"
#include "point_lists/point_list.h"

// WM_INITDIALOG: fill the input fields from the remembered values, leave the outputs empty, centre.
void FrameOpen(HWND dialog, const CalculatorSpec& calculator);

// CALC, first half: read every input field in the table's order and remember the values. Returns
// the input report; the calculator computes on the remembered record afterwards.
std::string FrameReadInputs(HWND dialog, const CalculatorSpec& calculator);

// CALC, second half: writes the output fields and appends the whole report (the input report, then
// every result block in order) to the editor in one append: each append into the editor costs a
// redraw, and the text that ends in the editor is the same.
void FrameShowOutcome(HWND dialog, const CalculatorSpec& calculator, const std::string& inputReport,
                      const CalcOutcome& outcome);

// "List PK, d" or "Set out" of a Trace dialog: reads and remembers the element fields as CALC
// does (not the point PZ fields), appends the block for the lines selected in the editor in one
// append, and leaves the output fields alone. Nothing selected: a message box, nothing else.
void FramePointList(HWND dialog, const CalculatorSpec& calculator, PointListAction action);

// Handles the messages that every calculation dialog treats alike, the point-list buttons too.
// Returns true when the message was CALC (command 1), which the caller then computes between the
// two frame halves above.
bool FrameHandle(HWND dialog, UINT message, WPARAM wParam, const CalculatorSpec& calculator);
