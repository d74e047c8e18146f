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
#include "trace_connecting.h"

#include <cmath>

#include "geometry.h"
#include "report.h"
#include "resource.h"
#include "spiral.h"

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

namespace {
struct FootPoint {
  bool found;
  double l;  // arc length from NSK, corrected on the last pass as well
  double d;  // distance from the spiral along its normal to PZ's line, from the last pass
};

// The point of the spiral whose normal passes through PZ, by fixed-point iteration on the arc
// length l, starting at l = (x)pz: each pass moves l by how far the normal at l misses (x)pz on
// the line y = (y)pz, and the passes stop once that miss is below 1e-7. Gives up (found false)
// when a pass meets a value that is not finite (for example C = 0) or after
// kFootPointPassLimit passes.
FootPoint FindFootPoint(double xpz, double ypz, double C) {
  const double tolerance = TimesTenToMinus7(1);
  double l = xpz;
  for (int pass = 0; pass < kFootPointPassLimit; ++pass) {
    const double phi = ClothoidAngle(l, C);
    const double d = (ypz - ClothoidY(l, C)) / std::cos(phi);
    const double xf = ClothoidX(l, C) - d * std::sin(phi);
    const double err = Absolute(xpz - xf);
    if (!std::isfinite(phi) || !std::isfinite(d) || !std::isfinite(xf) || !std::isfinite(err)) {
      break;
    }
    l = (xpz - xf) + l;
    if (tolerance > err) return {true, l, d};
  }
  return {false, 0.0, 0.0};
}
}  // namespace

// The straight runs from the line point towards NKK; the centre's side of it (side sign +1 for
// right, also when the centre is on the line) decides the spiral frame's y. The chainage sign
// says whether chainage grows towards NKK. Degenerate input (line point at NKK, L_sk 0) makes
// (x)pz NaN and PZ is reported outside; R_kk 0 makes the iteration give up at once.
CalcOutcome ComputeTraceConnecting(RememberedInputs& inputs) {
  double* n = inputs.Number;
  const double PK_l = n[LinePK], Y_l = n[LineY], X_l = n[LineX];
  const double PK_nkk = n[FirstPK], Y_nkk = n[FirstY], X_nkk = n[FirstX];
  const double Yck = n[CentreY], Xck = n[CentreX];
  const double R_kk = n[Radius], L_sk = n[TransitionLength], q = n[CorrectionQ];
  const double Ypz = n[PzY], Xpz = n[PzX];

  // The straight.
  const double dY = Y_nkk - Y_l, dX = X_nkk - X_l;
  const double Lpk = Distance(dY, dX);
  const double sinA = dY / Lpk;
  const double cosA = dX / Lpk;
  const double Apk = DirAngle(dY, dX);
  const double chainageSign = Sign(PK_nkk - PK_l);

  // The centre's side.
  const double cY = Yck - Y_nkk, cX = Xck - X_nkk;
  const double Rk = Distance(cY, cX);
  const double sideSign = Sign(CrossProduct(cY, cX, sinA, cosA));

  // The spiral's elements.
  const double C = R_kk * L_sk;
  const double a = SpiralLeadA(L_sk, C);
  const double a1 = SpiralTailA1(L_sk, C);
  const double X_ksk = ClothoidX(L_sk, C);
  const double Y_ksk = ClothoidY(L_sk, C);
  const double Z = SpiralShiftZ(L_sk, C);
  const double FI = ClothoidAngle(L_sk, C);
  const double PKnsk = PK_nkk - chainageSign * a;
  const double PKksk = chainageSign * L_sk + PKnsk;
  n[TransitionStartPK] = PKnsk;
  n[SpiralParameter] = C;

  CalcOutcome outcome;
  std::string spiral;
  spiral += ReportLine("Apk=" + AngleText(Apk) + "   Lpk=" + LengthText(Lpk));
  spiral += ReportLine("Rk=" + LengthText(Rk) + (sideSign < 0 ? "   !Left!" : "   !Right!"));
  spiral += ReportLine("C=" + LengthText(C));
  spiral += ReportLine("a=" + LengthText(a) + "   a1=" + LengthText(a1));
  spiral += ReportLine("(X)=" + LengthText(X_ksk) + "   (Y)=" + LengthText(Y_ksk));
  spiral += ReportLine("(Z)=" + LengthText(Z) + "   (FI)=" + AngleText(FI));
  spiral += ReportLine("PKnsk=" + LengthText(PKnsk) + "   PKksk=" + LengthText(PKksk));
  spiral += kReportLineEnd;
  outcome.blocksBeforeOutputs.push_back(spiral);

  // PZ in the spiral frame, and the normal at KSK that ends the section.
  const double pY = Ypz - Y_nkk, pX = Xpz - X_nkk;
  const double xpz = DotProduct(pY, pX, sinA, cosA) + a;
  const double ypz = sideSign * CrossProduct(pY, pX, sinA, cosA);
  const double xlim = (Y_ksk - ypz) * std::tan(FI) + X_ksk;

  std::string point = ReportLine("(x)pz=" + LengthText(xpz) + "   (y)pz=" + LengthText(ypz));
  outcome.outputs = {0.0, 0.0};
  if (!(xpz >= 0) || xpz > xlim) {  // a NaN (x)pz is outside too
    point += ReportLine("!Point outside of connecting crooked!");
    if (xpz < 0) point += ReportLine("(x0)pz = NSK" + LengthText(xpz));
    if (xlim < xpz) point += ReportLine("(x0)pz = KSK+" + LengthText(xpz - xlim));
  } else {
    const FootPoint foot = FindFootPoint(xpz, ypz, C);
    if (!foot.found) {
      point += ReportLine("!Foot point not found!");
    } else {
      const double Lpz = foot.l;
      const double qpz = q * Lpz / L_sk;
      const double PKpz = chainageSign * Lpz + PKnsk;
      const double Dpz = sideSign * chainageSign * (foot.d - qpz);
      outcome.outputs = {PKpz, Dpz};
      point += ReportLine("(x0)pz=" + LengthText(ClothoidX(Lpz, C)) +
                          "   (y0)pz=" + LengthText(ClothoidY(Lpz, C)));
      point += ReportLine("Lpz=" + LengthText(Lpz) + "   qpz=" + LengthText(qpz));
      point += ReportLine("");
      point += ReportLine("PKpz=" + LengthText(PKpz) + "   Dpz=" + LengthText(Dpz));
    }
  }
  point += kReportLineEnd;
  outcome.blocksAfterOutputs.push_back(point);
  return outcome;
}
