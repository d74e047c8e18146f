// How long CALC takes in polver.exe, from the click on the button to the whole report in the
// editor, against the floor any report has: one EM_REPLACESEL of the same report text into the
// same editor. The case is Trace Connecting's worked example, the longest report.
//
// Usage (under Wine, with a display): calc_benchmark.exe <polver.exe path>
// Prints both times (best of kRuns, each into an emptied editor) and their ratio; exits with 1
// when the ratio is above 1.2 and with 2 when the measurement itself failed.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench_windows.h"
#include "resource.h"

namespace {

constexpr int kRuns = 20;
constexpr double kTargetRatio = 1.2;
constexpr UINT kTimeoutMs = 5000;

const FieldText kWorkedExample[] = {
    {IDC_PK_A, "1000"}, {IDC_Y_A, "0"},    {IDC_X_A, "0"},     {IDC_PK_B, "1100"},
    {IDC_Y_B, "0"},     {IDC_X_B, "100"},  {IDC_Y_CK, "-300"}, {IDC_X_CK, "100"},
    {IDC_R, "300"},     {IDC_L_SK, "100"}, {IDC_Q, "0"},       {IDC_PZ_NAME, "S1"},
    {IDC_Y_PZ, "-5"},   {IDC_X_PZ, "90"},
};
const char kExpectedPkPz[] = "1090.1286";

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs,
                           &result)) {
    return -1;
  }
  return static_cast<LRESULT>(result);
}

std::string ReadText(HWND window) {
  const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

// Empties the editor and lets the program repaint it, so that no earlier work is timed.
void EmptyEditor(HWND editor) {
  Send(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  Sleep(100);
  Send(editor, WM_GETTEXTLENGTH, 0, 0);
}

// Seconds from the click on CALC until the editor holds `expectedLength` characters; the
// program answers no message while it calculates, so each poll waits for it.
double TimeOneCalc(HWND dialog, HWND editor, LRESULT expectedLength) {
  EmptyEditor(editor);
  const double start = Seconds();
  PostMessageA(GetDlgItem(dialog, IDC_CALC), BM_CLICK, 0, 0);
  while (Seconds() - start < 30) {
    const LRESULT length = Send(editor, WM_GETTEXTLENGTH, 0, 0);
    if (length < 0) return -1;
    if (length == expectedLength) return Seconds() - start;
  }
  return -1;
}

// One message to the program and its answer, with nothing to do: part of both times above.
double TimeOneRoundTrip(HWND editor) {
  const double start = Seconds();
  Send(editor, WM_GETTEXTLENGTH, 0, 0);
  return Seconds() - start;
}

double TimeOneReplaceSel(HWND editor, const std::string& report) {
  EmptyEditor(editor);
  const double start = Seconds();
  Send(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(report.c_str()));
  const double seconds = Seconds() - start;
  return Send(editor, WM_GETTEXTLENGTH, 0, 0) == static_cast<LRESULT>(report.size()) ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: calc_benchmark.exe <polver.exe>\n");
    return 2;
  }
  RunningPolver polver = StartPolver(argv[1]);
  HWND editor = polver.mainWindow ? GetDlgItem(polver.mainWindow, IDC_EDITOR) : nullptr;
  HWND dialog = nullptr;
  if (editor != nullptr) {
    PostMessageA(polver.mainWindow, WM_COMMAND, CMD_TRACE_CONNECTING, 0);
    dialog = WaitForWindow(polver.process.dwProcessId, L"#32770", nullptr);
  }
  if (dialog == nullptr) {
    std::fprintf(stderr, "polver.exe or its Trace Connecting dialog did not come up\n");
    EndPolver(polver);
    return 2;
  }
  for (const FieldText& field : kWorkedExample) {
    Send(GetDlgItem(dialog, field.id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(field.text));
  }

  // A first CALC, untimed, gives the report (the whole editor, emptied before it).
  EmptyEditor(editor);
  PostMessageA(GetDlgItem(dialog, IDC_CALC), BM_CLICK, 0, 0);
  std::string report;
  for (int waited = 0; report.empty() && waited < 10000; waited += 20) {
    Sleep(20);
    report = ReadText(editor);
  }
  if (report.empty() || ReadText(GetDlgItem(dialog, IDC_PK_PZ)) != kExpectedPkPz) {
    std::fprintf(stderr, "CALC gave no report, or not the worked example's PK_pz %s\n",
                 kExpectedPkPz);
    EndPolver(polver);
    return 2;
  }

  double calc = -1;
  double replaceSel = -1;
  double roundTrip = -1;
  for (int run = 0; run < kRuns; ++run) {
    const double oneCalc = TimeOneCalc(dialog, editor, static_cast<LRESULT>(report.size()));
    const double oneReplaceSel = TimeOneReplaceSel(editor, report);
    const double oneRoundTrip = TimeOneRoundTrip(editor);
    if (oneCalc < 0 || oneReplaceSel < 0) {
      calc = replaceSel = -1;
      break;
    }
    calc = calc < 0 || oneCalc < calc ? oneCalc : calc;
    replaceSel = replaceSel < 0 || oneReplaceSel < replaceSel ? oneReplaceSel : replaceSel;
    roundTrip = roundTrip < 0 || oneRoundTrip < roundTrip ? oneRoundTrip : roundTrip;
  }
  EndPolver(polver);
  if (calc <= 0 || replaceSel <= 0) {
    std::fprintf(stderr, "the measurement failed (CALC %.4f s, EM_REPLACESEL %.4f s)\n", calc,
                 replaceSel);
    return 2;
  }
  const double ratio = calc / replaceSel;
  std::printf("CALC in Trace Connecting, click to report in the editor: %6.1f ms\n", calc * 1000);
  std::printf("One EM_REPLACESEL of the same %zu-byte report:         %6.1f ms\n", report.size(),
              replaceSel * 1000);
  std::printf("One message round trip to the program, for scale:  %6.1f ms\n", roundTrip * 1000);
  std::printf("Ratio: %.2f (target <= %.1f)\n", ratio, kTargetRatio);
  return ratio <= kTargetRatio ? 0 : 1;
}
