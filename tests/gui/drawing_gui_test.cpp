// Trace Alignment's "Drawing" end to end: the window opens with the worked alignment, its profile
// and surveyed points; the page printed on the CUPS PDF printer carries every name; Ctrl+C leaves
// an enhanced metafile on the clipboard; a second "Drawing" reuses the window; a problem in the
// fields gives a message and no window; Escape closes it while the dialog stays open. The keys
// are real key events, which reach the window through the dialog's modal loop.
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "calculator_driver.h"
#include "drawing/drawing_scene.h"
#include "file_helpers.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

const char* const kDrawingClass = "PolverAlignmentDrawing";
const char* const kDrawingCaption = "Alignment drawing";
const std::string kPointLines =
    "P0 518.57 246.42 150.00\r\nP1 870 1180 157.20\r\nP4 880 1000\r\nP5 1102 2598 150.4\r\n"
    "P6 1553.5 3500 153.1\r\nnot a point\r\nfar 0 0 100\r\n";

// The printed PDF's text (pdftotext -layout, or with `boxes` each word's box as -bbox gives it),
// once the spooler is idle, and the page as a picture `picture`.png; "" after the time-out.
std::string WaitForPrintedText(const std::string& picture = "drawing-print-page",
                               bool boxes = false, int timeoutMs = 30000) {
  const std::string out = "/tmp/polver-drawing-" + std::to_string(GetCurrentProcessId()) + ".txt";
  const std::string wait =
      "(rm -f " + out + "; for i in $(seq " + std::to_string(timeoutMs / 200) +
      "); do if [ -z \"$(lpstat -o 2>/dev/null)\" ]; then f=$(ls -t ~/PDF/*.pdf 2>/dev/null | "
      "head -1); [ -n \"$f\" ] && pdftotext " +
      (boxes ? "-bbox" : "-layout") + " \"$f\" " + out +
      " 2>/dev/null && { d=${POLVER_ARTIFACTS:-/tmp/polver-gui}; mkdir -p $d; pdftoppm -r 60 "
      "-png -singlefile \"$f\" $d/" +
      picture + "; exit 0; }; fi; sleep 0.2; done; exit 1)";
  if (RunLinux(wait, timeoutMs + 5000) != 0) return std::string();
  std::string path = "Z:" + out;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return FileBytes(path);
}

struct WindowCount {
  DWORD process;
  int count;
};

BOOL CALLBACK CountDrawingWindows(HWND window, LPARAM data) {
  WindowCount* search = reinterpret_cast<WindowCount*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (process == search->process && std::string(name) == kDrawingClass) ++search->count;
  return TRUE;
}

int DrawingWindows(DWORD process) {
  WindowCount search{process, 0};
  EnumWindows(CountDrawingWindows, reinterpret_cast<LPARAM>(&search));
  return search.count;
}

// The words of a page as pdftotext -bbox gives them: each with its box, in points.
struct PageWord {
  std::string text;
  double left, top, right, bottom;
};
std::vector<PageWord> PageWords(const std::string& boxes) {
  std::vector<PageWord> words;
  for (size_t at = boxes.find("<word "); at != std::string::npos;
       at = boxes.find("<word ", at + 1)) {
    auto number = [&](const char* name) {
      return std::atof(boxes.c_str() + boxes.find(name, at) + std::strlen(name));
    };
    const size_t text = boxes.find('>', at) + 1;
    words.push_back({boxes.substr(text, boxes.find("</word>", text) - text), number("xMin=\""),
                     number("yMin=\""), number("xMax=\""), number("yMax=\"")});
  }
  return words;
}

bool ClipboardHasMetafile(int timeoutMs) {
  for (int waited = 0; waited < timeoutMs; waited += 100) {
    if (IsClipboardFormatAvailable(CF_ENHMETAFILE)) return true;
    Sleep(100);
  }
  return false;
}

}  // namespace

TEST_F(PolverTest, DrawingOnScreenOnPaperAndOnTheClipboard) {
  ASSERT_EQ(0, RunLinux("lpstat -p PolverPDF >/dev/null 2>&1"))
      << "no printer PolverPDF: scripts/test.sh sets it up (prepare_pdf_printer)";
  EXPECT_EQ(0, RunLinux("mkdir -p ~/PDF && rm -f ~/PDF/*.pdf"));
  WriteText(polver.editor, kPointLines);
  SendMessageA(polver.editor, EM_SETSEL, 0, kPointLines.size());
  HWND dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  WriteText(GetDlgItem(dialog, IDC_PK_START), "1000");
  WriteText(GetDlgItem(dialog, IDC_VERTICES), "V0 500 200\r\nV1 900 1200 600\r\nV2 700 2200");

  // A problem: its first line in a message box, and no window.
  PressButton(dialog, IDC_DRAWING);
  HWND box = WaitForWindow(Pid(), "#32770", "Drawing");
  ASSERT_NE(nullptr, box);
  EXPECT_EQ("!Vertex V1: R and L are needed!", MessageBoxText(box));
  PressButton(box, IDOK);
  ASSERT_TRUE(WaitForWindowGone(Pid(), "#32770", "Drawing"));
  EXPECT_EQ(0, DrawingWindows(Pid()));

  WriteText(GetDlgItem(dialog, IDC_VERTICES), kWorkedVertices);
  PressButton(dialog, IDC_DRAWING);
  HWND drawing = WaitForWindow(Pid(), kDrawingClass, kDrawingCaption);
  ASSERT_NE(nullptr, drawing);
  SaveScreenshot("drawing-plan");

  // Again with the profile: the same window draws the long section too.
  WriteText(GetDlgItem(dialog, IDC_PROFILE), kWorkedProfile);
  PressButton(dialog, IDC_DRAWING);
  Settle(dialog);
  Settle(drawing);
  EXPECT_EQ(1, DrawingWindows(Pid()));
  EXPECT_EQ(drawing, WaitForWindow(Pid(), kDrawingClass, kDrawingCaption));
  EXPECT_TRUE(IsWindow(dialog));
  SaveScreenshot("drawing-plan-and-section");

  // Ctrl+C: an enhanced metafile on the clipboard.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  BringToFront(drawing);
  PressKeys("ctrl+c");
  ASSERT_TRUE(ClipboardHasMetafile(10000)) << "no CF_ENHMETAFILE on the clipboard";
  // A vector picture of the whole drawing: many records, as large as the window.
  ASSERT_TRUE(OpenClipboard(nullptr));
  HENHMETAFILE picture = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
  ENHMETAHEADER header{};
  if (picture != nullptr) GetEnhMetaFileHeader(picture, sizeof header, &header);
  CloseClipboard();
  RECT client{};
  GetClientRect(drawing, &client);
  EXPECT_GT(header.nRecords, 200u);
  EXPECT_NEAR(client.right, header.rclBounds.right - header.rclBounds.left, client.right / 5);

  // Ctrl+P: the Print dialog, then one page with every name on it.
  BringToFront(drawing);
  PressKeys("ctrl+p");
  HWND print = WaitForWindow(Pid(), "#32770", "Print");
  ASSERT_NE(nullptr, print);
  PressButton(print, IDOK);
  const std::string printed = WaitForPrintedText();
  ASSERT_FALSE(printed.empty()) << "nothing printed";
  EXPECT_EQ(std::string::npos, printed.find('\f', printed.find('\f') + 1)) << "more than a page";
  const DrawingScene scene =
      BuildDrawingScene({"1000", kWorkedVertices, false, kWorkedProfile}, kPointLines);
  std::vector<std::string> names = {"Untitled", "1:", "Plan"};
  for (const AlignmentVertex& vertex : scene.alignment.vertices) names.push_back(vertex.name);
  for (const DrawingMainPoint& main : scene.mainPoints) names.push_back(main.name);
  for (const DrawingPoint& point : scene.points) names.push_back(point.name);
  for (const std::string& name : names) {
    EXPECT_NE(std::string::npos, printed.find(name)) << name << " is not on the page";
  }
  // Chainage labels on the plan as well as on the long section's axis: twice on the page.
  std::istringstream words(printed);
  int thousands = 0;
  for (std::string word; words >> word;) thousands += word == "1000" || word == "5000";
  EXPECT_GE(thousands, 4) << printed;

  // The wheel zooms about the cursor (a spiral of V3 under it); Home fits again.
  POINT spiral{client.right * 515 / 1000, client.bottom * 3 / 5 * 42 / 100};
  ClientToScreen(drawing, &spiral);
  for (int notch = 0; notch < 6; ++notch) {
    SendMessageA(drawing, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                 MAKELPARAM(spiral.x, spiral.y));
  }
  // Drawn in full once the wheel rests.
  Sleep(500);
  Settle(drawing);
  SaveScreenshot("drawing-zoomed");
  BringToFront(drawing);
  PressKeys("Home");

  // Escape closes the drawing; the dialog stays.
  BringToFront(drawing);
  PressKeys("Escape");
  EXPECT_TRUE(WaitForWindowGone(Pid(), kDrawingClass, kDrawingCaption));
  EXPECT_TRUE(IsWindowVisible(dialog));
}

// A siding's profile, five VPIs in its first 42 m and a level grade that is a hair below zero:
// on paper no word covers another, every VPI keeps its "PK", and the level grade reads "0.00 ‰".
TEST_F(PolverTest, CrowdedLongSectionReadableOnPaper) {
  ASSERT_EQ(0, RunLinux("lpstat -p PolverPDF >/dev/null 2>&1"))
      << "no printer PolverPDF: scripts/test.sh sets it up (prepare_pdf_printer)";
  EXPECT_EQ(0, RunLinux("mkdir -p ~/PDF && rm -f ~/PDF/*.pdf"));
  HWND dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  WriteText(GetDlgItem(dialog, IDC_PK_START), "1000");
  WriteText(GetDlgItem(dialog, IDC_VERTICES),
            "S0 5000 1000\r\nS1 5000 1200 400 30\r\nS2 5080 1420");
  WriteText(GetDlgItem(dialog, IDC_PROFILE),
            "1000 454.210\r\n1008.5 454.250 0\r\n1017.25 454.310 500\r\n1029.37 454.496 0\r\n"
            "1042 454.420 800\r\n1180 455.100 2000\r\n1300 455.0995 0\r\n1420 453.900");
  PressButton(dialog, IDC_DRAWING);
  HWND drawing = WaitForWindow(Pid(), kDrawingClass, kDrawingCaption);
  ASSERT_NE(nullptr, drawing);
  Settle(drawing);
  SaveScreenshot("drawing-crowded-section");
  BringToFront(drawing);
  PressKeys("ctrl+p");
  HWND print = WaitForWindow(Pid(), "#32770", "Print");
  ASSERT_NE(nullptr, print);
  PressButton(print, IDOK);
  const std::vector<PageWord> words = PageWords(WaitForPrintedText("drawing-crowded-page", true));
  std::string page;
  for (size_t i = 0; i < words.size(); ++i) {
    const PageWord& a = words[i];
    page += a.text + " ";
    for (size_t j = i + 1; j < words.size(); ++j) {
      const PageWord& b = words[j];
      EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
          << a.text << " over " << b.text;
    }
  }
  for (const char* PK :
       {"1000.00", "1008.50", "1017.25", "1029.37", "1042.00", "1180.00", "1300.00", "1420.00"})
    EXPECT_NE(std::string::npos, page.find(std::string("PK ") + PK + " H ")) << PK << page;
  EXPECT_NE(std::string::npos, page.find(" 0.00 \xE2\x80\xB0")) << "the level grade: " << page;
  EXPECT_EQ(std::string::npos, page.find("-0.00"));
}
