#include "job/line_ends.h"

#include <gtest/gtest.h>

TEST(CrLfLineEnds, EveryLineEndBecomesOneCrLf) {
  EXPECT_EQ(WithCrLfLineEnds("a\r\nb\r\n"), "a\r\nb\r\n");  // already so: unchanged
  EXPECT_EQ(WithCrLfLineEnds("a\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(WithCrLfLineEnds("a\rb\r"), "a\r\nb\r\n");
  EXPECT_EQ(WithCrLfLineEnds("a\n\rb\r\r\n"), "a\r\n\r\nb\r\n\r\n");  // LF CR: a blank line
  // Other control bytes stay.
  EXPECT_EQ(WithCrLfLineEnds(std::string("a\tb\0c\n", 6)), std::string("a\tb\0c\r\n", 7));
}

TEST(CrLfLineEnds, AnOpenLastLineIsClosed) {
  EXPECT_EQ(WithCrLfLineEnds(""), "");
  EXPECT_EQ(WithCrLfLineEnds("a"), "a\r\n");
  EXPECT_EQ(WithCrLfLineEnds("a\r\nb,"), "a\r\nb,\r\n");
  EXPECT_EQ(WithCrLfLineEnds("\r"), "\r\n");
}

TEST(BoxLines, PutsCrLfBetweenLinesAndNoneAfterTheLast) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""}, {"one", "one"}, {"one\n", "one"}, {"one\ntwo\n\n", "one\r\ntwo"}, {"a\r\nb\rc", "a\r\nb\r\nc"},
  };
  for (const auto& [text, box] : cases) EXPECT_EQ(BoxLines(text), box) << text;
}
