// Trace Connecting.
//
// Glossary:
//   PK_l, Y_l, X_l        a point of the straight ("line point"); chainages are running
//                         distances in the coordinates' unit, coordinates always Y first
//   PK_nkk, Y_nkk, X_nkk  NKK: where the circular curve touched the straight before the spiral
//   Yck, Xck, R_kk        centre and radius of the circular curve; L_sk the spiral length
//   q                     offset correction, growing from 0 at NSK to q at KSK (qpz at PZ)
//   NSK, KSK              start and end of the spiral; PKnsk, PKksk their chainages
//   Apk, Lpk              direction (radians from +X towards +Y) and length, line point to NKK
//   Rk                    distance from NKK to the centre (reported only)
//   C                     spiral parameter R_kk * L_sk
//   a, a1, (X), (Y), (Z), (FI)  spiral elements: NSK to NKK along the straight, NKK to KSK's
//                         foot, KSK in the spiral frame, the curve's shift, the turn at KSK
//   (x)pz, (y)pz          PZ in the spiral frame: origin NSK, x along the straight into the
//                         curve, y towards the centre's side
//   (x0)pz, (y0)pz, Lpz   the foot point on the spiral and its arc length from NSK
//   PKpz, Dpz             chainage and offset of PZ; the offset is positive to the right of
//                         growing chainage (+X drawn up, +Y to the right)
#include "trace/trace_connecting.h"

#include <cmath>

#include "frame/report.h"
#include "geometry.h"
#include "resource.h"
#include "spiral.h"
#include "trace/spiral_foot_point.h"

// Fields 1112-1118 hold the line point here, and 1122-1128 NKK, which shares the remembered first
// point of the other Trace dialogs.
const CalculatorSpec kTraceConnecting = {
    IDD_TRACE_CONNECTING,
    "Trace Connecting Crooked (Spiral)",
    "Calculation on connecting crooked (spiral) trace",
    {
        {IDC_PK_A, "PK_l=", true, false, LinePK},
        {IDC_Y_A, "   Y_l=", false, false, LineY},
        {IDC_X_A, "   X_l=", false, false, LineX},
        {IDC_PK_B, "PK_nkk=", true, false, FirstPK},
        {IDC_Y_B, "   Y_nkk=", false, false, FirstY},
        {IDC_X_B, "   X_nkk=", false, false, FirstX},
        {IDC_Y_CK, "CENTR: Yck=", true, false, CentreY},
        {IDC_X_CK, "   Xck=", false, false, CentreX},
        {IDC_R, "R_kk=", true, false, Radius},
        {IDC_L_SK, "   L_sk=", false, false, TransitionLength},
        {IDC_Q, "   q=", false, false, CorrectionQ},
        {IDC_PZ_NAME, "PZ: ", true, true, PzName},
        {IDC_Y_PZ, "   Ypz=", false, false, PzY},
        {IDC_X_PZ, "   Xpz=", false, false, PzX},
    },
    {IDC_PK_PZ, IDC_D_PZ},
};

const char* const kOutsideConnecting = "!Point outside of connecting crooked!";
const char* const kFootPointNotFound = "!Foot point not found!";

// The straight runs from the line point towards NKK; the centre's side of it (side sign +1 for
// right, also when the centre is on the line) decides the spiral frame's y. The chainage sign
// says whether chainage grows towards NKK.
ConnectingTrace MakeConnectingTrace(const RememberedInputs& inputs) {
  const double* n = inputs.Number;
  const double PK_l = n[LinePK], Y_l = n[LineY], X_l = n[LineX];
  const double PK_nkk = n[FirstPK];
  const double Yck = n[CentreY], Xck = n[CentreX], R_kk = n[Radius];
  ConnectingTrace t;
  t.Y_nkk = n[FirstY], t.X_nkk = n[FirstX];
  t.L_sk = n[TransitionLength], t.q = n[CorrectionQ];

  // The straight.
  const double dY = t.Y_nkk - Y_l, dX = t.X_nkk - X_l;
  t.Lpk = Distance(dY, dX);
  t.sinA = dY / t.Lpk;
  t.cosA = dX / t.Lpk;
  t.Apk = DirAngle(dY, dX);
  t.chainageSign = Sign(PK_nkk - PK_l);

  // The centre's side.
  const double cY = Yck - t.Y_nkk, cX = Xck - t.X_nkk;
  t.Rk = Distance(cY, cX);
  t.sideSign = Sign(CrossProduct(cY, cX, t.sinA, t.cosA));

  // The spiral's elements.
  t.C = R_kk * t.L_sk;
  t.a = SpiralLeadA(t.L_sk, t.C);
  t.a1 = SpiralTailA1(t.L_sk, t.C);
  t.X_ksk = ClothoidX(t.L_sk, t.C);
  t.Y_ksk = ClothoidY(t.L_sk, t.C);
  t.Z = SpiralShiftZ(t.L_sk, t.C);
  t.FI = ClothoidAngle(t.L_sk, t.C);
  t.PKnsk = PK_nkk - t.chainageSign * t.a;
  t.PKksk = t.chainageSign * t.L_sk + t.PKnsk;
  return t;
}

std::string ConnectingTraceLines(const ConnectingTrace& t) {
  std::string lines;
  lines += ReportLine("Apk=" + AngleText(t.Apk) + "   Lpk=" + LengthText(t.Lpk));
  lines += ReportLine("Rk=" + LengthText(t.Rk) + (t.sideSign < 0 ? "   !Left!" : "   !Right!"));
  lines += ReportLine("C=" + LengthText(t.C));
  lines += ReportLine("a=" + LengthText(t.a) + "   a1=" + LengthText(t.a1));
  lines += ReportLine("(X)=" + LengthText(t.X_ksk) + "   (Y)=" + LengthText(t.Y_ksk));
  lines += ReportLine("(Z)=" + LengthText(t.Z) + "   (FI)=" + AngleText(t.FI));
  lines += ReportLine("PKnsk=" + LengthText(t.PKnsk) + "   PKksk=" + LengthText(t.PKksk));
  return lines;
}

// PZ in the spiral frame, and the normal at KSK that ends the section. Degenerate input (line
// point at NKK, L_sk 0) makes (x)pz NaN and PZ is outside; R_kk 0 makes the iteration give up at
// once.
ConnectingPoint LocateOnConnectingTrace(const ConnectingTrace& t, double Ypz, double Xpz) {
  ConnectingPoint p = {};
  const double pY = Ypz - t.Y_nkk, pX = Xpz - t.X_nkk;
  p.xpz = DotProduct(pY, pX, t.sinA, t.cosA) + t.a;
  p.ypz = t.sideSign * CrossProduct(pY, pX, t.sinA, t.cosA);
  p.xlim = (t.Y_ksk - p.ypz) * std::tan(t.FI) + t.X_ksk;
  p.outside = !(p.xpz >= 0) || p.xpz > p.xlim;  // a NaN (x)pz is outside too
  if (p.outside) return p;
  const FootPoint foot = FindFootPoint(p.xpz, p.ypz, t.C);
  p.found = foot.found;
  if (!foot.found) return p;
  p.Lpz = foot.l;
  p.qpz = t.q * p.Lpz / t.L_sk;
  p.PKpz = t.chainageSign * p.Lpz + t.PKnsk;
  p.Dpz = t.sideSign * t.chainageSign * (foot.d - p.qpz);
  return p;
}

Station ConnectingStation(const ConnectingTrace& trace, double Y, double X) {
  const ConnectingPoint p = LocateOnConnectingTrace(trace, Y, X);
  Station station;
  if (p.outside) {
    station.warning = kOutsideConnecting;
  } else if (!p.found) {
    station.warning = kFootPointNotFound;
  } else {
    station.PK = p.PKpz;
    station.d = p.Dpz;
  }
  return station;
}

// The arc length l from NSK, the point at distance e along the spiral's normal there (e the
// frame's offset before the q correction is taken off), then back from the spiral frame to Y, X.
// The right normal of the straight's unit direction (sinA, cosA) is (cosA, -sinA).
SetOutPoint SetOutOnConnectingTrace(const ConnectingTrace& t, double PK, double d) {
  SetOutPoint point;
  const double l = t.chainageSign * (PK - t.PKnsk);
  if (!(l >= 0 && l <= t.L_sk)) {
    point.warning = kOutsideConnecting;
    return point;
  }
  const double phi = ClothoidAngle(l, t.C);
  const double e = t.sideSign * t.chainageSign * d + t.q * l / t.L_sk;
  const double x = ClothoidX(l, t.C) - e * std::sin(phi);
  const double y = ClothoidY(l, t.C) + e * std::cos(phi);
  const double along = x - t.a;
  const double across = t.sideSign * y;
  point.Y = t.Y_nkk + along * t.sinA + across * t.cosA;
  point.X = t.X_nkk + along * t.cosA - across * t.sinA;
  return point;
}

CalcOutcome ComputeTraceConnecting(RememberedInputs& inputs) {
  const ConnectingTrace trace = MakeConnectingTrace(inputs);
  inputs.Number[TransitionStartPK] = trace.PKnsk;
  inputs.Number[SpiralParameter] = trace.C;

  CalcOutcome outcome;
  outcome.blocksBeforeOutputs.push_back(ConnectingTraceLines(trace) + kReportLineEnd);

  const ConnectingPoint p = LocateOnConnectingTrace(trace, inputs.Number[PzY], inputs.Number[PzX]);
  std::string point = ReportLine("(x)pz=" + LengthText(p.xpz) + "   (y)pz=" + LengthText(p.ypz));
  outcome.outputs = {0.0, 0.0};
  if (p.outside) {
    point += ReportLine(kOutsideConnecting);
    if (p.xpz < 0) point += ReportLine("(x0)pz = NSK" + LengthText(p.xpz));
    if (p.xlim < p.xpz) point += ReportLine("(x0)pz = KSK+" + LengthText(p.xpz - p.xlim));
  } else if (!p.found) {
    point += ReportLine(kFootPointNotFound);
  } else {
    outcome.outputs = {p.PKpz, p.Dpz};
    point += ReportLine("(x0)pz=" + LengthText(ClothoidX(p.Lpz, trace.C)) +
                        "   (y0)pz=" + LengthText(ClothoidY(p.Lpz, trace.C)));
    point += ReportLine("Lpz=" + LengthText(p.Lpz) + "   qpz=" + LengthText(p.qpz));
    point += ReportLine("");
    point += ReportLine("PKpz=" + LengthText(p.PKpz) + "   Dpz=" + LengthText(p.Dpz));
  }
  point += kReportLineEnd;
  outcome.blocksAfterOutputs.push_back(point);
  return outcome;
}
