// How long polver.exe takes to start, against a bare program with one window and one edit control
// (bare_window.exe, built the same way): from CreateProcess until the process has a visible
// top-level window with its edit control (id 111) and that window answers a message, which is
// when a user sees it and can type into it.
//
// Usage (under Wine, with a display): startup_benchmark.exe <polver.exe path> <bare_window.exe
// path> Starts the two alternately (the one that goes first in a pair changes every pair, since the
// first start after another program's exit can pay for the server's tidying up), one unmeasured
// start of each first. Prints both medians and their ratio; exits with 1 when the ratio is above
// 1.1 and with 2 when the measurement itself failed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_windows.h"

namespace {

constexpr int kPairs = 15;
constexpr double kTargetRatio = 1.1;
constexpr double kGiveUpSeconds = 30;

struct ReadyWindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchReadyWindow(HWND window, LPARAM parameter) {
  ReadyWindowSearch& search = *reinterpret_cast<ReadyWindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window) && GetDlgItem(window, 111) != nullptr) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// Seconds from starting the program until its window with the edit control answers; negative
// when it did not within kGiveUpSeconds. The program is ended before this returns.
double TimeOneStart(const std::string& path) {
  std::string command = "\"" + path + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  const double start = Seconds();
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "cannot start %s\n", path.c_str());
    return -1;
  }
  double seconds = -1;
  while (Seconds() - start < kGiveUpSeconds) {
    ReadyWindowSearch search{process.dwProcessId, nullptr};
    EnumWindows(MatchReadyWindow, reinterpret_cast<LPARAM>(&search));
    DWORD_PTR result = 0;
    if (search.found != nullptr &&
        SendMessageTimeoutA(search.found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result) != 0) {
      seconds = Seconds() - start;
      break;
    }
    Sleep(1);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  Sleep(200);  // the server tidies up after the ended process before the next start
  return seconds;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_benchmark.exe <polver.exe> <bare_window.exe>\n");
    return 2;
  }
  const std::string polverPath = argv[1];
  const std::string barePath = argv[2];
  if (TimeOneStart(polverPath) < 0 || TimeOneStart(barePath) < 0) {
    std::fprintf(stderr, "the measurement failed: a program did not come up\n");
    return 2;
  }
  std::vector<double> polver;
  std::vector<double> bare;
  for (int pair = 0; pair < kPairs; ++pair) {
    const bool polverFirst = pair % 2 == 0;
    const double first = TimeOneStart(polverFirst ? polverPath : barePath);
    const double second = TimeOneStart(polverFirst ? barePath : polverPath);
    if (first < 0 || second < 0) {
      std::fprintf(stderr, "the measurement failed: a program did not come up\n");
      return 2;
    }
    polver.push_back(polverFirst ? first : second);
    bare.push_back(polverFirst ? second : first);
  }
  const double polverMedian = Median(polver);
  const double bareMedian = Median(bare);
  const double ratio = polverMedian / bareMedian;
  std::printf("Start-up until the window answers, median of %d alternated starts each:\n", kPairs);
  std::printf("  polver.exe:                             %.0f ms\n", polverMedian * 1000);
  std::printf("  a bare window with one edit control:    %.0f ms\n", bareMedian * 1000);
  std::printf("Ratio: %.2f (target <= %.1f)\n", ratio, kTargetRatio);
  return ratio <= kTargetRatio ? 0 : 1;
}
