#include "editor/command_line.h"

#include <gtest/gtest.h>

#include <utility>

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

TEST(CommandLine, ASwitchIsASlashOrDashFollowedByLettersOnly) {
  const std::pair<const char*, bool> cases[] = {
      {"/IH", true},      {"/ihx", true},  {"-x", true},        {"/ih", true},
      {"/", false},       {"-", false},    {"", false},         {"/a1", false},
      {"job.CSV", false}, {"/j.CSV", false}, {"--x", false},    {"/tmp/job.CSV", false},
      {"a/b", false},     {"/ я", false}};
  for (const auto& [argument, isSwitch] : cases) EXPECT_EQ(LooksLikeSwitch(argument), isSwitch) << argument;
}
