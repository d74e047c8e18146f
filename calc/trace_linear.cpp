// Trace Linear.
//
// Glossary:
//   PK_A, PK_B   chainages of A and B: running distances in the coordinates' unit
//   Y, X         plane coordinates, always Y first; +X drawn up, +Y to the right
//   Apk, Lpk     direction angle (radians from +X towards +Y, shown in degrees) and length of AB
//   PKpz1, Dpz1  chainage and offset of PZ measured from A; PKpz2, Dpz2 from B
//   PK_pz, d_pz  their means, written to the output fields only
//   offset       positive to the right of the direction of growing chainage
#include "trace_linear.h"

#include "geometry.h"
#include "report.h"
#include "resource.h"

const CalculatorSpec kTraceLinear = {
    IDD_TRACE_LINEAR,
    "Trace Linear",
    "Calculation on linear trace",
    {
        {IDC_PK_A, "PK0=", true, false, FirstPK},
        {IDC_Y_A, "   Y0=", false, false, FirstY},
        {IDC_X_A, "   X0=", false, false, FirstX},
        {IDC_PK_B, "PKn=", true, false, SecondPK},
        {IDC_Y_B, "   Yn=", false, false, SecondY},
        {IDC_X_B, "   Xn=", false, false, SecondX},
        {IDC_PZ_NAME, "PZ: ", true, true, PzName},
        {IDC_Y_PZ, "   Ypz=", false, false, PzY},
        {IDC_X_PZ, "   Xpz=", false, false, PzX},
    },
    {IDC_PK_PZ, IDC_D_PZ},
};

// The foot of the perpendicular from PZ on AB, estimated from A and from B along the unit
// direction of AB; the sign of PK_B - PK_A only says which way the chainage runs. The chainage
// difference need not equal the distance AB: the mean then lies between the two estimates.
// A and B at one place make Lpk 0 and every chainage and offset NaN.
CalcOutcome ComputeTraceLinear(RememberedInputs& inputs) {
  const double* n = inputs.Number;
  const double PK_A = n[FirstPK], Y_A = n[FirstY], X_A = n[FirstX];
  const double PK_B = n[SecondPK], Y_B = n[SecondY], X_B = n[SecondX];
  const double Y_pz = n[PzY], X_pz = n[PzX];

  const double dY = Y_B - Y_A;
  const double dX = X_B - X_A;
  const double Lpk = Distance(dY, dX);
  const double cY = dY / Lpk;
  const double cX = dX / Lpk;
  const double Apk = DirAngle(dY, dX);
  const double chainageSign = Sign(PK_B - PK_A);

  const double dY1 = Y_pz - Y_A, dX1 = X_pz - X_A;
  const double PKpz1 = chainageSign * DotProduct(dY1, dX1, cY, cX) + PK_A;
  const double Dpz1 = chainageSign * CrossProduct(dY1, dX1, cY, cX);
  const double dY2 = Y_pz - Y_B, dX2 = X_pz - X_B;
  const double PKpz2 = chainageSign * DotProduct(dY2, dX2, cY, cX) + PK_B;
  const double Dpz2 = chainageSign * CrossProduct(dY2, dX2, cY, cX);

  CalcOutcome outcome;
  outcome.outputs = {(PKpz1 + PKpz2) / 2, (Dpz1 + Dpz2) / 2};
  std::string block;
  block += ReportLine("Apk=" + AngleText(Apk) + "   Lpk=" + LengthText(Lpk));
  block += ReportLine("");
  block += ReportLine("PKpz1=" + LengthText(PKpz1) + "   Dpz1=" + LengthText(Dpz1));
  block += ReportLine("PKpz2=" + LengthText(PKpz2) + "   Dpz2=" + LengthText(Dpz2));
  block += kReportLineEnd;
  outcome.blocksAfterOutputs.push_back(block);
  return outcome;
}
