// Point lists: the chainage and offset of every point line selected in the editor ("List PK, d"),
// or the coordinates of every chainage-and-offset line ("Set out"), against the element of one of
// the Trace dialogs, as one report block. Portable: the dialog frame hands in the field texts and
// the selected lines and appends the block.
#pragma once

#include <string>
#include <vector>

#include "frame/calculator.h"
#include "frame/remembered_inputs.h"

enum PointListAction { ListStations, SetOutStations };

// The point PZ fields (name, Y, X): a point-list press neither reads nor changes them.
bool IsPointField(const InputField& field);

// Stores the element's field texts into the record as CALC does (texts[i] belongs to
// calculator.inputs[i]); the point fields are left out.
void RememberElementTexts(const CalculatorSpec& calculator, const std::vector<std::string>& texts,
                          RememberedInputs& inputs);

// The whole block for the selected lines (NonBlankLines of the selection), computed on the element
// the record holds (Trace Connecting also remembers PKnsk and C, as its CALC does): CR LF, the
// title with ": point list" or ": setting out", an empty line, the element's input lines as
// texts[] echo them (without the point line), an empty line, the element lines of CALC, an empty
// line, the TAB-separated table, an empty line, the "Not read: " lines if any and the summary
// "Points=n   Outside=n   Not read=n"; every line ends with CR LF. Columns Y, X become X, Y when
// xBeforeY, for the lines read as for the table. calculator is one of the three Trace tables.
std::string PointListBlock(const CalculatorSpec& calculator, const std::vector<std::string>& texts,
                           RememberedInputs& inputs, PointListAction action, bool xBeforeY,
                           const std::vector<std::string>& lines);
