// Rail size of circular trace.
//
// Glossary:
//   PK_A, PK_B, Pk_rp   chainages of A, B and the rail point Rp (running distances; only their
//                       absolute differences enter, so A and B may come in either order)
//   d_A, m_A, d_B, m_B  the values d and m measured at A and B; m_rp is m at Rp
//   R, z                radius of the curve (its sign used as entered) and a correction
//   B_rl                the rail base subtracted at the end (0.76 until changed)
//   L, l, a             span AB, Rp's distance from A, Rp's distance from mid-span
//   f, g, h             arc's offset from the chord at mid-span, (a^2/2)/R, and at Rp: h = f - g
//   y_rp (Yrp)          interpolated d - m, plus m_rp and z, minus B_rl, minus h
#include "rail/rail_circular.h"

#include "frame/report.h"
#include "geometry.h"
#include "resource.h"

const CalculatorSpec kRailCircular = {
    IDD_RAIL_CIRCULAR,
    "Rail size of Circular crooked trace",
    "Calculation Rail size of Circular crooked trace",
    {
        {IDC_PK_A, "PK0=", true, false, FirstPK},
        {IDC_D_A, "   d0=", false, false, DFirst},
        {IDC_M_A, "   m0=", false, false, MFirst},
        {IDC_PK_B, "PKn=", true, false, SecondPK},
        {IDC_D_B, "   dn=", false, false, DSecond},
        {IDC_M_B, "   mn=", false, false, MSecond},
        {IDC_R, "R=", true, false, Radius},
        {IDC_Z, "   z=", false, false, CorrectionZ},
        {IDC_RP_NAME, "Rp: ", true, true, RpName},
        {IDC_PK_RP, "   PKrp=", false, false, RpPK},
        {IDC_M_RP, "   mrp=", false, false, RpM},
        {IDC_B_RL, "Brl=", true, false, RailBase},
    },
    {IDC_Y_RP},
};

// Both the interpolation and the arc's offset run on distances from A, so a point before A gives
// the same value as the point as far after A. R = 0 gives NaN; a zero span gives NaN or an
// infinity.
CalcOutcome ComputeRailCircular(RememberedInputs& inputs) {
  const double* n = inputs.Number;
  const double PK0 = n[FirstPK], d0 = n[DFirst], m0 = n[MFirst];
  const double PKn = n[SecondPK], dn = n[DSecond], mn = n[MSecond];
  const double R = n[Radius], z = n[CorrectionZ];
  const double PKrp = n[RpPK], mrp = n[RpM], B_rl = n[RailBase];

  const double eA = d0 - m0;
  const double eB = dn - mn;
  const double L = Absolute(PKn - PK0);
  const double i = (eB - eA) / L;
  const double f = (IntPower(L, 2) / 8) / R;
  const double l = Absolute(PKrp - PK0);
  const double a = Absolute(L / 2 - l);
  const double g = (IntPower(a, 2) / 2) / R;
  const double h = f - g;
  const double y_rp = ((((i * l + mrp) + eA) + z) - B_rl) - h;

  CalcOutcome outcome;
  outcome.outputs = {y_rp};
  outcome.blocksAfterOutputs.push_back(ReportLine("Yrp=" + LengthText(y_rp)) + kReportLineEnd);
  return outcome;
}
