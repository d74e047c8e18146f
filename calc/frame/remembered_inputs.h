// The inputs that the calculation dialogs remember for the whole run and share with each other:
// a value typed and calculated in one dialog shows in every dialog with the same quantity.
#pragma once

#include <string>

// One remembered number per shared quantity.
// clang-format off
enum RememberedNumber {
  FirstPK, FirstY, FirstX,          // point A / NK / NKK
  SecondPK, SecondY, SecondX,       // point B / KK
  PzY, PzX,                         // the point to place
  CentreY, CentreX, Radius, CorrectionZ, CorrectionQ,
  LinePK, LineY, LineX,             // the straight's point before a transition curve
  TransitionLength,                 // L_sk
  DFirst, MFirst, DSecond, MSecond, // rail values at A and B
  RpPK, RpM,                        // the rail point
  RailBase,                         // B_rl
  TransitionStartPK,                // PKnsk, also written by Trace Connecting
  SpiralParameter,                  // C, also written by Trace Connecting
  AlignmentStartPK,                 // PK start of Trace Alignment
  RememberedNumberCount
};
// clang-format on

// One remembered text per point-name field, Trace Alignment's vertex, profile and cant lines
// and Curve by Versines' fields, as typed.
enum RememberedName {
  PzName,
  RpName,
  AlignmentVertices,
  AlignmentProfile,
  AlignmentCant,
  VersineStep, VersineL1, VersineL2, VersineR,  // Curve by Versines' fields as typed
  RememberedNameCount
};

struct RememberedInputs {
  double Number[RememberedNumberCount];
  std::string Name[RememberedNameCount];
  bool XBeforeY;  // point lists read and write X before Y (the Trace dialogs' check box)
};

// The values at program start: every number 0 except B_rl (0.76), every name empty except the
// versines' step ("10"), Y before X.
RememberedInputs InitialInputs();

// The one record that lives for the whole run.
RememberedInputs& Remembered();
