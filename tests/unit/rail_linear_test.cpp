// Rail size of linear trace: whole reports for the worked case, its ends and a zero span.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "frame/report.h"
#include "rail/rail_linear.h"
#include "report_lines.h"
#include "resource.h"

namespace {

struct RailInputs {
  std::string PK_A, d_A, m_A, PK_B, d_B, m_B, name, Pk_rp, m_rp, B_rl;
};

std::map<int, std::string> Typed(const RailInputs& in) {
  return {{IDC_PK_A, in.PK_A}, {IDC_D_A, in.d_A},  {IDC_M_A, in.m_A},      {IDC_PK_B, in.PK_B},
          {IDC_D_B, in.d_B},   {IDC_M_B, in.m_B},  {IDC_RP_NAME, in.name}, {IDC_PK_RP, in.Pk_rp},
          {IDC_M_RP, in.m_rp}, {IDC_B_RL, in.B_rl}};
}

std::string Report(const RailInputs& in, const std::string& yrp) {
  return ReportHead("Calculation Rail size of Linear trace") +
         ReportLines({"PK0=" + in.PK_A + "   d0=" + in.d_A + "   m0=" + in.m_A,
                      "PKn=" + in.PK_B + "   dn=" + in.d_B + "   mn=" + in.m_B,
                      "Rp: " + in.name + "   PKrp=" + in.Pk_rp + "   mrp=" + in.m_rp,
                      "Brl=" + in.B_rl, "", "Yrp=" + yrp});
}

// d - m is 2 at A (chainage 100) and 3 at B (200).
const RailInputs kWorked = {"100", "2.5", "0.5", "200", "3.5", "0.5", "R1", "150", "0.25", "0.75"};

TEST(RailLinear, ReportsMatchTheWorkedCases) {
  using R = RailInputs;
  const struct {
    const char* what;
    RailInputs in;
    const char* yrp;
  } cases[] = {
      {"worked example, half-way from A to B", kWorked, "2.0000"},
      {"at A", With(kWorked, {{&R::Pk_rp, "100"}}), "1.5000"},
      {"at B", With(kWorked, {{&R::Pk_rp, "200"}}), "2.5000"},
      {"beyond B extrapolates", With(kWorked, {{&R::Pk_rp, "260"}}), "3.1000"},
      {"zero span, point after A", With(kWorked, {{&R::PK_B, "100"}}), "INF.0NAN"},
      {"zero span, point before A", With(kWorked, {{&R::PK_B, "100"}, {&R::Pk_rp, "50"}}),
       "-INF.0NAN"},
      {"zero span, same d - m at both ends", With(kWorked, {{&R::PK_B, "100"}, {&R::d_B, "2.5"}}),
       "NAN.0NAN"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RememberedInputs inputs = InitialInputs();
    const CalcRun run = RunCalculation(kRailLinear, inputs, Typed(c.in), ComputeRailLinear);
    EXPECT_EQ(run.appended, Report(c.in, c.yrp));
    EXPECT_EQ(run.outputTexts, std::vector<std::string>{c.yrp});
  }
}

// Every field untouched on first use: A and B share chainage 0, so 0/0.
TEST(RailLinear, FirstUseGivesNotANumber) {
  RememberedInputs inputs = InitialInputs();
  const CalcRun run = RunCalculation(kRailLinear, inputs, {}, ComputeRailLinear);
  EXPECT_EQ(run.appended,
            Report({" 0", " 0", " 0", " 0", " 0", " 0", "", " 0", " 0", " 0.76"}, "NAN.0NAN"));
  EXPECT_EQ(run.outputTexts, std::vector<std::string>{"NAN.0NAN"});
}

}  // namespace
