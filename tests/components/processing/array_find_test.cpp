#include "components/processing/array_find.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/components/processing/probe.h"

namespace {

using ArrayFindTest = LiveNetworkTest;

struct FindCircuit {
  TVMArrayFind find;
  TArrayStandIn rows;
  TProbe found;

  FindCircuit() {
    find.Array = rows.Point();
    find.OnFound = found.Action();
  }
  // Searches for text from the incoming value (Start and Value properties
  // at their defaults take the chain: start first, then the text).
  void Find(int32_t start, const std::string& text) {
    find.Start = 0;
    SetStrValue(find.Value, text);
    TVM_Event action = MakeEvent<&TVMArrayFind::Find>(&find);
    FireInt(action, start);
  }
  int32_t Last() const { return found.Calls.back().Value.IntValue; }
};

TEST_F(ArrayFindTest, PartialAndWholeMatches) {
  FindCircuit c;
  c.rows.Elements = {"xab", "ab"};
  c.Find(0, "ab");
  EXPECT_EQ(c.Last(), 0);
  c.find.Partial = false;
  c.Find(0, "ab");
  EXPECT_EQ(c.Last(), 1);
  EXPECT_EQ(c.found.Calls.back().Value.Kind, kKindInteger);

  // From a later start; no match forwards -1.
  c.find.Partial = true;
  c.Find(1, "ab");
  EXPECT_EQ(c.Last(), 1);
  c.Find(0, "zz");
  EXPECT_EQ(c.Last(), -1);
  c.Find(5, "ab");
  EXPECT_EQ(c.Last(), -1);
  EXPECT_EQ(c.found.Count(), 5u);
}

TEST_F(ArrayFindTest, EmptyTextMatchesOnlyAnEmptyElement) {
  FindCircuit c;
  c.rows.Elements = {"a", "", "b"};
  c.Find(0, "");
  EXPECT_EQ(c.Last(), 1);
  c.rows.Elements = {"a", "b"};
  c.Find(0, "");
  EXPECT_EQ(c.Last(), -1);
}

TEST_F(ArrayFindTest, IgnoresCaseOfLatinAndCyrillicLetters) {
  FindCircuit c;
  // "резистор ЁЛКА" in Windows-1251, searched as "РЕЗИСТОР ёлка".
  c.rows.Elements = {"C1,x", "R2,\xF0\xE5\xE7\xE8\xF1\xF2\xEE\xF0 \xA8\xCB\xCA\xC0"};
  c.Find(0, "\xD0\xC5\xC7\xC8\xD1\xD2\xCE\xD0 \xB8\xEB\xEA\xE0");
  EXPECT_EQ(c.Last(), 1);
  c.Find(0, "r2,");
  EXPECT_EQ(c.Last(), 1);
  c.Find(0, "c1,X");
  EXPECT_EQ(c.Last(), 0);

  // Every byte of the code page lowers as the platform lowers a whole text.
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  std::string lowered = bytes;
  CharLowerBuffA(lowered.data(), static_cast<DWORD>(lowered.size()));
  ASSERT_NE(bytes, lowered);
  c.rows.Elements = {"x", bytes};
  c.find.Partial = false;
  c.Find(0, lowered);
  EXPECT_EQ(c.Last(), 1);
  c.rows.Elements = {"x", lowered};
  c.Find(0, bytes);
  EXPECT_EQ(c.Last(), 1);
  c.find.Partial = true;
  c.rows.Elements = {"C1,x"};

  c.find.CaseSensitive = true;
  c.Find(0, "c1,X");
  EXPECT_EQ(c.Last(), -1);
  c.Find(0, "C1,x");
  EXPECT_EQ(c.Last(), 0);
}

TEST_F(ArrayFindTest, NothingFiresWithoutArrayRowsOrValidStart) {
  FindCircuit c;
  c.Find(0, "a");  // no rows
  c.rows.Elements = {"a"};
  c.Find(-1, "a");
  c.find.Array = TVM_Event();
  c.Find(0, "a");
  EXPECT_EQ(c.found.Count(), 0u);
  EXPECT_EQ(c.find.FoundIndex, -1);
}

TEST_F(ArrayFindTest, RepeatedSearchStepsThroughMatchesViaTheIndexOutput) {
  // The editor's loop: Start reads a point that gives the last index + 1.
  FindCircuit c;
  c.rows.Elements = {"R1", "C2", "R3", "R4"};
  TProbe start;
  TVM_Event index = MakeEvent<&TVMArrayFind::Index>(&c.find);
  start.AnswerWith = [&](TData& data) { SetIntValue(data, FetchPointInt(index) + 1); };
  c.find.StartInput = start.Point();
  TProbe text;
  SetStrValue(text.Answer, "r");
  c.find.ValueInput = text.Point();
  TVM_Event action = MakeEvent<&TVMArrayFind::Find>(&c.find);
  std::vector<int32_t> found;
  for (int i = 0; i < 5; ++i) {
    FireNull(action);
    found.push_back(c.Last());
  }
  EXPECT_EQ(found, (std::vector<int32_t>{0, 2, 3, -1, 0}));
}

}  // namespace
