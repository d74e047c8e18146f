// The versine diagram's window: owned by the main window and not modal, like the alignment
// drawing, so its keys come through the dialog's modal loop as WM_KEYDOWN. It does not zoom: the
// diagram always fills it.
#include "drawing_window/versine_window.h"

#include <windows.h>

#include <string>

#include "common/app_state.h"
#include "common/messages.h"
#include "common/wait_cursor.h"
#include "drawing_window/drawing_export.h"
#include "drawing_window/picture_window.h"
#include "drawing_window/versine_render.h"

namespace {

const char* const kClassName = "PolverVersineDiagram";
const char* const kTitle = "Versine diagram";
constexpr int kFontHeight = 13;  // labels on screen and on the clipboard, in pixels

struct VersineWindowState {
  HWND window = nullptr;
  VersineDiagram diagram;
};

VersineWindowState& State() {
  static VersineWindowState state;
  return state;
}

std::string Render(HDC dc, const ScreenRect& area, double pixel, int fontHeight, int) {
  RenderVersineDiagram(dc, State().diagram, area, pixel, fontHeight);
  return "";
}

// Through a bitmap of the whole client area: no flicker while the window is sized.
void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  if (client.right > 0 && client.bottom > 0) {
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP picture = CreateCompatibleBitmap(dc, client.right, client.bottom);
    HGDIOBJ previous = SelectObject(buffer, picture);
    const ScreenRect area{0, 0, static_cast<double>(client.right),
                          static_cast<double>(client.bottom)};
    Render(buffer, area, 1, kFontHeight, 96);
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, previous);
    DeleteObject(picture);
    DeleteDC(buffer);
  }
  EndPaint(window, &paint);
}

void Copy(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  WaitCursor busy;
  if (!CopyPicture(window, Render, client.right, client.bottom, kTitle)) {
    MessageBoxA(window, Messages::kDrawingNotCopied, kTitle, MB_OK | MB_ICONERROR);
  }
}

// Escape closes; Ctrl+P prints; Ctrl+C copies.
void OnKey(HWND window, WPARAM key) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  if (key == VK_ESCAPE) DestroyWindow(window);
  if (key == 'P' && control) PrintPicture(window, Render, App().DocumentPath);
  if (key == 'C' && control) Copy(window);
}

LRESULT CALLBACK VersineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: Paint(window); return 0;
    case WM_ERASEBKGND: return 1;  // the back buffer paints every pixel
    case WM_SIZE: InvalidateRect(window, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN: SetFocus(window); return 0;
    case WM_KEYDOWN: OnKey(window, wParam); return 0;
    case WM_GETMINMAXINFO: KeepPictureWindowSize(lParam); return 0;
    case WM_DESTROY: State() = VersineWindowState{}; return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

void ShowVersineDiagram(const VersineDiagram& diagram) {
  VersineWindowState& state = State();
  if (state.window == nullptr) {
    state.window = CreatePictureWindow(kClassName, kTitle, VersineWindowProc);
    if (state.window == nullptr) return;
  }
  state.diagram = diagram;
  BringUpPictureWindow(state.window);
}
