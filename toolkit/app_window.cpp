#include "toolkit/app_window.h"

#include <cstdlib>

#include "toolkit/control_create.h"
#include "toolkit/graphic_tool.h"

namespace {

void FocusFocusedControl(TControl* control) {
  if (HWND window = control->FocusedControl->GetHandle()) SetFocus(window);
}

bool AppWindowHandler(void*, TControl* app, TMsg& msg, LRESULT& result) {
  if (msg.Message == WM_SETFOCUS && app->FocusedControl) {
    FocusFocusedControl(app);
    result = 0;
    return true;
  }
  if (msg.Message == WM_SYSCOMMAND && (msg.WParam & 0xFFF0) == SC_CLOSE) {
    TControl* first = app->ChildAt(0);
    if (!first || !IsMainWindow(first)) return false;
    SendMessageA(first->GetHandle(), WM_CLOSE, 0, 0);
    result = 0;
    return true;
  }
  return false;
}

void TrimSystemMenu(TControl* app) {
  HMENU menu = GetSystemMenu(app->Handle, FALSE);
  if (!menu) return;
  DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED);
}

// The session ends: the loop state is torn down at once and the process ends.
[[noreturn]] void EndSession() {
  AppTerminated = true;
  AppRunning = false;
  TControl* app = AppWindow;
  AppWindow = nullptr;
  FreeObj(app);
  std::exit(0);
}

bool EraseBackground(TControl* form, HDC dc, LRESULT& result) {
  for (int32_t i = 0; i < form->ChildCount(); ++i) form->ChildAt(i)->CreateWindowNow();
  if (form->Transparent) return false;
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, ResolveColor(form->Color));
  SetBrushOrgEx(dc, 0, 0, nullptr);
  RECT client;
  GetClientRect(form->Handle, &client);
  FillRect(dc, &client, form->GetBackgroundBrush());
  result = 1;
  return true;
}

bool FormHandler(void*, TControl* form, TMsg& msg, LRESULT& result) {
  switch (msg.Message) {
    case WM_SETFOCUS:
      if (AppWindow && AppWindow != form) AppWindow->FocusedControl = form;
      if (!form->FocusedControl) return false;
      FocusFocusedControl(form);
      result = 0;
      return true;
    case WM_ENDSESSION:
      if (msg.WParam) EndSession();
      return false;
    case WM_ERASEBKGND:
      return msg.Window == form->Handle && EraseBackground(form, reinterpret_cast<HDC>(msg.WParam), result);
    default:
      return false;
  }
}

}  // namespace

TControl* CreateAppWindow(const std::string& caption) {
  TControl* app = CreateControlObject(nullptr, "App", 0);
  app->Style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  app->ExStyle = WS_EX_APPWINDOW;
  app->IsAppWindow = 1;
  app->CaptionText = caption;
  app->AfterCreateWindow = &TrimSystemMenu;
  app->AttachMessageHandler(&AppWindowHandler);
  AppWindowCreated = true;
  if (!AppWindow) AppWindow = app;
  return app;
}

TControl* CreateFormWindow(TControl* parent, const std::string& caption) {
  TControl* form = CreateControlObject(parent, "Form", 0);
  form->ClassStyle |= CS_DBLCLKS;
  form->IsForm = 1;
  form->CaptionText = caption;
  form->AttachMessageHandler(&FormHandler);
  return form;
}
