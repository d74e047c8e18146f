// How fast Trace Alignment's "Drawing" is in polver.exe: the worked alignment with its profile
// and 10,000 selected points, from the press of "Drawing" to the painted window (the first press
// opens the window, the next ones draw it again), then one notch of the mouse wheel, zoomed in and
// out about the middle of the plan, to the painted window (the plan shown from the last picture,
// stretched; it is drawn in full once the wheel rests, timed here with Home). All run inside
// polver.exe's own message handling (the window paints before it answers), so a sent message times
// them whole.
//
// Usage (under Wine, with a display): drawing_benchmark.exe <polver.exe path>
// Prints every time and the worst of each; exits with 1 when a press takes 1 s or more or a notch
// 0.1 s or more, and with 2 when a measurement failed.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "bench_windows.h"
#include "resource.h"

namespace {

constexpr int kPoints = 10000;
constexpr int kPresses = 4;
constexpr int kNotches = 16;
constexpr double kPressTarget = 1.0;
constexpr double kNotchTarget = 0.1;

const char* const kVertices =
    "V0 500 200\r\nV1 900 1200 600 120\r\nV2 700 2200 800 0\r\nV3 1500 3000 500 80\r\n"
    "V4 1600 4000";
const char* const kProfile =
    "1100 151\r\n1800 158 10000\r\n3000 149 15000\r\n4200 155 0\r\n5200 152";

// kPoints points "P<n> Y X H" spread along the tangent polygon, up to 3 either side of it (so near
// the track on the straights, and inside the curves by their bulge), each with a height.
std::string SurveyAlongTheTrack() {
  const double corners[5][2] = {{500, 200}, {900, 1200}, {700, 2200}, {1500, 3000}, {1600, 4000}};
  std::string text;
  char line[128];
  for (int i = 0; i < kPoints; ++i) {
    const int leg = i % 4;
    const double t = (i / 4) / static_cast<double>(kPoints / 4);
    const double dy = corners[leg + 1][0] - corners[leg][0];
    const double dx = corners[leg + 1][1] - corners[leg][1];
    const double length = std::sqrt(dy * dy + dx * dx);
    const double offset = -3.0 + 6.0 * ((i * 7919) % 1000) / 1000.0;
    const double Y = corners[leg][0] + dy * t + dx / length * offset;
    const double X = corners[leg][1] + dx * t - dy / length * offset;
    std::snprintf(line, sizeof line, "P%d %.3f %.3f %.3f\r\n", i + 1, Y, X,
                  150.0 + 5.0 * std::sin(i * 0.001));
    text += line;
  }
  return text;
}

bool SendQuickly(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &ignored) !=
         0;
}

// Seconds for one sent message, or -1 when it was not answered within 60 s.
double TimeSent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const double start = Seconds();
  if (!SendQuickly(window, message, wParam, lParam, 60000)) return -1;
  return Seconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: drawing_benchmark.exe <polver.exe>\n");
    return 2;
  }
  RunningPolver polver = StartPolver(argv[1]);
  HWND editor = polver.mainWindow ? GetDlgItem(polver.mainWindow, IDC_EDITOR) : nullptr;
  HWND dialog = nullptr;
  if (editor != nullptr) {
    const std::string points = SurveyAlongTheTrack();
    SendQuickly(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(points.c_str()), 30000);
    SendQuickly(editor, EM_SETSEL, 0, static_cast<LPARAM>(points.size()), 30000);
    PostMessageA(polver.mainWindow, WM_COMMAND, CMD_TRACE_ALIGNMENT, 0);
    dialog = WaitForWindow(polver.process.dwProcessId, L"#32770", L"Trace Alignment");
  }
  double worstPress = -1;
  double worstNotch = -1;
  if (dialog != nullptr) {
    SendQuickly(GetDlgItem(dialog, IDC_PK_START), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1000"),
                5000);
    SendQuickly(GetDlgItem(dialog, IDC_VERTICES), WM_SETTEXT, 0,
                reinterpret_cast<LPARAM>(kVertices), 5000);
    SendQuickly(GetDlgItem(dialog, IDC_PROFILE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kProfile),
                5000);
    for (int press = 0; press < kPresses; ++press) {
      const double seconds = TimeSent(dialog, WM_COMMAND, MAKEWPARAM(IDC_DRAWING, BN_CLICKED),
                                      reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_DRAWING)));
      std::printf("Drawing, %d points, press %d: %.3f s\n", kPoints, press + 1, seconds);
      if (seconds < 0) {
        worstPress = -1;
        break;
      }
      worstPress = seconds > worstPress ? seconds : worstPress;
    }
    HWND drawing =
        WaitForWindow(polver.process.dwProcessId, L"PolverAlignmentDrawing", L"Alignment drawing");
    if (drawing != nullptr && worstPress > 0) {
      RECT client;
      GetClientRect(drawing, &client);
      POINT middle{client.right / 2, client.bottom * 3 / 10};  // the middle of the plan
      ClientToScreen(drawing, &middle);
      double total = 0;
      for (int notch = 0; notch < kNotches; ++notch) {
        // In for the first half, out again for the second.
        const short delta = notch < kNotches / 2 ? WHEEL_DELTA : -WHEEL_DELTA;
        const double seconds =
            TimeSent(drawing, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(middle.x, middle.y));
        if (seconds < 0) {
          worstNotch = -1;
          break;
        }
        total += seconds;
        std::printf("  notch %d: %.3f s\n", notch + 1, seconds);
        worstNotch = seconds > worstNotch ? seconds : worstNotch;
      }
      if (worstNotch > 0) {
        std::printf("Wheel zoom, %d notches in and out: %.3f s each on average, %.3f s at worst\n",
                    kNotches, total / kNotches, worstNotch);
        // The plan in full detail, as it comes once the wheel rests (Home draws it so at once).
        const double full = TimeSent(drawing, WM_KEYDOWN, VK_HOME, 0);
        std::printf("The whole picture drawn again in full (Home): %.3f s\n", full);
      }
    }
  }
  EndPolver(polver);
  if (worstPress <= 0 || worstNotch <= 0) {
    std::fprintf(stderr, "the measurement failed\n");
    return 2;
  }
  std::printf(
      "Drawing at worst %.3f s (target < %.1f s); a wheel notch at worst %.3f s (target < "
      "%.1f s)\n",
      worstPress, kPressTarget, worstNotch, kNotchTarget);
  return worstPress < kPressTarget && worstNotch < kNotchTarget ? 0 : 1;
}
