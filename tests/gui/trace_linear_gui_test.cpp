// Trace Linear from the menu to the report in the editor, operated as a surveyor would.
#include <map>
#include <string>

#include "calculator_driver.h"
#include "polver_fixture.h"
#include "resource.h"
#include "trace/trace_linear.h"

namespace {

const std::map<int, std::string> kFirstExample = {
    {IDC_PK_A, "1000"},  {IDC_Y_A, "500"},  {IDC_X_A, "200"},
    {IDC_PK_B, "1100"},  {IDC_Y_B, "560"},  {IDC_X_B, "280"},
    {IDC_PZ_NAME, "P1"}, {IDC_Y_PZ, "530"}, {IDC_X_PZ, "260"}};

const char* const kFirstExampleReport =
    "\r\nCalculation on linear trace\r\n"
    "\r\nPK0=1000   Y0=500   X0=200"
    "\r\nPKn=1100   Yn=560   Xn=280"
    "\r\nPZ: P1   Ypz=530   Xpz=260\r\n"
    "\r\nApk= 36' 52' 11.63'   Lpk=100.0000\r\n"
    "\r\nPKpz1=1066.0000   Dpz1=-12.0000"
    "\r\nPKpz2=1066.0000   Dpz2=-12.0000\r\n";

}  // namespace

TEST_F(PolverTest, TraceLinearOpensCentredShowingZeros) {
  HWND dialog = OpenCalculator(polver, CMD_TRACE_LINEAR, kTraceLinear);
  ASSERT_NE(nullptr, dialog);
  RECT box;
  RECT work;
  GetWindowRect(dialog, &box);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(work.left + ((work.right - work.left) - (box.right - box.left)) / 2, box.left);
  EXPECT_EQ(work.top + ((work.bottom - work.top) - (box.bottom - box.top)) / 2, box.top);
  for (const InputField& field : kTraceLinear.inputs) {
    EXPECT_EQ(field.isName ? "" : " 0", ReadText(GetDlgItem(dialog, field.controlId)))
        << "field " << field.controlId;
  }
  EXPECT_EQ("", ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
  EXPECT_EQ("", ReadText(GetDlgItem(dialog, IDC_D_PZ)));
  FillFields(dialog, kFirstExample);
  SaveScreenshot("trace-linear");
  CloseCalculator(polver, dialog, kTraceLinear);
}

TEST_F(PolverTest, TraceLinearAppendsTheReportAndRemembersItsInputs) {
  WriteText(polver.editor, "Survey of 7 December\r\n");
  HWND dialog = OpenCalculator(polver, CMD_TRACE_LINEAR, kTraceLinear);
  ASSERT_NE(nullptr, dialog);
  FillFields(dialog, kFirstExample);
  EXPECT_EQ(kFirstExampleReport, Calculate(polver, dialog));
  EXPECT_EQ(std::string("Survey of 7 December\r\n") + kFirstExampleReport, ReadText(polver.editor));
  EXPECT_EQ("1066.0000", ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
  EXPECT_EQ("-12.0000", ReadText(GetDlgItem(dialog, IDC_D_PZ)));
  SaveScreenshot("trace-linear-report");
  CloseCalculator(polver, dialog, kTraceLinear);

  dialog = OpenCalculator(polver, CMD_TRACE_LINEAR, kTraceLinear);
  ASSERT_NE(nullptr, dialog);
  const std::map<int, std::string> reopened = {
      {IDC_PK_A, " 1000"}, {IDC_Y_A, " 500"},  {IDC_X_A, " 200"},
      {IDC_PK_B, " 1100"}, {IDC_Y_B, " 560"},  {IDC_X_B, " 280"},
      {IDC_PZ_NAME, "P1"}, {IDC_Y_PZ, " 530"}, {IDC_X_PZ, " 260"}};
  for (const auto& field : reopened) {
    EXPECT_EQ(field.second, ReadText(GetDlgItem(dialog, field.first))) << "field " << field.first;
  }
  EXPECT_EQ("", ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
  CloseCalculator(polver, dialog, kTraceLinear);

  // The appended reports count as a change: Exit asks before throwing them away.
  PostCommand(polver.main, CMD_EXIT);
  HWND confirm = WaitForWindow(Pid(), "#32770", "Confirm");
  ASSERT_NE(nullptr, confirm);
  PressButton(confirm, IDCANCEL);
}

TEST_F(PolverTest, TraceLinearAnswersEnterAndEscapeAndKeepsKeysOutOfTheEditor) {
  HWND dialog = OpenCalculator(polver, CMD_TRACE_LINEAR, kTraceLinear);
  ASSERT_NE(nullptr, dialog);
  FillFields(dialog, kFirstExample);
  BringToFront(dialog);
  ClickInto(GetDlgItem(dialog, IDC_X_PZ));
  PressKeys("Return");
  RememberedInputs remembered = InitialInputs();
  std::string expected =
      ExpectedReport(kTraceLinear, remembered, kFirstExample, ComputeTraceLinear);
  EXPECT_TRUE(WaitForText(polver.editor, expected));

  // Change a field by typing, then Enter again: a second, complete report with the typed text.
  PressKeys("End");
  TypeText("5");
  PressKeys("Return");
  std::map<int, std::string> changed = kFirstExample;
  changed[IDC_X_PZ] = "2605";
  expected += ExpectedReport(kTraceLinear, remembered, changed, ComputeTraceLinear);
  EXPECT_TRUE(WaitForText(polver.editor, expected)) << ReadText(polver.editor);

  PressKeys("Escape");
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", kTraceLinear.dialogTitle));
  EXPECT_EQ(expected, ReadText(polver.editor));
}
