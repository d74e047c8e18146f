// Rail size of linear trace.
//
// Glossary:
//   PK_A, PK_B, Pk_rp   chainages of A, B and the rail point Rp (running distances)
//   d_A, m_A, d_B, m_B  the values d and m measured at A and B; m_rp is m at Rp
//   B_rl                the rail base subtracted at the end (0.76 until changed)
//   y_rp (Yrp)          d - m interpolated by chainage to Rp, plus m_rp, minus B_rl
#include "rail/rail_linear.h"

#include "frame/report.h"
#include "resource.h"

const CalculatorSpec kRailLinear = {
    IDD_RAIL_LINEAR,
    "Rail size of Linear trace",
    "Calculation Rail size of Linear trace",
    {
        {IDC_PK_A, "PK0=", true, false, FirstPK},
        {IDC_D_A, "   d0=", false, false, DFirst},
        {IDC_M_A, "   m0=", false, false, MFirst},
        {IDC_PK_B, "PKn=", true, false, SecondPK},
        {IDC_D_B, "   dn=", false, false, DSecond},
        {IDC_M_B, "   mn=", false, false, MSecond},
        {IDC_RP_NAME, "Rp: ", true, true, RpName},
        {IDC_PK_RP, "   PKrp=", false, false, RpPK},
        {IDC_M_RP, "   mrp=", false, false, RpM},
        {IDC_B_RL, "Brl=", true, false, RailBase},
    },
    {IDC_Y_RP},
};

// Linear interpolation of d - m by signed chainage, so a point beyond A or B extrapolates.
// PK_A = PK_B divides by zero: y_rp is infinite, or NaN when the numerator is 0 too.
CalcOutcome ComputeRailLinear(RememberedInputs& inputs) {
  const double* n = inputs.Number;
  const double PK_A = n[FirstPK], d_A = n[DFirst], m_A = n[MFirst];
  const double PK_B = n[SecondPK], d_B = n[DSecond], m_B = n[MSecond];
  const double Pk_rp = n[RpPK], m_rp = n[RpM], B_rl = n[RailBase];

  const double e_A = d_A - m_A;
  const double e_B = d_B - m_B;
  const double t = (e_B - e_A) * (Pk_rp - PK_A) / (PK_B - PK_A);  // product first, then divide
  const double y_rp = ((t + e_A) + m_rp) - B_rl;

  CalcOutcome outcome;
  outcome.outputs = {y_rp};
  outcome.blocksAfterOutputs.push_back(ReportLine("Yrp=" + LengthText(y_rp)) + kReportLineEnd);
  return outcome;
}
