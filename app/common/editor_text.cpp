#include "common/editor_text.h"

#include <vector>

std::string GetText(HWND window) {
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void SetText(HWND window, const std::string& text) {
  SetWindowTextA(window, text.c_str());
}

std::string GetSelectedText(HWND editor) {
  DWORD start = 0, end = 0;
  SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (end <= start) return std::string();
  const std::string text = GetText(editor);
  if (start >= text.size()) return std::string();
  return text.substr(start, end - start);
}

// The caret goes to the end first, so the text lands there whatever the user had selected.
// The keyboard focus is left where it is: moving it to the editor while a calculation dialog is
// open would send the next keystrokes into the document behind the dialog.
void AppendText(HWND window, const std::string& text) {
  const int end = GetWindowTextLengthA(window);
  SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
  SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(window, EM_SCROLLCARET, 0, 0);
}

int ShowMessage(const char* text, const char* caption, UINT style) {
  return MessageBoxA(GetActiveWindow(), text, caption, style);
}

int ShowNotice(const char* text) {
  return ShowMessage(text, "Notice", MB_ICONINFORMATION | MB_OK);
}
