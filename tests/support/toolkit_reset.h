// The toolkit's process-wide state back to program start, for tests that
// create windows one test after another in one process.
#pragma once

#include "tests/support/wait.h"
#include "toolkit/control.h"

// Handles what an earlier test left queued (a quit it posted included), then
// forgets the application window and the loop's state.
inline void ResetToolkitState() {
  TakeQuit();
  AppWindow = nullptr;
  AppRunning = false;
  AppTerminated = false;
  AppWindowCreated = false;
  CreatingControl = nullptr;
}
