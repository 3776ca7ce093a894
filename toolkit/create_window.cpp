// Window creation: the toolkit class for a control kind is registered on
// first use (a superclass of the native class when there is one), then the
// window is created from the properties stored in the object.
#include <string>

#include "toolkit/control.h"

namespace {

constexpr int kDefault = static_cast<int>(0x80000000);  // CW_USEDEFAULT

std::string ToolkitClassName(const TControl* control) {
  if (control->ClassNameIsFinal) return control->NativeClassName;
  return "obj_" + control->NativeClassName;
}

// Fills the class description and takes the native class's procedure as the
// control's default handling.
WNDCLASSA DescribeClass(TControl* control, HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.style = control->ClassStyle;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  if (!control->NativeClassName.empty()) {
    WNDCLASSA native{};
    const char* name = control->NativeClassName.c_str();
    if (GetClassInfoA(nullptr, name, &native) || GetClassInfoA(instance, name, &native)) {
      wc = native;
      wc.style &= ~0x40E1u;
      if (!control->PrevWindowProc) control->PrevWindowProc = native.lpfnWndProc;
    }
  }
  wc.hInstance = instance;
  wc.lpfnWndProc = control->ClassWindowProc ? control->ClassWindowProc : &SharedWindowProc;
  return wc;
}

void ShowCreatedHidden(TControl* control) {
  for (int32_t i = 0; i < control->ChildCount(); ++i) control->ChildAt(i)->CreateWindowNow();
  if (control->CreateHidden) {
    control->CreateHidden = 0;
    control->SetVisible(true);
  }
}

}  // namespace

bool TControl::CreateWindowNow() {
  HWND parentWindow = nullptr;
  if (Parent) {
    parentWindow = Parent->GetHandle();
    if (!parentWindow) return false;
  }
  if (Handle) {
    if (WindowDestroyed) return false;
    ShowCreatedHidden(this);
    return true;
  }
  HINSTANCE instance = GetModuleHandleA(nullptr);
  std::string className = ToolkitClassName(this);
  WNDCLASSA wc = DescribeClass(this, instance);
  if (!parentWindow && (Style & WS_CHILD)) return false;
  WNDCLASSA known{};
  if (!GetClassInfoA(instance, className.c_str(), &known)) {
    wc.lpszClassName = className.c_str();
    RegisterClassA(&wc);
  }

  int left = BoundsRect.left, top = BoundsRect.top;
  int width = BoundsRect.right - BoundsRect.left, height = BoundsRect.bottom - BoundsRect.top;
  if (width == 0) width = kDefault;
  if (height == 0) height = kDefault;
  if (!IsControl && !(PositionSet & 3)) left = top = kDefault;

  CreatingControl = this;
  HWND window = CreateWindowExA(ExStyle, className.c_str(), CaptionText.c_str(),
                                Style | (Enabled ? 0 : WS_DISABLED), left, top, width, height,
                                parentWindow, reinterpret_cast<HMENU>(MenuOrId), instance, nullptr);
  if (CreatingControl == this) CreatingControl = nullptr;
  if (!window) return false;
  Handle = window;

  SendMessageA(window, WM_UPDATEUISTATE, 0x00010002, 0);  // always show focus rectangles
  if (!ControlOfWindow(window)) BindWindow(window, this);
  if (!IsControl) {
    HICON icon = GetIcon();
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon == kNoIcon ? nullptr : icon));
  }
  if (AfterCreateWindow) AfterCreateWindow(this);
  RunHook(AfterCreateHook, this);
  ApplyFont();
  for (int32_t i = 0; i < ChildCount(); ++i) ChildAt(i)->CreateWindowNow();
  return true;
}
