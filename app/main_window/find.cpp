// The document is read once per search, in one piece, and searched where it lies; the editor's
// positions are byte positions of that text (one byte per character in the ANSI code page).
#include "main_window/find.h"

#include <commdlg.h>
#include <dlgs.h>

#include <string>

#include "common/app_state.h"
#include "common/editor_text.h"
#include "common/messages.h"
#include "text_search.h"

namespace {

// The dialog's record and its text buffer live as long as the program: the modeless dialog keeps
// pointers to them. The options live apart from the record's Flags: the dialog rewrites those as
// it closes (FR_DIALOGTERM), and Find Next must go on searching the way the user last chose.
struct FindState {
  FINDREPLACEA dialog;
  char what[512];
  HWND window;    // the open dialog, or nullptr
  DWORD options;  // FR_DOWN, FR_MATCHCASE, FR_WHOLEWORD as last chosen in the dialog
};

constexpr DWORD kOptionFlags = FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD;

FindState& State() {
  static FindState state = [] {
    FindState initial{};
    initial.options = FR_DOWN;
    return initial;
  }();
  return state;
}

// The direction and check boxes as the open dialog shows them now (whether or not Find Next
// was pressed since they changed); `fallback` when the dialog or its controls are gone.
DWORD OptionsShownIn(HWND dialog, DWORD fallback) {
  HWND down = dialog != nullptr ? GetDlgItem(dialog, rad2) : nullptr;
  HWND matchCase = dialog != nullptr ? GetDlgItem(dialog, chx2) : nullptr;
  HWND wholeWord = dialog != nullptr ? GetDlgItem(dialog, chx1) : nullptr;
  if (down == nullptr || matchCase == nullptr || wholeWord == nullptr) return fallback;
  const auto checked = [](HWND button) {
    return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
  };
  return (checked(down) ? FR_DOWN : 0) | (checked(matchCase) ? FR_MATCHCASE : 0) |
         (checked(wholeWord) ? FR_WHOLEWORD : 0);
}

UINT FindMessageId() {
  static const UINT id = RegisterWindowMessageA(FINDMSGSTRINGA);
  return id;
}

// Upper and lower case and word letters of the system's 8-bit code page, asked once.
const TextAlphabet& CodePageAlphabet() {
  static const TextAlphabet alphabet = [] {
    TextAlphabet built = AsciiAlphabet();
    for (int c = 1; c < 256; ++c) {
      char letter[2] = {static_cast<char>(c), '\0'};
      CharLowerBuffA(letter, 1);
      built.folded[c] = static_cast<unsigned char>(letter[0]);
      built.inWord[c] = IsCharAlphaNumericA(static_cast<char>(c)) != 0 || c == '_';
    }
    return built;
  }();
  return alphabet;
}

// One search from the editor's selection: down from its end, up from its start. A match is
// selected and scrolled into view; none gives "Cannot find", owned by `owner`.
void SearchOnce(HWND owner) {
  const FindState& state = State();
  HWND editor = App().Editor;
  const std::string text = GetText(editor);
  DWORD selectionStart = 0;
  DWORD selectionEnd = 0;
  SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
               reinterpret_cast<LPARAM>(&selectionEnd));
  const DWORD flags = state.options;
  const SearchRequest request{state.what, (flags & FR_DOWN) != 0, (flags & FR_MATCHCASE) != 0,
                              (flags & FR_WHOLEWORD) != 0};
  const std::size_t found =
      FindInText(text, request.down ? selectionEnd : selectionStart, request, CodePageAlphabet());
  if (found == std::string::npos) {
    const std::string message = std::string(Messages::kCannotFind) + "\"" + request.what + "\"";
    MessageBoxA(owner, message.c_str(), Messages::kFindCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
  SendMessageA(editor, EM_SETSEL, static_cast<WPARAM>(found),
               static_cast<LPARAM>(found + request.what.size()));
  SendMessageA(editor, EM_SCROLLCARET, 0, 0);
}

}  // namespace

void ShowFindDialog(HWND mainWindow) {
  FindState& state = State();
  if (state.window != nullptr) {
    SetActiveWindow(state.window);
    SetFocus(GetDlgItem(state.window, 1152));  // the text field, edt1
    return;
  }
  // A short selection within one line is what the user means to look for, as in other editors.
  DWORD selectionStart = 0;
  DWORD selectionEnd = 0;
  HWND editor = App().Editor;
  SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
               reinterpret_cast<LPARAM>(&selectionEnd));
  if (selectionEnd > selectionStart && selectionEnd - selectionStart < sizeof state.what) {
    const std::string selected =
        GetText(editor).substr(selectionStart, selectionEnd - selectionStart);
    if (selected.find_first_of("\r\n") == std::string::npos) {
      selected.copy(state.what, selected.size());
      state.what[selected.size()] = '\0';
    }
  }
  FINDREPLACEA& dialog = state.dialog;
  dialog = FINDREPLACEA();
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = mainWindow;
  dialog.hInstance = GetModuleHandleA(nullptr);
  dialog.Flags = state.options;
  dialog.lpstrFindWhat = state.what;
  dialog.wFindWhatLen = sizeof state.what;
  FindMessageId();  // registered before the dialog can send it
  state.window = FindTextA(&dialog);
}

void FindNext(HWND mainWindow) {
  FindState& state = State();
  state.options = OptionsShownIn(state.window, state.options);
  if (state.what[0] == '\0') {
    ShowFindDialog(mainWindow);
    return;
  }
  SearchOnce(state.window != nullptr ? state.window : mainWindow);
}

bool IsFindDialogMessage(UINT message) {
  return message != 0 && message == FindMessageId();
}

void OnFindDialogMessage(HWND, LPARAM lParam) {
  const FINDREPLACEA* dialog = reinterpret_cast<const FINDREPLACEA*>(lParam);
  FindState& state = State();
  if (dialog == nullptr || dialog != &state.dialog) return;
  if ((dialog->Flags & FR_DIALOGTERM) != 0) {
    // Told before the dialog is destroyed: its controls still show what the user chose.
    state.options = OptionsShownIn(state.window, state.options);
    state.window = nullptr;
    return;
  }
  if ((dialog->Flags & FR_FINDNEXT) != 0) {
    state.options = dialog->Flags & kOptionFlags;
    SearchOnce(state.window);
  }
}

HWND FindDialogWindow() {
  return State().window;
}
