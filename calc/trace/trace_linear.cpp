// Trace Linear.
//
// Glossary:
//   PK_A, PK_B   chainages of A and B: running distances in the coordinates' unit
//   Y, X         plane coordinates, always Y first; +X drawn up, +Y to the right
//   Apk, Lpk     direction angle (radians from +X towards +Y, shown in degrees) and length of AB
//   PKpz1, Dpz1  chainage and offset of PZ measured from A; PKpz2, Dpz2 from B
//   PK_pz, d_pz  their means, written to the output fields only
//   offset       positive to the right of the direction of growing chainage
#include "trace/trace_linear.h"

#include "frame/report.h"
#include "geometry.h"
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

LinearTrace MakeLinearTrace(const RememberedInputs& inputs) {
  const double* n = inputs.Number;
  LinearTrace t;
  t.PK_A = n[FirstPK], t.Y_A = n[FirstY], t.X_A = n[FirstX];
  t.PK_B = n[SecondPK], t.Y_B = n[SecondY], t.X_B = n[SecondX];
  const double dY = t.Y_B - t.Y_A;
  const double dX = t.X_B - t.X_A;
  t.Lpk = Distance(dY, dX);
  t.cY = dY / t.Lpk;
  t.cX = dX / t.Lpk;
  t.Apk = DirAngle(dY, dX);
  t.chainageSign = Sign(t.PK_B - t.PK_A);
  return t;
}

std::string LinearTraceLines(const LinearTrace& trace) {
  return ReportLine("Apk=" + AngleText(trace.Apk) + "   Lpk=" + LengthText(trace.Lpk));
}

// The foot of the perpendicular from PZ on AB, estimated from A and from B along the unit
// direction of AB; the sign of PK_B - PK_A only says which way the chainage runs. The chainage
// difference need not equal the distance AB: the mean then lies between the two estimates.
// A and B at one place make Lpk 0 and every chainage and offset NaN.
LinearPoint LocateOnLinearTrace(const LinearTrace& t, double Y_pz, double X_pz) {
  LinearPoint p;
  const double dY1 = Y_pz - t.Y_A, dX1 = X_pz - t.X_A;
  p.PKpz1 = t.chainageSign * DotProduct(dY1, dX1, t.cY, t.cX) + t.PK_A;
  p.Dpz1 = t.chainageSign * CrossProduct(dY1, dX1, t.cY, t.cX);
  const double dY2 = Y_pz - t.Y_B, dX2 = X_pz - t.X_B;
  p.PKpz2 = t.chainageSign * DotProduct(dY2, dX2, t.cY, t.cX) + t.PK_B;
  p.Dpz2 = t.chainageSign * CrossProduct(dY2, dX2, t.cY, t.cX);
  return p;
}

Station LinearStation(const LinearTrace& trace, double Y, double X) {
  const LinearPoint p = LocateOnLinearTrace(trace, Y, X);
  Station station;
  station.PK = (p.PKpz1 + p.PKpz2) / 2;
  station.d = (p.Dpz1 + p.Dpz2) / 2;
  return station;
}

// t runs along AB from A; the right normal of the unit direction u = (cY, cX) is (cX, -cY).
SetOutPoint SetOutOnLinearTrace(const LinearTrace& trace, double PK, double d) {
  const double s = trace.chainageSign;
  const double t = trace.Lpk / 2 + s * (PK - (trace.PK_A + trace.PK_B) / 2);
  const double side = s * d;
  SetOutPoint point;
  point.Y = trace.Y_A + t * trace.cY + side * trace.cX;
  point.X = trace.X_A + t * trace.cX - side * trace.cY;
  return point;
}

CalcOutcome ComputeTraceLinear(RememberedInputs& inputs) {
  const LinearTrace trace = MakeLinearTrace(inputs);
  const LinearPoint p = LocateOnLinearTrace(trace, inputs.Number[PzY], inputs.Number[PzX]);
  const Station station = LinearStation(trace, inputs.Number[PzY], inputs.Number[PzX]);

  CalcOutcome outcome;
  outcome.outputs = {station.PK, station.d};
  std::string block = LinearTraceLines(trace);
  block += ReportLine("");
  block += ReportLine("PKpz1=" + LengthText(p.PKpz1) + "   Dpz1=" + LengthText(p.Dpz1));
  block += ReportLine("PKpz2=" + LengthText(p.PKpz2) + "   Dpz2=" + LengthText(p.Dpz2));
  block += kReportLineEnd;
  outcome.blocksAfterOutputs.push_back(block);
  return outcome;
}
