#include "printing/print.h"

#include <commdlg.h>
#include <winspool.h>

#include <string>
#include <vector>

#include "common/editor_text.h"
#include "common/messages.h"
#include "common/wait_cursor.h"
#include "page/page_layout.h"

namespace {

// Set while a job runs: the message pump below may deliver another Print command meanwhile.
bool jobRunning = false;

// Where and how the text goes on a printer's page, in the printer's device units.
struct PrintLayout {
  HFONT font;
  int left;        // left edge of every line
  int top;         // top of the header line
  int charWidth;   // advance of every character: the font's, forced to a fixed grid
  int lineHeight;  // distance between lines
  PageShape shape;
};

// The header line, one blank line, then the text.
constexpr int kHeaderRows = 2;

// A 10-point fixed-pitch font, the text area 2 cm in from each edge of the paper (or the edge of
// the printable area where the printer cannot print so far out), and what fits in it.
PrintLayout LayOutPage(HDC printer) {
  PrintLayout layout{};
  layout.font =
      CreateFontA(-MulDiv(10, GetDeviceCaps(printer, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                  FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier New");
  HGDIOBJ previous = SelectObject(printer, layout.font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(printer, &metrics);
  SIZE tenCharacters{};
  GetTextExtentPoint32A(printer, "MMMMMMMMMM", 10, &tenCharacters);
  SelectObject(printer, previous);
  layout.charWidth = tenCharacters.cx > 0 ? (tenCharacters.cx + 9) / 10 : 1;
  layout.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  if (layout.lineHeight < 1) layout.lineHeight = 1;

  const RECT area = AreaInsideMargins(printer, 2000);  // 2 cm
  layout.left = area.left;
  layout.top = area.top;
  layout.shape.columns = (area.right - layout.left) / layout.charWidth;
  layout.shape.linesPerPage = (area.bottom - layout.top) / layout.lineHeight - kHeaderRows;
  if (layout.shape.columns < 1) layout.shape.columns = 1;
  if (layout.shape.linesPerPage < 1) layout.shape.linesPerPage = 1;
  return layout;
}

// The number of pages the text fills on the default printer, for the Print dialog's page range;
// 0 when that printer cannot be asked.
int PagesOnDefaultPrinter(const std::string& text) {
  char name[512] = {};
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return 0;
  HDC printer = CreateICA("WINSPOOL", name, nullptr, nullptr);
  if (printer == nullptr) return 0;
  const PrintLayout layout = LayOutPage(printer);
  DeleteObject(layout.font);
  DeleteDC(printer);
  return CountPages(text, layout.shape);
}

// Lets the program's windows repaint while a job runs; a quit message ends the job.
BOOL CALLBACK KeepWindowsAlive(HDC, int) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return FALSE;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return TRUE;
}

// Draws one line at text row `row` of the page, every character on the layout's fixed grid.
void DrawRow(HDC printer, const PrintLayout& layout, int row, const std::string& line) {
  if (line.empty()) return;
  std::vector<INT> advances(line.size(), layout.charWidth);
  ExtTextOutA(printer, layout.left, layout.top + row * layout.lineHeight, 0, nullptr, line.c_str(),
              static_cast<UINT>(line.size()), advances.data());
}

// Draws the page whose text starts at `offset` under its header; returns where the next page
// starts. Only the line being drawn is kept.
size_t DrawPage(HDC printer, const PrintLayout& layout, const std::string& text, size_t offset,
                const std::string& header) {
  DrawRow(printer, layout, 0, header);
  std::string line;
  for (int row = 0; row < layout.shape.linesPerPage && offset < text.size(); ++row) {
    offset = NextPrintedLine(text, offset, layout.shape.columns, line);
    DrawRow(printer, layout, kHeaderRows + row, line);
  }
  return offset;
}

// The system's text for an error code, without its line break.
std::string SystemReason(DWORD code) {
  if (code == 0) return Messages::kPrintNoReason;
  char buffer[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, buffer, sizeof buffer, nullptr);
  std::string reason(buffer, length);
  while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n')) reason.pop_back();
  if (reason.empty()) reason = "error " + std::to_string(code);
  return reason;
}

// What the Print dialog asked for.
struct PrintRequest {
  std::string text;  // the whole text or the selection
  int firstPage;
  int lastPage;  // may lie past the text's last page
  int copies;
  bool collate;  // each copy whole before the next, rather than each page in a row
};

// Runs the job: every copy in turn, each page of the range once. Returns false, with the reason in
// `failure`, when the printer or the spooler refused a step; the job is then withdrawn.
bool RunJob(HDC printer, const PrintLayout& layout, const PrintRequest& request,
            const std::string& documentName, std::string& failure) {
  const int pageCount = CountPages(request.text, layout.shape);
  const int lastPage = request.lastPage < pageCount ? request.lastPage : pageCount;
  DOCINFOA job{};
  job.cbSize = sizeof job;
  job.lpszDocName = documentName.c_str();
  SetAbortProc(printer, KeepWindowsAlive);
  if (StartDocA(printer, &job) <= 0) {
    failure = SystemReason(GetLastError());
    return false;
  }
  HGDIOBJ previous = SelectObject(printer, layout.font);
  // Collated copies run through the whole range in turn; otherwise each page comes in a row.
  const int rounds = request.collate ? request.copies : 1;
  const int repeats = request.collate ? 1 : request.copies;
  bool printed = true;
  for (int round = 0; round < rounds && printed; ++round) {
    size_t offset = PageStart(request.text, request.firstPage, layout.shape);
    for (int page = request.firstPage; page <= lastPage && printed; ++page) {
      const std::string header = PageHeader(documentName, page, pageCount, layout.shape.columns);
      size_t next = offset;
      for (int repeat = 0; repeat < repeats && printed; ++repeat) {
        printed = StartPage(printer) > 0;
        if (!printed) break;
        SelectObject(printer, layout.font);  // some drivers reset the font at every page
        next = DrawPage(printer, layout, request.text, offset, header);
        printed = EndPage(printer) > 0 && KeepWindowsAlive(printer, 0);
      }
      offset = next;
    }
  }
  if (printed) printed = EndDoc(printer) > 0;
  if (!printed) {
    failure = SystemReason(GetLastError());
    AbortDoc(printer);
  }
  SelectObject(printer, previous);
  return printed;
}

// The selection of the editor as offsets into its text; empty when nothing is selected.
void EditorSelection(HWND editor, DWORD& start, DWORD& end) {
  start = 0;
  end = 0;
  SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
}

}  // namespace

RECT AreaInsideMargins(HDC printer, int marginHundredthsMm) {
  const int marginX = MulDiv(marginHundredthsMm, GetDeviceCaps(printer, LOGPIXELSX), 2540);
  const int marginY = MulDiv(marginHundredthsMm, GetDeviceCaps(printer, LOGPIXELSY), 2540);
  const int offsetX = GetDeviceCaps(printer, PHYSICALOFFSETX);
  const int offsetY = GetDeviceCaps(printer, PHYSICALOFFSETY);
  const int paperWidth = GetDeviceCaps(printer, PHYSICALWIDTH);
  const int paperHeight = GetDeviceCaps(printer, PHYSICALHEIGHT);
  const int printableWidth = GetDeviceCaps(printer, HORZRES);
  const int printableHeight = GetDeviceCaps(printer, VERTRES);
  // Device coordinates start at the printable area's corner; the paper may be unknown (0).
  RECT area;
  area.left = marginX > offsetX ? marginX - offsetX : 0;
  area.top = marginY > offsetY ? marginY - offsetY : 0;
  area.right = paperWidth > 0 ? paperWidth - marginX - offsetX : printableWidth - marginX;
  area.bottom = paperHeight > 0 ? paperHeight - marginY - offsetY : printableHeight - marginY;
  if (area.right > printableWidth) area.right = printableWidth;
  if (area.bottom > printableHeight) area.bottom = printableHeight;
  return area;
}

bool HasDefaultPrinter() {
  char name[512] = {};
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
  // A default left over from a printer since removed names nothing that opens.
  HANDLE printer = nullptr;
  if (!OpenPrinterA(name, &printer, nullptr)) return false;
  ClosePrinter(printer);
  return true;
}

void PrintDocument(HWND owner, HWND editor, const std::string& documentPath) {
  if (jobRunning) return;
  if (!HasDefaultPrinter()) {
    ShowMessage(Messages::kNoPrinter, Messages::kPrintCaption, MB_OK | MB_ICONERROR);
    return;
  }
  PrintRequest request{GetText(editor), 1, 0xFFFF, 1, true};
  DWORD start = 0;
  DWORD end = 0;
  EditorSelection(editor, start, end);
  const bool hasSelection = start < end && end <= request.text.size();
  const int pages = PagesOnDefaultPrinter(request.text);

  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDC | PD_NOWARNING | PD_HIDEPRINTTOFILE | PD_ALLPAGES |
                 (hasSelection ? 0 : PD_NOSELECTION);
  dialog.nMinPage = 1;
  dialog.nMaxPage = static_cast<WORD>(pages > 0 && pages < 0xFFFF ? pages : 0xFFFF);
  dialog.nFromPage = 1;
  dialog.nToPage = dialog.nMaxPage;
  dialog.nCopies = 1;
  if (!PrintDlgA(&dialog)) {
    const DWORD error = CommDlgExtendedError();  // 0: the user cancelled
    if (error != 0) {
      const std::string text = Messages::kPrintDialogFailed + std::to_string(error);
      ShowMessage(text.c_str(), Messages::kPrintCaption, MB_OK | MB_ICONERROR);
    }
    if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
    return;
  }
  if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
  if (dialog.hDC == nullptr) return;

  if (dialog.Flags & PD_SELECTION) {
    request.text = request.text.substr(start, end - start);
  } else if (dialog.Flags & PD_PAGENUMS) {
    request.firstPage = dialog.nFromPage;
    request.lastPage = dialog.nToPage;
  }
  request.copies = dialog.nCopies > 0 ? dialog.nCopies : 1;
  request.collate = (dialog.Flags & PD_COLLATE) != 0;

  const PrintLayout layout = LayOutPage(dialog.hDC);
  const std::string documentName = PrintedDocumentName(documentPath);
  std::string failure;
  bool printed = true;
  const bool inRange = request.firstPage <= CountPages(request.text, layout.shape);
  if (inRange) {
    WaitCursor busy;
    jobRunning = true;
    EnableWindow(owner, FALSE);  // no typing into the document while it goes to paper
    printed = RunJob(dialog.hDC, layout, request, documentName, failure);
    EnableWindow(owner, TRUE);
    jobRunning = false;
  }
  DeleteObject(layout.font);
  DeleteDC(dialog.hDC);
  if (!inRange) {
    ShowMessage(Messages::kNoSuchPages, Messages::kPrintCaption, MB_OK | MB_ICONINFORMATION);
  } else if (!printed) {
    const std::string text = Messages::kPrintFailed + failure;
    ShowMessage(text.c_str(), Messages::kPrintCaption, MB_OK | MB_ICONERROR);
  }
}
