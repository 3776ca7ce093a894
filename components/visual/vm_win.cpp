#include "components/visual/vm_win.h"

#include "toolkit/align.h"
#include "toolkit/app_window.h"
#include "toolkit/navigation.h"
#include "toolkit/paint.h"

namespace {

constexpr uint32_t kFlatStyle = 0x8000;
// Extended-style bits that BorderStyle replaces.
constexpr uint32_t kBorderExStyleMask = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;

void TrackMouse(HWND window, DWORD flags) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = flags;
  track.hwndTrack = window;
  track.dwHoverTime = HOVER_DEFAULT;
  TrackMouseEvent(&track);
}

bool IsMouseMessage(UINT message) {
  return message >= WM_MOUSEFIRST && message <= WM_MOUSEFIRST + 10;
}

}  // namespace

int32_t HeldButton(uint32_t shift) {
  switch (shift & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) {
    case MK_LBUTTON: return 0;
    case MK_RBUTTON: return 1;
    case MK_MBUTTON: return 2;
    default: return -1;
  }
}

TVMWin::TVMWin(TControl* parent) : Parent(parent) {
  if (parent) Color = parent->Color;
}

TVMWin::~TVMWin() {
  ReleaseHint(HintLink);
  if (!Control || ControlDestroyed) return;
  // From here on the control must not call back into this component, even if
  // a running message dispatch keeps it alive a little longer.
  Control->DestroyHandler = {};
  Control->OnMessage = SavedMessageHandler;
  Control->SetOnMouseDown({});
  Control->SetOnMouseUp({});
  Control->SetOnMouseMove({});
  Control->SetOnMouseDblClk({});
  Control->SetOnMouseWheel({});
  Control->SetOnKeyDown({});
  Control->SetOnKeyUp({});
  Control->SetOnChar({});
  Control->SetOnResize({});
  Control->SetOnShow({});
  if (Companion) {
    Companion->DestroyHandler = {};
    Companion->Free();
    Companion = nullptr;
  }
  Control->SetVisible(false);
  Control->Free();
  Control = nullptr;
}

void TVMWin::AdoptControl(TControl* control) {
  Control = control;
  if (Control) Control->DestroyHandler = MakeMethod<&TVMWin::OnControlDestroyed>(this);
}

bool TVMWin::InitHiddenWindow() {
  const bool visible = Visible;
  Visible = false;
  TVMWin::Init();
  Visible = visible;
  if (!Control) return false;
  EnableTabNavigation(Control);
  return true;
}

bool TVMWin::MakeOwnWindow(const char* caption, int32_t offsetX, int32_t offsetY) {
  AdoptControl(CreateFormWindow(Parent, caption));
  RECT owner{};
  if (Parent && Parent->HasWindow() && Left == 0 && Top == 0 && GetWindowRect(Parent->Handle, &owner)) {
    Left = owner.left + offsetX;
    Top = owner.top + offsetY;
  }
  // Made hidden: it shows once its contents are filled.
  return InitHiddenWindow();
}

void TVMWin::OnControlDestroyed(TObj* sender) {
  if (sender == Companion) {
    Companion = nullptr;
    return;
  }
  ControlGone();
}

void TVMWin::ControlGone() {
  ControlDestroyed = true;
  Control = nullptr;
}

void TVMWin::Init() {
  if (!Control) return;
  ControlGetter = MakeMethod<&TVMWin::GetControl>(this);

  Control->SetColor(Color);
  Control->SetPosition(Left, Top);
  Control->SetSize(Width, Height);
  if (Ctl3D == kCtl3DSunken || Ctl3D == kCtl3DFlat) Control->SetCtl3D(Ctl3D == kCtl3DSunken);

  SetTransparent(Control, Transparent);
  Control->SetEnabled(Enabled);
  Control->SetCursor(Cursor);
  if (Flat) Control->SetStyle(Control->Style | kFlatStyle);

  ApplyFont();

  if (TabOrder > 0) {
    Control->TabStop = 1;
    Control->SetStyle(Control->Style | WS_TABSTOP);
    SetTabOrder(Control, TabOrder);
  }

  SavedMessageHandler = Control->OnMessage;
  Control->SetOnMouseDown(MakeMethod<&TVMWin::OnControlMouseDown>(this));
  Control->SetOnMouseUp(MakeMethod<&TVMWin::OnControlMouseUp>(this));
  Control->SetOnMouseMove(MakeMethod<&TVMWin::OnControlMouseMove>(this));
  Control->SetOnMouseDblClk(MakeMethod<&TVMWin::OnControlDblClick>(this));
  Control->SetOnMouseWheel(MakeMethod<&TVMWin::OnControlMouseWheel>(this));
  Control->OnMessage = MakeMethod<&TVMWin::OnControlMessage>(this);
  Control->SetOnKeyDown(MakeMethod<&TVMWin::OnControlKeyDown>(this));
  Control->SetOnKeyUp(MakeMethod<&TVMWin::OnControlKeyUp>(this));
  Control->SetOnChar(MakeMethod<&TVMWin::OnControlChar>(this));
  Control->SetOnResize(MakeMethod<&TVMWin::OnControlResize>(this));
  Control->SetOnShow(MakeMethod<&TVMWin::OnControlShow>(this));

  SetAlign(Control, Align);
  if (Control->HasWindow()) {
    SetWindowPos(Control->Handle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOACTIVATE);
  }

  Control->SetVisible(Visible);
  Control->CreateWindowNow();

  if (CompanionFactory) PlaceCompanion();
  if (Ctl3D == kCtl3DSunken) ApplyBorderStyle();
}

void TVMWin::ApplyFont() {
  if (ParentFont) {
    if (Parent) Control->AssignFont(Parent->Font);
    return;
  }
  Control->SetFontColor(static_cast<int32_t>(Font.Color));
  Control->SetFontStyle(Font.Style);
  Control->SetFontName(Font.Name);
  Control->SetFontHeight(PointsToHeight(Font.Size));
  Control->SetFontCharset(Font.CharSet);
}

void TVMWin::ApplyBorderStyle() {
  uint32_t bits;
  switch (BorderStyle) {
    case kBorderNone: bits = 0; break;
    case kBorderStaticEdge: bits = WS_EX_STATICEDGE; break;
    case kBorderDialogFrame: bits = WS_EX_DLGMODALFRAME; break;
    case kBorderDialogFrameClientEdge: bits = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE; break;
    default: return;
  }
  Control->SetExStyle((Control->ExStyle & ~kBorderExStyleMask) | bits);
}

// The companion goes beside the control on the side away from the edge the
// control is aligned to: below a top-aligned control, above a bottom-aligned
// one, left of a right-aligned one, otherwise to its right.
void TVMWin::PlaceCompanion() {
  Companion = CompanionFactory(Parent, CompanionArgs[0], CompanionArgs[1], CompanionArgs[2],
                               CompanionArgs[3]);
  if (!Companion) return;
  Companion->DestroyHandler = MakeMethod<&TVMWin::OnControlDestroyed>(this);
  RECT own = Control->GetBoundsRect();
  RECT r = Companion->GetBoundsRect();
  int32_t w = r.right - r.left, h = r.bottom - r.top;
  switch (Control->Align) {
    case kAlignTop: r = RECT{own.left, own.bottom, own.left + w, own.bottom + h}; break;
    case kAlignBottom: r = RECT{own.left, own.top - h, own.left + w, own.top}; break;
    case kAlignRight: r = RECT{own.left - w, own.top, own.left, own.top + h}; break;
    default: r = RECT{own.right, own.top, own.right + w, own.top + h}; break;
  }
  Companion->SetBoundsRect(r);
  Companion->SetVisible(Visible);
}

void TVMWin::AttachHintNow() {
  if (Hint.empty() || !Control) return;
  AttachHint(HintLink, Control, Hint);
}

// --- Events ----------------------------------------------------------------------

void TVMWin::StoreMouse(const TMouseEventData& mouse) {
  MouseShift = mouse.Shift;
  MouseX = mouse.X;
  MouseY = mouse.Y;
}

void TVMWin::KeyDown(int32_t& key, uint32_t shift) { FireInt(OnKeyDown, key); }

void TVMWin::KeyUp(int32_t& key, uint32_t shift) { FireInt(OnKeyUp, key); }

void TVMWin::KeyPress(int32_t& key, uint32_t shift) {
  FireStr(OnKeyPress, std::string(1, static_cast<char>(key)));
}

void TVMWin::MouseDown(TMouseEventData& mouse) {
  StoreMouse(mouse);
  FireInt(OnMouseDown, mouse.Button - 1);
  if (MouseCapture && Control && Control->HasWindow()) SetCapture(Control->Handle);
}

void TVMWin::MouseUp(TMouseEventData& mouse) {
  StoreMouse(mouse);
  FireInt(OnMouseUp, mouse.Button - 1);
  if (MouseCapture) ReleaseCapture();
}

void TVMWin::MouseMove(TMouseEventData& mouse) {
  StoreMouse(mouse);
  if (HintLink.Api && HintLink.Tip) {
    HintLink.Api->MoveTo(HintLink.Tip, static_cast<int16_t>(mouse.X), static_cast<int16_t>(mouse.Y));
  }
  FireInt(OnMouseMove, HeldButton(mouse.Shift));
}

void TVMWin::OnControlDblClick(TControl* sender, TMouseEventData& mouse) {
  FireInt(OnDblClick, mouse.Button - 1);
}

void TVMWin::MouseWheel(TMouseEventData& mouse) {
  FireInt(OnMouseWheel, static_cast<int16_t>(mouse.Shift >> 16));
}

void TVMWin::MouseEnter() { FireNull(OnMouseEnter); }

void TVMWin::MouseLeave() { FireNull(OnMouseLeave); }

void TVMWin::Resize() { FireNull(OnResize); }

void TVMWin::Show() { FireNull(OnShow); }

// --- Messages ----------------------------------------------------------------------

bool TVMWin::OnControlMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  return MessageHandler(msg, result);
}

bool TVMWin::CallSavedHandler(TMsg& msg, LRESULT& result) {
  return SavedMessageHandler && SavedMessageHandler(Control, msg, result);
}

bool TVMWin::MessageHandler(TMsg& msg, LRESULT& result) {
  switch (msg.Message) {
    case WM_MOVE: FireNull(OnMove); break;
    case WM_SETFOCUS: FireNull(OnSetFocus); break;
    case WM_KILLFOCUS: FireNull(OnKillFocus); break;
    case WM_MOUSEHOVER: MouseEnter(); break;
    case WM_MOUSELEAVE:
      MouseLeave();
      TrackMouse(msg.Window, TME_HOVER);
      break;
    case WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(msg.LParam);
      if (pos && !(pos->flags & SWP_NOSIZE)) LimitSize(*pos);
      break;
    }
    default:
      if (IsMouseMessage(msg.Message)) {
        TrackMouse(msg.Window, TME_LEAVE);
        MouseEnter();
      }
      break;
  }
  return CallSavedHandler(msg, result);
}

// Asks the limit input how much of a size change to allow; an unconnected
// input (or one that answers anything but an Integer) allows all of it.
int32_t TVMWin::OfferChange(TVM_Event& limit, int32_t change) {
  TData data;
  SetIntValue(data, change);
  ReadPointOrBreak(data, limit);
  int32_t allowed = (data.Kind & ~kForwardFlag) == kKindInteger ? data.IntValue : change;
  FreeValueChain(data);
  return allowed;
}

void TVMWin::LimitSize(WINDOWPOS& pos) {
  if (!Control) return;
  int32_t height = Control->GetHeight();
  if (pos.cy != height) pos.cy = height + OfferChange(HeightLimit, pos.cy - height);
  int32_t width = Control->GetWidth();
  if (pos.cx != width) pos.cx = width + OfferChange(WidthLimit, pos.cx - width);
}
