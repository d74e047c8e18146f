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
#include "trace/trace_circular.h"

#include <cmath>

#include "frame/report.h"
#include "geometry.h"
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

const char* const kOutsideCircular = "!Point outside of circular crooked!";

namespace {
// A difference of two direction angles (each 0 to 2 pi) brought above -pi and up to +pi; each
// test is made once, so exactly -pi and +pi both give +pi.
double NormalisedAngle(double difference) {
  if (difference < 0) difference += TimesPi(2);
  if (difference > TimesPi(1)) difference -= TimesPi(2);
  return difference;
}
}  // namespace

CircularTrace MakeCircularTrace(const RememberedInputs& inputs) {
  const double* n = inputs.Number;
  CircularTrace t;
  t.PK0 = n[FirstPK];
  t.PKn = n[SecondPK];
  t.Yck = n[CentreY], t.Xck = n[CentreX], t.R = n[Radius];
  t.z = n[CorrectionZ], t.q = n[CorrectionQ];
  const double Y0 = n[FirstY], X0 = n[FirstX], Yn = n[SecondY], Xn = n[SecondX];
  t.Ankk = DirAngle(Y0 - t.Yck, X0 - t.Xck);
  t.Rnkk = Distance(Y0 - t.Yck, X0 - t.Xck);
  t.Akkk = DirAngle(Yn - t.Yck, Xn - t.Xck);
  t.Rkkk = Distance(Yn - t.Yck, Xn - t.Xck);
  t.Beta = NormalisedAngle(t.Akkk - t.Ankk);
  t.turnSign = t.Beta >= 0 ? 1.0 : -1.0;
  t.Lkk = t.turnSign * t.R * t.Beta;
  return t;
}

std::string CircularTraceLines(const CircularTrace& t) {
  std::string lines;
  lines += ReportLine("Ankk=" + AngleText(t.Ankk) + "   Rnkk=" + LengthText(t.Rnkk));
  lines += ReportLine("Akkk=" + AngleText(t.Akkk) + "   Rkkk=" + LengthText(t.Rkkk));
  lines += ReportLine("Beta=" + AngleText(t.Beta) + "   Lkk=" + LengthText(t.Lkk));
  return lines;
}

// The curve is the shorter arc from NK to KK about the centre; PZ is on it when its direction
// from the centre lies within Beta of both ends (ends included). Chainage runs from NK towards KK
// whatever the order of PK_nk and PK_kk. R = 0 gives Lkk 0 and PK_pz the mean of the two
// chainages; nothing here divides.
CircularPoint LocateOnCircularTrace(const CircularTrace& t, double Ypz, double Xpz) {
  CircularPoint p;
  p.Apz = DirAngle(Ypz - t.Yck, Xpz - t.Xck);
  p.Rpz = Distance(Ypz - t.Yck, Xpz - t.Xck);
  const double b1 = NormalisedAngle(p.Apz - t.Ankk);
  const double b2 = NormalisedAngle(p.Apz - t.Akkk);
  p.outside = Absolute(t.Beta) < Absolute(b1) || Absolute(t.Beta) < Absolute(b2);
  p.PKpz1 = t.PK0 + t.turnSign * t.R * b1;
  p.PKpz2 = t.PKn + t.turnSign * t.R * b2;
  p.Dpz = ((p.Rpz - t.R) + t.z) + t.q;
  return p;
}

Station CircularStation(const CircularTrace& trace, double Y, double X) {
  const CircularPoint p = LocateOnCircularTrace(trace, Y, X);
  Station station;
  if (p.outside) {
    station.warning = kOutsideCircular;
  } else {
    station.PK = (p.PKpz1 + p.PKpz2) / 2;
    station.d = p.Dpz;
  }
  return station;
}

// PK_pz is the mean of PK0 + s R b and PKn + s R (b - Beta), which solves for the angle b turned
// from NK. R = 0 makes b infinite or NaN: outside.
SetOutPoint SetOutOnCircularTrace(const CircularTrace& t, double PK, double d) {
  SetOutPoint point;
  const double b = t.turnSign * (PK - (t.PK0 + t.PKn - t.Lkk) / 2) / t.R;
  const bool onArc = t.Beta >= 0 ? (b >= 0 && b <= t.Beta) : (b <= 0 && b >= t.Beta);
  if (!onArc) {
    point.warning = kOutsideCircular;
    return point;
  }
  const double Apz = t.Ankk + b;
  const double Rpz = t.R + d - t.z - t.q;
  point.Y = t.Yck + Rpz * std::sin(Apz);
  point.X = t.Xck + Rpz * std::cos(Apz);
  return point;
}

// A point outside gets 0 for both outputs.
CalcOutcome ComputeTraceCircular(RememberedInputs& inputs) {
  const CircularTrace trace = MakeCircularTrace(inputs);

  CalcOutcome outcome;
  outcome.blocksBeforeOutputs.push_back(CircularTraceLines(trace) + kReportLineEnd);

  const double Ypz = inputs.Number[PzY], Xpz = inputs.Number[PzX];
  const CircularPoint p = LocateOnCircularTrace(trace, Ypz, Xpz);
  const Station station = CircularStation(trace, Ypz, Xpz);
  outcome.outputs = {station.PK, station.d};
  std::string point = ReportLine("Apz=" + AngleText(p.Apz) + "   Rpz=" + LengthText(p.Rpz));
  if (p.outside) {
    point += ReportLine(kOutsideCircular);
  } else {
    point += ReportLine("PKpz1=" + LengthText(p.PKpz1) + "   Dpz=" + LengthText(p.Dpz));
    point += ReportLine("PKpz2=" + LengthText(p.PKpz2));
  }
  point += kReportLineEnd;
  outcome.blocksAfterOutputs.push_back(point);
  return outcome;
}
