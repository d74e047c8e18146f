// Trace Circular and Trace Connecting from the menu to the report in the editor: the curve that
// the other Trace dialogs leave behind, the worked examples, the hand-over of PKnsk and C to Rail
// Connecting, and a spiral without radius that must neither hang nor stop the program.
#include <map>
#include <string>
#include <vector>

#include "calculator_driver.h"
#include "number_text.h"
#include "polver_fixture.h"
#include "rail/rail_connecting.h"
#include "resource.h"
#include "trace/trace_circular.h"
#include "trace/trace_connecting.h"
#include "trace/trace_linear.h"

namespace {

// Centre at the origin, radius 100, NK due +X at 1000, KK due +Y a quarter turn later.
const std::map<int, std::string> kQuarterTurn = {
    {IDC_PK_A, "1000"},    {IDC_Y_A, "0"},       {IDC_X_A, "100"}, {IDC_PK_B, "1157.0796"},
    {IDC_Y_B, "100"},      {IDC_X_B, "0"},       {IDC_Y_CK, "0"},  {IDC_X_CK, "0"},
    {IDC_R, "100"},        {IDC_Z, "0"},         {IDC_Q, "0"},     {IDC_PZ_NAME, "P7"},
    {IDC_Y_PZ, "70.7107"}, {IDC_X_PZ, "70.7107"}};

// A straight running up +X into a left-hand curve: R 300, spiral 100, chainage growing.
const std::map<int, std::string> kLeftSpiral = {
    {IDC_PK_A, "1000"}, {IDC_Y_A, "0"},    {IDC_X_A, "0"},     {IDC_PK_B, "1100"},
    {IDC_Y_B, "0"},     {IDC_X_B, "100"},  {IDC_Y_CK, "-300"}, {IDC_X_CK, "100"},
    {IDC_R, "300"},     {IDC_L_SK, "100"}, {IDC_Q, "0"},       {IDC_PZ_NAME, "S1"},
    {IDC_Y_PZ, "-5"},   {IDC_X_PZ, "90"}};

// The same spiral turned right, chainage falling, with a correction q.
const std::map<int, std::string> kRightSpiral = {
    {IDC_PK_A, "2000"}, {IDC_Y_A, "0"},    {IDC_X_A, "0"},    {IDC_PK_B, "1900"},
    {IDC_Y_B, "0"},     {IDC_X_B, "100"},  {IDC_Y_CK, "300"}, {IDC_X_CK, "100"},
    {IDC_R, "300"},     {IDC_L_SK, "100"}, {IDC_Q, "0.1"},    {IDC_PZ_NAME, "S2"},
    {IDC_Y_PZ, "5"},    {IDC_X_PZ, "90"}};

const std::map<int, std::string> kStraight = {
    {IDC_PK_A, "1000"},  {IDC_Y_A, "500"},  {IDC_X_A, "200"},
    {IDC_PK_B, "1100"},  {IDC_Y_B, "560"},  {IDC_X_B, "280"},
    {IDC_PZ_NAME, "P1"}, {IDC_Y_PZ, "530"}, {IDC_X_PZ, "260"}};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

void ExpectFields(HWND dialog, const std::map<int, std::string>& texts) {
  for (const auto& field : texts) {
    EXPECT_EQ(field.second, ReadText(GetDlgItem(dialog, field.first))) << "field " << field.first;
  }
}

}  // namespace

// NK, KK and PZ come from the last Trace Linear calculation, which ran after Trace Connecting
// and so replaced its NKK; the centre, radius and q are still Trace Connecting's.
TEST_F(PolverTest, TraceCircularOpensWithTheCurveOfTheOtherTraceDialogs) {
  HWND dialog = OpenCalculator(polver, CMD_TRACE_CONNECTING, kTraceConnecting);
  ASSERT_NE(nullptr, dialog);
  FillFields(dialog, kRightSpiral);
  const std::string spiral = Calculate(polver, dialog);
  EXPECT_TRUE(Contains(spiral, "\r\nLpz=40.3157   qpz=0.0403\r\n")) << spiral;
  EXPECT_EQ("1909.8714", ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
  EXPECT_EQ("-4.5974", ReadText(GetDlgItem(dialog, IDC_D_PZ)));
  CloseCalculator(polver, dialog, kTraceConnecting);

  dialog = OpenCalculator(polver, CMD_TRACE_LINEAR, kTraceLinear);
  ASSERT_NE(nullptr, dialog);
  FillFields(dialog, kStraight);
  EXPECT_NE("", Calculate(polver, dialog));
  CloseCalculator(polver, dialog, kTraceLinear);

  dialog = OpenCalculator(polver, CMD_TRACE_CIRCULAR, kTraceCircular);
  ASSERT_NE(nullptr, dialog);
  ExpectFields(dialog, {{IDC_PK_A, " 1000"},
                        {IDC_Y_A, " 500"},
                        {IDC_X_A, " 200"},
                        {IDC_PK_B, " 1100"},
                        {IDC_Y_B, " 560"},
                        {IDC_X_B, " 280"},
                        {IDC_Y_CK, " 300"},
                        {IDC_X_CK, " 100"},
                        {IDC_R, " 300"},
                        {IDC_Z, " 0"},
                        {IDC_Q, " 0.1"},
                        {IDC_PZ_NAME, "P1"},
                        {IDC_Y_PZ, " 530"},
                        {IDC_X_PZ, " 260"},
                        {IDC_PK_PZ, ""},
                        {IDC_D_PZ, ""}});
  CloseCalculator(polver, dialog, kTraceCircular);
}

TEST_F(PolverTest, TraceCircularWorkedExampleAppendsItsThreeBlocks) {
  WriteText(polver.editor, "Curve 3\r\n");
  HWND dialog = OpenCalculator(polver, CMD_TRACE_CIRCULAR, kTraceCircular);
  ASSERT_NE(nullptr, dialog);
  FillFields(dialog, kQuarterTurn);
  const std::string appended = Calculate(polver, dialog);

  RememberedInputs remembered = InitialInputs();
  std::vector<std::string> outputs;
  const std::string expected =
      ExpectedReport(kTraceCircular, remembered, kQuarterTurn, ComputeTraceCircular, &outputs);
  EXPECT_EQ(expected, appended);
  EXPECT_EQ("Curve 3\r\n" + expected, ReadText(polver.editor));
  for (const char* line :
       {"\r\nCalculation on circular crooked trace\r\n\r\nPK0=1000   Y0=0   X0=100\r\n",
        "\r\nCENTR: Yck=0   Xck=0\r\nR=100   z=0   q=0\r\nPZ: P7   Ypz=70.7107   "
        "Xpz=70.7107\r\n\r\n",
        "\r\nBeta= 90' 0' 0'   Lkk=157.0796\r\n\r\n",
        "\r\nPKpz1=1078.5398   Dpz=0.0000\r\nPKpz2=1078.5398\r\n"}) {
    EXPECT_TRUE(Contains(appended, line)) << line;
  }
  EXPECT_EQ((std::vector<std::string>{"1078.5398", "0.0000"}), outputs);
  EXPECT_EQ("1078.5398", ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
  EXPECT_EQ("0.0000", ReadText(GetDlgItem(dialog, IDC_D_PZ)));
  SaveScreenshot("trace-circular");
  CloseCalculator(polver, dialog, kTraceCircular);
}

// The spiral's start and parameter go on to Rail Connecting as the numbers this calculation made.
TEST_F(PolverTest, TraceConnectingWorkedExampleHandsPKnskAndCToRailConnecting) {
  HWND dialog = OpenCalculator(polver, CMD_TRACE_CONNECTING, kTraceConnecting);
  ASSERT_NE(nullptr, dialog);
  FillFields(dialog, kLeftSpiral);
  const std::string appended = Calculate(polver, dialog);

  RememberedInputs remembered = InitialInputs();
  const std::string expected =
      ExpectedReport(kTraceConnecting, remembered, kLeftSpiral, ComputeTraceConnecting);
  EXPECT_EQ(expected, ReadText(polver.editor));
  EXPECT_EQ(expected, appended);
  for (const char* line :
       {"\r\nRk=300.0000   !Left!\r\n", "\r\nPKnsk=1049.8129   PKksk=1149.8129\r\n",
        "\r\nLpz=40.3157   qpz=0.0000\r\n\r\nPKpz=1090.1286   Dpz=-4.6377\r\n"}) {
    EXPECT_TRUE(Contains(appended, line)) << line;
  }
  EXPECT_EQ("1090.1286", ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
  EXPECT_EQ("-4.6377", ReadText(GetDlgItem(dialog, IDC_D_PZ)));
  SaveScreenshot("trace-connecting");
  CloseCalculator(polver, dialog, kTraceConnecting);

  dialog = OpenCalculator(polver, CMD_RAIL_CONNECTING, kRailConnecting);
  ASSERT_NE(nullptr, dialog);
  const std::string startText = NumToText(remembered.Number[TransitionStartPK]);
  EXPECT_EQ(" 1049.81", startText.substr(0, 8));
  EXPECT_EQ(startText, ReadText(GetDlgItem(dialog, IDC_PKNSK)));
  EXPECT_EQ(" 30000", ReadText(GetDlgItem(dialog, IDC_C)));
  EXPECT_EQ(" 1100",
            ReadText(GetDlgItem(dialog, IDC_PK_A)));  // NKK's chainage is the first point's
  CloseCalculator(polver, dialog, kRailConnecting);
}

// R_kk 0 gives a spiral parameter of 0 and no finite foot point: the search must give up at once,
// say so in the report, and leave the program working.
TEST_F(PolverTest, TraceConnectingWithoutRadiusGivesUpQuicklyAndStaysResponsive) {
  HWND dialog = OpenCalculator(polver, CMD_TRACE_CONNECTING, kTraceConnecting);
  ASSERT_NE(nullptr, dialog);
  std::map<int, std::string> noRadius = kLeftSpiral;
  noRadius[IDC_R] = "0";
  FillFields(dialog, noRadius);
  Settle(dialog);

  const ULONGLONG pressed = GetTickCount64();
  PressButton(dialog, IDOK);
  std::string text;
  ULONGLONG answered = pressed;
  while (GetTickCount64() - pressed < 5000) {
    text = ReadText(polver.editor);
    answered = GetTickCount64();
    if (Contains(text, "!Foot point not found!")) break;
    Sleep(10);
  }
  ASSERT_TRUE(Contains(text, "!Foot point not found!")) << text;
  EXPECT_LT(answered - pressed, 1000u);

  RememberedInputs remembered = InitialInputs();
  std::string expected =
      ExpectedReport(kTraceConnecting, remembered, noRadius, ComputeTraceConnecting);
  EXPECT_TRUE(WaitForText(polver.editor, expected)) << ReadText(polver.editor);
  EXPECT_EQ("0.0000", ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
  EXPECT_EQ("0.0000", ReadText(GetDlgItem(dialog, IDC_D_PZ)));

  // The next calculation in the same dialog works as usual.
  FillFields(dialog, {{IDC_R, "300"}});
  expected += ExpectedReport(kTraceConnecting, remembered, kLeftSpiral, ComputeTraceConnecting);
  Calculate(polver, dialog);
  EXPECT_EQ(expected, ReadText(polver.editor));
  EXPECT_EQ("1090.1286", ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
  CloseCalculator(polver, dialog, kTraceConnecting);

  // And so do the menu commands.
  dialog = OpenCalculator(polver, CMD_TRACE_LINEAR, kTraceLinear);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(" 1100", ReadText(GetDlgItem(dialog, IDC_PK_A)));
  CloseCalculator(polver, dialog, kTraceLinear);
}
