#include "toolkit/message_loop.h"

#include "toolkit/key_preview.h"

void RunMessageLoop(TControl* appWindow) {
  AppRunning = true;
  AppWindow = appWindow;
  if (appWindow) appWindow->CreateWindowNow();
  while (!AppTerminated) {
    WaitMessage();
    ProcessPendingMessages(appWindow);
    RunHook(IdleHook, appWindow);
  }
  TerminateApplication(&appWindow);
}

bool ProcessOneMessage(TControl*) {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    AppTerminated = true;
  } else if (!PreviewKey(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

void ProcessPendingMessages(TControl* control) {
  while (ProcessOneMessage(control)) {
  }
}

void TerminateApplication(TControl** appWindowRef) {
  bool wasTerminated = AppTerminated;
  AppTerminated = true;
  AppRunning = false;
  TControl* app = AppWindow;
  AppWindow = nullptr;
  if (!app) return;
  app->AddHold();
  if (!wasTerminated) {
    ProcessPendingMessages(app);
    if (app->HasWindow()) SendMessageA(app->Handle, WM_CLOSE, 0, 0);
  }
  if (appWindowRef) *appWindowRef = nullptr;
  app->Free();
  app->DropHold();  // the application window is destroyed here
}
