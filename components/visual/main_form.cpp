#include "components/visual/main_form.h"

#include "toolkit/form_services.h"
#include "toolkit/app_window.h"
#include "toolkit/bitmap.h"
#include "toolkit/ini_file.h"
#include "toolkit/paint.h"
#include "toolkit/registry.h"
#include "toolkit/str_list.h"
#include "toolkit/window_place.h"

namespace {

// Caption, system menu, sizing frame, minimize and maximize boxes.
constexpr uint32_t kBorderStyleMask = 0x00C70000;
// Dialog frame, tool window, window edge.
constexpr uint32_t kBorderExStyleMask = 0x181;

struct TBorderBits {
  uint32_t Style;
  uint32_t ExStyle;
};

constexpr TBorderBits kBorders[] = {
    {0, 0},                // 0 no border
    {0x00C20000, 0},       // 1 caption and system menu, fixed size
    {0x00C70000, 0},       // 2 sizeable, minimize and maximize
    {0x00C00000, 0x100},   // 3 caption, window edge
    {0x00C00000, 0x80},    // 4 tool window caption
    {0x00C40000, 0x80},    // 5 sizeable tool window
    {0, 0x1},              // 6 dialog frame only
    {0x00040000, 0x80},    // 7 sizing frame, tool window
    {0, 0x201},            // 8 dialog frame and client edge
    {0x00040000, 0x200},   // 9 sizing frame and client edge
};

constexpr WPARAM kMoveByCaption = 0xF012;  // SC_MOVE with the caption hit code

TWindowPlace PlaceOf(TControl* control) {
  RECT r = control->GetBoundsRect();
  return TWindowPlace{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

bool FormBorderBits(uint32_t kind, uint32_t& style, uint32_t& exStyle) {
  if (kind >= sizeof kBorders / sizeof kBorders[0]) return false;
  style = kBorders[kind].Style;
  exStyle = kBorders[kind].ExStyle;
  return true;
}

TVMMainForm::TVMMainForm(TControl* parent) : TVMWin(parent) {
  if (!AppWindow) {
    CreateAppWindow("");
    OwnsAppWindow = true;
  }
  AdoptControl(CreateFormWindow(parent ? parent : AppWindow, "Form"));
  Control->HideControl();
  Control->SetOnShow(MakeMethod<&TVMMainForm::OnFormShow>(this));
  AddStartHandler(MakeMethod<&TVMMainForm::Start>(this));
  Background = CreateBitmap(0, 0);
}

TVMMainForm::~TVMMainForm() {
  if (DrawingObject) DeleteObject(DrawingObject);
  DrawingObject = nullptr;
  FreeObj(Background);
  Background = nullptr;
  if (ListedWindow && FormWindows) {
    int32_t index = FormWindows->IndexOfObject(ListedWindow);
    if (index >= 0) FormWindows->Delete(index);
  }
  if (Control && Control->HasWindow()) RemovePropA(Control->Handle, kComponentProperty);
  // The application window goes with the form that made it, unless the
  // message loop has already ended and freed it. Its windows, this form's
  // included, go with it.
  if (OwnsAppWindow && AppWindow && !AppRunning) {
    TControl* app = AppWindow;
    AppWindow = nullptr;
    app->Free();
  }
}

void TVMMainForm::Start() {
  FireNull(OnCreate);
  if (Control) Control->SetVisible(Visible);
}

// --- Setters ---------------------------------------------------------------------

void TVMMainForm::SetCaption(const std::string& text) {
  if (Control) Control->SetCaption(text);
  if (OwnsAppWindow && AppWindow) AppWindow->SetCaption(text);
}

void TVMMainForm::ChangeCaption(TData& data, uint16_t index) { SetCaption(ValueToStr(data)); }

void TVMMainForm::SetFormBorder(uint32_t kind) {
  uint32_t style, exStyle;
  if (!Control || !FormBorderBits(kind, style, exStyle)) return;
  Control->SetStyle((Control->Style & ~kBorderStyleMask) | style);
  Control->SetExStyle((Control->ExStyle & ~kBorderExStyleMask) | exStyle);
}

void TVMMainForm::SetIcon(HICON icon) {
  if (!Control) return;
  if (!icon && Control->Parent) icon = Control->Parent->GetIcon();
  // The icon is a module resource or the parent's: shared, never destroyed
  // with a window.
  if (OwnsAppWindow && AppWindow) {
    AppWindow->SetIcon(icon);
    AppWindow->IconShared = 1;
  }
  Control->SetIcon(icon);
  Control->IconShared = 1;
}

void TVMMainForm::SetAppToolWindow(uint8_t flag) {
  if (OwnsAppWindow && AppWindow && flag == 1) AppWindow->SetExStyle(WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME);
}

void TVMMainForm::SetAnchor(TAnchorGetter getter) {
  AnchorGetter = getter;
  if (Control && AnchorGetter) AnchorGetter(Control);
}

// --- Initialisation and first show ---------------------------------------------

void TVMMainForm::ChoosePositionSaver() {
  if (PositionStore.empty())
    PositionSaver = MakeMethod<&TVMMainForm::SaveNothing>(this);
  else if (IsIniPositionStore(PositionStore))
    PositionSaver = MakeMethod<&TVMMainForm::IniSaver>(this);
  else
    PositionSaver = MakeMethod<&TVMMainForm::RegistrySaver>(this);
}

void TVMMainForm::SetPositionStore(const std::string& store) {
  PositionStore = store;
  ChoosePositionSaver();
}

void TVMMainForm::Init() {
  ChoosePositionSaver();
  bool visible = Visible;
  Visible = false;  // hidden until the start handler runs
  TVMWin::Init();
  if (!OwnsAppWindow && Control && FormWindows) {
    ListedWindow = Control->GetHandle();
    FormWindows->AddObject("", ListedWindow);
  }
  Visible = visible;
  if (!Control) return;
  Control->SetAlphaBlend(AlphaBlend);
  if (ClientSize) Control->SetClientSize(Width, Height);
  // The window may have been created without reporting its first place and
  // size; the application window takes them now.
  if (OwnsAppWindow && AppWindow) {
    AppWindow->SetPosition(Control->GetLeft(), Control->GetTop());
    AppWindow->SetWidth(Control->GetWidth());
  }
  SetOnPaint(Control, MakeMethod<&TVMMainForm::PaintBackground>(this));
  SetPropA(Control->GetHandle(), kComponentProperty, this);
  if (CreationHook) CreationHook(this);
}

void TVMMainForm::OnFormShow(TControl* sender) { Show(); }

void TVMMainForm::Show() {
  if (!ShownOnce && Control) {
    if (WindowState == kWindowMinimized || WindowState == kWindowMaximized)
      Control->SetWindowState(WindowState);
    if (PositionSaver) PositionSaver(false);
    ShownOnce = true;
  }
  TVMWin::Show();
}

void TVMMainForm::PaintBackground(TControl* sender, HDC dc) { BitmapDraw(Background, dc, 0, 0); }

// --- Position savers ---------------------------------------------------------------

// The ini saver keeps the normal place and whether the window was
// maximized; one that comes back maximized keeps its normal place for when
// it is restored.
void TVMMainForm::IniSaver(bool save) {
  if (!Control) return;
  if (save) SaveWindowPlace(Control, PositionStore);
  else if (LoadWindowPlace(Control, PositionStore)) Control->SetWindowState(kWindowMaximized);
}

void TVMMainForm::RegistrySaver(bool save) {
  if (!Control) return;
  TWindowPlace place = PlaceOf(Control);
  if (save) {
    SavePositionToRegistry(PositionStore, place);
    return;
  }
  if (!LoadPositionFromRegistry(PositionStore, place)) return;
  Control->SetBoundsRect(RECT{place.Left, place.Top, place.Left + place.Width, place.Top + place.Height});
}

// --- Messages ----------------------------------------------------------------------

void TVMMainForm::MouseDown(TMouseEventData& mouse) {
  if (DragByClient && mouse.Button == 1 && Control && Control->HasWindow()) {
    ReleaseCapture();
    SendMessageA(Control->Handle, WM_SYSCOMMAND, kMoveByCaption, 0);
  }
  TVMWin::MouseDown(mouse);
}

void TVMMainForm::FollowAnchor() {
  TControl* anchor = AnchorGetter(Control);
  if (!anchor) return;
  Control->SetPosition(anchor->GetLeft() + AnchorOffsetX, anchor->GetTop() + AnchorOffsetY);
  Control->Invalidate();
}

bool TVMMainForm::MessageHandler(TMsg& msg, LRESULT& result) {
  if (msg.Message == InnerMessage && InnerMessage != 0) {
    if (OwnsAppWindow || !AnchorGetter || !Control || !IsWindowVisible(Control->Handle))
      return TVMWin::MessageHandler(msg, result);
    FollowAnchor();
    result = 0;
    return true;
  }
  switch (msg.Message) {
    case WM_MOVE:
      if (OwnsAppWindow && AppWindow && Control)
        AppWindow->SetPosition(Control->GetLeft(), Control->GetTop());
      if (!SecondText.empty()) PostInnerMessageToForms(0, 0);
      break;
    case WM_SIZE:
      if (OwnsAppWindow && AppWindow && Control) AppWindow->SetWidth(Control->GetWidth());
      break;
    case WM_ACTIVATE:
      // The low word is the activation state; the high word says whether the
      // window is minimized.
      FireNull(LOWORD(msg.WParam) != WA_INACTIVE ? OnActivate : OnDeactivate);
      break;
    case WM_CLOSE:
      if (CloseForm(msg.LParam == 1)) {
        result = 0;
        return true;
      }
      break;
    case WM_QUERYENDSESSION:
      // Logging off or shutting down asks as a user close does; a refusal
      // keeps the session.
      result = CloseRefused() ? FALSE : TRUE;
      return true;
    case WM_ERASEBKGND:
      if (!BitmapEmpty(Background)) {
        result = 1;
        return true;
      }
      break;
    default:
      break;
  }
  return TVMWin::MessageHandler(msg, result);
}

void TVMMainForm::CloseChildForms() {
  for (int32_t i = Control->ChildCount() - 1; i >= 0; --i) {
    TControl* child = Control->ChildAt(i);
    if (child && child->IsForm && child->HasWindow()) SendMessageA(child->Handle, WM_CLOSE, 0, 1);
  }
}

bool TVMMainForm::CloseRefused() { return FetchPointInt(CloseQuery) != 0; }

bool TVMMainForm::CloseForm(bool closedByParent) {
  if (!Control) return false;
  if (!closedByParent && CloseRefused()) return true;
  CloseChildForms();
  if (PreviousWindow) {
    if (PreviousWindow->HasWindow()) PostMessageA(PreviousWindow->Handle, WM_ACTIVATE, WA_ACTIVE, 0);
    PreviousWindow = nullptr;
  }
  bool handled = false;
  if (OwnsAppWindow) {
    FireNull(OnClose);
    StopDispatch();
  } else {
    // A secondary form keeps its window: it is only hidden.
    Control->SetVisible(false);
    handled = true;
  }
  // Saved last, from the window as the user leaves it. A minimized window
  // has no useful position: the stored one is kept.
  if (Control->HasWindow() && !IsIconic(Control->Handle) && PositionSaver) PositionSaver(true);
  return handled;
}
