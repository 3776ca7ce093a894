// TControl: the one class for every window of the program: the hidden
// application window, the forms and every child control. All properties live
// in the object, so a control can be configured completely before its window
// exists; the window is created the first time something needs its handle and
// is then brought in line with the stored properties.
//
// Messages of every toolkit window go through one shared window procedure to
// the object's WindowProcedure, which runs, in this order and until one of
// them reports "handled": GlobalPreHandler, the running application window's
// OnMessage, the control's own OnMessage, the attached message handlers
// (newest first); then the built-in handling of the message; then the native
// default.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/method.h"
#include "toolkit/colors.h"
#include "toolkit/list.h"
#include "toolkit/obj.h"

class TControl;
class TCanvas;
class TGraphicTool;
class TImageList;

// One window message as the handlers see it. Handlers may change WParam (the
// key dispatcher does) before the rest of the chain sees the message.
struct TMsg {
  HWND Window = nullptr;
  UINT Message = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
};

// A message handler returns true when it handled the message; `result` is then
// the message result and nothing after it runs.
using TMessageHandler = TMethod<bool(TControl* sender, TMsg& msg, LRESULT& result)>;
using TControlProc = bool (*)(TControl* control, TMsg& msg, LRESULT& result);
using TControlHook = void (*)(TControl* control);
// The form's keyboard navigation: true when `key` moves the focus away from
// `control` (the control that received the key); moves it when keyDown.
using TNavigateProc = bool (*)(TControl* control, uint32_t key, bool keyDown);

// Shift state bits shared by mouse and key events.
enum : uint32_t {
  kShiftLeftButton = 0x01,
  kShiftRightButton = 0x02,
  kShiftShift = 0x04,
  kShiftCtrl = 0x08,
  kShiftMiddleButton = 0x10,
  kShiftAlt = 0x20,
};

// What a mouse event receives. Setting StopHandling marks the message handled.
struct TMouseEventData {
  int32_t Button = 0;   // 1 left, 2 right, 3 middle; 0 for moves and the wheel
  uint32_t Shift = 0;   // the message's wParam (button bits, wheel delta in the
                        // high word) plus kShiftAlt while Alt is held
  int32_t X = 0;
  int32_t Y = 0;
  bool StopHandling = false;
};

using TNotifyEvent = TMethod<void(TControl* sender)>;
using TMouseEvent = TMethod<void(TControl* sender, TMouseEventData& mouse)>;
// The key (or character) is passed by reference: setting it to 0 swallows the
// message; another value goes on in its place.
using TKeyEvent = TMethod<void(TControl* sender, int32_t& key, uint32_t shift)>;
using TCloseEvent = TMethod<void(TControl* sender, bool& accept)>;
using TPaintEvent = TMethod<void(TControl* sender, HDC dc)>;
using TColumnClickEvent = TMethod<void(TControl* sender, int32_t column)>;
using TItemStateEvent = TMethod<void(TControl* sender, int32_t fromRow, int32_t toRow,
                                     uint32_t oldState, uint32_t newState)>;
using TCustomDrawEvent =
    TMethod<LRESULT(TControl* sender, HDC dc, uint32_t drawStage, int32_t row, int32_t column,
                    uint32_t rowState, const RECT& rect, COLORREF& textColor,
                    COLORREF& textBkColor)>;

// Per-kind table of codes the generic operations send or compare; a zero
// code means the kind does not support the operation.
struct TControlActions {
  TControlHook Clear = nullptr;  // clears the content (caption, rows)
  uint16_t ClickCode = 0;        // notification codes (high word of WM_COMMAND)
  uint16_t EnterCode = 0;
  uint16_t LeaveCode = 0;
  uint16_t ChangeCode = 0;
  uint16_t SelChangeCode = 0;
  uint16_t CountMsg = 0;
  uint16_t SetCountMsg = 0;
  uint16_t GetIndexMsg = 0;  // result's low 16 bits
  // Set-current-index messages, tried in this order:
  uint16_t SetIndexFlagMsg = 0;  // wParam = flag byte (1), lParam = index
  uint16_t SetIndexMsg = 0;      // wParam = index
  uint16_t SetIndexBothMsg = 0;  // wParam = lParam = index
  uint16_t SetIndexPairMsg = 0;  // wParam = 0, lParam -> {index, index}
  uint16_t AlignLeftBits = 0;
  uint16_t AlignRightBits = 0;
  uint16_t AlignCenterBits = 0;
  uint16_t AlignClearMask = 0;
  uint16_t ImageListMsg = 0;
  uint16_t ExtraWidth = 0;  // auto-size additions to the text extent
  uint16_t ExtraHeight = 0;
  uint16_t SetBkColorMsg = 0;
};

// Icon value meaning "no icon at all" (0 means "the default icon").
inline HICON const kNoIcon = reinterpret_cast<HICON>(static_cast<intptr_t>(-1));

// Private messages of the toolkit.
enum : UINT {
  kMsgRelease = 0xB003,          // free the control that receives it
  kMsgReflectedCommand = 0xB005, // WM_COMMAND reflected to the child that sent it
  kMsgReflectedColorFirst = 0xBD32,  // WM_CTLCOLOR... + 0xBC00
  kMsgReflectedColorLast = 0xBD38,
};

// Text alignment of a control (TextAlign).
enum : uint8_t { kTextLeft = 0, kTextRight = 1, kTextCenter = 2 };

class TControl : public TObj {
 public:
  // --- Fields, in the order of the object's field layout; new ones go last ------
  HWND Handle = nullptr;
  UINT ClassStyle = CS_OWNDC;
  uint32_t Style = WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_OVERLAPPEDWINDOW;
  uint32_t ExStyle = WS_EX_CONTROLPARENT;
  HCURSOR Cursor = nullptr;
  HICON Icon = nullptr;  // kNoIcon: none; nullptr: the default (see GetIcon)
  uint8_t IconShared = 0;
  std::string CaptionText;
  uint8_t CaptionFromObject = 0;
  uint8_t WindowState = 0;  // 0 normal, 1 minimized, 2 maximized
  int32_t RestoreShowCmd = 0;
  TCanvas* Canvas = nullptr;
  WNDPROC PrevWindowProc = nullptr;
  uint8_t WindowDestroyed = 0;
  TControl* Parent = nullptr;
  uint8_t Enabled = 1;
  uint8_t Visible = 1;
  uint8_t TabStop = 0;
  int32_t TabOrder = 0;  // on a form: the number of tab orders handed out
  uint8_t TextAlign = kTextLeft;
  int32_t AlphaBlend = 255;
  TList* Children = nullptr;
  WNDPROC ClassWindowProc = nullptr;
  HBRUSH BrushHandle = nullptr;  // cached background brush (owned by Brush)
  uint8_t Destroying = 0;
  uintptr_t MenuOrId = 0;  // form: its menu handle; child: its control id
  TObj* FirstMenu = nullptr;  // head of the window's chain of menus (a TMenu)
  HACCEL Accelerators = nullptr;
  uint8_t IsAppWindow = 0;
  uint8_t IsForm = 0;
  uint8_t IsControl = 0;
  uint8_t HideOnSetText = 0;
  uint8_t IsCommonControl = 0;
  uint8_t PositionSet = 0;  // 1 left was set, 2 top was set
  HRGN UpdateRegion = nullptr;
  HDC PaintDC = nullptr;
  HBITMAP BufferBitmap = nullptr;
  int32_t BufferWidth = 0;
  int32_t BufferHeight = 0;
  uint8_t PaintingBuffered = 0;
  uint8_t NavigationKeys = 0;  // 1 Tab, 2 Left/Right, 4 Up/Down, 8 PageUp/PageDown
  TList* MessageHandlers = nullptr;  // (code, object) pairs, oldest first
  int32_t UpdateCount = 0;
  TNotifyEvent OnLeave;
  TControlProc HandlerChainProc = nullptr;  // null until a handler is attached
  TControlProc KeyEventsProc = nullptr;     // installed when a key event is set
  std::string NativeClassName;
  uint8_t ClassNameIsFinal = 0;
  TNavigateProc NavigateProc = nullptr;
  uint8_t Ctl3DInherit = 0;
  uint8_t Ctl3D = 0;
  int32_t FontColor = SystemColor(kSysWindowText);
  TGraphicTool* Font = nullptr;
  int32_t Color = SystemColor(kSysButtonFace);
  TGraphicTool* Brush = nullptr;
  int32_t Margin = 2;
  RECT BoundsRect{0, 0, 64, 64};
  int32_t PaddingTop = 0;
  int32_t PaddingBottom = 0;
  int32_t PaddingLeft = 0;
  int32_t PaddingRight = 0;
  uint8_t DoubleBuffered = 0;
  uint8_t Transparent = 0;
  TMessageHandler OnMessage;
  // Stands in front of the control's own dispatch when set, and calls
  // WindowProcedure itself (a list view's cell editor). It runs inside this
  // process: a platform subclass would cost a request to the window manager
  // on every message of the window.
  TMethod<LRESULT(HWND, UINT, WPARAM, LPARAM)> FrontProc;
  TControl* FocusedControl = nullptr;
  uint8_t VisibleSet = 0;
  uint8_t CreateHidden = 0;
  int32_t SettingFocus = 0;
  int32_t StoredIndex = 0;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseEvent OnMouseMove;
  TMouseEvent OnMouseDblClk;
  TMouseEvent OnMouseWheel;
  TNotifyEvent OnClick;
  TNotifyEvent OnChange;
  TNotifyEvent OnSelChange;
  TNotifyEvent OnEnter;
  TCustomDrawEvent OnCustomDraw;
  TColumnClickEvent OnColumnClick;
  TItemStateEvent OnItemStateChanged;
  uint8_t RightClick = 0;  // common controls: the last click was a right click
  TControlActions Actions;
  TKeyEvent OnChar;
  TKeyEvent OnKeyUp;
  TKeyEvent OnKeyDown;
  uint8_t Align = 0;  // kAlignNone ... kAlignClient (toolkit/align.h)
  uint8_t AlignDisabled = 0;
  TPaintEvent OnPaint;
  TNotifyEvent OnResize;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TControlHook AfterCreateWindow = nullptr;
  TControlHook OnTextChanged = nullptr;
  TImageList* OwnedImageLists = nullptr;  // image lists this control owns, newest first

  // --- Virtual operations ------------------------------------------------------
  // Sets the defaults (creates the children list).
  virtual void Init();
  // Init, then attaches to `parent`, copies its background colour and makes
  // Font and Brush (clones of the parent's when there is one).
  virtual void InitWithParent(TControl* parent);
  // Creates the window when it does not exist yet; true when a window exists
  // afterwards. On an existing window: creates the children's windows and
  // shows a window that was created hidden.
  virtual bool CreateWindowNow();
  // The per-object message dispatcher; returns the message result.
  virtual LRESULT WindowProcedure(TMsg& msg);

  // --- Window and messages (control.cpp, control_create.cpp) -------------------
  // The window, created first when needed (hidden unless VisibleSet).
  HWND GetHandle();
  // A window exists and has not been destroyed.
  bool HasWindow() const { return Handle != nullptr && !WindowDestroyed; }
  LRESULT SendToControl(UINT msg, WPARAM wParam, LPARAM lParam);
  // Native default handling: PrevWindowProc, else DefWindowProcA.
  LRESULT DefaultHandling(const TMsg& msg);
  // Appends a handler unless it is attached already; installs the chain runner.
  void AttachMessageHandler(TMessageHandler handler);
  // The same for a plain handler procedure (its object argument is `object`).
  void AttachMessageHandler(bool (*code)(void* object, TControl* sender, TMsg& msg, LRESULT& result),
                            void* object = nullptr) {
    AttachMessageHandler(TMessageHandler{code, object});
  }
  void DetachMessageHandler(TMessageHandler handler);

  // --- Operations (control_ops.cpp) ---------------------------------------------
  void Invalidate();
  void BeginUpdate();
  void EndUpdate();
  void SetCaption(const std::string& text);
  std::string GetCaption();
  void SetColor(int32_t color);
  void SetStyle(uint32_t style);
  void SetExStyle(uint32_t exStyle);
  void SetVisible(bool on);
  void HideControl();
  void SetEnabled(bool on);
  bool GetEnabled();
  void SetWindowState(uint8_t state);
  void SetTextAlign(uint8_t align);
  int32_t GetCurrentIndex();
  void SetCurrentIndex(int32_t index);
  void SetCtl3D(bool on);
  void SetCursor(HCURSOR cursor);
  void SetFocused();
  int32_t ChildCount() const;
  TControl* ChildAt(int32_t index) const;
  void SetParent(TControl* parent);
  // Background brush handle, made from Brush on demand.
  HBRUSH GetBackgroundBrush();

  // --- Font (control_font.cpp) --------------------------------------------------
  void SetFontColor(int32_t color);
  void SetFontStyle(uint8_t styleBits);  // 1 bold, 2 italic, 4 underline, 8 strike-out
  uint8_t GetFontStyle() const;
  void SetFontName(const std::string& name);
  void SetFontCharset(uint8_t charset);
  void SetFontHeight(int32_t height);  // logical height (negative: character height)
  // Makes Font a copy of `source` (a font tool).
  void AssignFont(TGraphicTool* source);
  // Sends the current font to the window, drops the canvas, runs OnTextChanged.
  void ApplyFont();

  // --- Geometry (control_bounds.cpp) ---------------------------------------------
  RECT GetBoundsRect();
  void SetBoundsRect(const RECT& r);
  int32_t GetLeft();
  int32_t GetTop();
  int32_t GetWidth();
  int32_t GetHeight();
  void SetLeft(int32_t left);
  void SetTop(int32_t top);
  void SetWidth(int32_t width);
  void SetHeight(int32_t height);
  void SetPosition(int32_t left, int32_t top);
  void SetSize(int32_t width, int32_t height);  // non-positive values are kept
  void SetClientSize(int32_t width, int32_t height);
  RECT ClientRect();  // the client rectangle less the paddings

  // --- Events that need a dispatcher (mouse_events.cpp, key_events.cpp) --------
  void SetOnMouseDown(TMouseEvent handler);
  void SetOnMouseUp(TMouseEvent handler);
  void SetOnMouseMove(TMouseEvent handler);
  void SetOnMouseDblClk(TMouseEvent handler);
  void SetOnMouseWheel(TMouseEvent handler);
  void SetOnKeyDown(TKeyEvent handler);
  void SetOnKeyUp(TKeyEvent handler);
  void SetOnChar(TKeyEvent handler);
  void SetOnResize(TNotifyEvent handler);
  void SetOnShow(TNotifyEvent handler);

  // --- Top-level windows (window_icon.cpp, alpha_blend.cpp) ----------------------
  HICON GetIcon();
  void SetIcon(HICON icon);
  void SetAlphaBlend(int32_t alpha);

 protected:
  ~TControl() override;
};

// --- Global state of the toolkit (one per process) -----------------------------
extern TControl* AppWindow;       // the control whose loop runs (or will run)
extern bool AppRunning;           // the message loop has started
extern bool AppTerminated;        // the loop is ending or has ended
extern bool AppWindowCreated;     // CreateAppWindow was called
extern TControl* CreatingControl; // bound to the first message of a new window
extern uint16_t NextControlId;    // next child control id; starts at 32768
// Hooks; each does nothing by default (null is allowed too).
extern TControlProc GlobalPreHandler;  // before everything else, for every message
extern TControlHook InvalidateHook;    // after every Invalidate
extern TControlHook AfterCreateHook;   // after every window creation
extern TControlHook AlignHook;         // re-aligns a control's children
extern TControlHook IdleHook;          // once per pass of the message loop

// Runs a hook on a control; nothing for a null hook or a null control.
inline void RunHook(TControlHook hook, TControl* control) {
  if (hook && control) hook(control);
}

// The form of a control: the nearest control, starting at `control` itself,
// that is not a child control.
TControl* FormOf(TControl* control);
// The form that a child control belongs to: FormOf(parent).
TControl* ParentFormOf(TControl* control);
// The window procedure shared by every toolkit window class.
LRESULT CALLBACK SharedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The control a window belongs to (its "SELF_" property), or null. Binding
// and unbinding set and remove the property; the look-up needs no request to
// the window manager (window_binding.cpp).
TControl* ControlOfWindow(HWND window);
// kShiftShift, kShiftCtrl and kShiftAlt of the modifier keys held with the
// key message being handled.
uint32_t KeyboardShift();
void BindWindow(HWND window, TControl* control);
void UnbindWindow(HWND window);
// The control that is the main window (see the built-in WM_CLOSE handling).
bool IsMainWindow(TControl* control);
