// Curve by Versines: the realignment of a curve from the versines measured with a string (a chord
// of two steps) at stations one step apart. What the dialog holds, the lines selected in the
// editor read as stations, the problems, and the design with the slews of every station.
// Portable.
#pragma once

#include <string>
#include <vector>

#include "frame/calculator.h"
#include "versines/versine_design.h"

// The dialog's table: Step, L1, L2 and R, each remembered as typed.
extern const CalculatorSpec kCurveByVersines;

// The dialog's texts as typed.
struct VersineTexts {
  std::string step;
  std::string L1;
  std::string L2;
  std::string R;  // blank: the best-fit R
};

// The texts in the table's order, as the frame reads them.
std::vector<std::string> TextsInTableOrder(const VersineTexts& texts);

// One station: its name (its index from 0 when its line has none) and its versine in mm.
struct VersineStation {
  std::string name;
  double f = 0;
};

// The selection's lines by the point-list field rules: "f" or "name f", blank lines skipped; the
// "Not read" text of every other line.
struct VersineReading {
  std::vector<VersineStation> stations;
  std::vector<std::string> notRead;
};
VersineReading ReadVersineLines(const std::string& selection);

// One calculation: the problems (report lines), or the design and the columns of every station,
// all with the versines' printed sign.
struct VersineResult {
  std::vector<std::string> problems;
  std::vector<VersineStation> stations;
  VersineDesign design;   // in the working sign: fc > 0
  double sign = 1;        // -1 for a curve measured with negative versines
  std::vector<double> P;  // the design versines
  SlewColumns columns;
};
VersineResult CalculateVersines(const VersineTexts& texts, const std::string& selection);
