// A test fixture with one fresh copy of the program per test; a failing test leaves a screenshot.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "resource.h"

class PolverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    polver = StartPolver();
    ASSERT_NE(polver.main, nullptr);
    ASSERT_NE(polver.editor, nullptr);
  }
  void TearDown() override {
    if (HasFailure()) {
      const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
      SaveScreenshot(std::string("failed-") + test->test_suite_name() + "-" + test->name());
    }
    StopPolver(polver);
  }
  DWORD Pid() const { return polver.process.dwProcessId; }

  // The alignment drawing of the dialog's fields (nothing selected in the editor) opened, its
  // screenshot taken for the eye and the README, and closed with Escape.
  void ScreenshotAlignmentDrawing(HWND dialog, const std::string& name) {
    SendMessageA(polver.editor, EM_SETSEL, 0, 0);
    PressButton(dialog, IDC_DRAWING);
    HWND drawing = WaitForWindow(Pid(), "PolverAlignmentDrawing", "Alignment drawing");
    ASSERT_NE(nullptr, drawing);
    Settle(drawing);
    SaveScreenshot(name);
    BringToFront(drawing);
    PressKeys("Escape");
    EXPECT_TRUE(WaitForWindowGone(Pid(), "PolverAlignmentDrawing", "Alignment drawing"));
  }

  Polver polver;
};
