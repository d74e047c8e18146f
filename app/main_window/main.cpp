// Program entry: the application state, the single-instance guard, the main window with its
// editor, and the message loop.
#include <windows.h>

#include <string>

#include "command_line.h"
#include "common/app_state.h"
#include "common/window_placement.h"
#include "files/document.h"
#include "files/open_requests.h"
#include "files/shell_files.h"
#include "main_window/find.h"
#include "main_window/main_window.h"
#include "main_window/single_instance.h"
#include "resource.h"

namespace {

void RegisterMainClass(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_POLVER));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
  windowClass.lpszClassName = App().ClassName.c_str();
  RegisterClassA(&windowClass);
}

// The editor's tab stop, in dialog template units (a quarter of an average character).
constexpr int kEditorTabStop = 56;

void CreateMainWindowAndEditor(HINSTANCE instance) {
  AppState& app = App();
  // WS_EX_ACCEPTFILES is what DragAcceptFiles sets, without loading the shell at start: it is
  // loaded by the first drop (DragQueryFileA). The window is shown once, whole and at its size,
  // by FitToScreen: shown now, it would be drawn, and drawn again as it grows.
  app.MainWindow =
      CreateWindowExA(WS_EX_ACCEPTFILES, app.ClassName.c_str(), app.WindowTitle.c_str(),
                      WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0, 600, 500,
                      nullptr, nullptr, instance, nullptr);
  app.Editor =
      CreateWindowExA(0, "edit", "",
                      WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                          ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL,
                      0, 0, 550, 450, app.MainWindow,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_EDITOR)), instance, nullptr);
  // The platform's default limit (30,000 characters under some systems) would silently drop text.
  SendMessageA(app.Editor, EM_SETLIMITTEXT, 0, 0);
  // Point-list tables put one TAB between columns: stops wide enough for a coordinate with four
  // decimals keep ordinary values in line. ES_NOHIDESEL above keeps the selected point lines
  // visible while a Trace dialog has the focus.
  int tabStop = kEditorTabStop;
  SendMessageA(app.Editor, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
}

// The keyboard shortcuts belong to the main window and its editor; the modeless Find dialog gets
// its own keys (Tab, Enter, Escape). Modal dialogs run loops of their own and never get here.
bool HandledBeforeDispatch(MSG& message, HACCEL accelerators) {
  HWND mainWindow = App().MainWindow;
  if ((message.hwnd == mainWindow || IsChild(mainWindow, message.hwnd)) &&
      TranslateAcceleratorA(mainWindow, accelerators, &message) != 0) {
    return true;
  }
  HWND find = FindDialogWindow();
  return find != nullptr && IsDialogMessageA(find, &message) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  AppState& app = App();
  // A relative name is made full now: the running copy that may get it has another folder.
  const std::string named = PathFromCommandLine(commandLine != nullptr ? commandLine : "");
  const std::string path = named.empty() ? named : FullPath(named);
  app.ClassName = "Polver";
  app.BaseTitle = "Polver by Dunrel (rus)";
  app.WindowTitle = app.BaseTitle;
  app.DocumentChanged = 0;

  // The turn is given up before a copy waits for a minimised running one, so that a third copy
  // started meanwhile still ends at once.
  BeginStartTurn(app.ClassName.c_str());
  HWND running = FindWindowA(app.ClassName.c_str(), nullptr);
  if (running != nullptr) {
    EndStartTurn();
    if (!path.empty() && HandPathToRunningCopy(running, path)) return 0;
    if (ActivatePreviousInstance(app.ClassName.c_str()) == 1) return 0;
    BeginStartTurn(app.ClassName.c_str());
  }
  RegisterMainClass(instance);
  CreateMainWindowAndEditor(instance);
  EndStartTurn();
  FitToScreen(app.MainWindow);
  ShowWindow(app.MainWindow, showCommand);
  UpdateWindow(app.MainWindow);
  // Accelerator table 400: the File and Edit menus' shortcuts, once the window shows.
  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
  // As File, Open of that name; whether it opens or not, the document starts unchanged.
  if (!path.empty()) {
    OpenNamedDocument(app.MainWindow, app.Editor, path);
    app.DocumentChanged = 0;
  }

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) != 0) {
    if (HandledBeforeDispatch(message, accelerators)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
