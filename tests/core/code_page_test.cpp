#include <windows.h>

#include <gtest/gtest.h>

// The program's texts and the search's case folding assume the Cyrillic
// code page; the test session must provide it as a Russian Windows does.
TEST(Platform, RunsWithTheCyrillicCodePage) {
  EXPECT_EQ(GetACP(), 1251u);
  char text[] = "\xDF\xA8Z";  // Я Ё Z
  CharLowerA(text);
  EXPECT_STREQ(text, "\xFF\xB8z");
  EXPECT_STREQ("Файл", "\xD4\xE0\xE9\xEB");  // sources are stored as 1251 bytes
}
