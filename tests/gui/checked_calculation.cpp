#include "checked_calculation.h"

#include <algorithm>
#include <regex>

#include "calculator_driver.h"

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

// A piece of text around a position, short enough to print.
std::string Around(const std::string& text, size_t position) {
  const size_t from = position > 40 ? position - 40 : 0;
  return ::testing::PrintToString(text.substr(from, 80));
}

}  // namespace

bool PressCalcAndWait(HWND dialog, int timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)), SMTO_NORMAL,
                             static_cast<UINT>(timeoutMs), &result) != 0;
}

// The wide message, as ReadText uses: in a single-byte code page the counts are the same.
long TextLength(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                           &length)) {
    return -1;
  }
  return static_cast<long>(length);
}

long WaitForTextLength(HWND window, long length, int timeoutMs) {
  long seen = TextLength(window);
  for (int waited = 0; waited < timeoutMs && seen != length; waited += 5) {
    Sleep(5);
    seen = TextLength(window);
  }
  return seen;
}

::testing::AssertionResult SameText(const std::string& expected, const std::string& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  const auto mismatch =
      std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
  const size_t at = static_cast<size_t>(mismatch.first - expected.begin());
  return ::testing::AssertionFailure()
         << "texts differ at character " << at << " (expected " << expected.size()
         << " characters, got " << actual.size() << ")\n  expected there: " << Around(expected, at)
         << "\n  actual there:   " << Around(actual, at);
}

bool IsOutputText(const std::string& text) {
  static const std::regex kForms(
      "-?([0-9]+|[0-9](\\.[0-9]+)?E[+-][0-9]{2,3})\\.[0-9]{4}|-?INF\\.0NAN|NAN\\.0NAN");
  return std::regex_match(text, kForms);
}

::testing::AssertionResult AliveAndAnswering(const Polver& polver, HWND window) {
  if (WaitForSingleObject(polver.process.hProcess, 0) != WAIT_TIMEOUT) {
    DWORD code = 0;
    GetExitCodeProcess(polver.process.hProcess, &code);
    return ::testing::AssertionFailure() << "the program has ended with code " << code;
  }
  DWORD_PTR result = 0;
  if (!IsWindow(window) ||
      !SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result)) {
    return ::testing::AssertionFailure() << "the window does not answer";
  }
  return ::testing::AssertionSuccess();
}

std::string CheckedCalc(const Polver& polver, HWND dialog, const CalculatorUnderTest& calculator,
                        const std::map<int, std::string>& typed, RememberedInputs& remembered,
                        long editorLengthBefore) {
  std::vector<std::string> outputs;
  const std::string expected =
      ExpectedReport(*calculator.table, remembered, typed, calculator.compute, &outputs);
  if (!PressCalcAndWait(dialog)) {
    ADD_FAILURE() << "CALC got no answer: " << AliveAndAnswering(polver, polver.main).message();
    return std::string();
  }
  const long wanted = editorLengthBefore + static_cast<long>(expected.size());
  const long seen = WaitForTextLength(polver.editor, wanted);
  EXPECT_EQ(wanted, seen) << "the editor's length after CALC";
  for (size_t i = 0; i < calculator.table->outputIds.size(); ++i) {
    const int id = calculator.table->outputIds[i];
    const std::string shown = ReadText(GetDlgItem(dialog, id));
    EXPECT_EQ(i < outputs.size() ? outputs[i] : std::string(), shown) << "output field " << id;
    EXPECT_TRUE(IsOutputText(shown)) << "output field " << id << " shows " << shown;
  }
  return expected;
}
