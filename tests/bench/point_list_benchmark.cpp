// How long a point-list button takes in polver.exe, from the press to the whole block in the
// editor, against the floor of the edit control: one EM_REPLACESEL of the same block's text into
// the same editor, after the same point lines.
//
// Usage (under Wine, with a display): point_list_benchmark.exe <polver.exe path> [case name]
// Each case of kCases opens its dialog, fills its fields, puts its sample lines into the editor
// and selects them. Prints both times (best of four, taking turns) and their ratio per case; exits
// with 1 when a ratio is above 1.5 and with 2 when a measurement itself failed. A new case is one
// more entry in kCases (and, if needed, its own sample lines).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "alignment_sample.h"
#include "bench_windows.h"
#include "resource.h"

namespace {

constexpr int kRuns = 4;
constexpr int kPoints = 10000;
constexpr double kTargetRatio = 1.5;

// One benchmark: a dialog opened from the menu, its fields, the lines selected in the editor and
// the button pressed.
struct BenchCase {
  const char* name;
  int menuCommand;
  const wchar_t* dialogCaption;
  std::vector<FieldText> fields;
  std::string (*sampleLines)();
  int button;
};

// kPoints surveyed points "P<n> Y X" about a left-hand spiral from X 50 to X 150 beside the
// straight X axis; a few in every hundred lie outside it, and every thousandth line is not read.
std::string SpiralSurvey() {
  std::string text;
  char line[96];
  for (int i = 0; i < kPoints; ++i) {
    if (i % 1000 == 999) {
      text += "station set up here\r\n";
      continue;
    }
    const double x = 40.0 + 120.0 * (i % 997) / 997.0;
    const double y = -8.0 + 10.0 * (i % 89) / 89.0;
    std::snprintf(line, sizeof line, "P%d %.3f %.3f\r\n", i + 1, y, x);
    text += line;
  }
  return text;
}

// Trace Alignment's vertex lines, typed into its multi-line field.
const std::string kFiftyVertices = FiftyVertices();
// And a chain of 130 elements in the same field.
const std::string kChainLines = ElementChainLines();

const std::vector<BenchCase> kCases = {
    {"Trace Connecting, List PK, d",
     CMD_TRACE_CONNECTING,
     L"Trace Connecting Crooked (Spiral)",
     {{IDC_PK_A, "1000"},
      {IDC_Y_A, "0"},
      {IDC_X_A, "0"},
      {IDC_PK_B, "1100"},
      {IDC_Y_B, "0"},
      {IDC_X_B, "100"},
      {IDC_Y_CK, "-300"},
      {IDC_X_CK, "100"},
      {IDC_R, "300"},
      {IDC_L_SK, "100"},
      {IDC_Q, "0.01"}},
     SpiralSurvey,
     IDC_LIST_PK_D},
    {"Trace Alignment, List PK, d",
     CMD_TRACE_ALIGNMENT,
     L"Trace Alignment",
     {{IDC_PK_START, "1000"}, {IDC_VERTICES, kFiftyVertices.c_str()}},
     AlignmentSurvey,
     IDC_LIST_PK_D},
    {"Trace Alignment elements, List PK, d",
     CMD_TRACE_ALIGNMENT,
     L"Trace Alignment",
     {{IDC_PK_START, "0"}, {IDC_VERTICES, kChainLines.c_str()}},
     ElementChainSurvey,
     IDC_LIST_PK_D},
};

// A message to another process, waiting at most timeoutMs (not giving up early on a process that
// looks hung: the program is busy on purpose while it works); false when it did not answer.
bool SendQuickly(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs,
                 DWORD_PTR* result = nullptr) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs,
                             result != nullptr ? result : &ignored) != 0;
}

// The whole text of a window of another process (wide form: the ANSI one can hang under Wine).
std::string ReadText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendQuickly(window, WM_GETTEXTLENGTH, 0, 0, 10000, &length)) return std::string();
  std::wstring wide(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0]),
                      SMTO_NORMAL, 10000, &copied);
  std::string text;
  text.reserve(copied);
  for (DWORD_PTR i = 0; i < copied; ++i) text += static_cast<char>(wide[i]);
  return text;
}

// Puts the lines into the editor and selects them all.
void ResetEditor(HWND editor, const std::string& lines) {
  SendQuickly(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lines.c_str()), 30000);
  SendQuickly(editor, EM_SETSEL, 0, static_cast<LPARAM>(lines.size()), 30000);
}

// Seconds from pressing the button until the editor has grown; the block it appended.
double TimeOnePress(HWND dialog, HWND editor, const BenchCase& bench, const std::string& lines,
                    std::string& block) {
  ResetEditor(editor, lines);
  const double start = Seconds();
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(bench.button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, bench.button)));
  DWORD_PTR length = 0;
  while (Seconds() - start < 300) {
    if (SendQuickly(editor, WM_GETTEXTLENGTH, 0, 0, 20, &length) && length > lines.size()) {
      // One append: the block is whole as soon as the text has grown.
      const double seconds = Seconds() - start;
      block = ReadText(editor).substr(lines.size());
      return seconds;
    }
    Sleep(1);
  }
  return -1;
}

// Seconds for one EM_REPLACESEL of the block at the end of the same lines in the same editor.
double TimeOneReplace(HWND editor, const std::string& lines, const std::string& block) {
  ResetEditor(editor, lines);
  SendQuickly(editor, EM_SETSEL, lines.size(), static_cast<LPARAM>(lines.size()), 30000);
  const double start = Seconds();
  SendQuickly(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(block.c_str()), 300000);
  const double seconds = Seconds() - start;
  return ReadText(editor).size() == lines.size() + block.size() ? seconds : -1;
}

// Runs one case in a fresh polver.exe; prints its figures. 0 within the target, 1 above, 2 failed.
int RunCase(const std::string& polverPath, const BenchCase& bench) {
  RunningPolver polver = StartPolver(polverPath);
  if (polver.process.hProcess == nullptr) {
    std::fprintf(stderr, "cannot start %s\n", polverPath.c_str());
    return 2;
  }
  double press = -1, replace = -1;
  std::string block;
  const std::string lines = bench.sampleLines();
  HWND editor = polver.mainWindow ? GetDlgItem(polver.mainWindow, IDC_EDITOR) : nullptr;
  HWND dialog = nullptr;
  if (editor != nullptr) {
    PostMessageA(polver.mainWindow, WM_COMMAND, bench.menuCommand, 0);
    dialog = WaitForWindow(polver.process.dwProcessId, L"#32770", bench.dialogCaption);
  }
  if (dialog != nullptr) {
    for (const FieldText& field : bench.fields) {
      SendQuickly(GetDlgItem(dialog, field.id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(field.text),
                  5000);
    }
    // Press and replace take turns, so that a busy moment of the machine falls on both alike.
    for (int run = 0; run < kRuns; ++run) {
      const double pressed = TimeOnePress(dialog, editor, bench, lines, block);
      const double replaced = pressed > 0 ? TimeOneReplace(editor, lines, block) : -1;
      if (pressed < 0 || replaced < 0) {
        press = replace = -1;
        break;
      }
      std::printf("%s, run %d: press %.3f s, replace %.3f s\n", bench.name, run + 1, pressed,
                  replaced);
      press = press < 0 || pressed < press ? pressed : press;
      replace = replace < 0 || replaced < replace ? replaced : replace;
    }
  }
  EndPolver(polver);

  if (press <= 0 || replace <= 0) {
    std::fprintf(stderr, "%s: the measurement failed (press %.3f s, replace %.3f s)\n", bench.name,
                 press, replace);
    return 2;
  }
  const double ratio = press / replace;
  std::printf("%s, %d lines (%zu bytes) to a block of %zu bytes: %.3f s\n", bench.name, kPoints,
              lines.size(), block.size(), press);
  std::printf("One EM_REPLACESEL of the same block into the same editor: %.3f s\n", replace);
  std::printf("Ratio: %.2f (target <= %.1f)\n", ratio, kTargetRatio);
  return ratio <= kTargetRatio ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: point_list_benchmark.exe <polver.exe> [case name]\n");
    return 2;
  }
  int worst = 0;
  for (const BenchCase& bench : kCases) {
    if (argc > 2 && std::strcmp(argv[2], bench.name) != 0) continue;
    const int code = RunCase(argv[1], bench);
    worst = code > worst ? code : worst;
  }
  return worst;
}
