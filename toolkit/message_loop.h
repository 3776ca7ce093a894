// The program's message loop: runs until WM_QUIT, then frees the
// application window (and with it every window it owns).
#pragma once

#include "toolkit/control.h"

// AppRunning, AppWindow = appWindow, creates its window; then, until
// AppTerminated: waits, takes every pending message, runs IdleHook. Ends with
// TerminateApplication.
void RunMessageLoop(TControl* appWindow);
// Takes and dispatches messages until none is pending.
void ProcessPendingMessages(TControl* control);
// Takes one message; true when there was one. WM_QUIT sets AppTerminated.
bool ProcessOneMessage(TControl* control);
// Ends the application: AppTerminated, AppRunning off, AppWindow cleared and
// freed (after its pending messages and a WM_CLOSE when the loop had not
// ended yet). Clears *appWindowRef when given.
void TerminateApplication(TControl** appWindowRef);
