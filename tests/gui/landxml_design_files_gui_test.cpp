// LandXML design files as design programs write them, end to end: files in 8-bit code pages with
// their own letters in names and descriptions, circular vertical curves that touch in a profile
// cut inside a curve, and a profile that does not read leaving the plan taken over, with a
// message.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "alignment/alignment_report.h"
#include "calculator_driver.h"
#include "file_helpers.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

const char* const kImportCaption = "Import LandXML";
constexpr int kMessageText = 0xFFFF;

// North for 100, a quarter curve of radius 100 to the right, east for 300.
const std::wstring kPlan =
    L"<CoordGeom><Line><Start>0 0</Start><End>100 0</End></Line>"
    L"<Curve rot=\"cw\" radius=\"100\" length=\"157.07963267948966\"><Start>100 0</Start>"
    L"<Center>100 100</Center><End>200 100</End></Curve>"
    L"<Line><Start>200 100</Start><End>200 400</End></Line></CoordGeom>";
const char* const kVertices = "V0 0 0\r\nV1 0 200 100 0\r\nV2 400 200";

std::wstring Alignment(const std::wstring& name, const std::wstring& description,
                       const std::wstring& more = L"") {
  return L"<Alignment name=\"" + name + L"\" desc=\"" + description + L"\" staStart=\"0\">" +
         kPlan + more + L"</Alignment>";
}

// The document in the code page its declaration names.
std::string DesignFile(const std::string& encoding, unsigned codePage,
                       const std::wstring& alignments) {
  const std::wstring text =
      L"<?xml version=\"1.0\" encoding=\"" + std::wstring(encoding.begin(), encoding.end()) +
      L"\"?>\r\n<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" version=\"1.2\">\r\n"
      L"<Units><Metric linearUnit=\"meter\"/></Units>\r\n<Alignments>\r\n" +
      alignments + L"\r\n</Alignments>\r\n</LandXML>\r\n";
  const int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size,
                      nullptr, nullptr);
  return bytes;
}

// A name as an ANSI list box holds it: the letters the ANSI code page lacks become "?".
std::wstring AsShown(const std::wstring& name) {
  char ansi[256] = {};
  WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
  wchar_t wide[256] = {};
  MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, 256);
  return wide;
}

std::wstring ListItem(HWND list, int index) {
  wchar_t text[256] = {};
  if (SendMessageW(list, LB_GETTEXTLEN, index, 0) >= 256) return L"(too long)";
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

struct DialogSearch {
  DWORD processId;
  int control;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM parameter) {
  DialogSearch& search = *reinterpret_cast<DialogSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (owner == search.processId && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0 &&
      lstrcmpA(caption, kImportCaption) == 0 && GetDlgItem(window, search.control) != nullptr) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// The import's dialog or message box that has this control, once it answers; several windows
// share the caption.
HWND WaitForImportWindow(DWORD processId, int control) {
  for (int waited = 0; waited <= 10000; waited += 50) {
    DialogSearch search{processId, control, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      Settle(search.found);
      return search.found;
    }
    Sleep(50);
  }
  return nullptr;
}

void WaitUntilGone(HWND window) {
  for (int waited = 0; IsWindow(window) && waited < 10000; waited += 50) Sleep(50);
  EXPECT_FALSE(IsWindow(window));
}

class LandXmlDesignFiles : public PolverTest {
 protected:
  void SetUp() override {
    PolverTest::SetUp();
    dialog = OpenAlignment(polver);
    ASSERT_NE(nullptr, dialog) << "Trace Alignment did not open";
  }
  void TearDown() override {
    PolverTest::TearDown();
    for (const std::string& path : written) DeleteFileA(path.c_str());
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    written.push_back(std::string(temp) + "polver-" + std::to_string(Pid()) + "-" + name);
    PutFile(written.back(), bytes);
    return written.back();
  }

  void ImportFrom(const std::string& path) {
    PressButton(dialog, IDC_IMPORT_LANDXML);
    HWND open = WaitForImportWindow(Pid(), kFileNameField);
    ASSERT_NE(nullptr, open) << "no Open dialog for the import";
    ChooseFile(open, path);
    WaitUntilGone(open);
  }

  // The message box that must come next: its text, once answered with OK.
  std::string AnswerMessage() {
    HWND box = WaitForImportWindow(Pid(), kMessageText);
    if (box == nullptr) return "(no message box)";
    const std::string text = MessageBoxText(box);
    PressButton(box, IDOK);
    WaitUntilGone(box);
    return text;
  }

  std::string Field(int id) const { return ReadText(GetDlgItem(dialog, id)); }

  HWND dialog = nullptr;
  std::vector<std::string> written;
};

}  // namespace

TEST_F(LandXmlDesignFiles, EightBitEncodingsAreReadWithTheirLetters) {
  const struct {
    const char* encoding;
    unsigned codePage;
    std::wstring names[2];
    std::wstring description;
  } files[] = {
      {"ISO-8859-2",
       28592,
       {L"Tor g\u0142\u00f3wny", L"Bo\u010dn\u00e1 ko\u013eaj"},
       L"\u0141uk \u017b\u00f3\u0142w \u0105\u0119"},
      {"windows-1250",
       1250,
       {L"Hlavn\u00ed kolej \u010d. 1", L"Vle\u010dka \u0160\u0165astn\u00e1"},
       L"Oblouk \u0159 \u016f"},
      {"KOI8-R",
       20866,
       {L"\u0413\u043b\u0430\u0432\u043d\u044b\u0439 \u043f\u0443\u0442\u044c",
        L"\u041f\u043e\u0434\u044a\u0435\u0437\u0434\u043d\u043e\u0439"},
       L"\u041a\u0440\u0438\u0432\u0430\u044f \u0401\u0436"},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.encoding);
    WriteText(GetDlgItem(dialog, IDC_VERTICES), "A 1 2\r\nB 3 4");
    ImportFrom(Write(std::string(file.encoding) + ".xml",
                     DesignFile(file.encoding, file.codePage,
                                Alignment(file.names[0], file.description) +
                                    Alignment(file.names[1], file.description))));
    HWND chooser = WaitForImportWindow(Pid(), IDC_ALIGNMENT_LIST);
    ASSERT_NE(nullptr, chooser) << "no choice of alignments";
    HWND list = GetDlgItem(chooser, IDC_ALIGNMENT_LIST);
    EXPECT_TRUE(ListItem(list, 0) == AsShown(file.names[0]));
    EXPECT_TRUE(ListItem(list, 1) == AsShown(file.names[1]));
    PressButton(chooser, IDOK);
    WaitUntilGone(chooser);
    EXPECT_TRUE(WaitForText(GetDlgItem(dialog, IDC_VERTICES), kVertices));
  }
  // A name not known is said, and the fields stay.
  ImportFrom(Write("macintosh.xml", DesignFile("macintosh", 1252, Alignment(L"A", L"B"))));
  EXPECT_EQ("This file cannot be read as LandXML: its encoding macintosh is not known.",
            AnswerMessage());
  WriteText(GetDlgItem(dialog, IDC_VERTICES), "A 1 2\r\nB 3 4");
  EXPECT_EQ("A 1 2\r\nB 3 4", Field(IDC_VERTICES));
}

// Two circular vertical curves that touch in the design (radii 10000 and 22223.778 between the
// grades 12, -8 and 10 per mille), the first reaching 50 before the profile's first point.
TEST_F(LandXmlDesignFiles, TouchingCircularCurvesAndAProfileCutInsideACurveAreCalculated) {
  const std::wstring profile =
      L"<Profile><ProfAlign name=\"design\"><PVI>0 100</PVI>"
      L"<CircCurve radius=\"10000\">50 100.6</CircCurve>"
      L"<CircCurve radius=\"22223.778\">350 98.2</CircCurve><PVI>700 101.7</PVI></ProfAlign>"
      L"</Profile>";
  ImportFrom(
      Write("branch.xml", DesignFile("UTF-8", CP_UTF8, Alignment(L"Branch 2", L"", profile))));
  ASSERT_TRUE(WaitForText(GetDlgItem(dialog, IDC_VERTICES), kVertices));
  const std::string lines = Field(IDC_PROFILE);
  const double Rv[] = {9999.440052794074, 22222.8446627903};
  const char* const starts[] = {"0 100\r\n50 100.6 ", "\r\n350 98.2 ", "\r\n700 101.7"};
  size_t at = 0;
  for (int i = 0; i < 3; ++i) {
    ASSERT_EQ(at, lines.find(starts[i], at)) << lines;
    at += std::string(starts[i]).size();
    if (i < 2) {
      char* end = nullptr;
      EXPECT_NEAR(Rv[i], std::strtod(lines.c_str() + at, &end), 1e-6) << lines;
      at = static_cast<size_t>(end - lines.c_str());
    }
  }
  AlignmentTexts texts;
  texts.PKstart = Field(IDC_PK_START);
  texts.vertices = Field(IDC_VERTICES);
  texts.profile = lines;
  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(AlignmentCalcBlock(texts), calc);
  EXPECT_EQ(std::string::npos, calc.find('!')) << calc;
  // The height at the start follows the curve; the curve's PK begin lies before it.
  EXPECT_NE(std::string::npos, calc.find("\r\nV0\t0.0000\t0.0000\t0.0000\t99.8750\r\n")) << calc;
  EXPECT_NE(std::string::npos, calc.find("\t-49.9944\t149.9944\r\n")) << calc;
}

TEST_F(LandXmlDesignFiles, UnsymmetricalCurveLeavesTheProfileOutWithAMessage) {
  const std::wstring more =
      L"<Cant><CantStation station=\"100\" appliedCant=\"0\"/>"
      L"<CantStation station=\"150\" appliedCant=\"0.12\" curvature=\"cw\"/></Cant>"
      L"<Profile><ProfAlign><PVI>0 100</PVI>"
      L"<UnsymParaCurve lengthIn=\"40\" lengthOut=\"60\">250 102</UnsymParaCurve>"
      L"<PVI>557 101</PVI></ProfAlign></Profile>";
  WriteText(GetDlgItem(dialog, IDC_PROFILE), "5 100\r\n9 101");
  ImportFrom(Write("siding.xml", DesignFile("UTF-8", CP_UTF8, Alignment(L"Siding 3", L"", more))));
  HWND box = WaitForImportWindow(Pid(), kMessageText);
  ASSERT_NE(nullptr, box);
  // The box comes once the fields hold what was taken over; the cant was written in metres.
  EXPECT_EQ(kVertices, Field(IDC_VERTICES));
  EXPECT_EQ("", Field(IDC_PROFILE));
  EXPECT_EQ("100 0\r\n150 120", Field(IDC_CANT));
  EXPECT_EQ(
      "Alignment Siding 3 was taken over without its profile: its profile has an unsymmetrical "
      "vertical curve at 210.0000.",
      MessageBoxText(box));
  PressButton(box, IDOK);
  WaitUntilGone(box);
}
