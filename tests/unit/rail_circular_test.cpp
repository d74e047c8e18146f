// Rail size of circular trace: whole reports for the worked case and its symmetries.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "frame/report.h"
#include "rail/rail_circular.h"
#include "report_lines.h"
#include "resource.h"

namespace {

struct RailInputs {
  std::string PK_A, d_A, m_A, PK_B, d_B, m_B, R, z, name, Pk_rp, m_rp, B_rl;
};

std::map<int, std::string> Typed(const RailInputs& in) {
  return {{IDC_PK_A, in.PK_A},    {IDC_D_A, in.d_A},     {IDC_M_A, in.m_A},   {IDC_PK_B, in.PK_B},
          {IDC_D_B, in.d_B},      {IDC_M_B, in.m_B},     {IDC_R, in.R},       {IDC_Z, in.z},
          {IDC_RP_NAME, in.name}, {IDC_PK_RP, in.Pk_rp}, {IDC_M_RP, in.m_rp}, {IDC_B_RL, in.B_rl}};
}

std::string Report(const RailInputs& in, const std::string& yrp) {
  return ReportHead("Calculation Rail size of Circular crooked trace") +
         ReportLines({"PK0=" + in.PK_A + "   d0=" + in.d_A + "   m0=" + in.m_A,
                      "PKn=" + in.PK_B + "   dn=" + in.d_B + "   mn=" + in.m_B,
                      "R=" + in.R + "   z=" + in.z,
                      "Rp: " + in.name + "   PKrp=" + in.Pk_rp + "   mrp=" + in.m_rp,
                      "Brl=" + in.B_rl, "", "Yrp=" + yrp});
}

// Span 100, R 1000: the arc stands 1.25 off the chord at mid-span.
const RailInputs kWorked = {"0",    "3.1", "0.1", "100", "3.3", "0.1",
                            "1000", "0",   "R1",  "50",  "0.2", "0.76"};

TEST(RailCircular, ReportsMatchTheWorkedCases) {
  using R = RailInputs;
  const struct {
    const char* what;
    RailInputs in;
    const char* yrp;
  } cases[] = {
      {"worked example at mid-span", kWorked, "1.2900"},
      {"A and B swapped with their values",
       With(kWorked, {{&R::PK_A, "100"}, {&R::d_A, "3.3"}, {&R::PK_B, "0"}, {&R::d_B, "3.1"}}),
       "1.2900"},
      {"at A the arc adds nothing", With(kWorked, {{&R::Pk_rp, "0"}}), "2.4400"},
      {"at B the arc adds nothing", With(kWorked, {{&R::Pk_rp, "100"}}), "2.6400"},
      {"everything 0 but span and R, at A: minus B_rl",
       {"0", "0", "0", "100", "0", "0", "1000", "0", "", "0", "0", "0.76"},
       "-0.7600"},
      {"a negative R adds the arc's offset", With(kWorked, {{&R::R, "-1000"}}), "3.7900"},
      {"30 after A", With(kWorked, {{&R::Pk_rp, "30"}}), "1.4500"},
      {"30 before A gives the same", With(kWorked, {{&R::Pk_rp, "-30"}}), "1.4500"},
      {"radius 0", With(kWorked, {{&R::R, "0"}}), "NAN.0NAN"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RememberedInputs inputs = InitialInputs();
    const CalcRun run = RunCalculation(kRailCircular, inputs, Typed(c.in), ComputeRailCircular);
    EXPECT_EQ(run.appended, Report(c.in, c.yrp));
    EXPECT_EQ(run.outputTexts, std::vector<std::string>{c.yrp});
  }
}

}  // namespace
