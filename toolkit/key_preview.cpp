#include "toolkit/key_preview.h"

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
  uint8_t modifiers = 0;
  if (GetKeyState(VK_SHIFT) < 0) modifiers |= kShortcutShift;
  if (GetKeyState(VK_CONTROL) < 0) modifiers |= kShortcutCtrl;
  if (GetKeyState(VK_MENU) < 0) modifiers |= kShortcutAlt;
  return modifiers;
}

bool IsShortcutPreview(const TShortcut& shortcut, UINT message, WPARAM key) {
  return message == KeyPreviewMessage() && shortcut.Key != 0 && key == shortcut.Key &&
         CurrentShortcutModifiers() == shortcut.Modifiers;
}
