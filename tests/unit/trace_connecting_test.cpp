// Trace Connecting: whole reports for the worked spiral, the outside cases, degenerate input and
// the foot-point iteration's ends; and the hand-over of PKnsk and C to Rail Connecting.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "frame/report.h"
#include "number_text.h"
#include "rail/rail_connecting.h"
#include "report_lines.h"
#include "resource.h"
#include "spiral.h"
#include "trace/trace_connecting.h"

namespace {

struct SpiralInputs {
  std::string PK_l, Y_l, X_l, PK_nkk, Y_nkk, X_nkk, Yck, Xck, R_kk, L_sk, q, name, Ypz, Xpz;
};

std::map<int, std::string> Typed(const SpiralInputs& in) {
  return {{IDC_PK_A, in.PK_l}, {IDC_Y_A, in.Y_l},   {IDC_X_A, in.X_l},  {IDC_PK_B, in.PK_nkk},
          {IDC_Y_B, in.Y_nkk}, {IDC_X_B, in.X_nkk}, {IDC_Y_CK, in.Yck}, {IDC_X_CK, in.Xck},
          {IDC_R, in.R_kk},    {IDC_L_SK, in.L_sk}, {IDC_Q, in.q},      {IDC_PZ_NAME, in.name},
          {IDC_Y_PZ, in.Ypz},  {IDC_X_PZ, in.Xpz}};
}

std::vector<std::string> EchoLines(const SpiralInputs& in) {
  return {"PK_l=" + in.PK_l + "   Y_l=" + in.Y_l + "   X_l=" + in.X_l,
          "PK_nkk=" + in.PK_nkk + "   Y_nkk=" + in.Y_nkk + "   X_nkk=" + in.X_nkk,
          "CENTR: Yck=" + in.Yck + "   Xck=" + in.Xck,
          "R_kk=" + in.R_kk + "   L_sk=" + in.L_sk + "   q=" + in.q,
          "PZ: " + in.name + "   Ypz=" + in.Ypz + "   Xpz=" + in.Xpz};
}

// A straight running up +X into a left-hand curve: R 300, spiral 100, chainage growing.
const SpiralInputs kWorked = {"1000", "0",   "0",   "1100", "0", "100", "-300",
                              "100",  "300", "100", "0",    "P", "-5",  "90"};

const std::vector<std::string> kWorkedSpiral = {"",
                                                "Apk= 0' 0' 0'   Lpk=100.0000",
                                                "Rk=300.0000   !Left!",
                                                "C=30000.0000",
                                                "a=50.1871   a1=49.5354",
                                                "(X)=99.7226   (Y)=5.5445",
                                                "(Z)=1.4070   (FI)= 9' 32' 57.47'",
                                                "PKnsk=1049.8129   PKksk=1149.8129"};

struct Case {
  const char* what;
  SpiralInputs in;
  std::vector<std::string> spiralLines;  // block 2, from its leading empty line
  std::vector<std::string> pointLines;   // block 3
  const char* PK_pz;
  const char* d_pz;
};

void ExpectReport(const Case& c) {
  SCOPED_TRACE(c.what);
  RememberedInputs inputs = InitialInputs();
  const CalcRun run = RunCalculation(kTraceConnecting, inputs, Typed(c.in), ComputeTraceConnecting);
  EXPECT_EQ(run.appended, ReportHead("Calculation on connecting crooked (spiral) trace") +
                              ReportLines(EchoLines(c.in)) + ReportLines(c.spiralLines) +
                              ReportLines(c.pointLines));
  EXPECT_EQ(run.outputTexts, (std::vector<std::string>{c.PK_pz, c.d_pz}));
}

TEST(TraceConnecting, ReportsMatchTheWorkedCases) {
  using S = SpiralInputs;
  const std::vector<Case> cases = {
      {"worked example: left-hand curve, PZ 5 units from the spiral",
       kWorked,
       kWorkedSpiral,
       {"", "(x)pz=40.1871   (y)pz=5.0000", "(x0)pz=40.3128   (y0)pz=0.3640",
        "Lpz=40.3157   qpz=0.0000", "", "PKpz=1090.1286   Dpz=-4.6377"},
       "1090.1286",
       "-4.6377"},
      {"right-hand curve with falling chainage and a correction q",
       With(kWorked, {{&S::PK_l, "2000"},
                      {&S::PK_nkk, "1900"},
                      {&S::Yck, "300"},
                      {&S::q, "0.1"},
                      {&S::Ypz, "5"}}),
       {"", "Apk= 0' 0' 0'   Lpk=100.0000", "Rk=300.0000   !Right!", "C=30000.0000",
        "a=50.1871   a1=49.5354", "(X)=99.7226   (Y)=5.5445", "(Z)=1.4070   (FI)= 9' 32' 57.47'",
        "PKnsk=1950.1871   PKksk=1850.1871"},
       {"", "(x)pz=40.1871   (y)pz=5.0000", "(x0)pz=40.3128   (y0)pz=0.3640",
        "Lpz=40.3157   qpz=0.0403", "", "PKpz=1909.8714   Dpz=-4.5974"},
       "1909.8714",
       "-4.5974"},
      {"PZ before NSK",
       With(kWorked, {{&S::Ypz, "2"}, {&S::Xpz, "10"}}),
       kWorkedSpiral,
       {"", "(x)pz=-39.8129   (y)pz=-2.0000", "!Point outside of connecting crooked!",
        "(x0)pz = NSK-39.8129"},
       "0.0000",
       "0.0000"},
      {"PZ beyond the normal at KSK",
       With(kWorked, {{&S::Ypz, "-50"}, {&S::Xpz, "300"}}),
       kWorkedSpiral,
       {"", "(x)pz=250.1871   (y)pz=50.0000", "!Point outside of connecting crooked!",
        "(x0)pz = KSK+157.9432"},
       "0.0000",
       "0.0000"},
      {"PZ 290 units inside the curve still converges",
       With(kWorked, {{&S::Ypz, "-290"}}),
       kWorkedSpiral,
       {"", "(x)pz=40.1871   (y)pz=290.0000", "(x0)pz=54.5369   (y0)pz=0.9017",
        "Lpz=54.5503   qpz=0.0000", "", "PKpz=1104.3632   Dpz=-289.4543"},
       "1104.3632",
       "-289.4543"},
      {"line point equal to NKK: no direction, PZ outside",
       With(kWorked, {{&S::X_l, "100"}}),
       {"", "Apk= 90' 0' 0'   Lpk=0.0000", "Rk=300.0000   !Right!", "C=30000.0000",
        "a=50.1871   a1=49.5354", "(X)=99.7226   (Y)=5.5445", "(Z)=1.4070   (FI)= 9' 32' 57.47'",
        "PKnsk=1049.8129   PKksk=1149.8129"},
       {"", "(x)pz=NAN.0NAN   (y)pz=NAN.0NAN", "!Point outside of connecting crooked!"},
       "0.0000",
       "0.0000"},
      {"spiral length 0: every element NaN, PZ outside",
       With(kWorked, {{&S::L_sk, "0"}}),
       {"", "Apk= 0' 0' 0'   Lpk=100.0000", "Rk=300.0000   !Left!", "C=0.0000",
        "a=NAN.0NAN   a1=NAN.0NAN", "(X)=NAN.0NAN   (Y)=NAN.0NAN",
        "(Z)=NAN.0NAN   (FI)=NAN'NAN'NAN'", "PKnsk=NAN.0NAN   PKksk=NAN.0NAN"},
       {"", "(x)pz=NAN.0NAN   (y)pz=5.0000", "!Point outside of connecting crooked!"},
       "0.0000",
       "0.0000"},
      {"radius 0 with a spiral: the iteration gives up at once",
       With(kWorked, {{&S::R_kk, "0"}}),
       {"", "Apk= 0' 0' 0'   Lpk=100.0000", "Rk=300.0000   !Left!", "C=0.0000",
        "a=INF.0NAN   a1=-INF.0NAN", "(X)=NAN.0NAN   (Y)=NAN.0NAN",
        "(Z)=INF.0NAN   (FI)= INF'NAN'NAN'", "PKnsk=-INF.0NAN   PKksk=-INF.0NAN"},
       {"", "(x)pz=INF.0NAN   (y)pz=5.0000", "!Foot point not found!"},
       "0.0000",
       "0.0000"},
      // 1000 units out on the far side the passes settle into a two-step cycle that never meets
      // the tolerance: only the pass limit ends them.
      {"an iteration that never settles stops at the pass limit",
       With(kWorked, {{&S::Ypz, "1000"}, {&S::Xpz, "100"}}),
       kWorkedSpiral,
       {"", "(x)pz=50.1871   (y)pz=-1000.0000", "!Foot point not found!"},
       "0.0000",
       "0.0000"},
      {"far out on the outer side the passes run away to infinity",
       With(kWorked, {{&S::Ypz, "1000000"}, {&S::Xpz, "100"}}),
       kWorkedSpiral,
       {"", "(x)pz=50.1871   (y)pz=-1000000.0000", "!Foot point not found!"},
       "0.0000",
       "0.0000"},
  };
  for (const Case& c : cases) ExpectReport(c);
}

// (x)pz exactly 0 is on the section: the first pass finds l = 0, PKpz = PKnsk and the offset is
// (y)pz with the side and chainage signs. The straight runs along +X through NKK at the origin,
// so that (x)pz = Xpz + a comes out exactly 0 for Xpz = -a.
TEST(TraceConnecting, PointAtNskIsOnTheSection) {
  char minusA[40];
  std::snprintf(minusA, sizeof minusA, "%.17g", -SpiralLeadA(100, 30000));
  using S = SpiralInputs;
  ExpectReport(
      {"(x)pz exactly 0",
       With(kWorked, {{&S::X_l, "-100"}, {&S::X_nkk, "0"}, {&S::Xck, "0"}, {&S::Xpz, minusA}}),
       kWorkedSpiral,
       {"", "(x)pz=0.0000   (y)pz=5.0000", "(x0)pz=0.0000   (y0)pz=0.0000",
        "Lpz=0.0000   qpz=0.0000", "", "PKpz=1049.8129   Dpz=-5.0000"},
       "1049.8129",
       "-5.0000"});
}

// CALC leaves PKnsk and C for Rail Connecting, also when PZ is outside.
TEST(TraceConnecting, HandsPknskAndCToRailConnecting) {
  using S = SpiralInputs;
  RememberedInputs inputs = InitialInputs();
  RunCalculation(kTraceConnecting, inputs, Typed(With(kWorked, {{&S::Ypz, "2"}, {&S::Xpz, "10"}})),
                 ComputeTraceConnecting);
  std::map<int, std::string> shown;
  for (const InputField& field : kRailConnecting.inputs) {
    shown[field.controlId] = OpeningText(field, inputs);
  }
  EXPECT_EQ(shown[IDC_PKNSK], " 1049.81286538964");
  EXPECT_EQ(shown[IDC_C], " 30000");
  EXPECT_EQ(shown[IDC_PK_A], " 1100");  // NKK's chainage is the first chainage
}

}  // namespace
