// TVMHintManager: the tooltips of the visual components. One manager lives
// from program load to exit; it decides the look of every tip (font,
// colours, delays, shape) and hands out THintApi, through which a component
// creates a tip for its window, sets its text and frees it again.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "core/font.h"
#include "core/method.h"
#include "toolkit/colors.h"

class TControl;

// The platform's tool record of one tip. The tool is the window itself; the
// record's lParam holds the tooltip window made for it. The text pointer
// refers to the component's own hint string, which must outlive the tip.
using TTip = TOOLINFOA;

struct THintApi {
  TMethod<TTip*(HWND window)> CreateTip;
  TMethod<void(TTip* tip)> FreeTip;
  TMethod<void(TTip* tip, const char* text)> SetText;
  TMethod<void(TTip* tip, int32_t icon, const char* title)> SetTitle;
  TMethod<void(TTip* tip)> Show;
  TMethod<void(TTip* tip)> Hide;
  TMethod<void(TTip* tip, int32_t x, int32_t y)> MoveTo;
};

class TVMHintManager {
 public:
  THintApi* Api;
  bool Rectangular = true;            // false: balloon tips
  uint32_t BackColor = static_cast<uint32_t>(ComponentSystemColor(kSysInfoBack));
  int32_t InitialDelay = 500;         // ms before a tip shows
  int32_t ShowTime = 5000;            // ms a tip stays
  int32_t Margin = 0;                 // pixels around the text
  bool Tracking = false;              // Show, Hide and MoveTo drive the tip
  TFontRec Font;

  TVMHintManager();
  ~TVMHintManager();
  TVMHintManager(const TVMHintManager&) = delete;
  TVMHintManager& operator=(const TVMHintManager&) = delete;

  TTip* CreateTip(HWND window);
  void FreeTip(TTip* tip);
  void SetText(TTip* tip, const char* text);
  void SetTitle(TTip* tip, int32_t icon, const char* title);
  void Show(TTip* tip);
  void Hide(TTip* tip);
  void MoveTo(TTip* tip, int32_t x, int32_t y);
};

// The tooltip window of a tip.
HWND TipWindow(const TTip* tip);

// The manager made at program load, after the common controls were
// initialised.
TVMHintManager* GlobalHintManager();

// What a visual component keeps of its tooltip.
struct THintLink {
  TTip* Tip = nullptr;
  THintApi* Api = nullptr;
};

// Gives the control a tip showing hint (which must outlive the tip). With a
// nil api the global manager's is taken, and then only for a non-empty hint.
void AttachHint(THintLink& link, TControl* control, const std::string& hint,
                THintApi* api = nullptr);
// Frees the tip through the api it came from; nothing when there is none.
void ReleaseHint(THintLink& link);
