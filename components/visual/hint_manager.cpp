#include "components/visual/hint_manager.h"

#include <cstring>
#include <memory>

#include "toolkit/common_control.h"
#include "toolkit/control.h"
#include "toolkit/graphic_tool.h"

namespace {

constexpr UINT kTipFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT;
constexpr DWORD kTipStyle = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
char kEmptyText[] = "";

HFONT CreateTipFont(const TFontRec& font) {
  LOGFONTA description = {};
  std::strncpy(description.lfFaceName, font.Name.c_str(), LF_FACESIZE - 1);
  description.lfHeight = PointsToHeight(font.Size);
  description.lfCharSet = font.CharSet;
  if (font.Style & kFontBold) description.lfWeight = FW_BOLD;
  description.lfItalic = (font.Style & kFontItalic) != 0;
  description.lfUnderline = (font.Style & kFontUnderline) != 0;
  description.lfStrikeOut = (font.Style & kFontStrikeOut) != 0;
  return CreateFontIndirectA(&description);
}

// Made when the program loads and freed when it ends.
struct TLoadTimeManager {
  std::unique_ptr<TVMHintManager> Manager;
  TLoadTimeManager() {
    // Common controls come first: the tooltip class is one of them.
    InitCommonControlClasses(255);
    Manager = std::make_unique<TVMHintManager>();
  }
} loadTimeManager;

}  // namespace

TVMHintManager::TVMHintManager() : Api(new THintApi) {
  Api->CreateTip = MakeMethod<&TVMHintManager::CreateTip>(this);
  Api->FreeTip = MakeMethod<&TVMHintManager::FreeTip>(this);
  Api->SetText = MakeMethod<&TVMHintManager::SetText>(this);
  Api->SetTitle = MakeMethod<&TVMHintManager::SetTitle>(this);
  Api->Show = MakeMethod<&TVMHintManager::Show>(this);
  Api->Hide = MakeMethod<&TVMHintManager::Hide>(this);
  Api->MoveTo = MakeMethod<&TVMHintManager::MoveTo>(this);
  Font = MakeFont("Tahoma", 8, 0, static_cast<uint32_t>(ComponentSystemColor(kSysInfoText)), 1);
}

TVMHintManager::~TVMHintManager() { delete Api; }

HWND TipWindow(const TTip* tip) { return tip ? reinterpret_cast<HWND>(tip->lParam) : nullptr; }

TTip* TVMHintManager::CreateTip(HWND window) {
  TTip* tip = new TTip{};
  // The record size without the reserved field, which tooltip controls of
  // every common-controls version accept.
  tip->cbSize = TTTOOLINFOA_V2_SIZE;
  tip->uFlags = kTipFlags;
  tip->hwnd = window;
  tip->uId = reinterpret_cast<UINT_PTR>(window);
  tip->lpszText = kEmptyText;

  DWORD style = kTipStyle | (Rectangular ? 0 : TTS_BALLOON);
  HWND tipWindow = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
  SendMessageA(tipWindow, WM_SETFONT, reinterpret_cast<WPARAM>(CreateTipFont(Font)), TRUE);
  SetWindowPos(tipWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(tipWindow, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(tip));
  SendMessageA(tipWindow, TTM_SETTIPTEXTCOLOR, ResolveColor(static_cast<int32_t>(Font.Color)), 0);
  SendMessageA(tipWindow, TTM_SETTIPBKCOLOR, ResolveColor(static_cast<int32_t>(BackColor)), 0);
  SendMessageA(tipWindow, TTM_SETDELAYTIME, TTDT_INITIAL, InitialDelay);
  SendMessageA(tipWindow, TTM_SETDELAYTIME, TTDT_AUTOPOP, ShowTime);
  RECT margins = {Margin, Margin, Margin, Margin};
  SendMessageA(tipWindow, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margins));
  tip->lParam = reinterpret_cast<LPARAM>(tipWindow);
  return tip;
}

void TVMHintManager::FreeTip(TTip* tip) {
  if (!tip) return;
  HWND tipWindow = TipWindow(tip);
  // The font goes only after the window that uses it.
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(tipWindow, WM_GETFONT, 0, 0));
  SendMessageA(tipWindow, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(tip));
  DestroyWindow(tipWindow);
  if (font) DeleteObject(font);
  delete tip;
}

void TVMHintManager::SetText(TTip* tip, const char* text) {
  if (!tip) return;
  tip->lpszText = text ? const_cast<char*>(text) : kEmptyText;
  SendMessageA(TipWindow(tip), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(tip));
}

void TVMHintManager::SetTitle(TTip* tip, int32_t icon, const char* title) {
  if (!tip) return;
  SendMessageA(TipWindow(tip), TTM_SETTITLEA, static_cast<WPARAM>(icon),
               reinterpret_cast<LPARAM>(title ? title : ""));
}

void TVMHintManager::Show(TTip* tip) {
  if (Tracking && tip) {
    SendMessageA(TipWindow(tip), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(tip));
  }
}

void TVMHintManager::Hide(TTip* tip) {
  if (Tracking && tip) {
    SendMessageA(TipWindow(tip), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(tip));
  }
}

void TVMHintManager::MoveTo(TTip* tip, int32_t x, int32_t y) {
  if (Tracking && tip) {
    SendMessageA(TipWindow(tip), TTM_TRACKPOSITION, 0,
                 static_cast<LPARAM>(MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y))));
  }
}

TVMHintManager* GlobalHintManager() { return loadTimeManager.Manager.get(); }

void AttachHint(THintLink& link, TControl* control, const std::string& hint, THintApi* api) {
  if (!control) return;
  if (!api) {
    if (hint.empty() || !GlobalHintManager()) return;
    api = GlobalHintManager()->Api;
  }
  // A second tip for the same component replaces the first one, which would
  // otherwise keep its tooltip window and font to the end of the program.
  ReleaseHint(link);
  link.Tip = api->CreateTip(control->GetHandle());
  api->SetText(link.Tip, hint.c_str());
  link.Api = api;
}

void ReleaseHint(THintLink& link) {
  if (link.Api && link.Tip) link.Api->FreeTip(link.Tip);
  link.Tip = nullptr;
  link.Api = nullptr;
}
