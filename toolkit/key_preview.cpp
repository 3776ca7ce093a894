#include "toolkit/key_preview.h"

#include "toolkit/control.h"

UINT KeyPreviewMessage() {
  static const UINT message = RegisterWindowMessageA("ZR780K_KeyPreview");
  return message;
}

bool PreviewKey(const MSG& msg) {
  if ((msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) || !msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (!root) return false;
  return SendMessageA(root, KeyPreviewMessage(), msg.wParam, reinterpret_cast<LPARAM>(msg.hwnd)) != 0;
}

uint8_t CurrentShortcutModifiers() {
  const uint32_t shift = KeyboardShift();
  return static_cast<uint8_t>(((shift & kShiftShift) ? kShortcutShift : 0) |
                              ((shift & kShiftCtrl) ? kShortcutCtrl : 0) | ((shift & kShiftAlt) ? kShortcutAlt : 0));
}

bool IsShortcutPreview(const TShortcut& shortcut, UINT message, WPARAM key) {
  return message == KeyPreviewMessage() && shortcut.Key != 0 && key == shortcut.Key &&
         CurrentShortcutModifiers() == shortcut.Modifiers;
}
