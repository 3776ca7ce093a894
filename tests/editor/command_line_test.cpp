#include "editor/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, FirstArgumentSkipsTheProgramAndRemovesQuotes) {
  EXPECT_EQ(FirstArgument("editor.exe /ih"), "/ih");
  EXPECT_EQ(FirstArgument("\"C:\\Program Files\\ed.exe\" \"/ih\""), "/ih");
  EXPECT_EQ(FirstArgument("\"C:\\Program Files\\ed.exe\"   /IH  x"), "/IH");
  EXPECT_EQ(FirstArgument("ed.exe \"a b\"c d"), "a bc");
  EXPECT_EQ(FirstArgument("ed.exe\t/ih"), "/ih");
  EXPECT_EQ(FirstArgument("ed.exe"), "");
  EXPECT_EQ(FirstArgument("ed.exe   "), "");
  EXPECT_EQ(FirstArgument(""), "");
  EXPECT_EQ(FirstArgument("ed.exe \"/ih"), "/ih") << "an open quote runs to the end";
}
