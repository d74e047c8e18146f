#include "calculator_driver.h"

#include <gtest/gtest.h>

#include "frame/report.h"
#include "resource.h"

HWND OpenCalculator(const Polver& polver, int command, const CalculatorSpec& calculator) {
  PostCommand(polver.main, command);
  HWND dialog = WaitForWindow(polver.process.dwProcessId, "#32770", calculator.dialogTitle);
  EXPECT_NE(nullptr, dialog) << calculator.dialogTitle << " did not open";
  return dialog;
}

void FillFields(HWND dialog, const std::map<int, std::string>& texts) {
  for (const auto& entry : texts) WriteText(GetDlgItem(dialog, entry.first), entry.second);
}

std::string WaitForGrowth(HWND editor, size_t before) {
  std::string text = ReadText(editor);
  for (int waited = 0; waited < 10000 && text.size() <= before; waited += 50) {
    Sleep(50);
    text = ReadText(editor);
  }
  // The blocks arrive one by one: wait until the text stops changing.
  for (int waited = 0; waited < 5000; waited += 100) {
    Sleep(100);
    std::string again = ReadText(editor);
    if (again == text) break;
    text = again;
  }
  return text.size() > before ? text.substr(before) : std::string();
}

std::string Calculate(const Polver& polver, HWND dialog) {
  const size_t before = ReadText(polver.editor).size();
  PressButton(dialog, IDOK);
  return WaitForGrowth(polver.editor, before);
}

void CloseCalculator(const Polver& polver, HWND dialog, const CalculatorSpec& calculator) {
  PressButton(dialog, IDCANCEL);
  EXPECT_TRUE(WaitForWindowGone(polver.process.dwProcessId, "#32770", calculator.dialogTitle));
  // A closed dialog is hidden first and destroyed a moment later: wait for the end of it, so
  // that whatever is counted next no longer sees its windows.
  for (int waited = 0; IsWindow(dialog) && waited < 10000; waited += 20) Sleep(20);
  EXPECT_FALSE(IsWindow(dialog));
}

std::string ExpectedReport(const CalculatorSpec& calculator, RememberedInputs& remembered,
                           const std::map<int, std::string>& typed,
                           CalcOutcome (*compute)(RememberedInputs&),
                           std::vector<std::string>* outputTexts) {
  CalcRun run = RunCalculation(calculator, remembered, typed, compute);
  if (outputTexts != nullptr) *outputTexts = run.outputTexts;
  return run.appended;
}

void ClickInto(HWND control) {
  RECT box;
  GetWindowRect(control, &box);
  const int x = (box.left + box.right) / 2;
  const int y = (box.top + box.bottom) / 2;
  RunLinux("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
  Settle(control);
}

const char* const kAlignmentCaption = "Trace Alignment";
const char* const kWorkedVertices =
    "V0 500 200\r\nV1 900 1200 600 120\r\nV2 700 2200 800 0\r\nV3 1500 3000 500 80\r\n"
    "V4 1600 4000";
const char* const kWorkedProfile =
    "1100 151\r\n1800 158 10000\r\n3000 149 15000\r\n4200 155 0\r\n5200 152";

HWND OpenAlignment(const Polver& polver) {
  PostCommand(polver.main, CMD_TRACE_ALIGNMENT);
  HWND dialog = WaitForWindow(polver.process.dwProcessId, "#32770", kAlignmentCaption);
  EXPECT_NE(nullptr, dialog) << "Trace Alignment did not open";
  return dialog;
}

std::string PressOverSelection(const Polver& polver, HWND dialog, int button, size_t start,
                               size_t end) {
  SendMessageA(polver.editor, EM_SETSEL, start, end);
  const size_t before = ReadText(polver.editor).size();
  PressButton(dialog, button);
  return WaitForGrowth(polver.editor, before);
}
