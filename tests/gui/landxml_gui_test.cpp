// LandXML in Trace Alignment end to end: design files in the shapes design programs write taken
// over into the fields (and CALC on them), as vertices or as elements, every refusal and file
// problem shown with the fields left alone, and exports read back by the program and by a second
// XML parser.
#include <msxml2.h>
#include <objbase.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "alignment/alignment_report.h"
#include "calculator_driver.h"
#include "file_helpers.h"
#include "geometry.h"
#include "polver_fixture.h"
#include "resource.h"

namespace {

const char* const kImportCaption = "Import LandXML";
const char* const kExportCaption = "Export LandXML";
constexpr int kMessageText = 0xFFFF;  // a message box's static text

// ---- The design files, as bytes ----

const std::string kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" "
    "xmlns:lx=\"http://www.landxml.org/schema/LandXML-1.2\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" version=\"1.2\" "
    "date=\"2026-11-30\" time=\"10:00:00\">\r\n"
    "  <Units><Metric linearUnit=\"meter\" areaUnit=\"squareMeter\" volumeUnit=\"cubicMeter\" "
    "angularUnit=\"decimal degrees\" directionUnit=\"decimal degrees\"/></Units>\r\n"
    "  <Project name=\"Station yard\"/>\r\n"
    "  <Application name=\"Road and rail design\" version=\"12.\"/>\r\n";

// The main track: a straight split at a station equation, a curve with spirals of 60 and 80 m,
// a plain curve; a prefixed element, <Feature> children, numbers written as "2000."; a profile
// with a parabolic and a circular vertical curve.
const std::string kMainTrack =
    "    <Alignment name=\"Main track\" length=\"1935.9266898087\" staStart=\"1000.\">\r\n"
    "      <CoordGeom>\r\n"
    "        <Line staStart=\"1000\" length=\"200\"><Start>2000. 1000.</Start>"
    "<End>2032.8797974611 1197.2787847664</End></Line>\r\n"
    "        <Line staStart=\"1300\" length=\"253.5188289551\">"
    "<Start>2032.8797974611 1197.2787847664</Start>"
    "<End>2074.5580362041 1447.3482172248</End>"
    "<Feature name=\"track\"><Property label=\"gauge\" value=\"1520\"/></Feature></Line>\r\n"
    "        <Spiral staStart=\"1553.5188289551\" length=\"60\" radiusStart=\"INF\" "
    "radiusEnd=\"500.\" rot=\"cw\" spiType=\"clothoid\" dirStart=\"80.5\">"
    "<Start>2074.5580362041 1447.3482172248</Start><End>2083.2350566456 1506.7077781584</End>"
    "<PI>2081.1352361619 1486.8114169715</PI><Feature code=\"TS\"/></Spiral>\r\n"
    "        <lx:Curve staStart=\"1613.5188289551\" length=\"173.4496159056\" rot=\"cw\" "
    "radius=\"500\" crvType=\"arc\"><lx:Start>2083.2350566456 1506.7077781584</lx:Start>"
    "<lx:Center>1585.9965719966 1559.1852912849</lx:Center>"
    "<lx:End>2071.4567596883 1678.8866119392</lx:End>"
    "<lx:PI>2092.4296523688 1593.8290339487</lx:PI></lx:Curve>\r\n"
    "        <Spiral staStart=\"1786.9684448607\" length=\"80\" radiusStart=\"500\" "
    "radiusEnd=\"INF\" rot=\"cw\" spiType=\"clothoid\">"
    "<Start>2071.4567596883 1678.8866119392</Start><End>2048.1976571708 1755.4070284877</End>"
    "<PI>2065.0687954429 1704.7936136712</PI></Spiral>\r\n"
    "        <Line staStart=\"1866.9684448607\" length=\"279.7877585606\">"
    "<Start>2048.1976571708 1755.4070284877</Start><End>1959.7209993223 2020.8370020331</End>"
    "</Line>\r\n"
    "        <Curve staStart=\"2146.7562034213\" length=\"370.9180872006\" rot=\"ccw\" "
    "radius=\"800\" crvType=\"arc\"><Start>1959.7209993223 2020.8370020331</Start>"
    "<Center>2718.6676377627 2273.8192148466</Center>"
    "<End>1926.7080428338 2386.9562998364</End><PI>1900. 2200.</PI></Curve>\r\n"
    "        <Line staStart=\"2517.6742906219\" length=\"518.2523991867\">"
    "<Start>1926.7080428338 2386.9562998364</Start><End>2000. 2900.</End></Line>\r\n"
    "      </CoordGeom>\r\n"
    "      <StaEquation staBack=\"1200\" staAhead=\"1300\" staInternal=\"1200\"/>\r\n"
    "      <Profile name=\"Main track\">\r\n"
    "        <ProfAlign name=\"Design grade\">\r\n"
    "          <PVI>1000. 250.5</PVI>\r\n"
    "          <ParaCurve length=\"200\">1400 254.5</ParaCurve>\r\n"
    "          <CircCurve length=\"4.8064370354\" radius=\"5000\">2000 252</CircCurve>\r\n"
    "          <PVI>2935.9266898087 249.</PVI>\r\n"
    "        </ProfAlign>\r\n"
    "        <ProfAlign name=\"Existing ground\"><PVI>1000 240</PVI><PVI>2900 260</PVI>"
    "</ProfAlign>\r\n"
    "      </Profile>\r\n"
    "    </Alignment>\r\n";

// A siding with equal spirals of 40 m, turning left, and no profile.
const std::string kSidingElements =
    "        <Line staStart=\"0\" length=\"155.6468610363\"><Start>0 0</Start>"
    "<End>0.0 155.6468610363</End></Line>\r\n"
    "        <Spiral staStart=\"155.6468610363\" length=\"40\" radiusStart=\"INF\" "
    "radiusEnd=\"300\" rot=\"ccw\" spiType=\"clothoid\"><Start>0.0 155.6468610363</Start>"
    "<End>0.8886067418 195.6290869161</End><PI>0.0 182.3197384584</PI></Spiral>\r\n"
    "        <Curve staStart=\"195.6468610363\" length=\"195.6194490192\" rot=\"ccw\" "
    "radius=\"300\" crvType=\"arc\"><Start>0.8886067418 195.6290869161</Start>"
    "<Center>300.2221869522 175.6438984391</Center><End>74.4297202532 373.1730405473</End>"
    "<PI>7.6455547111 296.8331075468</PI></Curve>\r\n"
    "        <Spiral staStart=\"391.2663100555\" length=\"40\" radiusStart=\"300\" "
    "radiusEnd=\"INF\" rot=\"ccw\" spiType=\"clothoid\"><Start>74.4297202532 373.1730405473</Start>"
    "<End>102.0730834468 402.0730834468</End><PI>83.2125109479 383.2125109479</PI></Spiral>\r\n"
    "        <Line staStart=\"431.2663100555\" length=\"138.4895735109\">"
    "<Start>102.0730834468 402.0730834468</Start><End>200 500</End></Line>\r\n";

std::string Siding(const std::string& elements, const std::string& profile = "") {
  return "    <Alignment name=\"Siding 3\" length=\"569.7558835664\" staStart=\"0\">\r\n"
         "      <CoordGeom>\r\n" +
         elements + "      </CoordGeom>\r\n" + profile + "    </Alignment>\r\n";
}

std::string LandXmlFile(const std::string& alignments) {
  return kHeader + "  <Alignments name=\"Yard\">\r\n" + alignments + "  </Alignments>\r\n" +
         "</LandXML>\r\n";
}

// A branch line in LandXML 1.1 as a design program writes it: a curve that starts it, a compound
// curve with a spiral from one radius to the other, reverse curves; directions in radians (not
// read: the import takes them from the coordinates).
const std::string kBranchFile =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.1\" version=\"1.1\" "
    "date=\"2026-11-30\" time=\"10:00:00\">\r\n"
    "  <Units><Metric linearUnit=\"meter\" areaUnit=\"squareMeter\" volumeUnit=\"cubicMeter\" "
    "angularUnit=\"radians\" directionUnit=\"radians\"/></Units>\r\n"
    "  <Project name=\"Branch line\"/>\r\n"
    "  <Application name=\"Road and rail design\" version=\"9.1\"/>\r\n"
    "  <Alignments name=\"Branch\">\r\n"
    "    <Alignment name=\"Branch\" length=\"640\" staStart=\"0\">\r\n"
    "      <CoordGeom>\r\n"
    "        <Curve rot=\"ccw\" radius=\"500\" crvType=\"arc\" length=\"40.0000000000\" "
    "staStart=\"0.0000000000\" dirStart=\"0.5235987756\" dirEnd=\"0.4435987756\">"
    "<Start>5000.0000000000 1000.0000000000</Start><Center>5250.0000000000 566.9872981078"
    "</Center><End>5035.4036509808 1018.5937716969</End></Curve>\r\n"
    "        <Spiral staStart=\"40.0000000000\" length=\"60.0000000000\" radiusStart=\"500\" "
    "radiusEnd=\"1200\" rot=\"ccw\" spiType=\"clothoid\" dirStart=\"0.4435987756\">"
    "<Start>5035.4036509808 1018.5937716969</Start><PI>5058.7962843250 1029.7095860246</PI>"
    "<End>5090.7604738908 1041.6898903814</End><Feature code=\"CS\"/></Spiral>\r\n"
    "        <Curve rot=\"ccw\" radius=\"1200\" crvType=\"arc\" length=\"80.0000000000\" "
    "staStart=\"100.0000000000\"><Start>5090.7604738908 1041.6898903814</Start>"
    "<Center>5511.9154575763 -81.9775335999</Center><End>5166.5517114554 1067.2499821103"
    "</End></Curve>\r\n"
    "        <Spiral staStart=\"180.0000000000\" length=\"50.0000000000\" radiusStart=\"1200\" "
    "radiusEnd=\"INF\" rot=\"ccw\" spiType=\"clothoid\"><Start>5166.5517114554 1067.2499821103"
    "</Start><PI>5182.5138645426 1072.0468990923</PI><End>5214.6305026096 1080.9734434861</End>"
    "</Spiral>\r\n"
    "        <Line staStart=\"230.0000000000\" length=\"100.0000000000\" dir=\"0.2710978\">"
    "<Start>5214.6305026096 1080.9734434861</Start><End>5310.9782262743 1107.7524678266</End>"
    "<Feature name=\"track\"><Property label=\"gauge\" value=\"1435\"/></Feature></Line>\r\n"
    "        <Spiral staStart=\"330.0000000000\" length=\"70.0000000000\" radiusStart=\"INF\" "
    "radiusEnd=\"800\" rot=\"cw\" spiType=\"clothoid\"><Start>5310.9782262743 1107.7524678266"
    "</Start><PI>5355.9450060800 1120.2505990241</PI><End>5378.1353930595 1127.4776124297</End>"
    "</Spiral>\r\n"
    "        <Curve rot=\"cw\" radius=\"800\" crvType=\"arc\" length=\"120.0000000000\" "
    "staStart=\"400.0000000000\"><Start>5378.1353930595 1127.4776124297</Start>"
    "<Center>5130.3972458019 1888.1521883118</Center><End>5489.0273487516 1173.0406940270"
    "</End></Curve>\r\n"
    "        <Spiral staStart=\"520.0000000000\" length=\"70.0000000000\" radiusStart=\"800\" "
    "radiusEnd=\"INF\" rot=\"cw\" spiType=\"clothoid\"><Start>5489.0273487516 1173.0406940270"
    "</Start><PI>5509.8885702185 1183.5026458514</PI><End>5550.6526167482 1206.2294379710</End>"
    "</Spiral>\r\n"
    "        <Line staStart=\"590.0000000000\" length=\"50.0000000000\" dir=\"0.5086\">"
    "<Start>5550.6526167482 1206.2294379710</Start><End>5594.3240015736 1230.5771308275</End>"
    "</Line>\r\n"
    "      </CoordGeom>\r\n"
    "    </Alignment>\r\n"
    "  </Alignments>\r\n"
    "</LandXML>\r\n";

// The worked elements and the element table CALC gives for them.
const char* const kWorkedElements =
    "curve 40 -500 1000 5000 30\r\nspiral 60 -500 -1200\r\ncurve 80 -1200\r\n"
    "spiral 50 -1200 0\r\nstraight 100\r\nspiral 70 0 800\r\ncurve 120 800\r\n"
    "spiral 70 800 0\r\nstraight 50";
const std::vector<std::string> kWorkedTable = {
    "Element\tPK\tY\tX\tDirection\tR start\tR end\tL",
    "1 curve\t0.0000\t1000.0000\t5000.0000\t 30' 0' 0'\t-500.0000\t-500.0000\t40.0000",
    "2 spiral\t40.0000\t1018.5938\t5035.4037\t 25' 24' 58.82'\t-500.0000\t-1200.0000\t60.0000",
    "3 curve\t100.0000\t1041.6899\t5090.7605\t 20' 32' 46.31'\t-1200.0000\t-1200.0000\t80.0000",
    "4 spiral\t180.0000\t1067.2500\t5166.5517\t 16' 43' 35.32'\t-1200.0000\t-\t50.0000",
    "5 straight\t230.0000\t1080.9734\t5214.6305\t 15' 31' 58.14'\t-\t-\t100.0000",
    "6 spiral\t330.0000\t1107.7525\t5310.9782\t 15' 31' 58.14'\t-\t800.0000\t70.0000",
    "7 curve\t400.0000\t1127.4776\t5378.1354\t 18' 2' 22.22'\t800.0000\t800.0000\t120.0000",
    "8 spiral\t520.0000\t1173.0407\t5489.0273\t 26' 38' 1.94'\t800.0000\t-\t70.0000",
    "9 straight\t590.0000\t1206.2294\t5550.6526\t 29' 8' 26.03'\t-\t-\t50.0000",
    "End\t640.0000\t1230.5771\t5594.3240\t 29' 8' 26.03'\t-\t-\t-"};

// CALC's element table is the worked one, row for row.
void ExpectWorkedTable(const std::string& calc) {
  const size_t at = calc.find(kWorkedTable.front());
  ASSERT_NE(std::string::npos, at) << calc;
  std::string expected;
  for (const std::string& row : kWorkedTable) expected += row + "\r\n";
  EXPECT_EQ(expected, calc.substr(at, expected.size()));
}

const std::string kBom = "\xEF\xBB\xBF";

// The same document in UTF-16, little-endian with its byte order mark (the texts here are ASCII).
std::string Utf16(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  std::string text = ascii;
  const std::string declared = "encoding=\"UTF-8\"";
  text.replace(text.find(declared), declared.size(), "encoding=\"UTF-16\"");
  for (char c : text) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

// The fields the main track and the siding fill, as lines of blank-separated fields; numbers
// are compared to 1e-6, since they come from where the file's straights meet.
const std::vector<std::string> kMainTrackVertices = {"V0 1000 2000", "V1 1600 2100 500 60 80",
                                                     "V2 2200 1900 800 0", "V3 2900 2000"};
const std::vector<std::string> kMainTrackProfile = {"1000 250.5", "1400 254.5 14117.647058823528",
                                                    "2000 252 4999.897523503989",
                                                    "2935.9266898087 249"};
const std::vector<std::string> kSidingVertices = {"V0 0 0", "V1 300 0 300 40", "V2 500 200"};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  std::string line;
  while (std::getline(stream, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream stream(line);
  std::string field;
  while (stream >> field) fields.push_back(field);
  return fields;
}

// Whether the field lines of `text` are `expected`: names alike, numbers within `tolerance`.
::testing::AssertionResult SameLines(const std::vector<std::string>& expected,
                                     const std::string& text, double tolerance = 1e-6) {
  const std::vector<std::string> lines = Lines(text);
  if (lines.size() != expected.size())
    return ::testing::AssertionFailure() << lines.size() << " lines in\n" << text;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string> want = Fields(expected[i]);
    const std::vector<std::string> have = Fields(lines[i]);
    bool same = want.size() == have.size();
    for (size_t j = 0; same && j < want.size(); ++j) {
      char* end = nullptr;
      const double a = std::strtod(want[j].c_str(), &end);
      const bool number = *end == '\0';
      const double b = std::strtod(have[j].c_str(), &end);
      same = number ? *end == '\0' && std::fabs(a - b) <= tolerance : want[j] == have[j];
    }
    if (!same)
      return ::testing::AssertionFailure()
             << "line " << i + 1 << " is \"" << lines[i] << "\", not \"" << expected[i] << "\"";
  }
  return ::testing::AssertionSuccess();
}

// ---- Finding the windows: several of them share the caption "Import LandXML" ----

struct DialogSearch {
  DWORD processId;
  const char* caption;
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
      lstrcmpA(caption, search.caption) == 0 && GetDlgItem(window, search.control) != nullptr) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// The visible dialog of the process with this caption that has this control, once it answers.
HWND WaitForDialogWith(DWORD processId, const char* caption, int control, int timeoutMs = 10000) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    DialogSearch search{processId, caption, control, nullptr};
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

// A list box item of another process (its text crosses as UTF-16, each letter here cut to a char).
std::string ListItem(HWND list, int index) {
  wchar_t text[128] = {};
  if (SendMessageW(list, LB_GETTEXTLEN, index, 0) >= 128) return "(too long)";
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
  return std::string(text, text + lstrlenW(text));
}

// A name as the chooser's ANSI list shows it (letters the ANSI code page lacks as "?"), read as
// ListItem reads it.
std::string AsListed(const std::wstring& name) {
  char ansi[128] = {};
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), -1, ansi, sizeof ansi, nullptr,
                      nullptr);
  wchar_t wide[128] = {};
  MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, 128);
  return std::string(wide, wide + lstrlenW(wide));
}

// Text in a code page, as a design program in that language writes it.
std::string Encoded(const std::wstring& text, UINT codePage) {
  char bytes[256] = {};
  WideCharToMultiByte(codePage, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

// Real mouse clicks at a point of the screen.
void DoubleClickAt(POINT at) {
  SetCursorPos(at.x, at.y);
  INPUT clicks[4] = {};
  for (INPUT& click : clicks) click.type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = clicks[2].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = clicks[3].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(4, clicks, sizeof(INPUT));
}

// ---- The exported file as a second XML parser reads it ----

struct DomElement {
  std::string name;   // local name
  std::string space;  // namespace
  std::map<std::string, std::string> attributes;
  std::string text;  // all the text inside
  std::vector<DomElement> children;
};

std::string Narrow(BSTR text) {
  std::string result;
  for (const wchar_t* c = text; c != nullptr && *c != 0; ++c) result += static_cast<char>(*c);
  SysFreeString(text);
  return result;
}

DomElement ReadDomElement(IXMLDOMNode* node) {
  DomElement element;
  BSTR text = nullptr;
  node->get_baseName(&text);
  element.name = Narrow(text);
  node->get_namespaceURI(&text);
  element.space = Narrow(text);
  node->get_text(&text);
  element.text = Narrow(text);
  IXMLDOMNamedNodeMap* attributes = nullptr;
  if (node->get_attributes(&attributes) == S_OK && attributes != nullptr) {
    long count = 0;
    attributes->get_length(&count);
    for (long i = 0; i < count; ++i) {
      IXMLDOMNode* attribute = nullptr;
      if (attributes->get_item(i, &attribute) != S_OK) continue;
      attribute->get_nodeName(&text);
      const std::string name = Narrow(text);
      attribute->get_text(&text);
      element.attributes[name] = Narrow(text);
      attribute->Release();
    }
    attributes->Release();
  }
  IXMLDOMNodeList* children = nullptr;
  if (node->get_childNodes(&children) == S_OK && children != nullptr) {
    long count = 0;
    children->get_length(&count);
    for (long i = 0; i < count; ++i) {
      IXMLDOMNode* child = nullptr;
      if (children->get_item(i, &child) != S_OK) continue;
      DOMNodeType type = NODE_INVALID;
      child->get_nodeType(&type);
      if (type == NODE_ELEMENT) element.children.push_back(ReadDomElement(child));
      child->Release();
    }
    children->Release();
  }
  return element;
}

// The file's document element as MSXML's DOM reads it; false when it cannot load the file.
bool LoadWithDom(const std::string& path, DomElement& root) {
  CLSID document = {};
  if (FAILED(CLSIDFromProgID(L"Msxml2.DOMDocument.6.0", &document)) &&
      FAILED(CLSIDFromProgID(L"Msxml2.DOMDocument.3.0", &document)))
    return false;
  IXMLDOMDocument* dom = nullptr;
  if (FAILED(CoCreateInstance(document, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                              reinterpret_cast<void**>(&dom))))
    return false;
  dom->put_async(VARIANT_FALSE);
  VARIANT source;
  VariantInit(&source);
  source.vt = VT_BSTR;
  source.bstrVal = SysAllocString(std::wstring(path.begin(), path.end()).c_str());
  VARIANT_BOOL loaded = VARIANT_FALSE;
  dom->load(source, &loaded);
  VariantClear(&source);
  IXMLDOMElement* element = nullptr;
  const bool ok = loaded == VARIANT_TRUE && dom->get_documentElement(&element) == S_OK;
  if (ok) {
    root = ReadDomElement(element);
    element->Release();
  }
  dom->Release();
  return ok;
}

const DomElement* ChildNamed(const DomElement& parent, const std::string& name) {
  for (const DomElement& child : parent.children)
    if (child.name == name) return &child;
  return nullptr;
}

// ---- The fixture: a fresh program and a folder of files ----

class LandXml : public PolverTest {
 protected:
  void SetUp() override {
    PolverTest::SetUp();
    static int serial = 0;
    std::string temp(MAX_PATH + 1, '\0');
    temp.resize(GetTempPathA(static_cast<DWORD>(temp.size()), &temp[0]));
    folder = temp + "polver-landxml-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(++serial);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    dialog = OpenAlignment(polver);
    ASSERT_NE(nullptr, dialog) << "Trace Alignment did not open";
  }
  void TearDown() override {
    PolverTest::TearDown();
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
      do DeleteFileA(Path(entry.cFileName).c_str());
      while (FindNextFileA(search, &entry));
      FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
  }

  std::string Path(const std::string& name) const { return folder + "\\" + name; }

  std::string Write(const std::string& name, const std::string& bytes) {
    PutFile(Path(name), bytes);
    return Path(name);
  }

  // "Import..." and the file chosen in its Open dialog.
  void ImportFrom(const std::string& path) {
    PressButton(dialog, IDC_IMPORT_LANDXML);
    HWND open = WaitForDialogWith(Pid(), kImportCaption, kFileNameField);
    ASSERT_NE(nullptr, open) << "no Open dialog for the import";
    ChooseFile(open, path);
    WaitUntilGone(open);
  }

  // "Export..." and the name chosen in its Save dialog; true once the file `written` exists.
  bool ExportAs(const std::string& chosen, const std::string& written) {
    PressButton(dialog, IDC_EXPORT_LANDXML);
    HWND save = WaitForDialogWith(Pid(), kExportCaption, kFileNameField);
    if (!save) return false;
    ChooseFile(save, chosen);
    WaitUntilGone(save);
    for (int waited = 0; !Exists(written) && waited < 10000; waited += 50) Sleep(50);
    return Exists(written);
  }

  // The message box that must come next, with its caption and text; answered with OK.
  void ExpectMessage(const char* caption, const std::string& text) {
    HWND box = WaitForDialogWith(Pid(), caption, kMessageText);
    ASSERT_NE(nullptr, box) << "no message box for: " << text;
    EXPECT_EQ(text, MessageBoxText(box));
    PressButton(box, IDOK);
    WaitUntilGone(box);
  }

  HWND WaitForChooser() {
    HWND chooser = WaitForDialogWith(Pid(), kImportCaption, IDC_ALIGNMENT_LIST);
    EXPECT_NE(nullptr, chooser) << "no choice of alignments";
    return chooser;
  }

  AlignmentTexts FieldTexts() const {
    AlignmentTexts texts;
    texts.PKstart = ReadText(GetDlgItem(dialog, IDC_PK_START));
    texts.vertices = ReadText(GetDlgItem(dialog, IDC_VERTICES));
    texts.xBeforeY =
        SendMessageA(GetDlgItem(dialog, IDC_X_BEFORE_Y), BM_GETCHECK, 0, 0) == BST_CHECKED;
    texts.profile = ReadText(GetDlgItem(dialog, IDC_PROFILE));
    texts.cant = ReadText(GetDlgItem(dialog, IDC_CANT));
    return texts;
  }

  void Fill(const std::string& PKstart, const std::string& vertices, const std::string& profile) {
    WriteText(GetDlgItem(dialog, IDC_PK_START), PKstart);
    WriteText(GetDlgItem(dialog, IDC_VERTICES), vertices);
    WriteText(GetDlgItem(dialog, IDC_PROFILE), profile);
  }

  void ExpectFields(const std::string& PKstart, const std::string& vertices,
                    const std::string& profile) {
    const AlignmentTexts texts = FieldTexts();
    EXPECT_EQ(PKstart, texts.PKstart);
    EXPECT_EQ(vertices, texts.vertices);
    EXPECT_EQ(profile, texts.profile);
  }

  std::string folder;
  HWND dialog = nullptr;
};

const char* const kTypedPK = "5";
const char* const kTypedVertices = "A 1 2\r\nB 3 4";
const char* const kTypedProfile = "5 100\r\n9 101";

}  // namespace

TEST_F(LandXml, DesignFileWithSeveralAlignmentsIsChosenFromTakenOverAndCalculated) {
  const std::string design =
      Write("yard design.xml", kBom + LandXmlFile(kMainTrack + Siding(kSidingElements)));
  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  WriteText(polver.editor, "survey notes\r\n");

  // The chooser lists both in file order, the first selected; Escape leaves everything alone.
  ImportFrom(design);
  HWND chooser = WaitForChooser();
  ASSERT_NE(nullptr, chooser);
  HWND list = GetDlgItem(chooser, IDC_ALIGNMENT_LIST);
  ASSERT_EQ(2, SendMessageA(list, LB_GETCOUNT, 0, 0));
  EXPECT_EQ(0, SendMessageA(list, LB_GETCURSEL, 0, 0));
  EXPECT_EQ("Main track", ListItem(list, 0));
  EXPECT_EQ("Siding 3", ListItem(list, 1));
  SaveScreenshot("landxml-chooser");
  BringToFront(chooser);
  PressKeys("Escape");
  WaitUntilGone(chooser);
  ExpectFields(kTypedPK, kTypedVertices, kTypedProfile);

  // Enter takes the selected one: the main track, its plan and its first profile.
  ImportFrom(design);
  chooser = WaitForChooser();
  ASSERT_NE(nullptr, chooser);
  BringToFront(chooser);
  PressKeys("Return");
  WaitUntilGone(chooser);
  AlignmentTexts texts = FieldTexts();
  EXPECT_EQ("1000", texts.PKstart);
  EXPECT_TRUE(SameLines(kMainTrackVertices, texts.vertices));
  EXPECT_TRUE(SameLines(kMainTrackProfile, texts.profile));
  EXPECT_EQ("survey notes\r\n", ReadText(polver.editor));

  // CALC on what was taken over runs through the file's own main points.
  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(AlignmentCalcBlock(texts), calc);
  EXPECT_EQ(std::string::npos, calc.find('!')) << calc;
  EXPECT_NE(std::string::npos, calc.find("\r\nV1 NSK\t1453.5188\t1447.3482\t2074.5580\t")) << calc;
  EXPECT_NE(std::string::npos, calc.find("\r\nV1 KSK\t1766.9684\t1755.4070\t2048.1977\t")) << calc;
  EXPECT_NE(std::string::npos, calc.find("\r\nLength=1935.9267   Curves=2\r\n")) << calc;

  // A double click on the second name takes the siding; it has no profile.
  ImportFrom(design);
  chooser = WaitForChooser();
  ASSERT_NE(nullptr, chooser);
  list = GetDlgItem(chooser, IDC_ALIGNMENT_LIST);
  const int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  POINT second = {12, itemHeight + itemHeight / 2};
  ClientToScreen(list, &second);
  BringToFront(chooser);
  DoubleClickAt(second);
  WaitUntilGone(chooser);
  ExpectFields("0", FieldTexts().vertices, "");
  EXPECT_TRUE(SameLines(kSidingVertices, FieldTexts().vertices));

  // What was taken over is remembered as if typed.
  const AlignmentTexts siding = FieldTexts();
  PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(Pid(), "#32770", kAlignmentCaption));
  dialog = OpenAlignment(polver);
  ASSERT_NE(nullptr, dialog);
  ExpectFields(" 0", siding.vertices, "");
}

TEST_F(LandXml, OneAlignmentInUtf16OrUtf8WithoutMarkNeedsNoChoice) {
  const std::string oneAlignment = LandXmlFile(Siding(kSidingElements));
  const std::string files[] = {Write("siding-utf16.xml", Utf16(oneAlignment)),
                               Write("siding-utf8.xml", oneAlignment)};
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    Fill(kTypedPK, kTypedVertices, kTypedProfile);
    ImportFrom(file);
    EXPECT_TRUE(WaitForText(GetDlgItem(dialog, IDC_PK_START), "0"));
    EXPECT_TRUE(SameLines(kSidingVertices, FieldTexts().vertices));
    EXPECT_EQ("", FieldTexts().profile);
  }
  // X before Y: the vertex lines come as the check box reads them.
  SendMessageA(GetDlgItem(dialog, IDC_X_BEFORE_Y), BM_SETCHECK, BST_CHECKED, 0);
  PressButton(dialog, IDC_X_BEFORE_Y);
  Settle(dialog);
  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  ImportFrom(files[1]);
  EXPECT_TRUE(WaitForText(GetDlgItem(dialog, IDC_PK_START), "0"));
  EXPECT_TRUE(SameLines({"V0 0 0", "V1 0 300 300 40", "V2 200 500"}, FieldTexts().vertices));
}

TEST_F(LandXml, RefusalsAndUnreadableFilesSaySoAndLeaveTheFields) {
  const std::string line = "        <Line><Start>0 0</Start><End>0 100</End></Line>\r\n";
  const std::string chain = "        <Chain>1 2</Chain>\r\n";
  std::string notClothoid = kSidingElements;
  notClothoid.replace(notClothoid.find("clothoid"), 8, "radioid");
  const size_t firstCurve = kSidingElements.find("        <Curve");
  const size_t exitSpiral = kSidingElements.find("        <Spiral", firstCurve);
  const size_t lastLine = kSidingElements.find("        <Line", exitSpiral);
  const std::string spiralToLine = kSidingElements.substr(0, firstCurve) +
                                   "        <Line><Start>0.8886067418 195.6290869161</Start>"
                                   "<End>1 300</End></Line>\r\n";
  std::string spiralBetweenCurves = kSidingElements;
  spiralBetweenCurves.replace(spiralBetweenCurves.find("radiusEnd=\"INF\""), 15,
                              "radiusEnd=\"600\"");
  const std::string twoCurves = kSidingElements.substr(0, exitSpiral) +
                                kSidingElements.substr(firstCurve, exitSpiral - firstCurve) +
                                kSidingElements.substr(lastLine);
  const std::string angle = line + "        <Line><Start>0 100</Start><End>50 200</End></Line>\r\n";
  std::string macintosh = LandXmlFile(Siding(kSidingElements));
  macintosh.replace(macintosh.find("UTF-8"), 5, "macintosh");
  const std::string refused = "Alignment Siding 3 cannot be taken over: ";
  struct Case {
    const char* file;
    std::string bytes;
    std::string message;
  };
  const Case cases[] = {
      {"no-geometry.xml",
       LandXmlFile("    <Alignment name=\"Siding 3\" staStart=\"0\"><Profile/></Alignment>\r\n"),
       refused + "it has no geometry."},
      {"empty-geometry.xml", LandXmlFile(Siding("")), refused + "it has no geometry."},
      {"chain.xml", LandXmlFile(Siding(line + chain)),
       refused + "it holds a <Chain> or an <IrregularLine>."},
      {"radioid.xml", LandXmlFile(Siding(notClothoid)),
       refused + "the spiral at 155.6469 is a radioid, not a clothoid, bloss, cosine, sinusoid or "
                 "biquadratic."},
      {"angle.xml", LandXmlFile(Siding(angle)),
       refused +
           "its elements at 100.0000 do not read as straights, curves and transition curves."},
      {"two-curves.xml", LandXmlFile(Siding(twoCurves)),
       refused +
           "its elements at 391.2663 do not read as straights, curves and transition curves."},
      {"spiral-between-curves.xml", LandXmlFile(Siding(spiralBetweenCurves)),
       refused +
           "its elements at 391.2663 do not read as straights, curves and transition curves."},
      {"macintosh.xml", macintosh,
       "This file cannot be read as LandXML: its encoding macintosh is not known."},
      {"spiral-to-line.xml", LandXmlFile(Siding(spiralToLine)),
       refused +
           "its elements at 195.6469 do not read as straights, curves and transition curves."},
      {"imperial.xml",
       "<?xml version=\"1.0\"?>\n<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\">"
       "<Units><Imperial linearUnit=\"USSurveyFoot\"/></Units><Alignments>" +
           Siding(kSidingElements) + "</Alignments></LandXML>\n",
       "This file gives lengths in feet; Polver reads metres only."},
      {"no-alignment.xml",
       "<?xml version=\"1.0\"?>\n<LandXML><Units><Metric linearUnit=\"meter\"/></Units>"
       "<Surfaces/></LandXML>\n",
       "This file holds no alignment."},
      {"malformed.xml",
       "<?xml version=\"1.0\"?>\n<LandXML>\n  <Alignments>\n  </Alignment>\n</LandXML>\n",
       "This file cannot be read as LandXML: line 4, column 15."},
      {"dtd.xml",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE LandXML [\n  <!ENTITY yard \"Yard\">\n]>\n"
       "<LandXML><Alignments name=\"&yard;\"/></LandXML>\n",
       "This file cannot be read as LandXML: line 2, column 1."},
      {"not-xml.xml", "Y X\r\n100 200\r\n",
       "This file cannot be read as LandXML: line 1, column 1."},
      // A copy broken off in the middle of the main track, inside an end tag.
      {"cut-short.xml", kHeader + "  <Alignments>\r\n" + kMainTrack.substr(0, 420),
       "This file cannot be read as LandXML: line 10, column 203."},
  };
  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  for (const Case& test : cases) {
    SCOPED_TRACE(test.file);
    ImportFrom(Write(test.file, test.bytes));
    ExpectMessage(kImportCaption, test.message);
    ExpectFields(kTypedPK, kTypedVertices, kTypedProfile);
  }
  EXPECT_EQ("", ReadText(polver.editor));
}

// Files in the 8-bit code pages that Central European and Russian design programs write, with
// letters of their own in names and descriptions.
TEST_F(LandXml, EightBitEncodingsAreReadWithTheirLetters) {
  const struct {
    const char* encoding;
    UINT codePage;
    std::wstring names[2];
    std::wstring description;
  } files[] = {
      {"ISO-8859-2",
       28592,
       {L"Tor g\u0142\u00f3wny \u0105", L"Bo\u010dn\u00e1 ko\u013eaj"},
       L"\u0141uk \u017b\u00f3\u0142w"},
      {"windows-1250",
       1250,
       {L"Hlavn\u00ed kolej \u010d. 1", L"Vle\u010dka \u0160\u0165astn\u00e1"},
       L"Oblouk \u0159 \u016f"},
      {"KOI8-R",
       20866,
       {L"\u0413\u043b\u0430\u0432\u043d\u044b\u0439",
        L"\u041f\u043e\u0434\u044a\u0435\u0437\u0434"},
       L"\u041a\u0440\u0438\u0432\u0430\u044f \u0401\u0436"},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.encoding);
    std::string bytes = LandXmlFile(Siding(kSidingElements) + Siding(kSidingElements));
    bytes.replace(bytes.find("UTF-8"), 5, file.encoding);
    for (const std::wstring& name : file.names) {
      bytes.replace(
          bytes.find("Siding 3"), 8,
          Encoded(name, file.codePage) + "\" desc=\"" + Encoded(file.description, file.codePage));
    }
    Fill(kTypedPK, kTypedVertices, kTypedProfile);
    ImportFrom(Write(std::string(file.encoding) + ".xml", bytes));
    HWND chooser = WaitForChooser();
    ASSERT_NE(nullptr, chooser);
    HWND list = GetDlgItem(chooser, IDC_ALIGNMENT_LIST);
    EXPECT_EQ(AsListed(file.names[0]), ListItem(list, 0));
    EXPECT_EQ(AsListed(file.names[1]), ListItem(list, 1));
    SaveScreenshot(std::string("landxml-chooser-") + file.encoding);
    PressButton(chooser, IDOK);
    WaitUntilGone(chooser);
    EXPECT_TRUE(WaitForText(GetDlgItem(dialog, IDC_PK_START), "0"));
    EXPECT_TRUE(SameLines(kSidingVertices, FieldTexts().vertices));
  }
}

// Two circular vertical curves that touch in the design (radii 10000 and 22223.778 between the
// grades 12, -8 and 10 per mille; Polver's parabolas meet within 1e-5), in a profile cut out
// 50 after the first curve's start.
TEST_F(LandXml, TouchingCircularCurvesInAProfileCutInsideACurveAreCalculated) {
  const std::string profile =
      "<Profile><ProfAlign><PVI>0 100</PVI><CircCurve radius=\"10000\">50 100.6</CircCurve>"
      "<CircCurve radius=\"22223.778\">350 98.2</CircCurve><PVI>700 101.7</PVI></ProfAlign>"
      "</Profile>";
  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  ImportFrom(Write("branch.xml", LandXmlFile(Siding(kSidingElements, profile))));
  EXPECT_TRUE(WaitForText(GetDlgItem(dialog, IDC_PK_START), "0"));
  const AlignmentTexts texts = FieldTexts();
  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(AlignmentCalcBlock(texts), calc);
  EXPECT_EQ(std::string::npos, calc.find('!')) << calc;
  // The height at the start follows the curve, whose PK begin lies before it.
  EXPECT_NE(std::string::npos, calc.find("\r\nV0\t0.0000\t0.0000\t0.0000\t99.8750\r\n")) << calc;
  EXPECT_NE(std::string::npos, calc.find("\t-49.9944\t149.9944\r\n")) << calc;
}

TEST_F(LandXml, UnsymmetricalCurveLeavesTheProfileOutWithAMessage) {
  const std::string more =
      "<Cant><CantStation station=\"100\" appliedCant=\"0\"/><CantStation station=\"150\" "
      "appliedCant=\"0.12\"/></Cant><Profile><ProfAlign><PVI>0 100</PVI><UnsymParaCurve "
      "lengthIn=\"40\" lengthOut=\"60\">250 102</UnsymParaCurve><PVI>569 101</PVI></ProfAlign>"
      "</Profile>";
  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  ImportFrom(Write("unsymmetrical.xml", LandXmlFile(Siding(kSidingElements, more))));
  HWND box = WaitForDialogWith(Pid(), kImportCaption, kMessageText);
  ASSERT_NE(nullptr, box);
  // The box comes once the fields hold what was taken over; the cant was written in metres.
  EXPECT_TRUE(SameLines(kSidingVertices, FieldTexts().vertices));
  EXPECT_EQ("", FieldTexts().profile);
  EXPECT_EQ("100 0\r\n150 120", ReadText(GetDlgItem(dialog, IDC_CANT)));
  EXPECT_EQ(
      "Alignment Siding 3 was taken over without its profile: its profile has an "
      "unsymmetrical vertical curve at 210.0000.",
      MessageBoxText(box));
  SaveScreenshot("landxml-without-profile");
  PressButton(box, IDOK);
  WaitUntilGone(box);
}

TEST_F(LandXml, ExportIsReadBackByTheImportAndByAnotherParser) {
  const std::string vertices =
      "A 1000 2000\r\nB 1600 2100 500 60 80\r\nC 2200 1900 800 0 30\r\nD 2900 2000";
  const std::string profile = "1000 250.5\r\n1400 254.5 14000\r\n2900 249";

  // A problem in the fields is shown before any file is asked for.
  Fill("1000", "A 1000 2000\r\nB 1600 2100 500\r\nE 2900 2000", profile);
  PressButton(dialog, IDC_EXPORT_LANDXML);
  HWND box = WaitForDialogWith(Pid(), kExportCaption, kMessageText);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(AlignmentCalcBlock(FieldTexts()).find(MessageBoxText(box)) != std::string::npos, true)
      << MessageBoxText(box);
  EXPECT_EQ(nullptr, WaitForDialogWith(Pid(), kExportCaption, kFileNameField, 500));
  PressButton(box, IDOK);
  WaitUntilGone(box);
  EXPECT_EQ(0, EntryCount(folder));

  Fill("1000", vertices, profile);
  // "&" is the one character of a file name that XML must escape in the alignment's name.
  const std::string exported = Path("yard & siding.xml");
  ASSERT_TRUE(ExportAs(Path("yard & siding"), exported));  // the extension comes from the dialog
  EXPECT_EQ(1, EntryCount(folder));

  // MSXML's own parser: LandXML 1.2 in its namespace, every element in it.
  ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  DomElement root;
  ASSERT_TRUE(LoadWithDom(exported, root)) << FileBytes(exported);
  CoUninitialize();
  const std::string space = "http://www.landxml.org/schema/LandXML-1.2";
  EXPECT_EQ("LandXML", root.name);
  EXPECT_EQ(space, root.space);
  EXPECT_EQ("1.2", root.attributes["version"]);
  EXPECT_EQ(10u, root.attributes["date"].size());
  EXPECT_EQ(8u, root.attributes["time"].size());
  const DomElement* metric =
      ChildNamed(root, "Units") ? ChildNamed(*ChildNamed(root, "Units"), "Metric") : nullptr;
  ASSERT_NE(nullptr, metric);
  EXPECT_EQ("meter", metric->attributes.at("linearUnit"));
  ASSERT_NE(nullptr, ChildNamed(root, "Application"));
  EXPECT_EQ("Polver", ChildNamed(root, "Application")->attributes.at("name"));
  const DomElement* alignments = ChildNamed(root, "Alignments");
  ASSERT_NE(nullptr, alignments);
  const DomElement* alignment = ChildNamed(*alignments, "Alignment");
  ASSERT_NE(nullptr, alignment);
  EXPECT_EQ(space, alignment->space);
  EXPECT_EQ("yard & siding", alignment->attributes.at("name"));
  EXPECT_EQ("1000", alignment->attributes.at("staStart"));
  const DomElement* coordGeom = ChildNamed(*alignment, "CoordGeom");
  ASSERT_NE(nullptr, coordGeom);
  std::string kinds;
  for (const DomElement& element : coordGeom->children) {
    kinds += element.name + " ";
    EXPECT_EQ(space, element.space);
    EXPECT_EQ(1u, element.attributes.count("staStart")) << element.name;
    EXPECT_EQ(1u, element.attributes.count("length")) << element.name;
    EXPECT_NE(nullptr, ChildNamed(element, "Start")) << element.name;
    EXPECT_NE(nullptr, ChildNamed(element, "End")) << element.name;
  }
  EXPECT_EQ("Line Spiral Curve Spiral Line Curve Spiral Line ", kinds);
  const DomElement& curve = coordGeom->children[2];
  EXPECT_EQ("cw", curve.attributes.at("rot"));
  EXPECT_EQ("500", curve.attributes.at("radius"));
  EXPECT_NE(nullptr, ChildNamed(curve, "Center"));
  EXPECT_EQ("clothoid", coordGeom->children[1].attributes.at("spiType"));
  EXPECT_EQ("INF", coordGeom->children[1].attributes.at("radiusStart"));
  const DomElement* profAlign = ChildNamed(*alignment, "Profile")
                                    ? ChildNamed(*ChildNamed(*alignment, "Profile"), "ProfAlign")
                                    : nullptr;
  ASSERT_NE(nullptr, profAlign);
  ASSERT_EQ(3u, profAlign->children.size());
  EXPECT_EQ("PVI", profAlign->children[0].name);
  EXPECT_EQ("ParaCurve", profAlign->children[1].name);
  EXPECT_EQ("PVI", profAlign->children[2].name);

  // Read back by the import: the same PK start, vertices and profile.
  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  ImportFrom(exported);
  EXPECT_TRUE(WaitForText(GetDlgItem(dialog, IDC_PK_START), "1000"));
  EXPECT_TRUE(SameLines(Lines("V0 1000 2000\r\nV1 1600 2100 500 60 80\r\nV2 2200 1900 800 0 30\r\n"
                              "V3 2900 2000"),
                        FieldTexts().vertices));
  EXPECT_TRUE(SameLines(Lines(profile), FieldTexts().profile));
  EXPECT_EQ("", ReadText(polver.editor));
}

TEST_F(LandXml, ExportOverAFileHeldOpenFailsAndKeepsIt) {
  const std::string held = Write("held.xml", "old contents");
  Fill("0", "A 0 0\r\nB 100 0 50 10\r\nC 100 100", "");
  HANDLE lock = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  PressButton(dialog, IDC_EXPORT_LANDXML);
  HWND save = WaitForDialogWith(Pid(), kExportCaption, kFileNameField);
  ASSERT_NE(nullptr, save);
  ChooseFile(save, held);
  // The Save dialog asks before replacing a file; then the replacing fails.
  HWND replace = WaitForDialogWith(Pid(), kExportCaption, kMessageText);
  ASSERT_NE(nullptr, replace);
  PressButton(replace, IDYES);
  WaitUntilGone(replace);
  HWND box = WaitForDialogWith(Pid(), kExportCaption, kMessageText);
  ASSERT_NE(nullptr, box);
  EXPECT_EQ(0u, MessageBoxText(box).find("Export failed: ")) << MessageBoxText(box);
  EXPECT_GT(MessageBoxText(box).size(), std::string("Export failed: ").size());
  PressButton(box, IDOK);
  WaitUntilGone(box);
  CloseHandle(lock);
  EXPECT_EQ("old contents", FileBytes(held));
  EXPECT_EQ(1, EntryCount(folder));
}

TEST_F(LandXml, CantImportedWithItsSideAndExportedBack) {
  // The siding turns left: its cant is written with curvature "ccw" and comes in negative,
  // turned about the inner rail: the pivot line first.
  const std::string cant =
      "      <Cant name=\"Siding 3\" gauge=\"1.435\" rotationPoint=\"insideRail\">\r\n"
      "        <CantStation station=\"120\" appliedCant=\"0\" curvature=\"ccw\"/>\r\n"
      "        <CantStation station=\"155.6468610363\" appliedCant=\"0\" curvature=\"ccw\"/>\r\n"
      "        <CantStation station=\"195.6468610363\" appliedCant=\"110\" curvature=\"ccw\" "
      "transitionType=\"clothoid\" speed=\"60\"/>\r\n"
      "        <CantStation station=\"391.2663100555\" appliedCant=\"110\" curvature=\"ccw\"/>\r\n"
      "        <CantStation station=\"431.2663100555\" appliedCant=\"0\" curvature=\"cw\"/>\r\n"
      "      </Cant>\r\n";
  const std::string profile =
      "      <Profile><ProfAlign name=\"P\"><PVI>0 100</PVI>"
      "<PVI>569.7558835664 101</PVI></ProfAlign></Profile>\r\n";
  const std::string lines =
      "pivot inner 1.435\r\n120 0\r\n155.6468610363 0\r\n195.6468610363 -110\r\n"
      "391.2663100555 -110\r\n431.2663100555 0";
  HWND field = GetDlgItem(dialog, IDC_CANT);
  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  WriteText(field, "5 0\r\n9 10");
  ImportFrom(Write("siding-cant.xml", LandXmlFile(Siding(kSidingElements, cant + profile))));
  EXPECT_TRUE(WaitForText(field, lines));
  // CALC gives each rail's height.
  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(AlignmentCalcBlock(FieldTexts()), calc);
  EXPECT_NE(std::string::npos, calc.find("\tH\tCant\tH left\tH right\r\n")) << calc;

  // Export, then the same lines back from the file; a file without a cant empties the field.
  const std::string exported = Path("siding export.xml");
  ASSERT_TRUE(ExportAs(exported, exported));
  ImportFrom(Write("siding.xml", LandXmlFile(Siding(kSidingElements))));
  EXPECT_TRUE(WaitForText(field, ""));
  ImportFrom(exported);
  EXPECT_TRUE(WaitForText(field, lines));
  EXPECT_TRUE(SameLines(kSidingVertices, FieldTexts().vertices));
}

TEST_F(LandXml, ElementDesignFileIsTakenOverAsElementsAndCalculated) {
  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  ImportFrom(Write("branch.xml", kBranchFile));
  EXPECT_TRUE(WaitForText(GetDlgItem(dialog, IDC_PK_START), "0"));
  const AlignmentTexts texts = FieldTexts();
  const std::vector<std::string> lines = Lines(texts.vertices);
  ASSERT_EQ(9u, lines.size()) << texts.vertices;
  EXPECT_EQ(0u, lines[0].find("curve 40 -500 1000 5000 ")) << lines[0];
  EXPECT_EQ(0u, lines[2].find("curve 80 -1200 ")) << lines[2];
  EXPECT_EQ("", texts.profile);

  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(AlignmentCalcBlock(texts), calc);
  EXPECT_EQ(std::string::npos, calc.find('!')) << calc;
  ExpectWorkedTable(calc);

  // The imported track drawn, for the eye: its elements numbered where they start.
  ScreenshotAlignmentDrawing(dialog, "landxml-elements-drawing");
}

TEST_F(LandXml, ElementAlignmentIsExportedAndTakenBack) {
  Fill("0", kWorkedElements, "");
  const std::string exported = Path("branch.xml");
  ASSERT_TRUE(ExportAs(Path("branch"), exported));
  const std::string bytes = FileBytes(exported);
  EXPECT_NE(std::string::npos, bytes.find("radiusStart=\"500\" radiusEnd=\"1200\"")) << bytes;

  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  ImportFrom(exported);
  EXPECT_TRUE(WaitForText(GetDlgItem(dialog, IDC_PK_START), "0"));
  EXPECT_EQ(9u, Lines(FieldTexts().vertices).size()) << FieldTexts().vertices;
  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(std::string::npos, calc.find('!')) << calc;
  ExpectWorkedTable(calc);
}

// A design file with a Bloss transition each side of its curve and cosine cant ramps over them:
// taken over as elements with shaped ramps, calculated, exported and taken back to the same lines.
// A Bloss curve from one side to the other cannot be written: Export says so and asks for no file.
TEST_F(LandXml, TransitionDesignFileIsTakenOverCalculatedAndExportedBack) {
  const std::string bloss =
      "    <Alignment name=\"Fast line\" length=\"480\" staStart=\"0\">\r\n      <CoordGeom>\r\n"
      "        <Line staStart=\"0\" length=\"100\"><Start>6000 3000</Start>"
      "<End>6100 3000</End></Line>\r\n"
      "        <Spiral staStart=\"100\" length=\"80\" radiusStart=\"INF\" radiusEnd=\"600\" "
      "rot=\"cw\" spiType=\"bloss\"><Start>6100 3000</Start><End>6179.9676 3001.5995</End>"
      "</Spiral>\r\n"
      "        <Curve staStart=\"180\" length=\"120\" radius=\"600\" rot=\"cw\" crvType=\"arc\">"
      "<Start>6179.9676 3001.5995</Start><Center>6139.9972 3600.2666</Center>"
      "<End>6298.1076 3021.4739</End></Curve>\r\n"
      "        <Spiral staStart=\"300\" length=\"80\" radiusStart=\"600\" radiusEnd=\"INF\" "
      "rot=\"cw\" spiType=\"bloss\"><Start>6298.1076 3021.4739</Start>"
      "<End>6374.1969 3046.1274</End></Spiral>\r\n"
      "        <Line staStart=\"380\" length=\"100\"><Start>6374.1969 3046.1274</Start>"
      "<End>6468.6925 3078.8468</End></Line>\r\n      </CoordGeom>\r\n"
      "      <Cant name=\"Fast line\" gauge=\"1.435\" rotationPoint=\"center\">\r\n"
      "        <CantStation station=\"100\" appliedCant=\"0\" curvature=\"cw\" "
      "transitionType=\"cosine\"/>\r\n"
      "        <CantStation station=\"180\" appliedCant=\"120\" curvature=\"cw\"/>\r\n"
      "        <CantStation station=\"300\" appliedCant=\"120\" curvature=\"cw\" "
      "transitionType=\"cosine\"/>\r\n"
      "        <CantStation station=\"380\" appliedCant=\"0\" curvature=\"cw\"/>\r\n"
      "      </Cant>\r\n    </Alignment>\r\n";
  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  ImportFrom(Write("fast line.xml", LandXmlFile(bloss)));
  HWND cant = GetDlgItem(dialog, IDC_CANT);
  // rotationPoint="center" comes with the pivot line, and goes back out with it.
  const std::string cantLines =
      "pivot centre 1.435\r\n100 0 cosine\r\n180 120\r\n300 120 cosine\r\n380 0";
  EXPECT_TRUE(WaitForText(cant, cantLines));
  const std::string vertices = FieldTexts().vertices;
  const std::vector<std::string> lines = Lines(vertices);
  ASSERT_EQ(5u, lines.size()) << vertices;
  EXPECT_EQ(0u, lines[1].find("bloss 80 0 600 ")) << lines[1];
  EXPECT_EQ(0u, lines[3].find("bloss 80 600 0 ")) << lines[3];
  const std::string calc = Calculate(polver, dialog);
  EXPECT_EQ(std::string::npos, calc.find('!')) << calc;
  EXPECT_NE(std::string::npos, calc.find("\r\n2 bloss\t100.0000\t3000.0000\t6100.0000\t")) << calc;

  const std::string exported = Path("fast line export.xml");
  ASSERT_TRUE(ExportAs(exported, exported));
  Fill(kTypedPK, kTypedVertices, kTypedProfile);
  WriteText(cant, "5 0\r\n9 10");
  ImportFrom(exported);
  EXPECT_TRUE(WaitForText(cant, cantLines));
  EXPECT_TRUE(SameLines(lines, FieldTexts().vertices));

  Fill("0", "straight 100 0 0 0\r\nbloss 80 -1000 600\r\nstraight 50", "");
  PressButton(dialog, IDC_EXPORT_LANDXML);
  ExpectMessage(kExportCaption,
                "Element 2 turns from one side to the other; LandXML cannot hold that for a "
                "bloss.");
}
