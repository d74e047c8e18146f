// Trace Circular: whole reports for the worked curve and the geometry's corner cases.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "frame/report.h"
#include "report_lines.h"
#include "resource.h"
#include "trace/trace_circular.h"

namespace {

struct CurveInputs {
  std::string PK0, Y0, X0, PKn, Yn, Xn, Yck, Xck, R, z, q, name, Ypz, Xpz;
};

std::map<int, std::string> Typed(const CurveInputs& in) {
  return {{IDC_PK_A, in.PK0}, {IDC_Y_A, in.Y0},  {IDC_X_A, in.X0},   {IDC_PK_B, in.PKn},
          {IDC_Y_B, in.Yn},   {IDC_X_B, in.Xn},  {IDC_Y_CK, in.Yck}, {IDC_X_CK, in.Xck},
          {IDC_R, in.R},      {IDC_Z, in.z},     {IDC_Q, in.q},      {IDC_PZ_NAME, in.name},
          {IDC_Y_PZ, in.Ypz}, {IDC_X_PZ, in.Xpz}};
}

std::vector<std::string> EchoLines(const CurveInputs& in) {
  return {"PK0=" + in.PK0 + "   Y0=" + in.Y0 + "   X0=" + in.X0,
          "PKn=" + in.PKn + "   Yn=" + in.Yn + "   Xn=" + in.Xn,
          "CENTR: Yck=" + in.Yck + "   Xck=" + in.Xck,
          "R=" + in.R + "   z=" + in.z + "   q=" + in.q,
          "PZ: " + in.name + "   Ypz=" + in.Ypz + "   Xpz=" + in.Xpz};
}

// Centre at the origin, radius 100, NK due +X at 1000, KK due +Y at 1157.0796 (a quarter turn).
const CurveInputs kWorked = {"1000", "0",   "100", "1157.0796", "100", "0",       "0",
                             "0",    "100", "0",   "0",         "P",   "70.7107", "70.7107"};

struct Case {
  const char* what;
  CurveInputs in;
  std::vector<std::string> curveLines;  // block 2, from its leading empty line
  std::vector<std::string> pointLines;  // block 3
  const char* PK_pz;
  const char* d_pz;
};

const std::vector<std::string> kQuarterTurn = {"", "Ankk= 0' 0' 0'   Rnkk=100.0000",
                                               "Akkk= 90' 0' 0'   Rkkk=100.0000",
                                               "Beta= 90' 0' 0'   Lkk=157.0796"};

TEST(TraceCircular, ReportsMatchTheWorkedCases) {
  using C = CurveInputs;
  const std::vector<Case> cases = {
      {"worked example: PZ half-way along the arc",
       kWorked,
       kQuarterTurn,
       {"", "Apz= 45' 0' 0'   Rpz=100.0000", "PKpz1=1078.5398   Dpz=0.0000", "PKpz2=1078.5398"},
       "1078.5398",
       "0.0000"},
      {"PZ outside the quarter turn",
       With(kWorked, {{&C::Ypz, "-50"}, {&C::Xpz, "50"}}),
       kQuarterTurn,
       {"", "Apz= 315' 0' 0'   Rpz=70.7107", "!Point outside of circular crooked!"},
       "0.0000",
       "0.0000"},
      {"PZ exactly in NK's direction is on the curve",
       With(kWorked, {{&C::Ypz, "0"}, {&C::Xpz, "150"}}),
       kQuarterTurn,
       {"", "Apz= 0' 0' 0'   Rpz=150.0000", "PKpz1=1000.0000   Dpz=50.0000", "PKpz2=1000.0000"},
       "1000.0000",
       "50.0000"},
      {"NK and KK swapped: Beta turns negative, the arc length stays",
       With(kWorked, {{&C::Y0, "100"}, {&C::X0, "0"}, {&C::Yn, "0"}, {&C::Xn, "100"}}),
       {"", "Ankk= 90' 0' 0'   Rnkk=100.0000", "Akkk= 0' 0' 0'   Rkkk=100.0000",
        "Beta=-90' 0' 0'   Lkk=157.0796"},
       {"", "Apz= 45' 0' 0'   Rpz=100.0000", "PKpz1=1078.5398   Dpz=0.0000", "PKpz2=1078.5398"},
       "1078.5398",
       "0.0000"},
      {"ends 270 degrees apart: the curve is the shorter arc",
       With(kWorked, {{&C::Yn, "-100"}, {&C::Xn, "0"}, {&C::Ypz, "-70.7107"}}),
       {"", "Ankk= 0' 0' 0'   Rnkk=100.0000", "Akkk= 270' 0' 0'   Rkkk=100.0000",
        "Beta=-90' 0' 0'   Lkk=157.0796"},
       {"", "Apz= 315' 0' 0'   Rpz=100.0000", "PKpz1=1078.5398   Dpz=0.0000", "PKpz2=1078.5398"},
       "1078.5398",
       "0.0000"},
      {"ends 270 degrees apart: a point on the longer arc is outside",
       With(kWorked, {{&C::Yn, "-100"}, {&C::Xn, "0"}, {&C::Xpz, "-70.7107"}}),
       {"", "Ankk= 0' 0' 0'   Rnkk=100.0000", "Akkk= 270' 0' 0'   Rkkk=100.0000",
        "Beta=-90' 0' 0'   Lkk=157.0796"},
       {"", "Apz= 135' 0' 0'   Rpz=100.0000", "!Point outside of circular crooked!"},
       "0.0000",
       "0.0000"},
      {"half a turn: a point on the far side is still on the curve",
       With(kWorked, {{&C::PKn, "1314.16"},
                      {&C::Yn, "0"},
                      {&C::Xn, "-100"},
                      {&C::Ypz, "-100"},
                      {&C::Xpz, "0"}}),
       {"", "Ankk= 0' 0' 0'   Rnkk=100.0000", "Akkk= 180' 0' 0'   Rkkk=100.0000",
        "Beta= 180' 0' 0'   Lkk=314.1593"},
       {"", "Apz= 270' 0' 0'   Rpz=100.0000", "PKpz1=842.9204   Dpz=0.0000", "PKpz2=1471.2396"},
       "1157.0800",
       "0.0000"},
      {"z and q add to the offset outside R",
       With(kWorked, {{&C::z, "0.1"}, {&C::q, "0.2"}, {&C::Ypz, "100.5"}, {&C::Xpz, "0"}}),
       kQuarterTurn,
       {"", "Apz= 90' 0' 0'   Rpz=100.5000", "PKpz1=1157.0796   Dpz=0.8000", "PKpz2=1157.0796"},
       "1157.0796",
       "0.8000"},
      {"a point inside R has a negative offset",
       With(kWorked, {{&C::Ypz, "99.5"}, {&C::Xpz, "0"}}),
       kQuarterTurn,
       {"", "Apz= 90' 0' 0'   Rpz=99.5000", "PKpz1=1157.0796   Dpz=-0.5000", "PKpz2=1157.0796"},
       "1157.0796",
       "-0.5000"},
      {"chainages 10 longer than the arc: the estimates differ by 10",
       With(kWorked, {{&C::PKn, "1167.0796"}}),
       kQuarterTurn,
       {"", "Apz= 45' 0' 0'   Rpz=100.0000", "PKpz1=1078.5398   Dpz=0.0000", "PKpz2=1088.5398"},
       "1083.5398",
       "0.0000"},
      {"PK_kk below PK_nk runs through the same formulas",
       With(kWorked, {{&C::PK0, "1157.0796"}, {&C::PKn, "1000"}}),
       kQuarterTurn,
       {"", "Apz= 45' 0' 0'   Rpz=100.0000", "PKpz1=1235.6194   Dpz=0.0000", "PKpz2=921.4602"},
       "1078.5398",
       "0.0000"},
      {"radius 0: no arc, the chainages averaged, the offset from the centre",
       With(kWorked, {{&C::R, "0"}}),
       {"", "Ankk= 0' 0' 0'   Rnkk=100.0000", "Akkk= 90' 0' 0'   Rkkk=100.0000",
        "Beta= 90' 0' 0'   Lkk=0.0000"},
       {"", "Apz= 45' 0' 0'   Rpz=100.0000", "PKpz1=1000.0000   Dpz=100.0000", "PKpz2=1157.0796"},
       "1078.5398",
       "100.0000"},
      {"a negative Beta above -1 degree keeps its minus sign",
       With(kWorked,
            {{&C::PKn, "1001"}, {&C::Yn, "-1"}, {&C::Xn, "100"}, {&C::Ypz, "0"}, {&C::Xpz, "100"}}),
       {"", "Ankk= 0' 0' 0'   Rnkk=100.0000", "Akkk= 359' 25' 37.42'   Rkkk=100.0050",
        "Beta=-0' 34' 22.58'   Lkk=1.0000"},
       {"", "Apz= 0' 0' 0'   Rpz=100.0000", "PKpz1=1000.0000   Dpz=0.0000", "PKpz2=1000.0000"},
       "1000.0000",
       "0.0000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RememberedInputs inputs = InitialInputs();
    const CalcRun run = RunCalculation(kTraceCircular, inputs, Typed(c.in), ComputeTraceCircular);
    EXPECT_EQ(run.appended, ReportHead("Calculation on circular crooked trace") +
                                ReportLines(EchoLines(c.in)) + ReportLines(c.curveLines) +
                                ReportLines(c.pointLines));
    EXPECT_EQ(run.outputTexts, (std::vector<std::string>{c.PK_pz, c.d_pz}));
  }
}

}  // namespace
