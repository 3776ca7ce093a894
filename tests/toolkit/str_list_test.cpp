#include "toolkit/str_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> LinesOf(const TStrList& list) {
  std::vector<std::string> lines;
  for (int32_t i = 0; i < list.Count; ++i) lines.push_back(list.Get(i));
  return lines;
}

std::vector<std::string> Split(const std::string& text) {
  TStrList* list = CreateStrList();
  list->SetText(text);
  auto lines = LinesOf(*list);
  list->Free();
  return lines;
}

bool InShared(const TStrList& list, int32_t i) {
  const char* line = static_cast<const char*>(list.Lines->Get(i));
  return line >= list.SharedText && line < list.SharedText + list.SharedTextSize;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(StrListSetText, LineBreakRules) {
  EXPECT_EQ(Split("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(Split("a\r\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(Split("a\nb"), (Lines{"a\nb"}));
  EXPECT_EQ(Split("a\rb"), (Lines{"a", "b"}));
  EXPECT_EQ(Split("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(Split("\r\n"), (Lines{""}));
  EXPECT_EQ(Split("\n"), (Lines{"\n"}));
  EXPECT_EQ(Split(std::string("a\r\nb\0c\r\nd", 9)), (Lines{"a", "b"}));
  EXPECT_EQ(Split(std::string("\0a", 2)), Lines{});
  EXPECT_EQ(Split("Файл\r\nОткрыть"), (Lines{"Файл", "Открыть"}));
}

TEST(StrListSetText, OneSharedBlockAndReferenceArraySizedOnce) {
  TStrList* list = CreateStrList();
  list->SetText("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix");
  ASSERT_EQ(list->Count, 6);
  EXPECT_EQ(list->SharedTextSize, 33);
  EXPECT_EQ(list->Lines->Capacity, 6);
  for (int32_t i = 0; i < list->Count; ++i) EXPECT_TRUE(InShared(*list, i)) << i;

  list->SetText("");
  EXPECT_EQ(list->Count, 0);
  EXPECT_EQ(list->Lines, nullptr);
  EXPECT_EQ(list->SharedText, nullptr);
  EXPECT_EQ(list->SharedTextSize, 0);
  EXPECT_EQ(list->Get(0), "");
  list->Free();
}

TEST(StrListSetText, AppendingMovesSharedLinesAndKeepsOwnOnes) {
  TStrList* list = CreateStrList();
  list->SetText("a\r\nb");
  list->Insert(1, "own");
  list->AddText("c\r\nd\r\n");
  EXPECT_EQ(LinesOf(*list), (Lines{"a", "own", "b", "c", "d"}));
  EXPECT_EQ(list->SharedTextSize, 5 + 7);
  EXPECT_TRUE(InShared(*list, 0));
  EXPECT_FALSE(InShared(*list, 1));
  EXPECT_TRUE(InShared(*list, 4));
  list->Free();
}

TEST(StrList, PutDeleteAndClearOnSharedAndOwnLines) {
  TStrList* list = CreateStrList();
  list->SetText("a\r\nb\r\nc");
  list->Put(1, "B");
  EXPECT_FALSE(InShared(*list, 1));
  EXPECT_EQ(LinesOf(*list), (Lines{"a", "B", "c"}));
  list->Delete(0);  // shared: nothing of its own to free (ASan checks)
  list->Delete(0);  // own block
  EXPECT_EQ(LinesOf(*list), (Lines{"c"}));
  list->Put(5, "x");
  list->Delete(-1);
  list->Delete(1);
  EXPECT_EQ(LinesOf(*list), (Lines{"c"}));
  list->Insert(0, "");
  list->Insert(3, "past the end");
  EXPECT_EQ(LinesOf(*list), (Lines{"", "c"}));
  list->Clear();  // frees the shared block once
  EXPECT_EQ(list->Count, 0);
  EXPECT_EQ(list->SharedText, nullptr);
  list->Add("again");
  EXPECT_EQ(list->Get(-1), "");
  EXPECT_EQ(list->Get(list->Count), "");
  EXPECT_EQ(list->Get(0), "again");
  list->Free();
}

TEST(StrList, InsertCopiesUpToZeroAndKeepsOrder) {
  TStrList* list = CreateStrList();
  EXPECT_EQ(list->Get(0), "");  // no Lines yet
  std::string line = "xy";
  list->Insert(0, line);
  line[0] = 'z';
  EXPECT_EQ(list->Add(std::string("p\0q", 3)), 1);
  list->Insert(0, "first");
  list->Insert(2, "mid");
  EXPECT_EQ(LinesOf(*list), (Lines{"first", "xy", "mid", "p"}));
  list->Free();
}

TEST(StrListEx, ObjectsFollowTheirLines) {
  TStrListEx* list = CreateStrListEx();
  ASSERT_NE(list->Objects, nullptr);
  int a = 0, b = 0, c = 0;
  EXPECT_EQ(list->AddObject("a", &a), 0);
  EXPECT_EQ(list->AddObject("b", &b), 1);
  EXPECT_EQ(list->AddObject("", &a), 2);
  list->InsertObject(0, "c", &c);
  list->InsertObject(9, "bad", &c);  // ignored, line and object alike
  EXPECT_EQ(LinesOf(*list), (Lines{"c", "a", "b", ""}));
  EXPECT_EQ(list->IndexOfObject(&a), 1);
  EXPECT_EQ(list->IndexOfObject(nullptr), -1);
  EXPECT_EQ(list->GetObject(4), nullptr);

  list->Delete(1);
  EXPECT_EQ(LinesOf(*list), (Lines{"c", "b", ""}));
  EXPECT_EQ(list->GetObject(1), &b);
  EXPECT_EQ(list->IndexOfObject(&a), 2);

  list->Put(1, "B");  // a new text, the same object
  EXPECT_EQ(list->Get(1), "B");
  EXPECT_EQ(list->GetObject(1), &b);

  list->Clear();  // drops the objects with the lines
  EXPECT_EQ(list->Objects->Count, 0);
  EXPECT_EQ(list->AddObject("n", &c), 0);
  EXPECT_EQ(list->IndexOfObject(&c), 0);
  list->Free();
}

TEST(StrListEx, LinesWithoutObjectsDeleteSafely) {
  TStrListEx* list = CreateStrListEx();
  list->AddObject("a", &list);
  list->SetText("x\r\ny\r\nz");  // replaces everything; no objects
  list->Delete(2);
  EXPECT_EQ(LinesOf(*list), (Lines{"x", "y"}));
  EXPECT_EQ(list->GetObject(0), nullptr);
  list->Free();
}
