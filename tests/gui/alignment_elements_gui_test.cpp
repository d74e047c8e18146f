// Trace Alignment with its alignment typed as a chain of elements, from the Vertices field to the
// blocks in the editor: CALC, "List PK, d" over the worked points and "Set out" over the worked
// lines (the figures themselves are checked in alignment_elements_test.cpp).
#include <string>

#include "alignment/alignment_report.h"
#include "calculator_driver.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

const char* const kElements =
    "curve 40 -500 1000 5000 30\r\nspiral 60 -500 -1200\r\ncurve 80 -1200\r\n"
    "spiral 50 -1200 0\r\nstraight 100\r\nspiral 70 0 800\r\ncurve 120 800\r\n"
    "spiral 70 800 0\r\nstraight 50";
const std::string kPointLines =
    "P1 1031.104 5057.250\r\nP2 1057.117 5138.306\r\nP3 1118.016 5344.443\r\n"
    "P4 1143.511 5430.928\r\nfar 900 4000\r\n";
const std::string kSetOutLines = "S1 35 1.5\r\nS2 250 -2\r\nS3 700 0\r\n";

}  // namespace

TEST_F(PolverTest, TraceAlignmentElementsCalcListAndSetOut) {
  WriteText(polver.editor, kPointLines + kSetOutLines);
  HWND dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  WriteText(GetDlgItem(dialog, IDC_PK_START), "0");
  WriteText(GetDlgItem(dialog, IDC_VERTICES), kElements);
  // The dialog paints its lower controls a moment after it answers.
  Settle(dialog);
  Sleep(700);
  SaveScreenshot("trace-alignment-elements");

  const AlignmentTexts texts = {"0", kElements, false, ""};
  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(AlignmentCalcBlock(texts), calc);

  const std::string list = PressOverSelection(polver, dialog, IDC_LIST_PK_D, 0, kPointLines.size());
  EXPECT_EQ(AlignmentListBlock(texts, kPointLines), list);

  const size_t start = kPointLines.size();
  const std::string setOut =
      PressOverSelection(polver, dialog, IDC_SET_OUT, start, start + kSetOutLines.size());
  EXPECT_EQ(AlignmentSetOutBlock(texts, kSetOutLines), setOut);

  PressButton(dialog, IDCANCEL);
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", kAlignmentCaption));
}
