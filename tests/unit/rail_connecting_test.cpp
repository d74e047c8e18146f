// Rail size of connecting trace: whole reports for the worked case and the spiral's ends.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "frame/report.h"
#include "rail/rail_connecting.h"
#include "report_lines.h"
#include "resource.h"

namespace {

struct RailInputs {
  std::string PK_A, d_A, m_A, PK_B, d_B, m_B, PKnsk, C, name, Pk_rp, m_rp, B_rl;
};

std::map<int, std::string> Typed(const RailInputs& in) {
  return {{IDC_PK_A, in.PK_A},   {IDC_D_A, in.d_A},   {IDC_M_A, in.m_A},
          {IDC_PK_B, in.PK_B},   {IDC_D_B, in.d_B},   {IDC_M_B, in.m_B},
          {IDC_PKNSK, in.PKnsk}, {IDC_C, in.C},       {IDC_RP_NAME, in.name},
          {IDC_PK_RP, in.Pk_rp}, {IDC_M_RP, in.m_rp}, {IDC_B_RL, in.B_rl}};
}

// The primed labels d'_A and d'_B are reported under the keys d0 and dn.
std::string Report(const RailInputs& in, const std::string& yrp) {
  return ReportHead("Calculation Rail size of connecting crooked (Spiral) trace") +
         ReportLines({"PK0=" + in.PK_A + "   d0=" + in.d_A + "   m0=" + in.m_A,
                      "PKn=" + in.PK_B + "   dn=" + in.d_B + "   mn=" + in.m_B,
                      "PKnsk=" + in.PKnsk + "   C=" + in.C,
                      "Rp: " + in.name + "   PKrp=" + in.Pk_rp + "   mrp=" + in.m_rp,
                      "Brl=" + in.B_rl, "", "Yrp=" + yrp});
}

// A spiral of C = 30000 (R 300, L 100) starting at chainage 1050; Rp 50 along it.
const RailInputs kWorked = {"1000", "2.0",   "0.5", "1200", "2.4", "0.3",
                            "1050", "30000", "R1",  "1100", "0.1", "0.76"};

TEST(RailConnecting, ReportsMatchTheWorkedCases) {
  using R = RailInputs;
  const struct {
    const char* what;
    RailInputs in;
    const char* yrp;
  } cases[] = {
      {"worked example", kWorked, "1.8366"},
      {"at NSK the spiral adds nothing", With(kWorked, {{&R::Pk_rp, "1050"}}), "0.9900"},
      {"before A and NSK: distances, not signed differences", With(kWorked, {{&R::Pk_rp, "900"}}),
       "21.1244"},
      {"at A the interpolated share is 0", With(kWorked, {{&R::Pk_rp, "1000"}}), "1.5363"},
      {"C = 0", With(kWorked, {{&R::C, "0"}}), "NAN.0NAN"},
      {"C = 0 at NSK too", With(kWorked, {{&R::C, "0"}, {&R::Pk_rp, "1050"}}), "NAN.0NAN"},
      {"zero span", With(kWorked, {{&R::PK_B, "1000"}}), "INF.0NAN"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RememberedInputs inputs = InitialInputs();
    const CalcRun run = RunCalculation(kRailConnecting, inputs, Typed(c.in), ComputeRailConnecting);
    EXPECT_EQ(run.appended, Report(c.in, c.yrp));
    EXPECT_EQ(run.outputTexts, std::vector<std::string>{c.yrp});
  }
}

}  // namespace
