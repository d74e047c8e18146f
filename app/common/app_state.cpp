#include "common/app_state.h"

AppState& App() {
  static AppState state{};
  return state;
}

void ShowTitle(const std::string& title) {
  App().WindowTitle = title;
  SetWindowTextA(App().MainWindow, title.c_str());
}
