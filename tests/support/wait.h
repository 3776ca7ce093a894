// Waiting in tests: for a condition, with a deadline, never for a fixed
// time. Waiting pumps this thread's messages, so that the windows of the
// code under test keep working while the test waits for them.
#pragma once

#include <windows.h>

// Long enough for a loaded machine running many Wine programs at once; a
// condition that holds ends the wait at once.
constexpr DWORD kWaitDeadlineMs = 10000;

namespace wait_detail {
inline bool& QuitSeen() {
  static bool seen = false;
  return seen;
}
}  // namespace wait_detail

// Dispatches the messages queued for this thread until none is left, those
// that handling them queues included (posted keys and clicks are handled when
// this returns). A WM_QUIT is taken off the queue and kept for TakeQuit.
inline void DispatchQueued() {
  const DWORD start = GetTickCount();
  MSG msg;
  // The deadline only guards against a window that re-posts to itself forever.
  while (GetTickCount() - start < kWaitDeadlineMs && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      wait_detail::QuitSeen() = true;
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Dispatches what is queued; true when a WM_QUIT was posted since the last
// call (the quit is then taken: a later call answers false).
inline bool TakeQuit() {
  DispatchQueued();
  const bool seen = wait_detail::QuitSeen();
  wait_detail::QuitSeen() = false;
  return seen;
}

// Pumps messages until the condition holds or the deadline passes; returns
// whether it held. The condition is checked after each round of messages.
template <class TCondition>
bool WaitUntil(TCondition condition, DWORD timeoutMs = kWaitDeadlineMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    DispatchQueued();
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}
