#include "alignment_dialog/landxml_commands.h"

#include <commdlg.h>

#include <cstdio>
#include <string>
#include <vector>

#include "alignment/alignment_report.h"
#include "alignment_dialog/alignment_fields.h"
#include "common/app_state.h"
#include "common/editor_text.h"
#include "common/messages.h"
#include "common/wait_cursor.h"
#include "common/window_placement.h"
#include "files/file_dialogs.h"
#include "files/shell_files.h"
#include "files/xml_file.h"
#include "frame/remembered_inputs.h"
#include "landxml/landxml.h"
#include "resource.h"

namespace {

// Pairs of name and pattern; the literal's own terminator makes the closing double zero.
constexpr char LandXmlFilters[] = "LandXML files (*.xml)\0*.xml\0All files\0*.*\0";

// The Open or Save dialog for LandXML files; the chosen path, or "" when cancelled.
std::string ChooseLandXmlFile(HWND owner, const char* caption, bool save) {
  return RunFileDialog(
      owner, caption, LandXmlFilters, "xml",
      OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST),
      save);
}

// Texts between the file (UTF-8) and the windows (the ANSI code page), so that a name with
// accents shows as written.
std::string Recode(const std::string& text, UINT from, UINT to) {
  if (text.empty()) return text;
  const int wideSize =
      MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (wideSize <= 0) return text;
  std::wstring wide(static_cast<size_t>(wideSize), L'\0');
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &wide[0], wideSize);
  // A letter the code page lacks shows as "?", not as a look-alike letter that would name
  // another alignment.
  const DWORD flags = to == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int size =
      WideCharToMultiByte(to, flags, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return text;
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(to, flags, wide.data(), wideSize, &result[0], size, nullptr, nullptr);
  return result;
}
std::string ForDisplay(const std::string& utf8) {
  return Recode(utf8, CP_UTF8, CP_ACP);
}
std::string FromDisplay(const std::string& ansi) {
  return Recode(ansi, CP_ACP, CP_UTF8);
}

void Tell(HWND owner, const std::string& text, const char* caption) {
  MessageBoxA(owner, text.c_str(), caption, MB_OK | MB_ICONWARNING);
}

// ---- The chooser among several alignments ----

struct AlignmentChoice {
  std::vector<std::string> names;  // as the list shows them
  int chosen = -1;
};

INT_PTR CALLBACK ChooseAlignmentDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const auto& choice = *reinterpret_cast<const AlignmentChoice*>(lParam);
      HWND list = GetDlgItem(dialog, IDC_ALIGNMENT_LIST);
      for (const std::string& name : choice.names)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
      SendMessageA(list, LB_SETCURSEL, 0, 0);
      CenterWindow(dialog);
      SetFocus(list);
      return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
      auto& choice = *reinterpret_cast<AlignmentChoice*>(GetWindowLongPtrA(dialog, DWLP_USER));
      const bool doubleClick = LOWORD(wParam) == IDC_ALIGNMENT_LIST && HIWORD(wParam) == LBN_DBLCLK;
      if (LOWORD(wParam) == IDOK || doubleClick) {
        const LRESULT selected =
            SendDlgItemMessageA(dialog, IDC_ALIGNMENT_LIST, LB_GETCURSEL, 0, 0);
        if (selected != LB_ERR) {
          choice.chosen = static_cast<int>(selected);
          EndDialog(dialog, IDOK);
        }
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
      }
      return TRUE;
    }
    case WM_CLOSE: EndDialog(dialog, IDCANCEL); return TRUE;
    default: return FALSE;
  }
}

// The alignment to take over: the only one, or the one chosen in the list; null when cancelled.
const XmlNode* ChooseAlignment(HWND owner, const std::vector<const XmlNode*>& alignments) {
  if (alignments.size() == 1) return alignments.front();
  AlignmentChoice choice;
  for (const XmlNode* alignment : alignments)
    choice.names.push_back(ForDisplay(LandXmlAlignmentName(*alignment)));
  const INT_PTR result =
      DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_IMPORT_LANDXML), owner,
                      ChooseAlignmentDialog, reinterpret_cast<LPARAM>(&choice));
  if (result != IDOK || choice.chosen < 0) return nullptr;
  return alignments[static_cast<size_t>(choice.chosen)];
}

// The document element of the file, or null after saying why there is none to import from.
bool ReadLandXml(HWND owner, const std::string& path, XmlNode& root) {
  XmlFileReading reading;
  {
    WaitCursor busy;
    reading = ReadXmlFile(path);
  }
  const char* caption = Messages::kImportLandXmlCaption;
  switch (reading.outcome) {
    case XmlFileReading::Read: break;
    case XmlFileReading::NotOpened:
      Tell(owner, Messages::kCantOpenFile + path, caption);
      return false;
    case XmlFileReading::NoReader: Tell(owner, Messages::kNoXmlReader, caption); return false;
    case XmlFileReading::Malformed:
      Tell(owner, MalformedLandXmlMessage(reading.line, reading.column), caption);
      return false;
    case XmlFileReading::UnknownEncoding:
      Tell(owner, UnknownEncodingLandXmlMessage(reading.encoding), caption);
      return false;
  }
  const std::string problem = LandXmlFileProblem(reading.root);
  if (!problem.empty()) {
    Tell(owner, problem, caption);
    return false;
  }
  root = std::move(reading.root);
  return true;
}

// After a button press the pressed button would stay the default one; Enter means CALC here.
void MakeCalcDefault(HWND dialog) {
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_CALC)), TRUE);
}

// "2026-12-07" and "23:05:00" of the local clock.
void LocalDateAndTime(std::string& date, std::string& time) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", now.wYear, now.wMonth, now.wDay);
  date = text;
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
  time = text;
}

// The file's name without its folder and its last extension.
std::string NameOfFile(const std::string& path) {
  const size_t slash = path.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

void ImportFile(HWND dialog) {
  const std::string path = ChooseLandXmlFile(dialog, Messages::kImportLandXmlCaption, false);
  if (path.empty()) return;
  XmlNode root;
  if (!ReadLandXml(dialog, path, root)) return;
  const XmlNode* alignment = ChooseAlignment(dialog, LandXmlAlignments(root));
  if (alignment == nullptr) return;
  const bool xBeforeY = IsDlgButtonChecked(dialog, IDC_X_BEFORE_Y) == BST_CHECKED;
  const LandXmlTakeOver takeOver = TakeOverAlignment(*alignment, xBeforeY);
  if (!takeOver.refusal.empty()) {
    Tell(dialog, ForDisplay(takeOver.refusal), Messages::kImportLandXmlCaption);
    return;
  }
  SetText(GetDlgItem(dialog, IDC_PK_START), takeOver.texts.PKstart);
  SetText(GetDlgItem(dialog, IDC_VERTICES), takeOver.texts.vertices);
  SetText(GetDlgItem(dialog, IDC_PROFILE), takeOver.texts.profile);
  SetText(GetDlgItem(dialog, IDC_CANT), takeOver.texts.cant);
  ReadAlignmentFields(dialog);
  // A profile or cant left out is said once the fields show what was taken over.
  if (!takeOver.warning.empty())
    Tell(dialog, ForDisplay(takeOver.warning), Messages::kImportLandXmlCaption);
}

void ExportFile(HWND dialog) {
  const AlignmentTexts texts = ReadAlignmentFields(dialog);
  std::string date;
  std::string time;
  LocalDateAndTime(date, time);
  // The fields are checked before a file is asked for: a problem means no file at all.
  const std::string problem = ExportAlignment(texts, "", date, time).problem;
  if (!problem.empty()) {
    Tell(dialog, problem, Messages::kExportLandXmlCaption);
    return;
  }
  const std::string path = ChooseLandXmlFile(dialog, Messages::kExportLandXmlCaption, true);
  if (path.empty()) return;
  WaitCursor busy;
  LocalDateAndTime(date, time);
  const LandXmlExport document = ExportAlignment(texts, FromDisplay(NameOfFile(path)), date, time);
  const std::string failure = WriteXmlFile(path, document.root);
  if (!failure.empty())
    Tell(dialog, Messages::kExportFailed + failure, Messages::kExportLandXmlCaption);
}

}  // namespace

void ImportLandXml(HWND dialog) {
  ImportFile(dialog);
  MakeCalcDefault(dialog);
}

void ExportLandXml(HWND dialog) {
  ExportFile(dialog);
  MakeCalcDefault(dialog);
}
