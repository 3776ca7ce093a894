#include "toolkit/shortcut.h"

#include <cctype>
#include <cstddef>

namespace {

struct TKeyName {
  const char* Name;
  uint16_t Key;
};

constexpr TKeyName kNamedKeys[] = {
    {"backspace", 0x08}, {"tab", 0x09},    {"enter", 0x0D},  {"esc", 0x1B},    {"escape", 0x1B},
    {"space", 0x20},     {"pgup", 0x21},   {"pageup", 0x21}, {"pgdn", 0x22},   {"pagedown", 0x22},
    {"end", 0x23},       {"home", 0x24},   {"left", 0x25},   {"up", 0x26},     {"right", 0x27},
    {"down", 0x28},      {"ins", 0x2D},    {"insert", 0x2D}, {"del", 0x2E},    {"delete", 0x2E},
};

constexpr uint16_t kF1 = 0x70;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

uint16_t KeyOfName(const std::string& name) {
  if (name.size() == 1) {
    const auto c = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(name[0])));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
  }
  const std::string lower = Lower(name);
  if (lower.size() <= 3 && lower[0] == 'f') {
    int n = 0;
    for (size_t i = 1; i < lower.size(); ++i) {
      if (!std::isdigit(static_cast<unsigned char>(lower[i]))) return 0;
      n = n * 10 + (lower[i] - '0');
    }
    return n >= 1 && n <= 24 ? static_cast<uint16_t>(kF1 + n - 1) : 0;
  }
  for (const TKeyName& key : kNamedKeys)
    if (lower == key.Name) return key.Key;
  return 0;
}

}  // namespace

TShortcut ParseShortcut(const std::string& text) {
  TShortcut shortcut;
  size_t start = 0;
  for (;;) {
    const size_t plus = text.find('+', start);
    const bool last = plus == std::string::npos;
    const std::string part = last ? text.substr(start) : text.substr(start, plus - start);
    if (last) {
      shortcut.Key = KeyOfName(part);
      if (!shortcut.Key) shortcut.Modifiers = 0;
      return shortcut;
    }
    const std::string modifier = Lower(part);
    if (modifier == "ctrl") shortcut.Modifiers |= kShortcutCtrl;
    else if (modifier == "shift") shortcut.Modifiers |= kShortcutShift;
    else if (modifier == "alt") shortcut.Modifiers |= kShortcutAlt;
    else return TShortcut{};
    start = plus + 1;
  }
}

TShortcut ShortcutOfCaption(const std::string& caption) {
  const size_t tab = caption.rfind('\t');
  return tab == std::string::npos ? TShortcut{} : ParseShortcut(caption.substr(tab + 1));
}
