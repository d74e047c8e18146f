// Printing and copying the drawing windows' pictures: the same renderer as the screen, on a
// printer's page in its own units, or into an enhanced metafile in screen pixels.
#include "drawing_window/drawing_export.h"

#include <commdlg.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "common/messages.h"
#include "common/wait_cursor.h"
#include "drawing_window/drawing_render.h"
#include "page/page_layout.h"
#include "printing/print.h"

namespace {

// Paper: margins of 1.5 cm, labels of 8 points, the header line of 10 points.
constexpr int kMarginHundredthsMm = 1500;
constexpr int kLabelPoints = 8;
constexpr int kHeaderPoints = 10;
constexpr double kMillimetresPerInch = 25.4;

std::string Today() {
  char date[64] = {};
  if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date) == 0)
    return "";
  return date;
}

std::string SystemReason(DWORD code) {
  char buffer[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, buffer, sizeof buffer, nullptr);
  std::string reason(buffer, length);
  while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n')) reason.pop_back();
  if (reason.empty())
    reason = code == 0 ? Messages::kPrintNoReason : "error " + std::to_string(code);
  return reason;
}

// The default printer's settings turned to landscape, for the Print dialog to start from.
void AskLandscape(PRINTDLGA& dialog) {
  PRINTDLGA defaults{};
  defaults.lStructSize = sizeof defaults;
  defaults.Flags = PD_RETURNDEFAULT;
  if (!PrintDlgA(&defaults)) return;
  if (defaults.hDevMode != nullptr) {
    DEVMODEA* mode = static_cast<DEVMODEA*>(GlobalLock(defaults.hDevMode));
    if (mode != nullptr) {
      mode->dmFields |= DM_ORIENTATION;
      mode->dmOrientation = DMORIENT_LANDSCAPE;
      GlobalUnlock(defaults.hDevMode);
    }
  }
  dialog.hDevMode = defaults.hDevMode;
  dialog.hDevNames = defaults.hDevNames;
}

// The page's drawing area (inside the margins, under the header) in the printer's units.
struct PageFrame {
  ScreenRect area;
  double headerTop;
  double headerLeft;
  double headerRight;
  int headerHeight;
};

PageFrame LayOutDrawingPage(HDC printer) {
  const RECT area = AreaInsideMargins(printer, kMarginHundredthsMm);
  const int dpiY = GetDeviceCaps(printer, LOGPIXELSY);
  const int left = area.left, top = area.top, right = area.right, bottom = area.bottom;
  PageFrame page;
  page.headerHeight = MulDiv(kHeaderPoints, dpiY, 72);
  page.headerTop = top;
  page.headerLeft = left;
  page.headerRight = right;
  page.area = {static_cast<double>(left), top + page.headerHeight * 2.0, static_cast<double>(right),
               static_cast<double>(bottom)};
  return page;
}

// The fitted plan brought to the next round scale below it ("1:n" with a round n), about the
// plan's middle; returns n.
double RoundPaperScale(DrawingFrame& frame, const DrawingScene& scene, int dpiX) {
  const double unitsPerMetre = dpiX / kMillimetresPerInch * 1000;
  // The plan may reach a tenth into its margins for a rounder scale.
  const double n = RoundScaleDenominator(unitsPerMetre / frame.plan.scale * 0.9);
  const ScreenRect plan = LayOutDrawing(frame.area, scene).plan;
  const ScreenPoint middle{(plan.left + plan.right) / 2, (plan.top + plan.bottom) / 2};
  const double scale = unitsPerMetre / n;
  frame.plan = ZoomPlanView(frame.plan, middle, scale / frame.plan.scale, scale, scale);
  return n;
}

HFONT HeaderFont(int height) {
  return CreateFontA(-height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                     CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
}

void DrawHeader(HDC printer, const PageFrame& page, const std::string& left,
                const std::string& right) {
  HFONT font = HeaderFont(page.headerHeight);
  HGDIOBJ previous = SelectObject(printer, font);
  SetBkMode(printer, TRANSPARENT);
  SetTextColor(printer, RGB(0, 0, 0));
  SetTextAlign(printer, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  TextOutA(printer, static_cast<int>(page.headerLeft), static_cast<int>(page.headerTop),
           left.c_str(), static_cast<int>(left.size()));
  SIZE size{};
  GetTextExtentPoint32A(printer, right.c_str(), static_cast<int>(right.size()), &size);
  TextOutA(printer, static_cast<int>(page.headerRight) - size.cx, static_cast<int>(page.headerTop),
           right.c_str(), static_cast<int>(right.size()));
  SelectObject(printer, previous);
  DeleteObject(font);
}

// Every copy on a page of its own; false with the reason when the printer refused a step.
bool RunPictureJob(HDC printer, const PictureRenderer& render, const std::string& documentName,
                   int copies, std::string& failure) {
  const PageFrame page = LayOutDrawingPage(printer);
  const int dpiX = GetDeviceCaps(printer, LOGPIXELSX);
  const double pixel = dpiX / 96.0;
  const int fontHeight = MulDiv(kLabelPoints, GetDeviceCaps(printer, LOGPIXELSY), 72);
  const std::string header = documentName + "     " + Today();

  DOCINFOA job{};
  job.cbSize = sizeof job;
  job.lpszDocName = documentName.c_str();
  if (StartDocA(printer, &job) <= 0) {
    failure = SystemReason(GetLastError());
    return false;
  }
  bool printed = true;
  for (int copy = 0; copy < copies && printed; ++copy) {
    printed = StartPage(printer) > 0;
    if (!printed) break;
    const std::string headerRight = render(printer, page.area, pixel, fontHeight, dpiX);
    DrawHeader(printer, page, header, headerRight);
    printed = EndPage(printer) > 0;
  }
  if (printed) printed = EndDoc(printer) > 0;
  if (!printed) {
    failure = SystemReason(GetLastError());
    AbortDoc(printer);
  }
  return printed;
}

}  // namespace

void PrintDrawing(HWND owner, const DrawingScene& scene, const SurveyBox& box,
                  const std::string& documentPath) {
  // The plan at a round scale, named at the header's right.
  const PictureRenderer render = [&](HDC printer, const ScreenRect& area, double pixel,
                                     int fontHeight, int dpiX) {
    DrawingFrame frame = FittedFrame(scene, box, area, pixel, fontHeight);
    char scaleText[64];
    std::snprintf(scaleText, sizeof scaleText, "1:%.0f", RoundPaperScale(frame, scene, dpiX));
    frame.scaleText = scaleText;
    frame.everyLabel = true;  // on paper every VPI keeps its label
    RenderDrawing(printer, scene, frame);
    return std::string("Plan ") + scaleText;
  };
  PrintPicture(owner, render, documentPath);
}

void PrintPicture(HWND owner, const PictureRenderer& render, const std::string& documentPath) {
  if (!HasDefaultPrinter()) {
    MessageBoxA(owner, Messages::kNoPrinter, Messages::kPrintCaption, MB_OK | MB_ICONERROR);
    return;
  }
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDC | PD_NOWARNING | PD_HIDEPRINTTOFILE | PD_NOPAGENUMS | PD_NOSELECTION;
  dialog.nCopies = 1;
  AskLandscape(dialog);
  const BOOL chosen = PrintDlgA(&dialog);
  if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
  if (!chosen) {
    const DWORD error = CommDlgExtendedError();  // 0: the user cancelled
    if (error != 0) {
      const std::string text = Messages::kPrintDialogFailed + std::to_string(error);
      MessageBoxA(owner, text.c_str(), Messages::kPrintCaption, MB_OK | MB_ICONERROR);
    }
    return;
  }
  if (dialog.hDC == nullptr) return;
  std::string failure;
  bool printed = false;
  {
    WaitCursor busy;
    printed = RunPictureJob(dialog.hDC, render, PrintedDocumentName(documentPath),
                            dialog.nCopies > 0 ? dialog.nCopies : 1, failure);
  }
  DeleteDC(dialog.hDC);
  if (!printed) {
    const std::string text = Messages::kPrintFailed + failure;
    MessageBoxA(owner, text.c_str(), Messages::kPrintCaption, MB_OK | MB_ICONERROR);
  }
}

bool CopyDrawing(HWND owner, const DrawingScene& scene, const SurveyBox& box, int width,
                 int height) {
  const PictureRenderer render = [&](HDC dc, const ScreenRect& area, double, int, int) {
    RenderDrawing(dc, scene, FittedFrame(scene, box, area, 1, 13));
    return std::string();
  };
  return CopyPicture(owner, render, width, height, "Alignment drawing");
}

bool CopyPicture(HWND owner, const PictureRenderer& render, int width, int height,
                 const std::string& title) {
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(owner);
  // The metafile's frame in hundredths of a millimetre, from the screen's size per pixel.
  const int widthMm = GetDeviceCaps(screen, HORZSIZE);
  const int heightMm = GetDeviceCaps(screen, VERTSIZE);
  const int pixelsX = GetDeviceCaps(screen, HORZRES);
  const int pixelsY = GetDeviceCaps(screen, VERTRES);
  const RECT bounds = {0, 0, MulDiv(width, widthMm * 100, pixelsX > 0 ? pixelsX : 1),
                       MulDiv(height, heightMm * 100, pixelsY > 0 ? pixelsY : 1)};
  // The description: the program's name and the picture's title, each ended by a zero.
  const std::string description = std::string("Polver") + '\0' + title + '\0' + '\0';
  HDC metafile = CreateEnhMetaFileA(screen, nullptr, &bounds, description.c_str());
  ReleaseDC(owner, screen);
  if (metafile == nullptr) return false;
  const ScreenRect area{0, 0, static_cast<double>(width), static_cast<double>(height)};
  render(metafile, area, 1, 13, GetDeviceCaps(metafile, LOGPIXELSX));
  HENHMETAFILE picture = CloseEnhMetaFile(metafile);
  if (picture == nullptr) return false;
  if (!OpenClipboard(owner)) {
    DeleteEnhMetaFile(picture);
    return false;
  }
  EmptyClipboard();
  const bool copied = SetClipboardData(CF_ENHMETAFILE, picture) != nullptr;
  CloseClipboard();
  if (!copied) DeleteEnhMetaFile(picture);
  return copied;
}
