#include "toolkit/control.h"

#include "toolkit/canvas.h"
#include "toolkit/graphic_tool.h"

namespace {

bool NoPreHandler(TControl*, TMsg&, LRESULT&) { return false; }
void NoHook(TControl*) {}

// Descendants whose fonts equal this control's were given its font handle,
// which the change deletes: each is given its own font again.
void ReapplyChildFonts(TControl* control) {
  for (int32_t i = 0; i < control->ChildCount(); ++i) {
    TControl* child = control->ChildAt(i);
    child->ApplyFont();
    ReapplyChildFonts(child);
  }
}

// Font of the control changed: keep the font colour and re-apply the font.
void ControlFontChanged(void* target, TGraphicTool* tool) {
  auto* control = static_cast<TControl*>(target);
  control->FontColor = tool->ToolColor;
  control->ApplyFont();
  if (control->HasWindow()) ReapplyChildFonts(control);
}

// Brush of the control changed: its colour is the background colour.
void ControlBrushChanged(void* target, TGraphicTool* tool) {
  auto* control = static_cast<TControl*>(target);
  control->Color = tool->ToolColor;
  control->BrushHandle = nullptr;
  control->Invalidate();
}

TGraphicTool* Watched(TControl* control, TGraphicTool* tool, TToolChangeProc onChange) {
  tool->ChangeTarget = control;
  tool->OnToolChange = onChange;
  return tool;
}

bool IsWithin(TControl* control, TControl* ancestor) {
  for (; control; control = control->Parent)
    if (control == ancestor) return true;
  return false;
}

// No ancestor may keep a control of this subtree as its focused control.
void ForgetFocus(TControl* control) {
  for (TControl* a = control->Parent; a; a = a->Parent)
    if (IsWithin(a->FocusedControl, control)) a->FocusedControl = nullptr;
}

// Runs the attached handlers, newest first, with the control held alive.
bool RunHandlerChain(TControl* control, TMsg& msg, LRESULT& result) {
  if (AppTerminated || !control->MessageHandlers) return false;
  control->AddHold();
  bool handled = false;
  // Pairs (code, object), oldest first; a handler may attach or detach
  // others, so the count is read again on every step.
  for (int32_t i = control->MessageHandlers->Count - 2; i >= 0 && !handled; i -= 2) {
    if (i + 1 >= control->MessageHandlers->Count) continue;
    TMessageHandler handler;
    handler.Code = reinterpret_cast<decltype(handler.Code)>(control->MessageHandlers->Items[i]);
    handler.Object = control->MessageHandlers->Items[i + 1];
    handled = handler(control, msg, result);
  }
  control->DropHold();
  return handled;
}

}  // namespace

TControl* AppWindow = nullptr;
bool AppRunning = false;
bool AppTerminated = false;
bool AppWindowCreated = false;
TControl* CreatingControl = nullptr;
uint16_t NextControlId = 32768;
TControlProc GlobalPreHandler = &NoPreHandler;
TControlHook InvalidateHook = &NoHook;
TControlHook AfterCreateHook = &NoHook;
TControlHook AlignHook = &NoHook;
TControlHook IdleHook = &NoHook;

void TControl::Init() {
  if (!Children) Children = CreateList();
  ClassWindowProc = &SharedWindowProc;
}

void TControl::InitWithParent(TControl* parent) {
  Init();
  SetParent(parent);
  if (parent) {
    Color = parent->Color;
    Font = Watched(this, ToolClone(parent->Font), &ControlFontChanged);
    Brush = Watched(this, ToolClone(parent->Brush), &ControlBrushChanged);
  } else {
    Font = Watched(this, CreateFontTool(), &ControlFontChanged);
    Brush = Watched(this, CreateBrushTool(), &ControlBrushChanged);
  }
  Brush->ToolColor = Color;
  FontColor = Font->ToolColor;
}

TControl::~TControl() {
  Destroying = 1;
  ForgetFocus(this);
  // A form without parent may still be the application's current form.
  if (AppWindow && AppWindow->FocusedControl == this) AppWindow->FocusedControl = nullptr;
  if (AppWindow == this) AppWindow = nullptr;
  if (CreatingControl == this) CreatingControl = nullptr;
  if (HasWindow()) {
    // From here on the window's messages go straight to the native handling:
    // the object is no longer there to answer them.
    UnbindWindow(Handle);
    SetWindowLongPtrA(Handle, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(PrevWindowProc ? PrevWindowProc : &DefWindowProcA));
    ShowWindow(Handle, SW_HIDE);
  }
  // Children, newest first. Each is detached before it is freed, so that a
  // child kept alive by a running handler never reaches back to this parent.
  while (Children && Children->Count > 0) {
    auto* child = static_cast<TControl*>(Children->Get(Children->Count - 1));
    Children->Delete(Children->Count - 1);
    ForgetFocus(child);
    child->SetParent(nullptr);  // its font and brush no longer refer to ours
    child->Free();
  }
  FreeObj(Canvas);
  Canvas = nullptr;
  FreeObj(Font);
  FreeObj(Brush);
  Font = Brush = nullptr;
  BrushHandle = nullptr;
  if (UpdateRegion) DeleteObject(UpdateRegion);
  if (BufferBitmap) DeleteObject(BufferBitmap);
  if (Accelerators) DestroyAcceleratorTable(Accelerators);
  FreeObj(FirstMenu);
  FirstMenu = nullptr;
  HICON bigIcon = Icon;
  if (HasWindow()) bigIcon = reinterpret_cast<HICON>(SendMessageA(Handle, WM_SETICON, ICON_BIG, 0));
  if (bigIcon && bigIcon != kNoIcon && !IconShared) DestroyIcon(bigIcon);
  if (HasWindow()) DestroyWindow(Handle);
  if (Parent) {
    int32_t index = Parent->Children ? Parent->Children->IndexOf(this) : -1;
    if (index >= 0) Parent->Children->Delete(index);
    Parent = nullptr;
  }
  FreeObj(MessageHandlers);
  FreeObj(Children);
}

TControl* FormOf(TControl* control) {
  while (control && control->IsControl) control = control->Parent;
  return control;
}

TControl* ParentFormOf(TControl* control) { return control ? FormOf(control->Parent) : nullptr; }

bool IsMainWindow(TControl* control) {
  if (!control || control->IsControl) return false;
  if (!control->Parent) return control == AppWindow || !AppWindowCreated;
  if (!control->Parent->Parent) return control->Parent->ChildAt(0) == control;
  return false;
}

HWND TControl::GetHandle() {
  if (!Handle) {
    if (VisibleSet) {
      CreateWindowNow();
    } else {
      // Created hidden because a handle was asked for before the control was
      // meant to appear; shown by the next CreateWindowNow. A control hidden
      // on purpose stays hidden.
      bool wasVisible = Visible != 0;
      SetVisible(false);
      CreateWindowNow();
      CreateHidden = wasVisible ? 1 : 0;
    }
  }
  return Handle;
}

LRESULT TControl::SendToControl(UINT msg, WPARAM wParam, LPARAM lParam) {
  return SendMessageA(GetHandle(), msg, wParam, lParam);
}

LRESULT TControl::DefaultHandling(const TMsg& msg) {
  if (PrevWindowProc) return CallWindowProcA(PrevWindowProc, msg.Window, msg.Message, msg.WParam, msg.LParam);
  return DefWindowProcA(msg.Window, msg.Message, msg.WParam, msg.LParam);
}

void TControl::AttachMessageHandler(TMessageHandler handler) {
  if (!MessageHandlers) MessageHandlers = CreateList();
  for (int32_t i = 0; i + 1 < MessageHandlers->Count; i += 2) {
    if (MessageHandlers->Items[i] == reinterpret_cast<void*>(handler.Code) &&
        MessageHandlers->Items[i + 1] == handler.Object)
      return;
  }
  MessageHandlers->Add(reinterpret_cast<void*>(handler.Code));
  MessageHandlers->Add(handler.Object);
  HandlerChainProc = &RunHandlerChain;
}

void TControl::DetachMessageHandler(TMessageHandler handler) {
  if (!MessageHandlers) return;
  for (int32_t i = 0; i + 1 < MessageHandlers->Count; i += 2) {
    if (MessageHandlers->Items[i] == reinterpret_cast<void*>(handler.Code) &&
        MessageHandlers->Items[i + 1] == handler.Object) {
      MessageHandlers->DeleteRange(i, 2);
      return;
    }
  }
}
