// The frame's portable half: what fields show on opening, what CALC remembers and echoes, and
// that the remembered values are shared between the dialogs.
#include <gtest/gtest.h>

#include <string>

#include "frame/report.h"
#include "rail/rail_circular.h"
#include "rail/rail_connecting.h"
#include "rail/rail_linear.h"
#include "report_lines.h"
#include "resource.h"
#include "trace/trace_circular.h"
#include "trace/trace_connecting.h"
#include "trace/trace_linear.h"

namespace {

// The text that the dialog's field controlId shows when its dialog opens ("<no field>" if it has
// none).
std::string ShownIn(const CalculatorSpec& calculator, int controlId,
                    const RememberedInputs& inputs) {
  for (const InputField& field : calculator.inputs) {
    if (field.controlId == controlId) return OpeningText(field, inputs);
  }
  return "<no field>";
}

std::vector<std::string> OpeningTexts(const CalculatorSpec& calculator,
                                      const RememberedInputs& inputs) {
  std::vector<std::string> texts;
  for (const InputField& field : calculator.inputs) texts.push_back(OpeningText(field, inputs));
  return texts;
}

// A calculation that adds nothing, so that a test sees block 1 alone.
CalcOutcome NoResults(RememberedInputs&) {
  return CalcOutcome();
}

TEST(RememberedInputs, StartAsZeroEmptyAndRailBase) {
  const RememberedInputs start = InitialInputs();
  for (int i = 0; i < RememberedNumberCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(start.Number[i], i == RailBase ? 0.76 : 0.0);
  }
  for (int i = 0; i < RememberedNameCount; ++i)
    EXPECT_EQ(start.Name[i], i == VersineStep ? "10" : "");
}

TEST(RememberedInputs, OneRecordLastsTheWholeRun) {
  RememberedInputs& record = Remembered();
  EXPECT_EQ(&record, &Remembered());
  const double kept = record.Number[Radius];
  record.Number[Radius] = 412.5;
  EXPECT_EQ(Remembered().Number[Radius], 412.5);
  record.Number[Radius] = kept;
}

// On first use every number field opens as " 0" (B_rl " 0.76") and CALC echoes that text.
TEST(InputReport, FirstUseEchoesTheOpeningTexts) {
  const RememberedInputs start = InitialInputs();
  EXPECT_EQ(InputReport(kTraceLinear, OpeningTexts(kTraceLinear, start)),
            ReportHead("Calculation on linear trace") +
                ReportLines({"PK0= 0   Y0= 0   X0= 0", "PKn= 0   Yn= 0   Xn= 0",
                             "PZ:    Ypz= 0   Xpz= 0"}));
  EXPECT_EQ(InputReport(kRailLinear, OpeningTexts(kRailLinear, start)),
            ReportHead("Calculation Rail size of Linear trace") +
                ReportLines({"PK0= 0   d0= 0   m0= 0", "PKn= 0   dn= 0   mn= 0",
                             "Rp:    PKrp= 0   mrp= 0", "Brl= 0.76"}));
}

// Texts are echoed exactly as typed, while the record keeps what the conversion made of them.
TEST(InputReport, EchoesTypedTextsAndRemembersTheirNumbers) {
  RememberedInputs inputs = InitialInputs();
  const CalcRun run = RunCalculation(kRailCircular, inputs,
                                     {{IDC_PK_A, "1,5"},
                                      {IDC_D_A, "  12.5m"},
                                      {IDC_M_A, "abc"},
                                      {IDC_PK_B, ""},
                                      {IDC_R, "-1e3"},
                                      {IDC_RP_NAME, " km 3 / left "},
                                      {IDC_B_RL, "0.8"}},
                                     NoResults);
  EXPECT_EQ(run.appended,
            ReportHead("Calculation Rail size of Circular crooked trace") +
                ReportLines({"PK0=1,5   d0=  12.5m   m0=abc", "PKn=   dn= 0   mn= 0",
                             "R=-1e3   z= 0", "Rp:  km 3 / left    PKrp= 0   mrp= 0", "Brl=0.8"}));
  EXPECT_EQ(inputs.Number[FirstPK], 1.0);
  EXPECT_EQ(inputs.Number[DFirst], 12.5);
  EXPECT_EQ(inputs.Number[MFirst], 0.0);
  EXPECT_EQ(inputs.Number[Radius], -1000.0);
  EXPECT_EQ(inputs.Number[RailBase], 0.8);
  EXPECT_EQ(inputs.Name[RpName], " km 3 / left ");
  EXPECT_TRUE(run.outputTexts.empty());
}

// Nothing is cut: a block far beyond 2047 characters keeps every field text whole.
TEST(InputReport, LongFieldTextsStayWhole) {
  RememberedInputs inputs = InitialInputs();
  const std::string name(5000, 'n');
  const std::string number = "12.5" + std::string(3000, ' ') + "m";
  const CalcRun run =
      RunCalculation(kTraceLinear, inputs, {{IDC_PZ_NAME, name}, {IDC_X_PZ, number}}, NoResults);
  EXPECT_EQ(run.appended, ReportHead("Calculation on linear trace") +
                              ReportLines({"PK0= 0   Y0= 0   X0= 0", "PKn= 0   Yn= 0   Xn= 0",
                                           "PZ: " + name + "   Ypz= 0   Xpz=" + number}));
  EXPECT_EQ(inputs.Name[PzName], name);
  EXPECT_EQ(inputs.Number[PzX], 12.5);
}

// Trace Circular and Trace Connecting append their curve block before the output fields are
// written and the point block after; the others append their one result block after.
TEST(CalcOutcome, BlocksFallBeforeAndAfterTheOutputs) {
  const struct {
    const char* what;
    CalcOutcome (*compute)(RememberedInputs&);
    size_t before, after, outputs;
  } cases[] = {
      {"Trace Linear", ComputeTraceLinear, 0, 1, 2},
      {"Trace Circular", ComputeTraceCircular, 1, 1, 2},
      {"Trace Connecting", ComputeTraceConnecting, 1, 1, 2},
      {"Rail Linear", ComputeRailLinear, 0, 1, 1},
      {"Rail Circular", ComputeRailCircular, 0, 1, 1},
      {"Rail Connecting", ComputeRailConnecting, 0, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RememberedInputs inputs = InitialInputs();
    const CalcOutcome outcome = c.compute(inputs);
    EXPECT_EQ(outcome.blocksBeforeOutputs.size(), c.before);
    EXPECT_EQ(outcome.blocksAfterOutputs.size(), c.after);
    EXPECT_EQ(outcome.outputs.size(), c.outputs);
  }
}

// A value that one dialog's CALC remembers opens in every other dialog that shows the same
// quantity, and in no field that means something else.
TEST(RememberedSharing, CalculatedValueShowsInTheDialogsThatShareIt) {
  struct Sharing {
    const char* what;
    const CalculatorSpec* from;
    CalcOutcome (*compute)(RememberedInputs&);
    int typedField;
    const char* typed;
    std::vector<std::pair<const CalculatorSpec*, int>> shownIn;
    std::string shown;
  };
  const std::vector<Sharing> cases = {
      {"first chainage",
       &kTraceLinear,
       ComputeTraceLinear,
       IDC_PK_A,
       "1234.5",
       {{&kTraceCircular, IDC_PK_A},
        {&kTraceConnecting, IDC_PK_B},
        {&kRailLinear, IDC_PK_A},
        {&kRailCircular, IDC_PK_A},
        {&kRailConnecting, IDC_PK_A}},
       " 1234.5"},
      {"NKK is the first point",
       &kTraceConnecting,
       ComputeTraceConnecting,
       IDC_Y_B,
       "-17",
       {{&kTraceLinear, IDC_Y_A}, {&kTraceCircular, IDC_Y_A}},
       "-17"},
      {"second point",
       &kTraceCircular,
       ComputeTraceCircular,
       IDC_X_B,
       "88.25",
       {{&kTraceLinear, IDC_X_B}},
       " 88.25"},
      {"second chainage",
       &kRailConnecting,
       ComputeRailConnecting,
       IDC_PK_B,
       "2000",
       {{&kTraceLinear, IDC_PK_B},
        {&kTraceCircular, IDC_PK_B},
        {&kRailLinear, IDC_PK_B},
        {&kRailCircular, IDC_PK_B}},
       " 2000"},
      {"point PZ",
       &kTraceLinear,
       ComputeTraceLinear,
       IDC_PZ_NAME,
       "P 17",
       {{&kTraceCircular, IDC_PZ_NAME}, {&kTraceConnecting, IDC_PZ_NAME}},
       "P 17"},
      {"radius",
       &kTraceCircular,
       ComputeTraceCircular,
       IDC_R,
       "250",
       {{&kTraceConnecting, IDC_R}, {&kRailCircular, IDC_R}},
       " 250"},
      {"z",
       &kRailCircular,
       ComputeRailCircular,
       IDC_Z,
       "0.003",
       {{&kTraceCircular, IDC_Z}},
       " 0.003"},
      {"q",
       &kTraceConnecting,
       ComputeTraceConnecting,
       IDC_Q,
       "0.04",
       {{&kTraceCircular, IDC_Q}},
       " 0.04"},
      {"centre",
       &kTraceCircular,
       ComputeTraceCircular,
       IDC_X_CK,
       "-300",
       {{&kTraceConnecting, IDC_X_CK}},
       "-300"},
      {"d at A, primed in Rail Connecting",
       &kRailConnecting,
       ComputeRailConnecting,
       IDC_D_A,
       "1.5",
       {{&kRailLinear, IDC_D_A}, {&kRailCircular, IDC_D_A}},
       " 1.5"},
      {"rail point and B_rl",
       &kRailLinear,
       ComputeRailLinear,
       IDC_B_RL,
       "0.8",
       {{&kRailCircular, IDC_B_RL}, {&kRailConnecting, IDC_B_RL}},
       " 0.8"},
      {"point Rp",
       &kRailCircular,
       ComputeRailCircular,
       IDC_RP_NAME,
       "Rp9",
       {{&kRailLinear, IDC_RP_NAME}, {&kRailConnecting, IDC_RP_NAME}},
       "Rp9"},
  };
  for (const Sharing& c : cases) {
    SCOPED_TRACE(c.what);
    RememberedInputs inputs = InitialInputs();
    RunCalculation(*c.from, inputs, {{c.typedField, c.typed}}, c.compute);
    for (const auto& shown : c.shownIn) {
      SCOPED_TRACE(shown.first->dialogTitle);
      EXPECT_EQ(ShownIn(*shown.first, shown.second, inputs), c.shown);
    }
  }
}

// Trace Connecting's fields 1112-1118 hold its line point, which no other dialog shows.
TEST(RememberedSharing, LinePointStaysInTraceConnecting) {
  RememberedInputs inputs = InitialInputs();
  RunCalculation(kTraceConnecting, inputs, {{IDC_PK_A, "500"}, {IDC_Y_A, "600"}, {IDC_X_A, "700"}},
                 ComputeTraceConnecting);
  for (const CalculatorSpec* other :
       {&kTraceLinear, &kTraceCircular, &kRailLinear, &kRailCircular, &kRailConnecting}) {
    SCOPED_TRACE(other->dialogTitle);
    EXPECT_EQ(ShownIn(*other, IDC_PK_A, inputs), " 0");
  }
  EXPECT_EQ(ShownIn(kTraceLinear, IDC_Y_A, inputs), " 0");
  EXPECT_EQ(ShownIn(kTraceConnecting, IDC_X_A, inputs), " 700");
}

// A field left untouched reads back the text it opened with, 15 significant digits and all.
TEST(RememberedSharing, UntouchedFieldsReadBackTheirOpeningText) {
  RememberedInputs inputs = InitialInputs();
  inputs.Number[RpM] = 0.1 + 0.2;
  const CalcRun run = RunCalculation(kRailLinear, inputs, {}, ComputeRailLinear);
  EXPECT_NE(run.appended.find("   mrp= 0.3\r\n"), std::string::npos);
  EXPECT_EQ(inputs.Number[RpM], 0.3);
}

}  // namespace
