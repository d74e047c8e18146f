// File, Print end to end on a real printer: the CUPS PDF printer PolverPDF, which the test command
// sets up as the default (scripts/common.sh, prepare_pdf_printer). Each job becomes a PDF in ~/PDF,
// read back with pdftotext: what the surveyor would find on paper.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator_catalogue.h"
#include "calculator_driver.h"
#include "file_helpers.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

constexpr int kSelectionChoice = 1057;  // the Print dialog's "Selection" (rad2)
constexpr int kPagesChoice = 1058;      // the Print dialog's "Pages" (rad3)
constexpr int kFromPageField = 1152;    // the first page of a range (edt1)
constexpr int kToPageField = 1153;      // the last page of a range (edt2)
constexpr int kCopiesField = 1154;      // the Print dialog's number of copies (edt3)
// Changing printers takes root, sudo without a password, or a member of the spooler's admin
// group: the shell command run through whichever this user has.
std::string AsPrinterAdmin(const std::string& command) {
  return "S=; [ $(id -u) -eq 0 ] || ! sudo -n true 2>/dev/null || S='sudo -n'; " + command;
}
// The printer PolverPDF made anew if it is gone, ready, and the default.
const char* const kPrinterSetUp =
    "$S lpadmin -p PolverPDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd -E 2>/dev/null"
    " && $S cupsenable PolverPDF && $S cupsaccept PolverPDF && $S lpadmin -d PolverPDF";

std::string PdfTextFile() {
  return LinuxTempPath("print") + ".txt";
}

std::string WindowsPathOf(const std::string& linuxPath) {
  std::string path = "Z:" + linuxPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

void ClearPdfFolder() {
  EXPECT_EQ(0, RunLinux("mkdir -p ~/PDF && rm -f ~/PDF/*.pdf"));
}

// Waits until the spooler has no job left and a PDF lies in ~/PDF, then returns its text as
// pdftotext lays it out (pages end with a form feed); "" after the time-out.
std::string WaitForPrintedText(int timeoutMs = 30000) {
  const std::string out = PdfTextFile();
  const std::string wait =
      "(rm -f " + out + "; for i in $(seq " + std::to_string(timeoutMs / 200) +
      "); do if [ -z \"$(lpstat -o 2>/dev/null)\" ]; then f=$(ls -t ~/PDF/*.pdf 2>/dev/null | "
      "head -1); [ -n \"$f\" ] && pdftotext -layout \"$f\" " +
      out + " 2>/dev/null && exit 0; fi; sleep 0.2; done; exit 1)";
  if (RunLinux(wait, timeoutMs + 5000) != 0) return std::string();
  return FileBytes(WindowsPathOf(out));
}

// The printed text split into pages, each into lines with their trailing blanks taken off.
std::vector<std::vector<std::string>> Pages(const std::string& printed) {
  std::vector<std::vector<std::string>> pages(1);
  std::string line;
  for (char c : printed) {
    if (c == '\n' || c == '\f') {
      while (!line.empty() && line.back() == ' ') line.pop_back();
      pages.back().push_back(line);
      line.clear();
      if (c == '\f') pages.emplace_back();
    } else {
      line += c;
    }
  }
  if (!line.empty()) pages.back().push_back(line);
  while (!pages.empty() && pages.back().empty()) pages.pop_back();
  return pages;
}

// A page's lines without the empty ones before its header; the header comes first.
std::vector<std::string> Trimmed(std::vector<std::string> page) {
  while (!page.empty() && page.front().empty()) page.erase(page.begin());
  return page;
}

// What leaves a mark on paper, in order: everything but blanks, TABs and line breaks.
std::string Marks(const std::string& text) {
  std::string marks;
  for (char c : text) {
    if (static_cast<unsigned char>(c) > 0x20) marks += c;
  }
  return marks;
}

// The lines of every page after its header, empty lines left out, in order.
std::vector<std::string> BodyLines(const std::vector<std::vector<std::string>>& pages) {
  std::vector<std::string> body;
  for (const auto& page : pages) {
    const std::vector<std::string> lines = Trimmed(page);
    for (size_t i = 1; i < lines.size(); ++i) {
      if (!lines[i].empty()) body.push_back(lines[i]);
    }
  }
  return body;
}

// The words of a PDF with the left and top edges of each, in points (pdftotext -bbox).
struct PlacedWord {
  int page;
  double left;
  double top;
  std::string text;
};

std::vector<PlacedWord> PlacedWords(const std::string& boxes) {
  std::vector<PlacedWord> words;
  int page = 0;
  size_t nextPage = boxes.find("<page ");
  for (size_t at = boxes.find("<word "); at != std::string::npos;
       at = boxes.find("<word ", at + 1)) {
    const size_t left = boxes.find("xMin=\"", at) + 6;
    const size_t top = boxes.find("yMin=\"", at) + 6;
    const size_t text = boxes.find('>', at) + 1;
    for (; nextPage < at; nextPage = boxes.find("<page ", nextPage + 1)) ++page;
    words.push_back({page, std::atof(boxes.c_str() + left), std::atof(boxes.c_str() + top),
                     boxes.substr(text, boxes.find("</word>", text) - text)});
  }
  return words;
}

// The left edges of the words on the line of `first`, from left to right.
std::vector<double> WordEdgesOnLineOf(const std::vector<PlacedWord>& words,
                                      const std::string& first) {
  const PlacedWord* line = nullptr;
  for (const PlacedWord& word : words) {
    if (word.text == first) line = &word;
  }
  std::vector<double> edges;
  for (const PlacedWord& word : words) {
    if (line != nullptr && word.page == line->page && word.top > line->top - 0.5 &&
        word.top < line->top + 0.5) {
      edges.push_back(word.left);
    }
  }
  std::sort(edges.begin(), edges.end());
  return edges;
}

// Each page's header: the document's name on the left, "Page k of N" on the right, k counting
// from `first`; N is the number of pages unless given.
void ExpectHeaders(const std::vector<std::vector<std::string>>& pages, const std::string& name,
                   size_t first = 1, size_t count = 0) {
  if (count == 0) count = pages.size();
  for (size_t k = 0; k < pages.size(); ++k) {
    const std::vector<std::string> lines = Trimmed(pages[k]);
    ASSERT_FALSE(lines.empty()) << "page " << k + 1 << " is blank";
    const std::string number = "Page " + std::to_string(first + k) + " of " + std::to_string(count);
    EXPECT_EQ(0u, lines[0].find(name)) << lines[0];
    EXPECT_EQ(lines[0].size() - number.size(), lines[0].rfind(number)) << lines[0];
  }
}

// Opens the Print dialog of the running copy.
HWND OpenPrintDialog(const Polver& polver) {
  PostCommand(polver.main, CMD_PRINT);
  HWND dialog = WaitForWindow(polver.process.dwProcessId, "#32770", "Print");
  EXPECT_NE(dialog, nullptr) << "no Print dialog";
  return dialog;
}

// The whole document for the big print: real reports of all six calculators, a point list with
// TABs, a line of 500 characters, and enough of them for several pages.
std::string FieldSheet(std::string& longLine) {
  for (int i = 0; i < 500; ++i) longLine += static_cast<char>('0' + (i * 7 + i / 10) % 10);
  longLine.replace(0, 9, "LONG-LINE");
  std::string text;
  RememberedInputs remembered = InitialInputs();
  for (int round = 0; round < 2; ++round) {
    for (const CalculatorUnderTest& calculator : AllCalculators()) {
      text += ExpectedReport(*calculator.table, remembered, calculator.example, calculator.compute);
    }
  }
  text += "\r\nName\tY\tX\tH\r\n";
  for (int row = 1; row <= 30; ++row) {
    text += "PT" + std::to_string(row) + "\t" + std::to_string(5400000 + row * 37) + ".125\t" +
            std::to_string(7300000 - row * 41) + ".500\t" + std::to_string(100 + row) + ".25\r\n";
  }
  return text + longLine + "\r\nEND OF SHEET\r\n";
}

class PrintTest : public PolverTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(0, RunLinux("lpstat -p PolverPDF >/dev/null 2>&1"))
        << "no printer PolverPDF: scripts/test.sh sets it up (prepare_pdf_printer)";
    ClearPdfFolder();
    PolverTest::SetUp();
  }
};

TEST_F(PrintTest, WholeDocumentReachesPaperInOrder) {
  const std::string folder = WindowsPathOf(LinuxTempPath("print"));
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string path = folder + "\\field-sheet.txt";
  std::string longLine;
  const std::string sheet = FieldSheet(longLine);
  PutFile(path, sheet);
  PostCommand(polver.main, CMD_OPEN);
  HWND open = WaitForWindow(Pid(), "#32770", "Open File");
  ASSERT_NE(open, nullptr);
  ChooseFile(open, path);
  ASSERT_TRUE(WaitForText(polver.editor, sheet));
  const std::string title = ReadText(polver.main);

  HWND dialog = OpenPrintDialog(polver);
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kSelectionChoice))) << "nothing is selected";
  SaveScreenshot("print-dialog");
  PressButton(dialog, IDOK);
  const auto pages = Pages(WaitForPrintedText());
  ASSERT_GE(pages.size(), 3u) << "a document of several pages";
  ExpectHeaders(pages, "field-sheet.txt");

  const std::vector<std::string> body = BodyLines(pages);
  std::string printed;
  std::string joined;
  for (const std::string& line : body) {
    printed += line + "\n";
    joined += line;
  }
  EXPECT_EQ(Marks(sheet), Marks(printed)) << "every character once and in order";
  EXPECT_NE(std::string::npos, joined.find(longLine)) << "the long line whole across its lines";
  // The point list's columns line up on paper: every value starts where its heading does.
  ASSERT_EQ(0, RunLinux("pdftotext -bbox \"$(ls -t ~/PDF/*.pdf | head -1)\" " + PdfTextFile()));
  const std::vector<PlacedWord> words = PlacedWords(FileBytes(WindowsPathOf(PdfTextFile())));
  const std::vector<double> headings = WordEdgesOnLineOf(words, "Name");
  ASSERT_EQ(4u, headings.size());
  for (int row = 1; row <= 30; ++row) {
    const std::vector<double> edges = WordEdgesOnLineOf(words, "PT" + std::to_string(row));
    ASSERT_EQ(4u, edges.size()) << "row " << row;
    for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(headings[i], edges[i], 0.01) << "row " << row;
  }
  // The last page, with the long line, as a picture to be looked at (print-page-N.png).
  const char* artifacts = std::getenv("POLVER_ARTIFACTS");
  const std::string picture =
      std::string(artifacts != nullptr ? artifacts : "/tmp/polver-gui") + "/print-page";
  RunLinux("f=$(ls -t ~/PDF/*.pdf | head -1); mkdir -p \"$(dirname '" + picture +
           "')\" && pdftoppm -png -r 60 -f " + std::to_string(pages.size()) + " -l " +
           std::to_string(pages.size()) + " \"$f\" '" + picture + "'");

  // A page range prints those pages alone, numbered as in the whole document.
  ClearPdfFolder();
  dialog = OpenPrintDialog(polver);
  ASSERT_NE(dialog, nullptr);
  PostMessageA(GetDlgItem(dialog, kPagesChoice), BM_CLICK, 0, 0);
  WriteText(GetDlgItem(dialog, kFromPageField), "2");
  WriteText(GetDlgItem(dialog, kToPageField), "3");
  Settle(dialog);
  PressButton(dialog, IDOK);
  const auto range = Pages(WaitForPrintedText());
  ASSERT_EQ(2u, range.size());
  ExpectHeaders(range, "field-sheet.txt", 2, pages.size());
  EXPECT_EQ(BodyLines({pages[1], pages[2]}), BodyLines(range));

  // Printing left the document as it was: text, name, and no changes to save on Exit.
  EXPECT_EQ(sheet, ReadText(polver.editor));
  EXPECT_EQ(title, ReadText(polver.main));
  PostCommand(polver.main, CMD_EXIT);
  EXPECT_EQ(0, WaitForExit(polver.process, 10000)) << "Exit asked about changes";
  DeleteFileA(path.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(PrintTest, CancelPrintsNothingAndSelectionPrintsOnlyIt) {
  const std::string text = "first line\r\nSELECTED ONE\r\nSELECTED TWO\r\nlast line\r\n";
  WriteText(polver.editor, text);
  HWND dialog = OpenPrintDialog(polver);
  ASSERT_NE(dialog, nullptr);
  PressButton(dialog, IDCANCEL);
  EXPECT_TRUE(WaitForWindowGone(Pid(), "#32770", "Print"));
  Sleep(2000);  // time enough for a job to reach the spooler, were there one
  EXPECT_EQ(1, RunLinux("ls ~/PDF/*.pdf >/dev/null 2>&1 || [ -n \"$(lpstat -o)\" ]"))
      << "Cancel printed something";

  const size_t start = text.find("SELECTED");
  const size_t end = text.find("last");
  SendMessageTimeoutA(polver.editor, EM_SETSEL, start, end, SMTO_ABORTIFHUNG, 5000, nullptr);
  dialog = OpenPrintDialog(polver);
  ASSERT_NE(dialog, nullptr);
  HWND selection = GetDlgItem(dialog, kSelectionChoice);
  ASSERT_TRUE(IsWindowEnabled(selection)) << "Selection is offered";
  PostMessageA(selection, BM_CLICK, 0, 0);
  WriteText(GetDlgItem(dialog, kCopiesField), "2");
  Settle(dialog);
  SaveScreenshot("print-dialog-selection");
  PressButton(dialog, IDOK);
  const auto pages = Pages(WaitForPrintedText());
  ASSERT_EQ(2u, pages.size()) << "two copies of a one-page selection";
  ExpectHeaders({pages[0]}, "Untitled");
  ExpectHeaders({pages[1]}, "Untitled");
  for (const auto& page : pages) {
    EXPECT_EQ((std::vector<std::string>{"SELECTED ONE", "SELECTED TWO"}), BodyLines({page}));
  }
  EXPECT_EQ(text, ReadText(polver.editor));
}

// A printer that is gone, or a spooler that refuses the job: the program says so and carries on.
// The printer is put back, ready and the default, whatever happens. Changing the spooler needs
// admin rights: without them these tests are skipped and leave the printer alone.
class PrintFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    // Without root or sudo, a change that changes nothing: the spooler refuses it exactly when
    // the user may not change printers.
    if (RunLinux("[ $(id -u) -eq 0 ] || sudo -n true 2>/dev/null || "
                 "cupsaccept PolverPDF 2>/dev/null") != 0) {
      mayChangePrinters = false;
      GTEST_SKIP() << "needs root or sudo to change printers";
    }
  }
  void TearDown() override {
    if (!mayChangePrinters) return;
    if (HasFailure()) {
      SaveScreenshot(std::string("failed-PrintFailure-") +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    StopPolver(polver);
    EXPECT_EQ(0, RunLinux(AsPrinterAdmin(kPrinterSetUp))) << "the printer was not put back";
  }
  // The text of the program's "Print" message box, closed after a screenshot; "" if none came.
  std::string CloseMessageBox(const std::string& screenshot) {
    HWND box = WaitForWindow(polver.process.dwProcessId, "#32770", "Print");
    if (box == nullptr) return std::string();
    SaveScreenshot(screenshot);
    const std::string text = MessageBoxText(box);
    PressButton(box, IDOK);
    EXPECT_TRUE(WaitForWindowGone(polver.process.dwProcessId, "#32770", "Print"));
    return text;
  }
  // The editor still holds `text` and takes a new one.
  void ExpectEditorCarriesOn(const std::string& text) {
    EXPECT_EQ(text, ReadText(polver.editor));
    WriteText(polver.editor, "still here\r\n");
    EXPECT_EQ("still here\r\n", ReadText(polver.editor));
  }
  Polver polver;
  bool mayChangePrinters = true;
};

TEST_F(PrintFailure, NoPrinterSaysSo) {
  ASSERT_EQ(0, RunLinux(AsPrinterAdmin("$S lpadmin -x PolverPDF")));
  polver = StartPolver();  // the list of printers is read when a program starts
  ASSERT_NE(polver.editor, nullptr);
  WriteText(polver.editor, "kept\r\n");
  PostCommand(polver.main, CMD_PRINT);
  EXPECT_EQ("No printer is installed.", CloseMessageBox("print-no-printer"));
  ExpectEditorCarriesOn("kept\r\n");
}

TEST_F(PrintFailure, RefusedJobGivesTheReason) {
  polver = StartPolver();
  ASSERT_NE(polver.editor, nullptr);
  WriteText(polver.editor, "kept\r\n");
  ASSERT_EQ(0, RunLinux(AsPrinterAdmin("$S cupsreject PolverPDF")));
  HWND dialog = OpenPrintDialog(polver);
  ASSERT_NE(dialog, nullptr);
  PressButton(dialog, IDOK);
  for (int waited = 0; waited < 10000 && IsWindow(dialog); waited += 50) Sleep(50);
  const std::string message = CloseMessageBox("print-refused");
  EXPECT_EQ(0u, message.find("Printing failed: ")) << message;
  EXPECT_GT(message.size(), std::string("Printing failed: ").size()) << "the reason is missing";
  ExpectEditorCarriesOn("kept\r\n");
}

}  // namespace
