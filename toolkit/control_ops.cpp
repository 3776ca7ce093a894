// Operations that store a property in the control and, when the window
// exists, apply it to the window at once. Without a window the stored value
// is applied when the window is created.
#include "toolkit/canvas.h"
#include "toolkit/control.h"
#include "toolkit/graphic_tool.h"

namespace {

// While an update runs (BeginUpdate) nothing is painted or erased.
bool SuppressPainting(void*, TControl* control, TMsg& msg, LRESULT& result) {
  if (control->UpdateCount <= 0) return false;
  if (msg.Message == WM_PAINT) {
    ValidateRect(msg.Window, nullptr);
    result = 0;
    return true;
  }
  if (msg.Message == WM_ERASEBKGND) {
    result = 1;
    return true;
  }
  return false;
}

void ApplyStyles(TControl* control) {
  SetWindowPos(control->Handle, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  control->Invalidate();
}

}  // namespace

void TControl::Invalidate() {
  if (AppTerminated) return;
  if (HasWindow()) InvalidateRect(Handle, nullptr, TRUE);
  RunHook(InvalidateHook, this);
}

void TControl::BeginUpdate() {
  // Attached once: attaching the same handler again is ignored.
  if (UpdateCount++ == 0) AttachMessageHandler(&SuppressPainting);
}

void TControl::EndUpdate() {
  if (--UpdateCount <= 0) {
    UpdateCount = 0;
    Invalidate();
  }
}

void TControl::SetCaption(const std::string& text) {
  CaptionText = text;
  if (!HasWindow()) return;
  SetWindowTextA(Handle, CaptionText.c_str());
  Invalidate();
  if (OnTextChanged) OnTextChanged(this);
}

std::string TControl::GetCaption() {
  if (!HasWindow() || CaptionFromObject) return CaptionText;
  int length = GetWindowTextLengthA(Handle);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  int got = GetWindowTextA(Handle, text.data(), length + 1);
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return text;
}

void TControl::SetColor(int32_t color) {
  if (HasWindow() && Actions.SetBkColorMsg)
    SendMessageA(Handle, Actions.SetBkColorMsg, 0, static_cast<LPARAM>(ResolveColor(color)));
  if (color == Color) return;
  Color = color;
  BrushHandle = nullptr;
  if (Brush) SetToolColor(Brush, color);
  Invalidate();
}

HBRUSH TControl::GetBackgroundBrush() {
  // Asked of Brush every time: a brush equal to the parent's uses the parent's
  // handle, which the parent deletes when its own colour changes.
  if (Brush) BrushHandle = static_cast<HBRUSH>(ToolGetHandle(Brush));
  return BrushHandle;
}

void TControl::SetStyle(uint32_t style) {
  if (style == Style) return;
  Style = style;
  if (!HasWindow()) return;
  // Visibility changes go through SetVisible; the style write keeps the
  // window's own visible bit so that the two never disagree.
  uint32_t visible = static_cast<uint32_t>(GetWindowLongA(Handle, GWL_STYLE)) & WS_VISIBLE;
  SetWindowLongA(Handle, GWL_STYLE, static_cast<LONG>((style & ~WS_VISIBLE) | visible));
  ApplyStyles(this);
}

void TControl::SetExStyle(uint32_t exStyle) {
  if (exStyle == ExStyle) return;
  ExStyle = exStyle;
  if (!HasWindow()) return;
  SetWindowLongA(Handle, GWL_EXSTYLE, static_cast<LONG>(exStyle));
  ApplyStyles(this);
}

void TControl::SetVisible(bool on) {
  if (on) Style |= WS_VISIBLE;
  else Style &= ~WS_VISIBLE;
  Visible = on ? 1 : 0;
  if (!on) CreateHidden = 0;
  if (!HasWindow()) return;
  ShowWindow(Handle, on ? SW_SHOW : SW_HIDE);
  RunHook(AlignHook, Parent);
  if (on) RunHook(AlignHook, this);
}

void TControl::HideControl() {
  VisibleSet = 1;
  SetVisible(false);
}

void TControl::SetEnabled(bool on) {
  Enabled = on ? 1 : 0;
  if (on) Style &= ~WS_DISABLED;
  else Style |= WS_DISABLED;
  if (HasWindow()) EnableWindow(Handle, on);
}

bool TControl::GetEnabled() {
  if (HasWindow()) return IsWindowEnabled(Handle) != 0;
  return (Style & WS_DISABLED) == 0;
}

void TControl::SetWindowState(uint8_t state) {
  if (state == WindowState || state > 2) return;
  WindowState = state;
  static const int kShow[] = {SW_SHOWNOACTIVATE, SW_SHOWMINNOACTIVE, SW_SHOWMAXIMIZED};
  if (HasWindow()) ShowWindow(Handle, kShow[state]);
}

void TControl::SetCtl3D(bool on) {
  Ctl3DInherit = on ? 1 : 0;
  if (Ctl3D == (on ? 1 : 0)) return;
  Ctl3D = on ? 1 : 0;
  uint32_t style = Style, exStyle = ExStyle;
  if (HasWindow()) {
    style = static_cast<uint32_t>(GetWindowLongA(Handle, GWL_STYLE));
    exStyle = static_cast<uint32_t>(GetWindowLongA(Handle, GWL_EXSTYLE));
    Style = style;
    ExStyle = exStyle;
  }
  if (on) {
    exStyle |= WS_EX_CLIENTEDGE;
    style &= ~WS_BORDER;
  } else {
    exStyle &= ~WS_EX_CLIENTEDGE;
    style |= WS_BORDER;
  }
  SetStyle(style);
  SetExStyle(exStyle);
}

void TControl::SetCursor(HCURSOR cursor) {
  Cursor = cursor;
  if (!HasWindow() || !cursor) return;
  POINT p;
  RECT client;
  if (GetCursorPos(&p) && ScreenToClient(Handle, &p) && GetClientRect(Handle, &client) &&
      PtInRect(&client, p))
    ::SetCursor(cursor);
}

void TControl::SetFocused() {
  if (IsControl) {
    if (TControl* form = ParentFormOf(this)) form->FocusedControl = this;
    SetFocus(GetHandle());
  } else {
    SetForegroundWindow(GetHandle());
  }
}

int32_t TControl::ChildCount() const { return Children ? Children->Count : 0; }

TControl* TControl::ChildAt(int32_t index) const {
  return Children ? static_cast<TControl*>(Children->Get(index)) : nullptr;
}

void TControl::SetParent(TControl* parent) {
  if (parent == Parent) return;
  if (Parent && Parent->Children) {
    int32_t index = Parent->Children->IndexOf(this);
    if (index >= 0) Parent->Children->Delete(index);
  }
  Parent = parent;
  if (parent) {
    if (!parent->Children) parent->Children = CreateList();
    parent->Children->Add(this);
  }
  // Tools cloned from the old parent's follow the new parent's instead, so
  // they never refer to tools of a parent that may be gone.
  if (Font && Font->ParentTool) Font->ParentTool = parent ? parent->Font : nullptr;
  if (Brush && Brush->ParentTool) Brush->ParentTool = parent ? parent->Brush : nullptr;
}
