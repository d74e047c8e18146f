// Point lists end to end, one Trace dialog each: the selected point lines give their block, the
// single CALC of each point agrees with its row, and setting out the rows' PK and d gives the
// points back.
#include <map>
#include <string>
#include <vector>

#include "calculator_driver.h"
#include "point_lists/point_lines.h"
#include "point_lists/point_list.h"
#include "polver_fixture.h"
#include "resource.h"
#include "trace/trace_circular.h"
#include "trace/trace_connecting.h"
#include "trace/trace_linear.h"

namespace {

using Strings = std::vector<std::string>;
using Fields = std::map<int, std::string>;

// What the editor holds above the point lines: never touched by a point list.
const std::string kSurveyHead = "Survey of 7 December\r\n";

Strings Split(const std::string& text, const std::string& separator) {
  Strings parts;
  size_t start = 0;
  for (size_t end; (end = text.find(separator, start)) != std::string::npos;) {
    parts.push_back(text.substr(start, end - start));
    start = end + separator.size();
  }
  parts.push_back(text.substr(start));
  return parts;
}

// The table rows of a block, each cut into its cells.
std::vector<Strings> TableRows(const std::string& block) {
  std::vector<Strings> rows;
  bool inTable = false;
  for (const std::string& line : Split(block, "\r\n")) {
    if (line.compare(0, 6, "Point\t") == 0) {
      inTable = true;
    } else if (inTable && line.empty()) {
      break;
    } else if (inTable) {
      rows.push_back(Split(line, "\t"));
    }
  }
  return rows;
}

// The block the program must append, worked out without any window from the same field texts.
std::string ExpectedBlock(const CalculatorSpec& calculator, const Fields& typed,
                          PointListAction action, bool xBeforeY, const std::string& selection) {
  Strings texts;
  for (const InputField& field : calculator.inputs) {
    const auto found = typed.find(field.controlId);
    texts.push_back(IsPointField(field) || found == typed.end() ? "" : found->second);
  }
  RememberedInputs inputs = InitialInputs();
  return PointListBlock(calculator, texts, inputs, action, xBeforeY, NonBlankLines(selection));
}

// Puts lines at the end of the editor, selects them, presses the button and returns the block.
std::string PressOnLines(const Polver& polver, HWND dialog, int button, const std::string& lines) {
  const std::string before = ReadText(polver.editor);
  WriteText(polver.editor, before + lines);
  SendMessageA(polver.editor, EM_SETSEL, before.size(), before.size() + lines.size());
  PressButton(dialog, button);
  return WaitForGrowth(polver.editor, before.size() + lines.size());
}

// The whole story on one dialog: list the points (checked against the block worked out here), the
// point fields and the outputs untouched, each row against the single CALC of its point, then set
// out from the rows' PK and d and get the points' coordinates back.
void CheckPointList(const Polver& polver, const CalculatorSpec& calculator, int command,
                    const Fields& element, const std::string& points, bool setOutXBeforeY,
                    const std::string& screenshot) {
  WriteText(polver.editor, kSurveyHead);
  HWND dialog = OpenCalculator(polver, command, calculator);
  ASSERT_NE(nullptr, dialog);
  FillFields(dialog, element);
  FillFields(dialog, {{IDC_PZ_NAME, "old"}, {IDC_Y_PZ, "1"}, {IDC_X_PZ, "2"}});

  const std::string block = PressOnLines(polver, dialog, IDC_LIST_PK_D, points);
  EXPECT_EQ(ExpectedBlock(calculator, element, ListStations, false, points), block);
  const std::string listed = ReadText(polver.editor);
  EXPECT_EQ(kSurveyHead + points + block, listed);
  DWORD start = 0, end = 0;
  SendMessageA(polver.editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(listed.size(), start);
  EXPECT_EQ(listed.size(), end);
  EXPECT_EQ("old", ReadText(GetDlgItem(dialog, IDC_PZ_NAME)));
  EXPECT_EQ("", ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
  // The selection stays visible behind the dialog: select the points again for the picture.
  SendMessageA(polver.editor, EM_SETSEL, kSurveyHead.size(), kSurveyHead.size() + points.size());
  SaveScreenshot(screenshot);

  const std::vector<Strings> rows = TableRows(block);
  ASSERT_FALSE(rows.empty());
  std::string setOutLines;
  for (const Strings& row : rows) {
    SCOPED_TRACE(row[0]);
    ASSERT_GE(row.size(), 5u);
    FillFields(dialog, {{IDC_PZ_NAME, row[0]}, {IDC_Y_PZ, row[1]}, {IDC_X_PZ, row[2]}});
    const std::string report = Calculate(polver, dialog);
    if (row.size() == 6) {
      EXPECT_NE(std::string::npos, report.find("\r\n" + row[5] + "\r\n"));
    } else {
      EXPECT_EQ(row[3], ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
      EXPECT_EQ(row[4], ReadText(GetDlgItem(dialog, IDC_D_PZ)));
      setOutLines += row[0] + " " + row[3] + " " + row[4] + "\r\n";
    }
  }

  if (setOutXBeforeY) {
    PostMessageA(GetDlgItem(dialog, IDC_X_BEFORE_Y), BM_CLICK, 0, 0);
    Settle(dialog);
  }
  const std::string setOut = PressOnLines(polver, dialog, IDC_SET_OUT, setOutLines);
  EXPECT_EQ(ExpectedBlock(calculator, element, SetOutStations, setOutXBeforeY, setOutLines),
            setOut);
  size_t next = 0;
  for (const Strings& row : TableRows(setOut)) {
    while (next < rows.size() && rows[next].size() == 6) ++next;
    ASSERT_LT(next, rows.size());
    const Strings& point = rows[next++];
    ASSERT_EQ(5u, row.size());
    EXPECT_EQ(point[0], row[0]);
    // PK and d went in at four decimals: the coordinates come back to within their rounding.
    EXPECT_NEAR(std::stod(setOutXBeforeY ? point[2] : point[1]), std::stod(row[3]), 2e-4);
    EXPECT_NEAR(std::stod(setOutXBeforeY ? point[1] : point[2]), std::stod(row[4]), 2e-4);
  }
  CloseCalculator(polver, dialog, calculator);
}

}  // namespace

TEST_F(PolverTest, PointListOnTraceLinear) {
  const Fields element = {{IDC_PK_A, "1000"}, {IDC_Y_A, "500"}, {IDC_X_A, "200"},
                          {IDC_PK_B, "1100"}, {IDC_Y_B, "560"}, {IDC_X_B, "280"}};
  // Nothing selected: a click on the button gives a message and nothing else, and Enter still
  // means CALC afterwards.
  WriteText(polver.editor, kSurveyHead);
  HWND dialog = OpenCalculator(polver, CMD_TRACE_LINEAR, kTraceLinear);
  ASSERT_NE(nullptr, dialog);
  FillFields(dialog, element);
  BringToFront(dialog);
  ClickInto(GetDlgItem(dialog, IDC_LIST_PK_D));
  HWND box = WaitForWindow(Pid(), "#32770", "Point list");
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("Select the point lines in the editor first.", MessageBoxText(box));
  PressButton(box, IDOK);
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", "Point list"));
  EXPECT_EQ(kSurveyHead, ReadText(polver.editor));
  EXPECT_EQ("", ReadText(GetDlgItem(dialog, IDC_PK_PZ)));
  PressKeys("Return");
  const std::string report = WaitForGrowth(polver.editor, kSurveyHead.size());
  EXPECT_EQ(0u, report.find("\r\nCalculation on linear trace\r\n"));
  CloseCalculator(polver, dialog, kTraceLinear);

  // The worked example; its block, letter for letter, is in the PointList unit tests.
  const std::string points = "P1 530 260\r\nP2,560,280\r\nK-3;515,5;212\r\ngarbage line\r\n600 300";
  CheckPointList(polver, kTraceLinear, CMD_TRACE_LINEAR, element, points, false,
                 "point-list-trace-linear");
}

TEST_F(PolverTest, PointListOnTraceCircular) {
  const Fields element = {{IDC_PK_A, "1000"},      {IDC_Y_A, "0"},   {IDC_X_A, "100"},
                          {IDC_PK_B, "1157.0796"}, {IDC_Y_B, "100"}, {IDC_X_B, "0"},
                          {IDC_Y_CK, "0"},         {IDC_X_CK, "0"},  {IDC_R, "100"},
                          {IDC_Z, "0.05"},         {IDC_Q, "-0.02"}};
  CheckPointList(polver, kTraceCircular, CMD_TRACE_CIRCULAR, element,
                 "C1 70 72\r\nC2;20,5;99\r\nC3 -50 -50\r\nx y z\r\n", false,
                 "point-list-trace-circular");
}

TEST_F(PolverTest, PointListOnTraceConnecting) {
  const Fields element = {{IDC_PK_A, "1000"}, {IDC_Y_A, "0"},    {IDC_X_A, "0"},
                          {IDC_PK_B, "1100"}, {IDC_Y_B, "0"},    {IDC_X_B, "100"},
                          {IDC_Y_CK, "-300"}, {IDC_X_CK, "100"}, {IDC_R, "300"},
                          {IDC_L_SK, "100"},  {IDC_Q, "0.01"}};
  CheckPointList(polver, kTraceConnecting, CMD_TRACE_CONNECTING, element,
                 "S1 -0.5 80\r\nS2\t-3\t120\r\nfar -2 300\r\nS4 no 1\r\n", true,
                 "point-list-trace-connecting");
  // The table in the editor, for the README's picture.
  SendMessageA(polver.editor, EM_SETSEL, 0, 0);
  SendMessageA(polver.editor, EM_SCROLLCARET, 0, 0);
  SaveScreenshot("point-list-table");
}
