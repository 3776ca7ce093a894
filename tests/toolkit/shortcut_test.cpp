#include "toolkit/shortcut.h"

#include <gtest/gtest.h>

namespace {

TEST(Shortcut, NamesModifiersAndKeysInAnyLetterCase) {
  EXPECT_EQ(ParseShortcut("Ctrl+O"), (TShortcut{'O', kShortcutCtrl}));
  EXPECT_EQ(ParseShortcut("ctrl+shift+s"), (TShortcut{'S', kShortcutCtrl | kShortcutShift}));
  EXPECT_EQ(ParseShortcut("Alt+Ctrl+1"), (TShortcut{'1', kShortcutCtrl | kShortcutAlt}));
  EXPECT_EQ(ParseShortcut("F3"), (TShortcut{0x72, 0}));
  EXPECT_EQ(ParseShortcut("F24"), (TShortcut{0x87, 0}));
  EXPECT_EQ(ParseShortcut("Insert"), (TShortcut{0x2D, 0}));
  EXPECT_EQ(ParseShortcut("Ctrl+Del"), (TShortcut{0x2E, kShortcutCtrl}));
  for (const char* none : {"", "Ctrl+", "Ctrl", "F0", "F25", "Fx", "Hyper+A", "Ctrl+Ё", "+A", "Ctrl+AB"})
    EXPECT_EQ(ParseShortcut(none), TShortcut{}) << none;
}

TEST(Shortcut, AMenuCaptionShowsItAfterTheLastTab) {
  EXPECT_EQ(ShortcutOfCaption("Открыть\tCtrl+O"), (TShortcut{'O', kShortcutCtrl}));
  EXPECT_EQ(ShortcutOfCaption("Сохранить \tCtrl+S"), (TShortcut{'S', kShortcutCtrl}));
  EXPECT_EQ(ShortcutOfCaption("Сохранить "), TShortcut{});
  EXPECT_EQ(ShortcutOfCaption("A\tB\tF3"), (TShortcut{0x72, 0}));
}

}  // namespace
