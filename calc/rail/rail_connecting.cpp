// Rail size of connecting trace.
//
// Glossary:
//   PK_A, PK_B, Pk_rp   chainages of A, B and the rail point Rp (running distances)
//   d'_A, m_A, d'_B, m_B  the values d' and m at A and B (reported as d0, dn); m_rp is m at Rp
//   PKnsk, C            chainage of the spiral's start NSK and the spiral parameter R * L, as
//                       Trace Connecting leaves them
//   B_rl                the rail base subtracted at the end (0.76 until changed)
//   l, y, k             arc length from NSK to Rp, the spiral's ordinate there and 1 - cos of
//                       its tangent turn (two-term series)
//   y_rp (Yrp)          (y + interpolated d' - m + m_rp) * (1 + k) - B_rl
#include "rail/rail_connecting.h"

#include "frame/report.h"
#include "geometry.h"
#include "resource.h"
#include "spiral.h"

// The labels read "d'_A" and "d'_B"; the report keys carry no prime.
const CalculatorSpec kRailConnecting = {
    IDD_RAIL_CONNECTING,
    "Rail size of Connecting crooked (Spiral) trace",
    "Calculation Rail size of connecting crooked (Spiral) trace",
    {
        {IDC_PK_A, "PK0=", true, false, FirstPK},
        {IDC_D_A, "   d0=", false, false, DFirst},
        {IDC_M_A, "   m0=", false, false, MFirst},
        {IDC_PK_B, "PKn=", true, false, SecondPK},
        {IDC_D_B, "   dn=", false, false, DSecond},
        {IDC_M_B, "   mn=", false, false, MSecond},
        {IDC_PKNSK, "PKnsk=", true, false, TransitionStartPK},
        {IDC_C, "   C=", false, false, SpiralParameter},
        {IDC_RP_NAME, "Rp: ", true, true, RpName},
        {IDC_PK_RP, "   PKrp=", false, false, RpPK},
        {IDC_M_RP, "   mrp=", false, false, RpM},
        {IDC_B_RL, "Brl=", true, false, RailBase},
    },
    {IDC_Y_RP},
};

// The interpolation runs on chainage distances from A (so its share keeps its sign on either side
// of A) and the spiral on the distance from NSK; nothing checks that Rp lies on the spiral.
// PK_A = PK_B gives an infinity or NaN; C = 0 gives NaN.
CalcOutcome ComputeRailConnecting(RememberedInputs& inputs) {
  const double* n = inputs.Number;
  const double PK0 = n[FirstPK], d0 = n[DFirst], m0 = n[MFirst];
  const double PKn = n[SecondPK], dn = n[DSecond], mn = n[MSecond];
  const double PKnsk = n[TransitionStartPK], C = n[SpiralParameter];
  const double PKrp = n[RpPK], mrp = n[RpM], B_rl = n[RailBase];

  const double e0 = d0 - m0;
  const double en = dn - mn;
  const double l = Absolute(PKrp - PKnsk);
  const double y = ClothoidY(l, C);
  const double t = Absolute(PKrp - PK0);
  const double T = Absolute(PKn - PK0);
  const double e = (e0 + mrp) + ((en - e0) * t) / T;
  const double k = ClothoidVersine(l, C);
  const double s = y + e;
  const double Yrp = (s * k + s) - B_rl;

  CalcOutcome outcome;
  outcome.outputs = {Yrp};
  outcome.blocksAfterOutputs.push_back(ReportLine("Yrp=" + LengthText(Yrp)) + kReportLineEnd);
  return outcome;
}
