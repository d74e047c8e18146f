// CALCs checked one by one against the portable path, quick enough for thousands in one run:
// CALC is sent and answered synchronously, then the editor's length is awaited (never a fixed
// sleep), and long texts are compared without printing them whole.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "calculator_catalogue.h"
#include "driver.h"

// Sends CALC (the same command word as the button's click) and returns once the dialog has
// handled it; false when the dialog does not answer within timeoutMs, i.e. the program hangs.
bool PressCalcAndWait(HWND dialog, int timeoutMs = 30000);

// The number of characters in a window's text; -1 when it does not answer.
long TextLength(HWND window);

// Waits until the editor holds exactly `length` characters; returns the length it last saw.
long WaitForTextLength(HWND window, long length, int timeoutMs = 5000);

// Success when the texts are equal; otherwise says where they first differ, with a short piece
// of each around that place, so that texts of hundreds of kilobytes fail readably.
::testing::AssertionResult SameText(const std::string& expected, const std::string& actual);

// The forms an output field may show: digits with four decimals, an exponent form with four
// decimals ("1E+308.0000"), or the special forms "NAN.0NAN", "INF.0NAN" and "-INF.0NAN".
bool IsOutputText(const std::string& text);

// The process is still running and the window answers a message.
::testing::AssertionResult AliveAndAnswering(const Polver& polver, HWND window);

// One CALC of a dialog whose input fields already hold `typed` (a text for every field):
// works out what the program must append from `remembered` (advanced exactly as the program
// advances its own record), presses CALC, waits for the editor to reach editorLengthBefore plus
// that report's length, and checks every output field's text and form. Returns the expected
// report; the caller compares the editor's text with it. Returns "" after a failure that leaves
// the dialog unusable (no answer), so that the caller can stop.
std::string CheckedCalc(const Polver& polver, HWND dialog, const CalculatorUnderTest& calculator,
                        const std::map<int, std::string>& typed, RememberedInputs& remembered,
                        long editorLengthBefore);
