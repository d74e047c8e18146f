// Trace Alignment with a cant, from the menu to the blocks in the editor: "List PK, d" and
// "List cant" of the worked alignment with its profile and cant, the cant lines remembered on
// reopening, Enter making a new line in the Cant field (real keys), and "List PK, d" of rail-head
// shots on the track canted about its inner rail.
#include <cstring>
#include <string>

#include "alignment/alignment_cant.h"
#include "alignment/alignment_report.h"
#include "calculator_driver.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

const char* const kWorkedCant =
    "1000 0\r\n1840 0\r\n1960 -90\r\n2185 -90\r\n2305 0\r\n2600 0\r\n2660 60\r\n3440 60\r\n"
    "3500 0\r\n3930 0\r\n4010 -75\r\n4270 -75\r\n4350 0\r\n5140 0";
const std::string kPointLines =
    "P1 870 1180 157.20 -85\r\nP4 880 1000 - -60\r\nP5 790 1500 156.10\r\nfar 0 0 100 0\r\n";
const std::string kCantLines = "K1 1900 -41\r\n1950 -87\r\nK3 1956 -92\r\nK4 6000 0\r\nbad\r\n";

// The worked alignment and profile typed into the dialog's fields, with the cant given.
void FillWorked(HWND dialog, const std::string& cant) {
  WriteText(GetDlgItem(dialog, IDC_PK_START), "1000");
  WriteText(GetDlgItem(dialog, IDC_VERTICES), kWorkedVertices);
  WriteText(GetDlgItem(dialog, IDC_PROFILE), kWorkedProfile);
  WriteText(GetDlgItem(dialog, IDC_CANT), cant);
}

}  // namespace

TEST_F(PolverTest, AlignmentCantListsAndRememberedCant) {
  WriteText(polver.editor, kPointLines + kCantLines);
  HWND dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  FillWorked(dialog, kWorkedCant);
  // The dialog paints its lower controls a moment after it answers.
  Settle(dialog);
  Sleep(700);
  SaveScreenshot("alignment-cant");

  const AlignmentTexts texts = {"1000", kWorkedVertices, false, kWorkedProfile, kWorkedCant};
  const std::string list = PressOverSelection(polver, dialog, IDC_LIST_PK_D, 0, kPointLines.size());
  EXPECT_EQ(AlignmentListBlock(texts, kPointLines), list);

  const std::string cant = PressOverSelection(polver, dialog, IDC_LIST_CANT, kPointLines.size(),
                                              kPointLines.size() + kCantLines.size());
  EXPECT_EQ(AlignmentCantBlock(texts, kCantLines), cant);

  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(Pid(), "#32770", kAlignmentCaption));
  // The List cant block at the top of the editor's window, for the README's picture.
  const std::string all = ReadText(polver.editor);
  const size_t block = all.rfind("\r\nCalculation on alignment: cant");
  SendMessageA(polver.editor, EM_SETSEL, all.size(), all.size());
  SendMessageA(polver.editor, EM_SCROLLCARET, 0, 0);
  SendMessageA(polver.editor, EM_LINESCROLL, 0,
               SendMessageA(polver.editor, EM_LINEFROMCHAR, block, 0) -
                   SendMessageA(polver.editor, EM_GETFIRSTVISIBLELINE, 0, 0));
  Settle(polver.editor);
  SaveScreenshot("alignment-cant-report");

  dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  HWND field = GetDlgItem(dialog, IDC_CANT);
  EXPECT_EQ(kWorkedCant, ReadText(field));

  // Enter in the Cant field makes a new line there and runs nothing.
  ClickInto(field);
  const size_t length = ReadText(polver.editor).size();
  PressKeys("Return");
  for (int waited = 0; waited < 5000 && ReadText(field).size() == std::strlen(kWorkedCant);
       waited += 50)
    Sleep(50);
  EXPECT_EQ(std::strlen(kWorkedCant) + 2, ReadText(field).size());
  EXPECT_EQ(length, ReadText(polver.editor).size());
  PressKeys("Escape");
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", kAlignmentCaption));
}

// The rail-head shots of the worked track with "pivot inner" first in the Cant field: the heights
// of the rail heads' plane in the block the window appends.
TEST_F(PolverTest, AlignmentRailHeadShotsOnTheCantedTrack) {
  const std::string shots =
      "L1m 869.994 1180.932 156.131 -84\r\nR1m 871.482 1180.740 156.227 -84\r\n"
      "Mm 789.482 2119.376 149.310 61\r\nKm 1453.858 2977.123 154.590 -70\r\n"
      "Fm 1455.590 2976.124 - -\r\nfar 0 0 100 0\r\n";
  const std::string cant = std::string("pivot inner\r\n") + kWorkedCant;
  WriteText(polver.editor, shots);
  HWND dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  FillWorked(dialog, cant);
  const AlignmentTexts texts = {"1000", kWorkedVertices, false, kWorkedProfile, cant};
  const std::string list = PressOverSelection(polver, dialog, IDC_LIST_PK_D, 0, shots.size());
  EXPECT_EQ(AlignmentListBlock(texts, shots), list);
  EXPECT_NE(list.find("\tCant\tCant design\tdCant\tH track\tdH track\tElement\r\n"),
            std::string::npos)
      << list;
  PressButton(dialog, IDCANCEL);
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", kAlignmentCaption));
}
