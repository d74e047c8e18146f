// Trace Alignment's LandXML buttons: an alignment taken over from a design file into the dialog's
// fields, and the alignment in the fields written out as a LandXML file.
#pragma once

#include <windows.h>

// "Import...": the Open dialog, the file read, a choice among several alignments, then PK start,
// Vertices, Profile and Cant filled and remembered as if typed. Nothing goes into the document;
// Cancel anywhere, an unreadable file or a refusal leaves the fields as they were.
void ImportLandXml(HWND dialog);

// "Export...": the fields read as CALC reads them (a problem is shown and nothing is written),
// then the Save dialog and the file, named after the chosen file, with today's date and time.
void ExportLandXml(HWND dialog);
