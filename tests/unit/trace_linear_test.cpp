// Trace Linear: whole reports for the worked example and its variants.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "frame/report.h"
#include "report_lines.h"
#include "resource.h"
#include "trace/trace_linear.h"

namespace {

struct LineInputs {
  std::string PK_A, Y_A, X_A, PK_B, Y_B, X_B, name, Y_pz, X_pz;
};

std::map<int, std::string> Typed(const LineInputs& in) {
  return {{IDC_PK_A, in.PK_A},    {IDC_Y_A, in.Y_A},   {IDC_X_A, in.X_A},
          {IDC_PK_B, in.PK_B},    {IDC_Y_B, in.Y_B},   {IDC_X_B, in.X_B},
          {IDC_PZ_NAME, in.name}, {IDC_Y_PZ, in.Y_pz}, {IDC_X_PZ, in.X_pz}};
}

std::vector<std::string> EchoLines(const LineInputs& in) {
  return {"PK0=" + in.PK_A + "   Y0=" + in.Y_A + "   X0=" + in.X_A,
          "PKn=" + in.PK_B + "   Yn=" + in.Y_B + "   Xn=" + in.X_B,
          "PZ: " + in.name + "   Ypz=" + in.Y_pz + "   Xpz=" + in.X_pz};
}

struct Case {
  const char* what;
  LineInputs in;
  std::vector<std::string> resultLines;  // the result block, from its leading empty line
  const char* PK_pz;
  const char* d_pz;
};

const LineInputs kWorked = {"1000", "500", "200", "1100", "560", "280", "P1", "530", "260"};

LineInputs With(LineInputs in, std::string LineInputs::*field, const char* text) {
  in.*field = text;
  return in;
}

TEST(TraceLinear, ReportsMatchTheWorkedCases) {
  const std::vector<Case> cases = {
      {"worked example: PZ left of a line running up and right",
       kWorked,
       {"", "Apk= 36' 52' 11.63'   Lpk=100.0000", "", "PKpz1=1066.0000   Dpz1=-12.0000",
        "PKpz2=1066.0000   Dpz2=-12.0000"},
       "1066.0000",
       "-12.0000"},
      {"chainage falling from A to B turns both signs",
       With(With(kWorked, &LineInputs::PK_A, "1100"), &LineInputs::PK_B, "1000"),
       {"", "Apk= 36' 52' 11.63'   Lpk=100.0000", "", "PKpz1=1034.0000   Dpz1=12.0000",
        "PKpz2=1034.0000   Dpz2=12.0000"},
       "1034.0000",
       "12.0000"},
      {"chainage difference longer than AB: the field takes the mean",
       With(kWorked, &LineInputs::PK_B, "1103"),
       {"", "Apk= 36' 52' 11.63'   Lpk=100.0000", "", "PKpz1=1066.0000   Dpz1=-12.0000",
        "PKpz2=1069.0000   Dpz2=-12.0000"},
       "1067.5000",
       "-12.0000"},
      {"axis along +X, PZ on the right",
       {"0", "0", "0", "100", "0", "100", "R", "5", "50"},
       {"", "Apk= 0' 0' 0'   Lpk=100.0000", "", "PKpz1=50.0000   Dpz1=5.0000",
        "PKpz2=50.0000   Dpz2=5.0000"},
       "50.0000",
       "5.0000"},
      {"A and B at one place",
       With(With(kWorked, &LineInputs::Y_B, "500"), &LineInputs::X_B, "200"),
       {"", "Apk= 90' 0' 0'   Lpk=0.0000", "", "PKpz1=NAN.0NAN   Dpz1=NAN.0NAN",
        "PKpz2=NAN.0NAN   Dpz2=NAN.0NAN"},
       "NAN.0NAN",
       "NAN.0NAN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RememberedInputs inputs = InitialInputs();
    const CalcRun run = RunCalculation(kTraceLinear, inputs, Typed(c.in), ComputeTraceLinear);
    EXPECT_EQ(run.appended, ReportHead("Calculation on linear trace") +
                                ReportLines(EchoLines(c.in)) + ReportLines(c.resultLines));
    EXPECT_EQ(run.outputTexts, (std::vector<std::string>{c.PK_pz, c.d_pz}));
  }
}

// Untouched fields on first use are all " 0": A and B coincide.
TEST(TraceLinear, FirstUseGivesNotANumber) {
  RememberedInputs inputs = InitialInputs();
  const CalcRun run = RunCalculation(kTraceLinear, inputs, {}, ComputeTraceLinear);
  EXPECT_EQ(run.appended,
            ReportHead("Calculation on linear trace") +
                ReportLines({"PK0= 0   Y0= 0   X0= 0", "PKn= 0   Yn= 0   Xn= 0",
                             "PZ:    Ypz= 0   Xpz= 0", "", "Apk= 90' 0' 0'   Lpk=0.0000", "",
                             "PKpz1=NAN.0NAN   Dpz1=NAN.0NAN", "PKpz2=NAN.0NAN   Dpz2=NAN.0NAN"}));
  EXPECT_EQ(run.outputTexts, (std::vector<std::string>{"NAN.0NAN", "NAN.0NAN"}));
}

}  // namespace
