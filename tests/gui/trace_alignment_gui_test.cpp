// Trace Alignment from the menu to the blocks in the editor: CALC of the worked alignment, a
// point list and a setting out over selected lines, the vertex lines remembered on reopening.
#include <cstdlib>
#include <cstring>
#include <string>

#include "alignment/alignment_report.h"
#include "calculator_driver.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

const char* const kVertices =
    "V0 500 200\r\nV1 900 1200 600 120\r\n\r\nV2 700 2200 800 0\r\nV3 1500 3000 500 80\r\n"
    "V4 1600 4000";
const std::string kPointLines = "P1 870 1180\r\nP3 830 1400\r\nP5 0 0\r\nbad line\r\n";
const std::string kSetOutLines = "S1;2049,0759;-0,6247\r\nS2 9000 0\r\n";

}  // namespace

TEST_F(PolverTest, TraceAlignmentCalcListSetOutAndRememberedVertices) {
  WriteText(polver.editor, kPointLines + kSetOutLines);
  HWND dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(" 0", ReadText(GetDlgItem(dialog, IDC_PK_START)));
  EXPECT_EQ("", ReadText(GetDlgItem(dialog, IDC_VERTICES)));
  WriteText(GetDlgItem(dialog, IDC_PK_START), "1000");
  WriteText(GetDlgItem(dialog, IDC_VERTICES), kVertices);
  SaveScreenshot("trace-alignment");

  const AlignmentTexts texts = {"1000", kVertices, false, ""};
  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(AlignmentCalcBlock(texts), calc);
  EXPECT_NE(std::string::npos, calc.find("\r\nV1 NSK\t1838.3934\t811.3715\t978.4287\r\n"));
  EXPECT_NE(std::string::npos, calc.find("\r\nLength=4138.1360   Curves=3\r\n"));

  const std::string list = PressOverSelection(polver, dialog, IDC_LIST_PK_D, 0, kPointLines.size());
  EXPECT_EQ(AlignmentListBlock(texts, kPointLines), list);
  EXPECT_NE(std::string::npos,
            list.find("\r\nP1\t870.0000\t1180.0000\t2049.0759\t-0.6247\tV1 curve\r\n"));

  // The set-out lines come after the points; S1 is P1's chainage and offset, back at P1.
  const size_t start = kPointLines.size();
  const std::string setOut =
      PressOverSelection(polver, dialog, IDC_SET_OUT, start, start + kSetOutLines.size());
  EXPECT_EQ(AlignmentSetOutBlock(texts, kSetOutLines), setOut);
  const std::string rowStart = "\r\nS1\t2049.0759\t-0.6247\t";
  const size_t row = setOut.find(rowStart);
  ASSERT_NE(std::string::npos, row);
  const char* coordinates = setOut.c_str() + row + rowStart.size();
  char* next = nullptr;
  EXPECT_NEAR(870, std::strtod(coordinates, &next), 2e-4);
  EXPECT_NEAR(1180, std::strtod(next, nullptr), 2e-4);
  EXPECT_NE(std::string::npos, setOut.find("\r\nS2\t9000.0000\t0.0000\t-\t-\t"
                                           "!Chainage outside of alignment!\r\n"));

  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(Pid(), "#32770", kAlignmentCaption));
  SendMessageA(polver.editor, EM_SETSEL, 0, 0);
  SendMessageA(polver.editor, EM_SCROLLCARET, 0, 0);
  SaveScreenshot("trace-alignment-report");

  dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(" 1000", ReadText(GetDlgItem(dialog, IDC_PK_START)));
  EXPECT_EQ(kVertices, ReadText(GetDlgItem(dialog, IDC_VERTICES)));

  // Enter in PK start is CALC; in the vertex lines it makes a new line; Escape there closes.
  ClickInto(GetDlgItem(dialog, IDC_PK_START));
  const size_t before = ReadText(polver.editor).size();
  PressKeys("Return");
  EXPECT_EQ(AlignmentCalcBlock({" 1000", kVertices, false, ""}),
            WaitForGrowth(polver.editor, before));
  HWND vertices = GetDlgItem(dialog, IDC_VERTICES);
  ClickInto(vertices);
  const size_t length = ReadText(polver.editor).size();
  PressKeys("Return");
  for (int waited = 0; waited < 5000 && ReadText(vertices).size() == std::strlen(kVertices);
       waited += 50)
    Sleep(50);
  EXPECT_EQ(std::strlen(kVertices) + 2, ReadText(vertices).size());
  EXPECT_EQ(length, ReadText(polver.editor).size());
  PressKeys("Escape");
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", kAlignmentCaption));
}
