// A long session: thousands of CALCs over all six dialogs in one run of the program. Nothing of
// the text may be lost, and the program may not grow beyond what the text itself needs.
// POLVER_SOAK_CALCS sets the number of CALCs (300 unless set; the long run is 2000).
#include <windows.h>
// psapi.h needs the types of windows.h first.
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "calculator_catalogue.h"
#include "calculator_driver.h"
#include "checked_calculation.h"
#include "frame/report.h"
#include "polver_fixture.h"

namespace {

constexpr int kCalcsPerOpening = 20;

// What can be measured of another process from here. Wine 8 answers 0 for another process's
// GDI and USER objects (GetGuiResources), handle count and PrivateUsage, so the process's
// windows are counted as well and PagefileUsage stands for its private memory; a figure of 0
// is shown as not reported.
struct ProcessFigures {
  SIZE_T privateBytes = 0;
  SIZE_T workingSet = 0;
  SIZE_T pagefileBytes = 0;
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
  DWORD handles = 0;
  int windows = 0;
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

struct WindowCount {
  DWORD processId;
  int count;
};

// Top-level windows of the process, visible or not, and all their descendants.
BOOL CALLBACK CountProcessWindows(HWND window, LPARAM parameter) {
  WindowCount& query = *reinterpret_cast<WindowCount*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != query.processId) return TRUE;
  ++query.count;
  EnumChildWindows(window, CountWindow, reinterpret_cast<LPARAM>(&query.count));
  return TRUE;
}

ProcessFigures Measure(const Polver& polver) {
  ProcessFigures figures;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(polver.process.hProcess,
                           reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    figures.privateBytes = memory.PrivateUsage;
    figures.workingSet = memory.WorkingSetSize;
    figures.pagefileBytes = memory.PagefileUsage;
  }
  figures.gdiObjects = GetGuiResources(polver.process.hProcess, GR_GDIOBJECTS);
  figures.userObjects = GetGuiResources(polver.process.hProcess, GR_USEROBJECTS);
  GetProcessHandleCount(polver.process.hProcess, &figures.handles);
  WindowCount windows{polver.process.dwProcessId, 0};
  EnumWindows(CountProcessWindows, reinterpret_cast<LPARAM>(&windows));
  figures.windows = windows.count;
  return figures;
}

// A figure for the test output; 0 means the system did not report it for another process.
std::string Shown(unsigned long long value, const char* unit) {
  return value == 0 ? std::string("0 (not reported)") : std::to_string(value) + unit;
}

long long Growth(SIZE_T before, SIZE_T after) {
  return static_cast<long long>(after) - static_cast<long long>(before);
}

void Report(const char* when, const ProcessFigures& figures) {
  const std::string prefix = std::string(when) + "_";
  ::testing::Test::RecordProperty(prefix + "PrivateUsage", std::to_string(figures.privateBytes));
  ::testing::Test::RecordProperty(prefix + "WorkingSetSize", std::to_string(figures.workingSet));
  ::testing::Test::RecordProperty(prefix + "PagefileUsage", std::to_string(figures.pagefileBytes));
  ::testing::Test::RecordProperty(prefix + "GdiObjects", std::to_string(figures.gdiObjects));
  ::testing::Test::RecordProperty(prefix + "UserObjects", std::to_string(figures.userObjects));
  ::testing::Test::RecordProperty(prefix + "Handles", std::to_string(figures.handles));
  ::testing::Test::RecordProperty(prefix + "Windows", std::to_string(figures.windows));
  std::cout << "[ figures  ] " << when << ": PrivateUsage " << Shown(figures.privateBytes, " B")
            << ", WorkingSetSize " << Shown(figures.workingSet, " B") << ", PagefileUsage "
            << Shown(figures.pagefileBytes, " B") << ", GDI objects "
            << Shown(figures.gdiObjects, "") << ", USER objects " << Shown(figures.userObjects, "")
            << ", handles " << Shown(figures.handles, "") << ", windows " << figures.windows
            << std::endl;
}

int SoakCalcs() {
  const char* value = std::getenv("POLVER_SOAK_CALCS");
  const int calcs = value != nullptr ? std::atoi(value) : 0;
  return calcs >= 2 ? calcs : 300;
}

// The text CALC number `serial` types into a field whose example text is `example`: mostly a
// number near the example, every few CALCs one of the odd texts, so that the session runs
// through ordinary reports and through the NaN and infinity forms alike.
std::string SoakText(int serial, const InputField& field, const std::string& example) {
  static const char* const kOdd[] = {"1,5", "nan", "\xE9", "-1e308", "inf", "abc", "", "0x1p3"};
  if (serial % 8 >= 5) return kOdd[(serial / 8) % 8];
  const std::string step = std::to_string(serial % 97 + 1);
  if (field.isName) return example + "-" + step;
  return example + (example.find('.') == std::string::npos ? "." : "") + step;
}

// Memory growth a steady program may show while its editor takes in `addedText`. The edit
// control keeps 2 bytes per character and a record for every line: a bare edit control under
// Wine, given 2,000 reports in the same way, grew by 5.3 bytes per character of report text,
// about 70 bytes per line on top of the characters. The bound allows 2 bytes per character,
// 100 per line and 1 MB for heap and allocator slack; a leaked dialog per opening, or a leak of
// about a kilobyte per CALC, goes past it over 1,800 CALCs.
SIZE_T MemoryBound(const std::string& addedText) {
  const size_t lines = static_cast<size_t>(std::count(addedText.begin(), addedText.end(), '\n'));
  return 2 * addedText.size() + 100 * lines + 1024 * 1024;
}

// Objects that may appear once and stay (caches made on first use); a leak of one object per
// dialog opening or per CALC would add about a hundred or about two thousand.
constexpr DWORD kObjectSlack = 8;

class Soak : public PolverTest {};

}  // namespace

TEST_F(Soak, ThousandsOfCalcsLoseNoTextAndDoNotGrow) {
  const int total = SoakCalcs();
  const int baselineAt = total >= 400 ? 200 : total / 2;
  const std::vector<CalculatorUnderTest>& calculators = AllCalculators();
  RememberedInputs remembered = InitialInputs();
  std::string expectedText;
  ProcessFigures baseline;
  size_t baselineText = 0;
  bool measured = false;
  const auto started = std::chrono::steady_clock::now();

  int serial = 0;
  for (int opening = 0; serial < total; ++opening) {
    const CalculatorUnderTest& calculator = calculators[opening % calculators.size()];
    const CalculatorSpec& table = *calculator.table;
    SCOPED_TRACE(std::string(calculator.name) + ", opening " + std::to_string(opening));
    HWND dialog = OpenCalculator(polver, calculator.command, table);
    ASSERT_NE(nullptr, dialog);
    // The dialog opens with what the earlier CALCs of any dialog left remembered.
    for (const InputField& field : table.inputs) {
      ASSERT_EQ(OpeningText(field, remembered), ReadText(GetDlgItem(dialog, field.controlId)))
          << "field " << field.controlId;
    }
    std::map<int, std::string> typed = calculator.example;
    FillFields(dialog, typed);
    for (int k = 0; k < kCalcsPerOpening && serial < total; ++k, ++serial) {
      const InputField& field = table.inputs[serial % table.inputs.size()];
      typed[field.controlId] = SoakText(serial, field, calculator.example.at(field.controlId));
      WriteText(GetDlgItem(dialog, field.controlId), typed[field.controlId]);
      const std::string report = CheckedCalc(polver, dialog, calculator, typed, remembered,
                                             static_cast<long>(expectedText.size()));
      ASSERT_NE("", report) << "CALC " << serial;
      expectedText += report;
      ASSERT_FALSE(HasFailure()) << "stopped at CALC " << serial;
    }
    CloseCalculator(polver, dialog, table);
    if (!measured && serial >= baselineAt) {
      baseline = Measure(polver);
      baselineText = expectedText.size();
      measured = true;
      Report(("calc" + std::to_string(serial)).c_str(), baseline);
    }
  }
  const ProcessFigures last = Measure(polver);
  Report(("calc" + std::to_string(serial)).c_str(), last);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::cout << "[ figures  ] " << serial << " CALCs in " << seconds << " s ("
            << 1000 * seconds / serial << " ms each); editor text " << expectedText.size()
            << " characters, of which " << expectedText.size() - baselineText
            << " added after the first measurement" << std::endl;
  RecordProperty("calcs", serial);
  RecordProperty("seconds", std::to_string(seconds));

  EXPECT_TRUE(SameText(expectedText, ReadText(polver.editor)));
  EXPECT_TRUE(AliveAndAnswering(polver, polver.main));

  // Some memory figure must be measurable, or the bounds below would hold vacuously.
  ASSERT_TRUE(last.privateBytes > 0 || last.pagefileBytes > 0 || last.workingSet > 0);
  const SIZE_T bound = MemoryBound(expectedText.substr(baselineText));
  std::cout << "[ figures  ] memory growth " << Growth(baseline.pagefileBytes, last.pagefileBytes)
            << " B (PagefileUsage), " << Growth(baseline.workingSet, last.workingSet)
            << " B (WorkingSetSize); allowed " << bound << " B" << std::endl;
  EXPECT_LE(last.privateBytes, baseline.privateBytes + bound);
  EXPECT_LE(last.pagefileBytes, baseline.pagefileBytes + bound);
  EXPECT_LE(last.workingSet, baseline.workingSet + bound);
  EXPECT_LE(last.gdiObjects, baseline.gdiObjects + kObjectSlack);
  EXPECT_LE(last.userObjects, baseline.userObjects + kObjectSlack);
  EXPECT_LE(last.handles, baseline.handles + kObjectSlack);
  // Both measured with no dialog open: exactly the main window and its editor remain.
  EXPECT_EQ(baseline.windows, last.windows);
}
