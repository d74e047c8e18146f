// The one frame every calculation dialog runs on: it walks the calculator's tables and knows
// nothing of any one calculator.
#pragma once

#include <windows.h>

#include "calculator.h"

// WM_INITDIALOG: fill the input fields from the remembered values, leave the outputs empty, centre.
void FrameOpen(HWND dialog, const CalculatorSpec& calculator);

// CALC, first half: read every input field in the table's order, remember the values and append
// the input report to the editor. The calculator computes on the remembered record afterwards.
void FrameReadInputs(HWND dialog, const CalculatorSpec& calculator);

// CALC, second half: the blocks computed before the outputs, the output fields, the blocks after.
void FrameShowOutcome(HWND dialog, const CalculatorSpec& calculator, const CalcOutcome& outcome);

// Handles the messages that every calculation dialog treats alike. Returns true when the message
// was CALC (command 1), which the caller then computes between the two frame halves above.
bool FrameHandle(HWND dialog, UINT message, WPARAM wParam, const CalculatorSpec& calculator);
