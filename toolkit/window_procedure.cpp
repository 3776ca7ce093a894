// The shared window procedure and each control's message dispatch: the
// handler chain first, then the built-in handling of the message, then the
// native default.
#include "toolkit/control.h"
#include "toolkit/wait_cursor.h"

namespace {

// Runs the handler chain; true when one of the handlers handled the message.
bool RunHandlers(TControl* self, TMsg& msg, LRESULT& result) {
  if (GlobalPreHandler && GlobalPreHandler(self, msg, result)) return true;
  TControl* app = AppWindow;
  if (AppRunning && app && app != self && app->OnMessage && app->OnMessage(app, msg, result)) return true;
  if (self->OnMessage && self->OnMessage(self, msg, result)) return true;
  return self->HandlerChainProc && self->HandlerChainProc(self, msg, result);
}

LRESULT OnSize(TControl* self, TMsg& msg) {
  LRESULT result = self->DefaultHandling(msg);
  if (msg.WParam <= 2) self->WindowState = static_cast<uint8_t>(msg.WParam);
  RunHook(AlignHook, self->IsForm ? nullptr : self->Parent);
  RunHook(AlignHook, self);
  return result;
}

LRESULT OnSetFocus(TControl* self, TMsg& msg) {
  if (!self->Enabled || !self->TabStop) return 0;
  ++self->SettingFocus;
  SetFocus(self->Handle);
  LRESULT result = self->DefaultHandling(msg);
  --self->SettingFocus;
  return result;
}

LRESULT OnClose(TControl* self, TMsg& msg) {
  bool accept = true;
  if (self->OnClose) {
    self->OnClose(self, accept);
    if (!accept && AppRunning) return 0;
    // Asked once: a refusal while the loop is not running still keeps the
    // window, but the next close goes through.
    self->OnClose = {};
    if (!accept) return 0;
  }
  if (IsMainWindow(self) || self == AppWindow) {
    TControl* app = AppWindow;
    if (app && app != self && app->HasWindow()) SendMessageA(app->Handle, WM_CLOSE, 0, 0);
    PostQuitMessage(0);
    return 0;
  }
  return self->DefaultHandling(msg);
}

LRESULT OnShowWindow(TControl* self, TMsg& msg) {
  if (msg.LParam == SW_PARENTCLOSING) {
    if (IsIconic(self->Handle)) self->RestoreShowCmd = SW_SHOWMINNOACTIVE;
    else if (IsZoomed(self->Handle)) self->RestoreShowCmd = SW_SHOWMAXIMIZED;
    else self->RestoreShowCmd = SW_SHOWNOACTIVATE;
  } else if (msg.LParam == SW_PARENTOPENING && self->RestoreShowCmd != 0) {
    ShowWindow(self->Handle, self->RestoreShowCmd);
    self->RestoreShowCmd = 0;
    return 0;
  }
  return self->DefaultHandling(msg);
}

LRESULT OnSetCursor(TControl* self, TMsg& msg) {
  if (!GetCapture() && LOWORD(msg.LParam) == HTCLIENT && self->Cursor) {
    SetCursor(self->Cursor);
    return 1;
  }
  return self->DefaultHandling(msg);
}

LRESULT OnNcDestroy(TControl* self, TMsg& msg) {
  UnbindWindow(msg.Window);
  if (msg.Window != self->Handle) return self->DefaultHandling(msg);  // not this control's window
  // The window is gone whatever happens next; nothing may use it again.
  self->WindowDestroyed = 1;
  if (self == AppWindow || self->IsAppWindow) return 0;
  if (IsMainWindow(self)) {
    PostMessageA(self->Handle, kMsgRelease, 0, 0);
    return self->DefaultHandling(msg);
  }
  if (self->Parent && self->Parent == AppWindow) {
    self->DefaultHandling(msg);
    self->Free();  // kept alive by WindowProcedure until it returns
    return 0;
  }
  return self->DefaultHandling(msg);
}

bool ModifierHeld() { return (GetKeyState(VK_CONTROL) < 0) || (GetKeyState(VK_MENU) < 0); }

LRESULT OnKey(TControl* self, TMsg& msg) {
  HWND focus = GetFocus();
  if (focus && focus != self->Handle) return 0;
  LRESULT result = 0;
  if (self->KeyEventsProc && self->KeyEventsProc(self, msg, result)) return result;
  if (ModifierHeld()) return self->DefaultHandling(msg);
  if (msg.Message == WM_CHAR) {
    if (msg.WParam == VK_TAB) {
      msg.WParam = 0;
      return 0;
    }
    return self->DefaultHandling(msg);
  }
  TControl* form = FormOf(self);
  if (form && form->NavigateProc &&
      form->NavigateProc(self, static_cast<uint32_t>(msg.WParam), msg.Message == WM_KEYDOWN)) {
    msg.WParam = 0;
    return 0;
  }
  return self->DefaultHandling(msg);
}

LRESULT OnCommand(TControl* self, TMsg& msg) {
  HWND sender = reinterpret_cast<HWND>(msg.LParam);
  if (ControlOfWindow(sender))
    return SendMessageA(sender, kMsgReflectedCommand, msg.WParam, msg.LParam);
  return self->DefaultHandling(msg);
}

LRESULT OnSysCommand(TControl* self, TMsg& msg) {
  if ((msg.WParam & 0xFFF0) == SC_MINIMIZE && IsMainWindow(self) && AppWindow && self != AppWindow) {
    PostMessageA(AppWindow->Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return 0;
  }
  return self->DefaultHandling(msg);
}

// A child of the toolkit chooses its own colours; a native child (no object
// to answer the reflected message) gets the default colours.
LRESULT OnControlColor(TControl* self, TMsg& msg) {
  HWND child = reinterpret_cast<HWND>(msg.LParam);
  if (!ControlOfWindow(child)) return self->DefaultHandling(msg);
  return SendMessageA(child, msg.Message + 0xBC00, msg.WParam, msg.LParam);
}

LRESULT OnRelease(TControl* self) {
  self->Destroying = 1;
  self->Free();  // kept alive by WindowProcedure until it returns
  return 0;
}

LRESULT BuiltIn(TControl* self, TMsg& msg) {
  switch (msg.Message) {
    case WM_SIZE: return OnSize(self, msg);
    case WM_SETFOCUS: return OnSetFocus(self, msg);
    case WM_CLOSE: return OnClose(self, msg);
    case WM_SHOWWINDOW: return OnShowWindow(self, msg);
    case WM_SETCURSOR: return OnSetCursor(self, msg);
    case WM_NCDESTROY: return OnNcDestroy(self, msg);
    case WM_COMMAND: return OnCommand(self, msg);
    case WM_SYSCOMMAND: return OnSysCommand(self, msg);
    case kMsgRelease: return OnRelease(self);
    default: break;
  }
  if (msg.Message >= WM_KEYFIRST && msg.Message <= WM_KEYLAST) return OnKey(self, msg);
  if (msg.Message >= WM_CTLCOLORMSGBOX && msg.Message <= WM_CTLCOLORSTATIC) return OnControlColor(self, msg);
  return self->DefaultHandling(msg);
}

}  // namespace

LRESULT TControl::WindowProcedure(TMsg& msg) {
  if (msg.Window && !Handle) Handle = msg.Window;
  // Held for the whole dispatch: a handler or a built-in case may free the
  // control (a closing form, the release message); it is destroyed once the
  // dispatch has returned.
  AddHold();
  LRESULT result = 0;
  if (!RunHandlers(this, msg, result)) result = BuiltIn(this, msg);
  DropHold();
  return result;
}

LRESULT CALLBACK SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TControl* control = nullptr;
  if (window && CreatingControl && !ControlOfWindow(window)) {
    control = CreatingControl;
    CreatingControl = nullptr;
    control->Handle = window;
    BindWindow(window, control);
  } else {
    control = ControlOfWindow(window);
  }
  if (!control) control = AppWindow;
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  TMsg msg{window, message, wParam, lParam};
  // Messages handled inside the handling of another (sent messages, modal
  // loops) are nested; the user gets an answer when the outermost is done.
  static int depth = 0;
  ++depth;
  const LRESULT result = control->FrontProc && window == control->Handle
                             ? control->FrontProc(window, message, wParam, lParam)
                             : control->WindowProcedure(msg);
  if (--depth == 0) EndWaitCursor();
  return result;
}
