// Trace Circular.
//
// Glossary:
//   NK, KK        start and end of the circular curve; PK_nk (PK0), PK_kk (PKn) their chainages,
//                 running distances in the coordinates' unit
//   Yck, Xck, R   centre and radius; z and q corrections added to the offset
//   Ankk, Akkk    direction angles from the centre to NK and KK, radians from +X towards +Y;
//                 Rnkk, Rkkk their distances (reported only: the formulas use R)
//   Beta, Lkk     signed central angle from NK to KK (the shorter arc) and the arc length
//   Apz, Rpz      direction and distance from the centre to PZ
//   PKpz1, PKpz2  chainage of PZ counted from NK and back from KK; PK_pz their mean
//   Dpz (d_pz)    Rpz - R + z + q: positive for a point farther from the centre than R
#include "trace_circular.h"

#include "geometry.h"
#include "report.h"
#include "resource.h"

const CalculatorSpec kTraceCircular = {
    IDD_TRACE_CIRCULAR,
    "Trace Circular Crooked",
    "Calculation on circular crooked trace",
    {
        {IDC_PK_A, "PK0=", true, false, FirstPK},
        {IDC_Y_A, "   Y0=", false, false, FirstY},
        {IDC_X_A, "   X0=", false, false, FirstX},
        {IDC_PK_B, "PKn=", true, false, SecondPK},
        {IDC_Y_B, "   Yn=", false, false, SecondY},
        {IDC_X_B, "   Xn=", false, false, SecondX},
        {IDC_Y_CK, "CENTR: Yck=", true, false, CentreY},
        {IDC_X_CK, "   Xck=", false, false, CentreX},
        {IDC_R, "R=", true, false, Radius},
        {IDC_Z, "   z=", false, false, CorrectionZ},
        {IDC_Q, "   q=", false, false, CorrectionQ},
        {IDC_PZ_NAME, "PZ: ", true, true, PzName},
        {IDC_Y_PZ, "   Ypz=", false, false, PzY},
        {IDC_X_PZ, "   Xpz=", false, false, PzX},
    },
    {IDC_PK_PZ, IDC_D_PZ},
};

namespace {
// A difference of two direction angles (each 0 to 2 pi) brought above -pi and up to +pi; each
// test is made once, so exactly -pi and +pi both give +pi.
double NormalisedAngle(double difference) {
  if (difference < 0) difference += TimesPi(2);
  if (difference > TimesPi(1)) difference -= TimesPi(2);
  return difference;
}
}  // namespace

// The curve is the shorter arc from NK to KK about the centre; PZ is on it when its direction
// from the centre lies within Beta of both ends (ends included). Chainage runs from NK towards KK
// whatever the order of PK_nk and PK_kk. A point outside gets 0 for both outputs. R = 0 gives
// Lkk 0 and PK_pz the mean of the two chainages; nothing here divides.
CalcOutcome ComputeTraceCircular(RememberedInputs& inputs) {
  const double* n = inputs.Number;
  const double PK0 = n[FirstPK], Y0 = n[FirstY], X0 = n[FirstX];
  const double PKn = n[SecondPK], Yn = n[SecondY], Xn = n[SecondX];
  const double Yck = n[CentreY], Xck = n[CentreX], R = n[Radius];
  const double z = n[CorrectionZ], q = n[CorrectionQ];
  const double Ypz = n[PzY], Xpz = n[PzX];

  const double Ankk = DirAngle(Y0 - Yck, X0 - Xck);
  const double Rnkk = Distance(Y0 - Yck, X0 - Xck);
  const double Akkk = DirAngle(Yn - Yck, Xn - Xck);
  const double Rkkk = Distance(Yn - Yck, Xn - Xck);
  const double Beta = NormalisedAngle(Akkk - Ankk);
  const double turnSign = Beta >= 0 ? 1.0 : -1.0;
  const double Lkk = turnSign * R * Beta;

  CalcOutcome outcome;
  std::string curve;
  curve += ReportLine("Ankk=" + AngleText(Ankk) + "   Rnkk=" + LengthText(Rnkk));
  curve += ReportLine("Akkk=" + AngleText(Akkk) + "   Rkkk=" + LengthText(Rkkk));
  curve += ReportLine("Beta=" + AngleText(Beta) + "   Lkk=" + LengthText(Lkk));
  curve += kReportLineEnd;
  outcome.blocksBeforeOutputs.push_back(curve);

  const double Apz = DirAngle(Ypz - Yck, Xpz - Xck);
  const double Rpz = Distance(Ypz - Yck, Xpz - Xck);
  const double b1 = NormalisedAngle(Apz - Ankk);
  const double b2 = NormalisedAngle(Apz - Akkk);
  const bool outside = Absolute(Beta) < Absolute(b1) || Absolute(Beta) < Absolute(b2);

  std::string point = ReportLine("Apz=" + AngleText(Apz) + "   Rpz=" + LengthText(Rpz));
  if (outside) {
    outcome.outputs = {0.0, 0.0};
    point += ReportLine("!Point outside of circular crooked!");
  } else {
    const double PKpz1 = PK0 + turnSign * R * b1;
    const double PKpz2 = PKn + turnSign * R * b2;
    const double Dpz = ((Rpz - R) + z) + q;
    outcome.outputs = {(PKpz1 + PKpz2) / 2, Dpz};
    point += ReportLine("PKpz1=" + LengthText(PKpz1) + "   Dpz=" + LengthText(Dpz));
    point += ReportLine("PKpz2=" + LengthText(PKpz2));
  }
  point += kReportLineEnd;
  outcome.blocksAfterOutputs.push_back(point);
  return outcome;
}
