// The three Rail dialogs from the menu to the report in the editor: their start values, the rail
// base B_rl that they share, and each worked example.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "calculator_driver.h"
#include "polver_fixture.h"
#include "rail/rail_circular.h"
#include "rail/rail_connecting.h"
#include "rail/rail_linear.h"
#include "resource.h"

namespace {

struct RailDialog {
  const char* name;  // also the screenshot's name
  int command;
  const CalculatorSpec& calculator;
  CalcOutcome (*compute)(RememberedInputs&);
};

const RailDialog kRailDialogs[] = {
    {"rail-linear", CMD_RAIL_LINEAR, kRailLinear, ComputeRailLinear},
    {"rail-circular", CMD_RAIL_CIRCULAR, kRailCircular, ComputeRailCircular},
    {"rail-connecting", CMD_RAIL_CONNECTING, kRailConnecting, ComputeRailConnecting},
};

struct WorkedExample {
  const RailDialog& dialog;
  std::map<int, std::string> typed;
  const char* y_rp;
};

}  // namespace

TEST_F(PolverTest, RailDialogsStartAtZeroAndShareTheRailBase) {
  for (const RailDialog& rail : kRailDialogs) {
    SCOPED_TRACE(rail.name);
    HWND dialog = OpenCalculator(polver, rail.command, rail.calculator);
    ASSERT_NE(nullptr, dialog);
    for (const InputField& field : rail.calculator.inputs) {
      const char* start = field.isName ? "" : field.controlId == IDC_B_RL ? " 0.76" : " 0";
      EXPECT_EQ(start, ReadText(GetDlgItem(dialog, field.controlId)))
          << "field " << field.controlId;
    }
    EXPECT_EQ("", ReadText(GetDlgItem(dialog, IDC_Y_RP)));
    CloseCalculator(polver, dialog, rail.calculator);
  }

  HWND dialog = OpenCalculator(polver, CMD_RAIL_CIRCULAR, kRailCircular);
  ASSERT_NE(nullptr, dialog);
  FillFields(dialog, {{IDC_B_RL, "0.8"}});
  EXPECT_NE("", Calculate(polver, dialog));
  CloseCalculator(polver, dialog, kRailCircular);
  for (const RailDialog& rail : {kRailDialogs[0], kRailDialogs[2]}) {
    SCOPED_TRACE(rail.name);
    dialog = OpenCalculator(polver, rail.command, rail.calculator);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(" 0.8", ReadText(GetDlgItem(dialog, IDC_B_RL)));
    CloseCalculator(polver, dialog, rail.calculator);
  }
}

// One after the other in one run, so each dialog also opens over the values of the one before.
TEST_F(PolverTest, RailWorkedExamplesAppendTheirReports) {
  const WorkedExample examples[] = {
      {kRailDialogs[0],
       {{IDC_PK_A, "100"},
        {IDC_D_A, "2.5"},
        {IDC_M_A, "0.5"},
        {IDC_PK_B, "200"},
        {IDC_D_B, "3.5"},
        {IDC_M_B, "0.5"},
        {IDC_RP_NAME, "R1"},
        {IDC_PK_RP, "150"},
        {IDC_M_RP, "0.25"},
        {IDC_B_RL, "0.75"}},
       "2.0000"},
      {kRailDialogs[1],
       {{IDC_PK_A, "0"},
        {IDC_D_A, "3.1"},
        {IDC_M_A, "0.1"},
        {IDC_PK_B, "100"},
        {IDC_D_B, "3.3"},
        {IDC_M_B, "0.1"},
        {IDC_R, "1000"},
        {IDC_Z, "0"},
        {IDC_RP_NAME, "R2"},
        {IDC_PK_RP, "50"},
        {IDC_M_RP, "0.2"},
        {IDC_B_RL, "0.76"}},
       "1.2900"},
      {kRailDialogs[2],
       {{IDC_PK_A, "1000"},
        {IDC_D_A, "2.0"},
        {IDC_M_A, "0.5"},
        {IDC_PK_B, "1200"},
        {IDC_D_B, "2.4"},
        {IDC_M_B, "0.3"},
        {IDC_PKNSK, "1050"},
        {IDC_C, "30000"},
        {IDC_RP_NAME, "R3"},
        {IDC_PK_RP, "1100"},
        {IDC_M_RP, "0.1"},
        {IDC_B_RL, "0.76"}},
       "1.8366"},
  };
  RememberedInputs remembered = InitialInputs();
  std::string editorText;
  for (const WorkedExample& example : examples) {
    const RailDialog& rail = example.dialog;
    SCOPED_TRACE(rail.name);
    HWND dialog = OpenCalculator(polver, rail.command, rail.calculator);
    ASSERT_NE(nullptr, dialog);
    FillFields(dialog, example.typed);
    const std::string appended = Calculate(polver, dialog);
    std::vector<std::string> outputs;
    const std::string expected =
        ExpectedReport(rail.calculator, remembered, example.typed, rail.compute, &outputs);
    EXPECT_EQ(expected, appended);
    const std::string lastLine = std::string("\r\n\r\nYrp=") + example.y_rp + "\r\n";
    EXPECT_EQ(lastLine,
              appended.substr(appended.size() - std::min(appended.size(), lastLine.size())));
    EXPECT_EQ(std::vector<std::string>{example.y_rp}, outputs);
    EXPECT_EQ(example.y_rp, ReadText(GetDlgItem(dialog, IDC_Y_RP)));
    editorText += expected;
    EXPECT_EQ(editorText, ReadText(polver.editor));
    SaveScreenshot(rail.name);
    CloseCalculator(polver, dialog, rail.calculator);
  }
}
