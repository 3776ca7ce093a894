// TVMWin: base of every visual component. It owns one toolkit control inside
// a parent control, carries the properties all visual components share,
// applies them to the control in one initialisation step, and turns the
// control's mouse, key, focus, move and size notifications into events of
// the component network. Derived classes create their own kind of control in
// their constructor and add their own points.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "components/visual/hint_manager.h"
#include "core/component.h"
#include "core/event.h"
#include "core/font.h"
#include "core/method.h"
#include "toolkit/control.h"

// Values of Ctl3D.
enum : uint8_t { kCtl3DSunken = 0, kCtl3DFlat = 1, kCtl3DAsCreated = 2 };

// Values of BorderStyle (applied only with Ctl3D sunken).
enum : uint8_t {
  kBorderKeep = 0,
  kBorderNone = 1,
  kBorderStaticEdge = 2,
  kBorderDialogFrame = 3,
  kBorderDialogFrameClientEdge = 4,
};

// Makes a second control beside the component's own; the four arguments are
// the factory's to interpret.
using TCompanionFactory = TControl* (*)(TControl* parent, intptr_t a1, intptr_t a2, intptr_t a3,
                                        intptr_t a4);

class TVMWin : public TVMComponent {
 public:
  // --- Fields, in the order of the object's field layout; new ones go last ------
  TMethod<TControl*()> ControlGetter;  // published by Init
  bool ControlDestroyed = false;       // the window destroyed the control itself
  TControl* Parent = nullptr;
  TControl* Companion = nullptr;
  TMessageHandler SavedMessageHandler;  // the control's handler before ours
  THintLink HintLink;                   // hint id (the tip) and the manager's api
  uint32_t MouseShift = 0;  // button and key state of the last mouse message
  int32_t MouseX = 0;
  int32_t MouseY = 0;
  TControl* Control = nullptr;

  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  uint8_t Align = 0;
  int32_t TabOrder = 0;
  int32_t Color = 0;
  uint8_t Ctl3D = kCtl3DAsCreated;
  TFontRec Font;
  bool ParentFont = false;
  bool Transparent = false;
  bool Visible = true;
  bool Enabled = true;
  HCURSOR Cursor = nullptr;
  bool MouseCapture = false;
  bool Flat = false;
  uint8_t BorderStyle = kBorderKeep;
  std::string Hint;
  std::string SecondText;  // set by the schema; only the main form looks at it
  TCompanionFactory CompanionFactory = nullptr;
  intptr_t CompanionArgs[4] = {0, 0, 0, 0};

  // --- Events --------------------------------------------------------------------
  TVM_Event OnKeyDown;     // Integer: virtual key code
  TVM_Event OnKeyUp;       // Integer: virtual key code
  TVM_Event OnKeyPress;    // String: the character
  TVM_Event OnMouseDown;   // Integer: button - 1
  TVM_Event OnMouseMove;   // Integer: held button - 1, or -1
  TVM_Event OnMouseUp;     // Integer: button - 1
  TVM_Event OnDblClick;    // Integer: button - 1
  TVM_Event OnMouseWheel;  // Integer: signed wheel delta
  TVM_Event OnSetFocus;
  TVM_Event OnKillFocus;
  TVM_Event OnMove;
  TVM_Event OnResize;
  TVM_Event OnShow;
  TVM_Event OnMouseEnter;
  TVM_Event OnMouseLeave;
  // --- Data inputs: offered a size change, they answer the change to allow ----
  TVM_Event WidthLimit;
  TVM_Event HeightLimit;

  // Records the parent and takes its colour; the derived constructor creates
  // the control.
  explicit TVMWin(TControl* parent);
  ~TVMWin() override;

  // Gives the control its tooltip when Hint is not empty (after all links are
  // joined).
  void AttachHintNow();

  // --- Virtual operations: the handlers, then the initialisation ------------------
  virtual void KeyDown(int32_t& key, uint32_t shift);
  virtual void KeyUp(int32_t& key, uint32_t shift);
  virtual void KeyPress(int32_t& key, uint32_t shift);
  virtual void MouseDown(TMouseEventData& mouse);
  virtual void MouseMove(TMouseEventData& mouse);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void MouseUp(TMouseEventData& mouse);
  virtual void MouseWheel(TMouseEventData& mouse);
  // True when the message is handled; the saved handler runs at the end.
  virtual bool MessageHandler(TMsg& msg, LRESULT& result);
  // The control is being destroyed by the toolkit (its window went away).
  virtual void ControlGone();
  virtual void Resize();
  virtual void Show();
  // Applies the properties to the control and installs the handlers; the
  // schema calls it once, right after setting the properties.
  virtual void Init();
  // Unused by the system; kept for derived components.
  virtual int32_t PlusFour(int32_t value) { return value + 4; }

 protected:
  // Runs the control's own handler that was there before the component's.
  bool CallSavedHandler(TMsg& msg, LRESULT& result);
  // Watches the control, so that the component learns when the toolkit frees it.
  void AdoptControl(TControl* control);
  // For a window of its own: applies the properties with the window kept
  // hidden (it shows when asked) and lets Tab move between its parts. False
  // when there is no control.
  bool InitHiddenWindow();
  // A window of its own beside the main window: made with the caption, placed
  // at the offset from the parent's corner unless already placed, then
  // initialised hidden. False when there is no control.
  bool MakeOwnWindow(const char* caption, int32_t offsetX, int32_t offsetY);

 private:
  TControl* GetControl() { return Control; }
  void StoreMouse(const TMouseEventData& mouse);
  void ApplyFont();
  void ApplyBorderStyle();
  void PlaceCompanion();
  void LimitSize(WINDOWPOS& pos);
  int32_t OfferChange(TVM_Event& limit, int32_t change);

  // Thunks with the toolkit's event shapes.
  bool OnControlMessage(TControl* sender, TMsg& msg, LRESULT& result);
  void OnControlMouseDown(TControl* sender, TMouseEventData& mouse) { MouseDown(mouse); }
  void OnControlMouseUp(TControl* sender, TMouseEventData& mouse) { MouseUp(mouse); }
  void OnControlMouseMove(TControl* sender, TMouseEventData& mouse) { MouseMove(mouse); }
  void OnControlDblClick(TControl* sender, TMouseEventData& mouse);
  void OnControlMouseWheel(TControl* sender, TMouseEventData& mouse) { MouseWheel(mouse); }
  void OnControlKeyDown(TControl* sender, int32_t& key, uint32_t shift) { KeyDown(key, shift); }
  void OnControlKeyUp(TControl* sender, int32_t& key, uint32_t shift) { KeyUp(key, shift); }
  void OnControlChar(TControl* sender, int32_t& key, uint32_t shift) { KeyPress(key, shift); }
  void OnControlResize(TControl* sender) { Resize(); }
  void OnControlShow(TControl* sender) { Show(); }
  void OnControlDestroyed(TObj* sender);
};

// The value OnMouseMove fires for a button state: 0 left, 1 right, 2 middle
// when exactly that one is held, -1 otherwise.
int32_t HeldButton(uint32_t shift);
