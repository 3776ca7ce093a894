// Support for the tests of visual components: a fixture that gives every
// test a fresh toolkit state and a silent network.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "core/event.h"
#include "tests/support/toolkit_reset.h"
#include "tests/support/wait.h"
#include "tests/support/window_text.h"
#include "toolkit/control.h"

// Each test starts like the program: no application window, the network
// silent until the test switches it on.
class VisualTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetToolkitState();
    ResetDispatch();
  }
  void TearDown() override {
    ResetDispatch();
    if (TControl* app = AppWindow) {
      AppWindow = nullptr;
      app->Free();
    }
    ResetToolkitState();
  }
};
