// Support for the tests of visual components: a fixture that gives every
// test a fresh toolkit state and a silent network, and helpers that pump
// messages and read windows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/event.h"
#include "toolkit/control.h"

// Dispatches the queued messages for a short while; a WM_QUIT is taken off
// the queue and reported.
inline bool PumpMessages(DWORD milliseconds = 50) {
  bool quit = false;
  const DWORD end = GetTickCount() + milliseconds;
  MSG msg;
  do {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(2);
  } while (GetTickCount() < end);
  return quit;
}

inline std::string WindowText(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// The toolkit's process-wide state back to program start.
inline void ResetToolkitState() {
  AppRunning = false;
  AppTerminated = false;
  AppWindow = nullptr;
  AppWindowCreated = false;
}

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
    PumpMessages(10);
    ResetToolkitState();
  }
};
