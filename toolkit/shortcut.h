// Keyboard shortcuts written as text, the way menus show them after a tab:
// "Ctrl+O", "Ctrl+Shift+S", "F3", "Insert", "Ctrl+Delete". Modifier names
// are "Ctrl", "Shift" and "Alt", joined with "+", in any order and letter
// case; the key is a letter, a digit, F1 to F24 or one of the named keys
// below. Plain code: the key codes are the platform's virtual-key numbers.
#pragma once

#include <cstdint>
#include <string>

// Modifier bits of a shortcut.
enum : uint8_t { kShortcutShift = 1, kShortcutCtrl = 2, kShortcutAlt = 4 };

struct TShortcut {
  uint16_t Key = 0;  // virtual-key code; 0: no shortcut
  uint8_t Modifiers = 0;

  bool operator==(const TShortcut&) const = default;
};

// The shortcut the text names; Key 0 when it names none.
TShortcut ParseShortcut(const std::string& text);
// The shortcut shown after the last tab of a menu caption ("Открыть\tCtrl+O");
// Key 0 when the caption shows none.
TShortcut ShortcutOfCaption(const std::string& caption);
