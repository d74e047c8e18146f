// The drawing window. It is owned by the main window and not modal, so it keeps working while
// Trace Alignment's modal loop runs: that loop dispatches its keys here untranslated (they are no
// dialog's), which is why the keys are read from WM_KEYDOWN rather than an accelerator table.
#include "drawing_window/drawing_window.h"

#include <windowsx.h>

#include <cmath>
#include <string>

#include "alignment/alignment_report.h"
#include "common/app_state.h"
#include "common/editor_text.h"
#include "common/messages.h"
#include "common/wait_cursor.h"
#include "drawing/drawing_scene.h"
#include "drawing_window/drawing_export.h"
#include "drawing_window/drawing_render.h"
#include "drawing_window/picture_window.h"

namespace {

const char* const kClassName = "PolverAlignmentDrawing";
const char* const kTitle = "Alignment drawing";
const char* const kCaption = "Drawing";

// Label height on screen, in pixels; labels keep it at every zoom.
constexpr int kFontHeight = 13;
// One notch of the wheel magnifies by this much.
constexpr double kWheelZoom = 1.25;

// The one drawing window and what it shows.
struct DrawingWindowState {
  HWND window = nullptr;
  DrawingScene scene;
  SurveyBox box;          // what fitting must show
  PlanView view;          // the plan as zoomed and panned
  double fitScale = 1;    // the scale of the fitted view: zooming stays within a range about it
  bool fitted = true;     // the view follows the window's size until the user zooms or pans
  bool dragging = false;  // the left button is down on the drawing
  POINT dragFrom{0, 0};
  // The last picture drawn in full and the plan's view in it: while the wheel turns or the mouse
  // drags, the plan is shown from it, stretched and moved, and drawn in full once they rest.
  HBITMAP picture = nullptr;
  int pictureWidth = 0;
  int pictureHeight = 0;
  PlanView pictureView;
  bool preview = false;
};

DrawingWindowState& State() {
  static DrawingWindowState state;
  return state;
}

ScreenRect ClientArea(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return {0, 0, static_cast<double>(client.right), static_cast<double>(client.bottom)};
}

DrawingFrame ScreenFrame(HWND window) {
  DrawingWindowState& state = State();
  DrawingFrame frame;
  frame.area = ClientArea(window);
  frame.fontHeight = kFontHeight;
  frame.plan = state.view;
  return frame;
}

void FitAgain(HWND window) {
  DrawingWindowState& state = State();
  const DrawingFrame frame =
      FittedFrame(state.scene, state.box, ClientArea(window), 1, kFontHeight);
  state.view = frame.plan;
  state.fitScale = frame.plan.scale;
  state.fitted = true;
}

void Redraw(HWND window) {
  InvalidateRect(window, nullptr, FALSE);
  UpdateWindow(window);
}

// How long the wheel and the mouse must rest before the plan is drawn in full again.
constexpr UINT kRestMs = 150;
constexpr UINT_PTR kRestTimer = 1;

void ForgetPicture() {
  DrawingWindowState& state = State();
  if (state.picture != nullptr) DeleteObject(state.picture);
  state.picture = nullptr;
  state.preview = false;
}

// The whole picture drawn into the kept bitmap (made anew when the window's size changed).
void DrawPicture(HDC dc, const DrawingFrame& frame, int width, int height) {
  DrawingWindowState& state = State();
  if (state.picture == nullptr || state.pictureWidth != width || state.pictureHeight != height) {
    ForgetPicture();
    state.picture = CreateCompatibleBitmap(dc, width, height);
    state.pictureWidth = width;
    state.pictureHeight = height;
  }
  HDC buffer = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(buffer, state.picture);
  RenderDrawing(buffer, state.scene, frame);
  SelectObject(buffer, previous);
  DeleteDC(buffer);
  state.pictureView = frame.plan;
}

// The kept picture on the window; in a preview its plan stretched and moved to the current view
// (the long section, which does not zoom, as it was).
void ShowPicture(HDC dc, const DrawingFrame& frame) {
  DrawingWindowState& state = State();
  HDC buffer = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(buffer, state.picture);
  const int width = state.pictureWidth;
  const int height = state.pictureHeight;
  if (!state.preview) {
    BitBlt(dc, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
  } else {
    const int planBottom = static_cast<int>(LayOutDrawing(frame.area, state.scene).plan.bottom);
    HDC composed = CreateCompatibleDC(dc);
    HBITMAP canvas = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previousCanvas = SelectObject(composed, canvas);
    const RECT whole = {0, 0, width, height};
    FillRect(composed, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    // A survey point at pixel c of the kept plan lands at c * f + shift now.
    const PlanView& was = state.pictureView;
    const PlanView& now = frame.plan;
    const double f = now.scale / was.scale;
    const double left = (was.Y0 - now.Y0) * now.scale;
    const double top = (now.X0 - was.X0) * now.scale;
    if (std::fabs(left) < 1e6 && std::fabs(top) < 1e6 && f * width < 1e6 && f * height < 1e6) {
      IntersectClipRect(composed, 0, 0, width, planBottom);
      SetStretchBltMode(composed, COLORONCOLOR);
      StretchBlt(composed, static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)),
                 static_cast<int>(std::lround(width * f)),
                 static_cast<int>(std::lround(height * f)), buffer, 0, 0, width, height, SRCCOPY);
      SelectClipRgn(composed, nullptr);
    }
    BitBlt(composed, 0, planBottom, width, height - planBottom, buffer, 0, planBottom, SRCCOPY);
    BitBlt(dc, 0, 0, width, height, composed, 0, 0, SRCCOPY);
    SelectObject(composed, previousCanvas);
    DeleteObject(canvas);
    DeleteDC(composed);
  }
  SelectObject(buffer, previous);
  DeleteDC(buffer);
}

// Painting goes through a bitmap of the whole client area: no flicker while zooming or panning.
void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const DrawingFrame frame = ScreenFrame(window);
  const int width = static_cast<int>(frame.area.right);
  const int height = static_cast<int>(frame.area.bottom);
  DrawingWindowState& state = State();
  if (width > 0 && height > 0) {
    const bool keptFits =
        state.picture != nullptr && state.pictureWidth == width && state.pictureHeight == height;
    if (!state.preview || !keptFits) {
      state.preview = false;
      DrawPicture(dc, frame, width, height);
    }
    if (state.picture != nullptr) ShowPicture(dc, frame);
  }
  EndPaint(window, &paint);
}

// The plan moved or zoomed: shown at once from the kept picture, in full once the mouse rests.
void Preview(HWND window) {
  State().preview = true;
  SetTimer(window, kRestTimer, kRestMs, nullptr);
  Redraw(window);
}

void DrawInFull(HWND window) {
  KillTimer(window, kRestTimer);
  State().preview = false;
  Redraw(window);
}

bool InPlan(HWND window, ScreenPoint at) {
  const ScreenRect plan = LayOutDrawing(ClientArea(window), State().scene).plan;
  return at.x >= plan.left && at.x < plan.right && at.y >= plan.top && at.y < plan.bottom;
}

void Zoom(HWND window, ScreenPoint at, double factor) {
  DrawingWindowState& state = State();
  state.view = ZoomPlanView(state.view, at, factor, state.fitScale / 20, state.fitScale * 1e4);
  state.fitted = false;
  Preview(window);
}

void OnWheel(HWND window, WPARAM wParam, LPARAM lParam) {
  POINT cursor{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};  // screen coordinates
  ScreenToClient(window, &cursor);
  const ScreenPoint at{static_cast<double>(cursor.x), static_cast<double>(cursor.y)};
  if (!InPlan(window, at)) return;
  const double notches = GET_WHEEL_DELTA_WPARAM(wParam) / static_cast<double>(WHEEL_DELTA);
  Zoom(window, at, std::pow(kWheelZoom, notches));
}

void OnButtonDown(HWND window, LPARAM lParam) {
  DrawingWindowState& state = State();
  SetFocus(window);
  const ScreenPoint at{static_cast<double>(GET_X_LPARAM(lParam)),
                       static_cast<double>(GET_Y_LPARAM(lParam))};
  if (!InPlan(window, at)) return;
  state.dragging = true;
  state.dragFrom = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  SetCapture(window);
}

void OnMouseMove(HWND window, LPARAM lParam) {
  DrawingWindowState& state = State();
  if (!state.dragging) return;
  const POINT to{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (to.x == state.dragFrom.x && to.y == state.dragFrom.y) return;
  state.view = PanPlanView(state.view, to.x - state.dragFrom.x, to.y - state.dragFrom.y);
  state.dragFrom = to;
  state.fitted = false;
  Preview(window);
}

void EndDrag() {
  DrawingWindowState& state = State();
  if (!state.dragging) return;
  state.dragging = false;
  ReleaseCapture();
}

void Copy(HWND window) {
  const ScreenRect area = ClientArea(window);
  WaitCursor busy;
  if (!CopyDrawing(window, State().scene, State().box, static_cast<int>(area.right),
                   static_cast<int>(area.bottom))) {
    MessageBoxA(window, Messages::kDrawingNotCopied, kCaption, MB_OK | MB_ICONERROR);
  }
}

// Escape closes; Home fits again; + and - zoom about the middle; Ctrl+P prints; Ctrl+C copies.
void OnKey(HWND window, WPARAM key) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const ScreenRect plan = LayOutDrawing(ClientArea(window), State().scene).plan;
  const ScreenPoint middle{(plan.left + plan.right) / 2, (plan.top + plan.bottom) / 2};
  switch (key) {
    case VK_ESCAPE: DestroyWindow(window); break;
    case VK_HOME:
      FitAgain(window);
      DrawInFull(window);
      break;
    case VK_ADD:
    case VK_OEM_PLUS: Zoom(window, middle, kWheelZoom); break;
    case VK_SUBTRACT:
    case VK_OEM_MINUS: Zoom(window, middle, 1 / kWheelZoom); break;
    case 'P':
      if (control) PrintDrawing(window, State().scene, State().box, App().DocumentPath);
      break;
    case 'C':
      if (control) Copy(window);
      break;
    default: break;
  }
}

void OnSize(HWND window) {
  DrawingWindowState& state = State();
  if (state.fitted) FitAgain(window);
  state.preview = false;
  InvalidateRect(window, nullptr, FALSE);
}

LRESULT CALLBACK DrawingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: Paint(window); return 0;
    case WM_ERASEBKGND: return 1;  // the back buffer paints every pixel
    case WM_SIZE: OnSize(window); return 0;
    case WM_MOUSEWHEEL: OnWheel(window, wParam, lParam); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(window, lParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(window, lParam); return 0;
    case WM_LBUTTONUP: EndDrag(); return 0;
    case WM_CAPTURECHANGED: State().dragging = false; return 0;
    case WM_KEYDOWN: OnKey(window, wParam); return 0;
    case WM_GETMINMAXINFO: KeepPictureWindowSize(lParam); return 0;
    case WM_TIMER: DrawInFull(window); return 0;
    case WM_DESTROY:
      KillTimer(window, kRestTimer);
      ForgetPicture();
      State() = DrawingWindowState{};
      return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

HWND CreateDrawingWindow() {
  return CreatePictureWindow(kClassName, kTitle, DrawingWindowProc);
}

}  // namespace

void ShowAlignmentDrawing(HWND dialog, const AlignmentTexts& texts) {
  DrawingScene scene;
  {
    WaitCursor busy;
    scene = BuildDrawingScene(texts, GetSelectedText(App().Editor));
  }
  if (!scene.problem.empty()) {
    MessageBoxA(dialog, scene.problem.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  DrawingWindowState& state = State();
  if (state.window == nullptr) {
    state.window = CreateDrawingWindow();
    if (state.window == nullptr) return;
  }
  WaitCursor busy;
  state.scene = std::move(scene);
  state.box = SceneBox(state.scene);
  state.dragging = false;
  FitAgain(state.window);
  state.preview = false;
  BringUpPictureWindow(state.window);
}
