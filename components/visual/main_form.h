// TVMMainForm: the visual component of a top-level window. The first one
// created makes the application window and owns it, mirroring its caption,
// icon and position onto it. The form stays hidden until the network is
// switched on, then fires OnCreate and shows itself; before a user close,
// and before the session ends, it asks CloseQuery, and when the main form
// closes it silences the whole network. It can keep its window position in an ini file or the registry.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "components/visual/vm_win.h"
#include "core/event.h"
#include "core/method.h"

class TBitmap;
class TVMMainForm;

// Returns the control a following form keeps its place relative to; called
// once with the follower when set.
using TAnchorGetter = TMethod<TControl*(TControl* follower)>;
using TCreationHook = TMethod<void(TVMMainForm* form)>;
// Loads (save false) or saves (save true) the window position.
using TPositionSaver = TMethod<void(bool save)>;

// Window property through which the form's window points back to its
// component.
inline constexpr char kComponentProperty[] = "ZR_COMPONENT";

// Values of WindowState.
// Border kinds of a form.
enum TFormBorder : uint32_t {
  kFormBorderNone = 0,
  kFormBorderFixed = 1,             // caption and system menu, fixed size
  kFormBorderSizeable = 2,          // sizeable, minimize and maximize
  kFormBorderCaptionEdge = 3,       // caption, window edge
  kFormBorderToolWindow = 4,        // tool window caption
  kFormBorderSizeableToolWindow = 5,
  kFormBorderDialogFrame = 6,       // dialog frame only
  kFormBorderSizingToolFrame = 7,   // sizing frame, tool window
  kFormBorderDialogClientEdge = 8,  // dialog frame and client edge
  kFormBorderSizingClientEdge = 9,  // sizing frame and client edge
};

enum : uint8_t { kWindowNormal = 0, kWindowMinimized = 1, kWindowMaximized = 2 };

class TVMMainForm : public TVMWin {
 public:
  // --- Fields, in the order of the object's field layout; new ones go last ------
  bool OwnsAppWindow = false;
  bool ShownOnce = false;
  HGDIOBJ DrawingObject = nullptr;  // released at destruction
  TControl* PreviousWindow = nullptr;  // re-activated when this form closes
  TAnchorGetter AnchorGetter;
  TBitmap* Background = nullptr;  // drawn at (0, 0) when not empty
  int32_t AnchorOffsetX = 0;
  int32_t AnchorOffsetY = 0;
  bool DragByClient = false;
  uint8_t AlphaBlend = 255;
  uint8_t WindowState = kWindowNormal;  // applied at the first show
  TPositionSaver PositionSaver;
  std::string PositionStore;  // "" keeps nothing; "x.ini\section"; else a registry key
  bool ClientSize = false;    // Width and Height size the client area
  TCreationHook CreationHook;
  TVM_Event CloseQuery;  // data input: non-zero refuses a user close or the session's end
  TVM_Event OnActivate;
  TVM_Event OnDeactivate;
  TVM_Event OnCreate;  // the network is on; the form is about to be shown
  TVM_Event OnClose;   // the main form closes

  // Makes the application window when there is none, and the hidden form
  // window; registers the start handler that shows it.
  explicit TVMMainForm(TControl* parent = nullptr);
  ~TVMMainForm() override;

  void Init() override;

  // --- Setters the schema calls --------------------------------------------------
  void SetCaption(const std::string& text);
  // A TFormBorder kind; others are ignored.
  void SetFormBorder(uint32_t kind);
  // A nil icon takes the parent's.
  void SetIcon(HICON icon);
  void SetAppToolWindow(uint8_t flag);
  void SetAnchor(TAnchorGetter getter);
  // Where the window position is kept (PositionStore), with its saver;
  // for a form initialised already.
  void SetPositionStore(const std::string& store);

  // Action: the caption becomes the value's text (SetCaption).
  void ChangeCaption(TData& data, uint16_t index);

  void MouseDown(TMouseEventData& mouse) override;
  bool MessageHandler(TMsg& msg, LRESULT& result) override;
  void Show() override;

  // The close procedure; true when the close is handled here (refused, or a
  // secondary form that hides instead of closing).
  bool CloseForm(bool closedByParent);

 private:
  HWND ListedWindow = nullptr;  // this form's entry in FormWindows

  void Start();
  // Asks CloseQuery whether the form may close (the user may be asked).
  bool CloseRefused();
  void OnFormShow(TControl* sender);
  void SaveNothing(bool save) {}
  void IniSaver(bool save);
  void RegistrySaver(bool save);
  void ChoosePositionSaver();
  void PaintBackground(TControl* sender, HDC dc);
  void FollowAnchor();
  void CloseChildForms();
};

// The window style and extended-style bits of a border kind; false for a
// kind outside 0..9.
bool FormBorderBits(uint32_t kind, uint32_t& style, uint32_t& exStyle);
