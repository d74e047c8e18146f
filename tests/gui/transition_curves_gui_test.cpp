// Trace Alignment with transition curves of every law typed in the element form and cant ramps
// shaped by them, then CALC and the drawing (the figures themselves are the worked example in
// tests/golden/transition_curves_*).
#include <string>

#include "alignment/alignment_report.h"
#include "calculator_driver.h"
#include "polver_fixture.h"
#include "resource.h"

TEST_F(PolverTest, TransitionCurvesTypedCalculatedAndDrawn) {
  const std::string elements =
      "straight 100 1000 5000 30\r\nbloss 80 0 -600\r\ncurve 120 -600\r\n"
      "cosine 60 -600 -1500\r\ncurve 50 -1500\r\nsine 70 -1500 0\r\nstraight 80\r\n"
      "helmert 90 0 900\r\ncurve 100 900\r\nhelmert 90 900 0\r\nstraight 60";
  const std::string cant =
      "0 0\r\n100 0 bloss\r\n180 -90\r\n300 -90 cosine\r\n360 -40\r\n410 -40 sine\r\n480 0\r\n"
      "560 0 helmert\r\n650 80\r\n750 80 helmert\r\n840 0\r\n900 0";
  HWND dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  WriteText(GetDlgItem(dialog, IDC_PK_START), "0");
  WriteText(GetDlgItem(dialog, IDC_VERTICES), elements);
  WriteText(GetDlgItem(dialog, IDC_CANT), cant);
  const AlignmentTexts texts = {"0", elements, false, "", cant};
  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(AlignmentCalcBlock(texts), calc);
  EXPECT_NE(std::string::npos, calc.find("\r\n10 helmert\t750.0000\t")) << calc;

  // The track drawn, for the eye and the README: every element numbered where it starts.
  ScreenshotAlignmentDrawing(dialog, "transition-curves-drawing");
  PressButton(dialog, IDCANCEL);
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", kAlignmentCaption));
}
