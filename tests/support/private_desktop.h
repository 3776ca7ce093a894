// Moves this thread's windows to a desktop of its own. The focus follows the
// foreground window, which test programs running side by side take from one
// another; on a desktop of its own a program keeps it. Call once, before the
// thread creates its first window.
#pragma once

#include <windows.h>

#include <string>

inline void MoveToPrivateDesktop() {
  const std::string name = "zr-test-" + std::to_string(GetCurrentProcessId());
  HDESK desktop = CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  if (desktop) SetThreadDesktop(desktop);
}
