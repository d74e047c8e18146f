// File, Print: the document, or its selection, on paper through the system's Print dialog.
#pragma once

#include <windows.h>

#include <string>

// Prints the editor's text, or its selection when the user picks Selection, in the copies and page
// range chosen in the Print dialog. With no printer installed it says so and opens no dialog; a job
// the printer or the spooler refuses is reported with the system's reason. Cancel prints nothing.
// Printing reads the editor only: the text, the document's name and its changed state stay as they
// were. While a job runs the main window is disabled but keeps repainting; a second Print meanwhile
// is ignored.
void PrintDocument(HWND owner, HWND editor, const std::string& documentPath);

// The part of the printer's page that lies the given margin in from each edge of the paper (or
// the edge of the printable area where the printer cannot print so far out), in device units.
RECT AreaInsideMargins(HDC printer, int marginHundredthsMm);

// Whether a default printer is set and can be opened (a default left over from a removed printer
// cannot).
bool HasDefaultPrinter();
