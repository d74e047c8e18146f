// Curve by Versines from the menu: the worked curve selected in the document, CALC appends its
// block; "Diagram" opens the window "Versine diagram" and Escape closes it while the dialog stays.
#include <string>

#include "calculator_driver.h"
#include "polver_fixture.h"
#include "resource.h"
#include "versines/versine_report.h"
#include "versines/versines.h"

namespace {

const char* const kDiagramClass = "PolverVersineDiagram";
const char* const kDiagramCaption = "Versine diagram";
const std::string kWorkedCurve =
    "0 0\r\n10 0\r\n20 0\r\n30 3\r\n40 25\r\n50 59\r\n60 90\r\n70 102\r\n80 103\r\n90 102\r\n"
    "100 100\r\n110 96\r\n120 71\r\n130 37\r\n140 9\r\n150 1\r\n160 3\r\n170 0\r\n180 0\r\n"
    "190 0\r\n200 0\r\n";

}  // namespace

TEST_F(PolverTest, CurveByVersinesCalcAndDiagram) {
  WriteText(polver.editor, kWorkedCurve);
  SendMessageA(polver.editor, EM_SETSEL, 0, kWorkedCurve.size());
  HWND dialog = OpenCalculator(polver, CMD_CURVE_BY_VERSINES, kCurveByVersines);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ("10", ReadText(GetDlgItem(dialog, IDC_STEP)));
  FillFields(dialog, {{IDC_L1, "30"}, {IDC_L2, "30"}});
  const std::string block = Calculate(polver, dialog);
  SaveScreenshot("curve-by-versines");
  EXPECT_EQ(VersinesBlock({"10", "30", "30", ""}, kWorkedCurve), block);
  EXPECT_NE(std::string::npos, block.find("\r\nStations=21   Largest slew=20.3 at 130\r\n"));

  SendMessageA(polver.editor, EM_SETSEL, 0, kWorkedCurve.size());
  PressButton(dialog, IDC_VERSINE_DIAGRAM);
  HWND diagram = WaitForWindow(Pid(), kDiagramClass, kDiagramCaption);
  ASSERT_NE(nullptr, diagram);
  Settle(diagram);
  SaveScreenshot("versine-diagram");
  BringToFront(diagram);
  PressKeys("Escape");
  EXPECT_TRUE(WaitForWindowGone(Pid(), kDiagramClass, kDiagramCaption));
  EXPECT_TRUE(IsWindowVisible(dialog));
}
