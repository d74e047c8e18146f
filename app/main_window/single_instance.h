// The single-instance guard between copies of the program on one desktop.
#pragma once

// Returns 1 when another copy is running (after bringing it forward), 0 when none is.
// A copy that finds the running one minimised flashes its caption until the user brings it to
// the front; only one such copy waits at a time (a named mutex).
int ActivatePreviousInstance(const char* className);

// Copies started at the same moment take turns between looking for a running copy and creating
// their main window, so that exactly one window results. BeginStartTurn waits for the turn (at
// most a few seconds); EndStartTurn gives it up.
void BeginStartTurn(const char* className);
void EndStartTurn();
