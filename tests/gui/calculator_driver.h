// Working a calculation dialog from outside: opening it from the menu, filling fields, CALC.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "driver.h"
#include "frame/calculator.h"

// Opens a calculator by its menu command and waits for its dialog.
HWND OpenCalculator(const Polver& polver, int command, const CalculatorSpec& calculator);

// Writes the texts into the dialog's fields (control id to text).
void FillFields(HWND dialog, const std::map<int, std::string>& texts);

// Waits until the editor's text is longer than before and has settled; returns what was added.
std::string WaitForGrowth(HWND editor, size_t before);

// Presses CALC and waits until the editor's text has grown and settled; returns the text that
// the calculation appended.
std::string Calculate(const Polver& polver, HWND dialog);

// Closes the dialog with its Close button and waits until it is gone.
void CloseCalculator(const Polver& polver, HWND dialog, const CalculatorSpec& calculator);

// What the program must append for the given typed texts, worked out without any window from the
// same record of remembered inputs the program has (kept by the caller across calculations).
std::string ExpectedReport(const CalculatorSpec& calculator, RememberedInputs& remembered,
                           const std::map<int, std::string>& typed,
                           CalcOutcome (*compute)(RememberedInputs&),
                           std::vector<std::string>* outputTexts = nullptr);

// Clicks into a control with the real mouse, so that it gets the keyboard focus.
void ClickInto(HWND control);

// Trace Alignment: its caption, and the worked alignment and profile as the tests type them.
extern const char* const kAlignmentCaption;
extern const char* const kWorkedVertices;
extern const char* const kWorkedProfile;

// Opens Trace Alignment from the menu and waits for its dialog (null, with a failure, if not).
HWND OpenAlignment(const Polver& polver);

// Selects [start, end) of the editor, presses a button of the dialog and returns the block it
// appended.
std::string PressOverSelection(const Polver& polver, HWND dialog, int button, size_t start,
                               size_t end);
