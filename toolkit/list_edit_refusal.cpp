// The cell editor's refusal of characters: what a cell cannot hold is not
// let into an edit box, typed or pasted, and a balloon tip over the box
// tells the user why. The tip goes away with the next accepted character or
// when editing stops.
#include "toolkit/list_edit.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>

#include "toolkit/control.h"
#include "toolkit/list_view.h"

namespace {

// Characters that drive the edit box rather than enter it (Backspace, and
// the Ctrl letters for select all, copy, paste, cut and undo), and Enter and
// Escape, whose work is done as key-downs.
bool IsEditingKey(int32_t key) {
  switch (key) {
    case VK_BACK: case 1: case 3: case 22: case 24: case 26: case VK_RETURN: case VK_ESCAPE:
      return true;
    default:
      return false;
  }
}

// The clipboard's text; none when it holds no text or stays busy. Another
// program (on Wine, the clipboard's own keeper after every change) may hold
// the clipboard open for a moment, so opening it is tried a few times.
std::optional<std::string> ClipboardText(HWND owner) {
  constexpr int kOpenTries = 20;
  constexpr DWORD kOpenPauseMs = 5;
  bool open = false;
  for (int i = 0; i < kOpenTries && !(open = OpenClipboard(owner)); ++i) Sleep(kOpenPauseMs);
  if (!open) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

std::string RefusalText(const std::string& refusedChars) {
  std::string text = "В ячейке нельзя использовать";
  for (char c : refusedChars) (text += " ") += c;
  if (!refusedChars.empty()) text += " и";
  return text + " управляющие символы.";
}

bool TListEdit::Refuses(char c) const {
  return static_cast<unsigned char>(c) < 32 || RefusedChars.find(c) != std::string::npos;
}

// Enter and Escape have done their work as key-downs; as characters they
// would only make a single-line edit box beep.
void TListEdit::EditorChar(TControl* sender, int32_t& key, uint32_t) {
  if (key == VK_RETURN || key == VK_ESCAPE) {
    key = 0;
    return;
  }
  if (IsEditingKey(key)) return;
  if (key > 0 && key < 256 && Refuses(static_cast<char>(key))) {
    key = 0;
    ShowRefusal(sender);
    return;
  }
  HideRefusal();
}

// A paste takes the clipboard's text up to its first line end, as the
// system's own single-line edit boxes do (a cell copied from a spreadsheet
// ends with CR LF); what remains goes in whole or, when it holds a refused
// character, not at all. Without text on the clipboard nothing changes.
bool TListEdit::EditorMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  if (msg.Message != WM_PASTE) return false;
  result = 0;
  const std::optional<std::string> pasted = ClipboardText(msg.Window);
  if (!pasted) return true;
  std::string text = *pasted;
  text.resize(std::min(text.size(), text.find_first_of("\r\n")));
  for (char c : text)
    if (Refuses(c)) {
      ShowRefusal(sender);
      return true;
    }
  HideRefusal();
  SendMessageA(msg.Window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  return true;
}

void TListEdit::ShowRefusal(TControl* edit) {
  if (!ListView || !edit->HasWindow()) return;
  MessageBeep(MB_OK);
  const std::string text = RefusalText(RefusedChars);
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = ListView->Handle;
  tool.uId = 1;
  tool.lpszText = const_cast<char*>(text.c_str());
  if (!RefusalTip) {
    RefusalTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                 WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                 ListView->Handle, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!RefusalTip) return;
    SendMessageA(RefusalTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    SendMessageA(RefusalTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  RECT box{};
  GetWindowRect(edit->Handle, &box);
  SendMessageA(RefusalTip, TTM_TRACKPOSITION, 0, MAKELPARAM(box.left + 8, box.bottom));
  SendMessageA(RefusalTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void TListEdit::HideRefusal() {
  if (!RefusalTip || !ListView) return;
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = ListView->Handle;
  tool.uId = 1;
  SendMessageA(RefusalTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}
