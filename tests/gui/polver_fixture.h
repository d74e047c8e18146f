// A test fixture with one fresh copy of the program per test; a failing test leaves a screenshot.
#pragma once

#include <gtest/gtest.h>

#include "driver.h"

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

  Polver polver;
};
