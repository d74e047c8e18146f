// Trace Alignment with a profile, from the menu to the blocks in the editor: CALC, "List PK, d",
// "Set out" and "List H" of the worked alignment with its heights, the profile lines remembered
// on reopening, and Enter making a new line in the Profile field (real keys).
#include <cstring>
#include <string>

#include "alignment/alignment_heights.h"
#include "alignment/alignment_report.h"
#include "calculator_driver.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

const std::string kPointLines =
    "P0 518.57 246.42 150.00\r\nP1 870 1180 157.20\r\nP4 880 1000\r\nfar 0 0 100\r\n";
const std::string kSetOutLines = "B 1850 -1.5\r\n";
const std::string kLevelLines = "K2 1750 157.70\r\n2950 149.20\r\nK5 5300 150\r\n";

bool Holds(const std::string& block, const std::string& lines) {
  return block.find("\r\n" + lines + "\r\n") != std::string::npos;
}

}  // namespace

TEST_F(PolverTest, AlignmentHeightsCalcListsSetOutAndRememberedProfile) {
  WriteText(polver.editor, kPointLines + kSetOutLines + kLevelLines);
  HWND dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  WriteText(GetDlgItem(dialog, IDC_PK_START), "1000");
  WriteText(GetDlgItem(dialog, IDC_VERTICES), kWorkedVertices);
  WriteText(GetDlgItem(dialog, IDC_PROFILE), kWorkedProfile);
  // The dialog paints its lower controls a moment after it answers.
  Settle(dialog);
  Sleep(700);
  SaveScreenshot("alignment-heights");

  const AlignmentTexts texts = {"1000", kWorkedVertices, false, kWorkedProfile};
  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(AlignmentCalcBlock(texts), calc);
  EXPECT_TRUE(Holds(calc,
                    "Profile:\r\n1100 151\r\n1800 158 10000\r\n3000 149 15000\r\n"
                    "4200 155 0\r\n5200 152\r\n"));
  EXPECT_TRUE(Holds(calc,
                    "Point\tPK\tY\tX\tH\r\nV0\t1000.0000\t500.0000\t200.0000\t-\r\n"
                    "V1 NSK\t1838.3934\t811.3715\t978.4287\t157.5915\r\n"
                    "V1 NKK\t1958.3934\t852.1826\t1091.2190\t156.8120"));
  EXPECT_TRUE(Holds(calc, "V2 KKK\t3444.3868\t1002.7457\t2502.7457\t151.2219"));
  EXPECT_TRUE(Holds(calc,
                    "V3 KSK\t4351.8119\t1521.7578\t3217.5783\t154.5446\r\n"
                    "V4\t5138.1360\t1600.0000\t4000.0000\t152.1856\r\n"));
  EXPECT_TRUE(
      Holds(calc,
            "PK\tH\tGrade (1/1000)\tRv\tT\tE\tPK begin\tPK end\r\n"
            "1100.0000\t151.0000\t10.0000\t-\t-\t-\t-\t-\r\n"
            "1800.0000\t158.0000\t-7.5000\t10000.0000\t87.5000\t0.3828\t1712.5000\t1887.5000\r\n"
            "3000.0000\t149.0000\t5.0000\t15000.0000\t93.7500\t0.2930\t2906.2500\t3093.7500\r\n"
            "4200.0000\t155.0000\t-3.0000\t0.0000\t0.0000\t0.0000\t4200.0000\t4200.0000\r\n"
            "5200.0000\t152.0000\t-\t-\t-\t-\t-\t-\r\n\r\nLength=4138.1360   Curves=3"));

  const std::string list = PressOverSelection(polver, dialog, IDC_LIST_PK_D, 0, kPointLines.size());
  EXPECT_EQ(AlignmentListBlock(texts, kPointLines), list);
  EXPECT_TRUE(
      Holds(list,
            "Point\tY\tX\tH\tPK\td\tH design\tdH\tElement\r\n"
            "P0\t518.5700\t246.4200\t150.0000\t1049.9966\t0.0019\t-\t-\tstraight V0-V1\t"
            "!Chainage outside of profile!\r\n"
            "P1\t870.0000\t1180.0000\t157.2000\t2049.0759\t-0.6247\t156.1319\t1.0681\tV1 curve\r\n"
            "P4\t880.0000\t1000.0000\t-\t1883.1334\t55.9213\t157.3755\t-\tV1 entry spiral\r\n"
            "far\t0.0000\t0.0000\t100.0000\t-\t-\t-\t-\t!Point outside of alignment!\r\n\r\n"
            "Points=4   Outside=1   Not read=0"));

  const std::string setOut = PressOverSelection(polver, dialog, IDC_SET_OUT, kPointLines.size(),
                                                kPointLines.size() + kSetOutLines.size());
  EXPECT_EQ(AlignmentSetOutBlock(texts, kSetOutLines), setOut);
  EXPECT_TRUE(Holds(setOut,
                    "Point\tPK\td\tY\tX\tH\tElement\r\n"
                    "B\t1850.0000\t-1.5000\t814.2855\t989.7623\t157.5547\tV1 entry spiral"));

  const std::string heights =
      PressOverSelection(polver, dialog, IDC_LIST_H, kPointLines.size() + kSetOutLines.size(),
                         kPointLines.size() + kSetOutLines.size() + kLevelLines.size());
  EXPECT_EQ(AlignmentHeightsBlock(texts, kLevelLines), heights);
  EXPECT_EQ(
      "\r\nCalculation on alignment: heights\r\n\r\nProfile:\r\n1100 151\r\n"
      "1800 158 10000\r\n3000 149 15000\r\n4200 155 0\r\n5200 152\r\n\r\n"
      "Point\tPK\tH\tH design\tdH\r\n"
      "K2\t1750.0000\t157.7000\t157.4297\t0.2703\r\n"
      "\t2950.0000\t149.2000\t149.4388\t-0.2388\r\n"
      "K5\t5300.0000\t150.0000\t-\t-\t!Chainage outside of profile!\r\n\r\n"
      "Points=3   Outside=1   Not read=0\r\n",
      heights);

  // A real click on "List H" with nothing selected: the point lists' message and nothing
  // appended; afterwards Enter means CALC again.
  SendMessageA(polver.editor, EM_SETSEL, 0, 0);
  const size_t before = ReadText(polver.editor).size();
  BringToFront(dialog);
  ClickInto(GetDlgItem(dialog, IDC_LIST_H));
  HWND box = WaitForWindow(Pid(), "#32770", "Point list");
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("Select the point lines in the editor first.", MessageBoxText(box));
  PressButton(box, IDOK);
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", "Point list"));
  EXPECT_EQ(before, ReadText(polver.editor).size());
  PressKeys("Return");
  EXPECT_EQ(AlignmentCalcBlock(texts), WaitForGrowth(polver.editor, before));

  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(Pid(), "#32770", kAlignmentCaption));
  // The List H block at the top of the editor's window, for the README's picture.
  const std::string all = ReadText(polver.editor);
  const size_t block = all.rfind("\r\nCalculation on alignment: heights");
  SendMessageA(polver.editor, EM_SETSEL, all.size(), all.size());
  SendMessageA(polver.editor, EM_SCROLLCARET, 0, 0);
  SendMessageA(polver.editor, EM_LINESCROLL, 0,
               SendMessageA(polver.editor, EM_LINEFROMCHAR, block, 0) -
                   SendMessageA(polver.editor, EM_GETFIRSTVISIBLELINE, 0, 0));
  Settle(polver.editor);
  SaveScreenshot("alignment-heights-report");

  dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  HWND profile = GetDlgItem(dialog, IDC_PROFILE);
  EXPECT_EQ(kWorkedProfile, ReadText(profile));

  // Enter in the Profile field makes a new line there and runs nothing.
  ClickInto(profile);
  const size_t length = ReadText(polver.editor).size();
  PressKeys("Return");
  for (int waited = 0; waited < 5000 && ReadText(profile).size() == std::strlen(kWorkedProfile);
       waited += 50)
    Sleep(50);
  EXPECT_EQ(std::strlen(kWorkedProfile) + 2, ReadText(profile).size());
  EXPECT_EQ(length, ReadText(polver.editor).size());
  PressKeys("Escape");
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", kAlignmentCaption));
}
