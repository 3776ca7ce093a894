#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/processing/array_enum.h"
#include "tests/components/processing/probe.h"

namespace {

using ArrayEnumTest = LiveNetworkTest;

struct EnumCircuit {
  std::vector<std::string> log;
  TVMArrayEnum enumerator;
  TArrayStandIn table;
  TProbe element{"element", &log}, done{"done", &log}, stopped{"stopped", &log};

  EnumCircuit() {
    enumerator.Array = table.Point();
    enumerator.OnElement = element.Action();
    enumerator.OnEnumDone = done.Action();
    enumerator.OnStopped = stopped.Action();
  }
  void Enumerate() {
    TVM_Event action = MakeEvent<&TVMArrayEnum::Enumerate>(&enumerator);
    FireStr(action, "incoming");
  }
};

TEST_F(ArrayEnumTest, FiresEveryRowInOrderThenDone) {
  EnumCircuit c;
  c.table.Elements = {"1,2", "", "a,,c"};
  c.Enumerate();
  EXPECT_EQ(c.log, (std::vector<std::string>{"element:1,2", "element:", "element:a,,c", "done:"}));
  EXPECT_EQ(c.element.Kinds(), (std::vector<uint8_t>{kKindString, kKindString, kKindString}));
  EXPECT_EQ(c.done.Kinds(), std::vector<uint8_t>{kKindNull});

  c.log.clear();
  c.enumerator.Reverse = true;
  c.Enumerate();
  EXPECT_EQ(c.log, (std::vector<std::string>{"element:a,,c", "element:", "element:1,2", "done:"}));
}

TEST_F(ArrayEnumTest, EmptyOrMissingArray) {
  EnumCircuit c;
  c.Enumerate();
  EXPECT_EQ(c.log, std::vector<std::string>{"done:"});
  // A reverse walk over an empty array asks for index -1 and ends.
  c.enumerator.Reverse = true;
  c.Enumerate();
  EXPECT_EQ(c.log, (std::vector<std::string>{"done:", "done:"}));
  EXPECT_EQ(c.table.GetCalls, 2);

  c.enumerator.Array = TVM_Event();
  c.Enumerate();
  EXPECT_EQ(c.log.size(), 2u);
  // A point that answers something other than an array counts as none.
  TProbe notAnArray;
  SetStrValue(notAnArray.Answer, "x");
  c.enumerator.Array = notAnArray.Point();
  c.Enumerate();
  EXPECT_EQ(c.log.size(), 2u);
  EXPECT_EQ(notAnArray.Reads, 1);
}

TEST_F(ArrayEnumTest, EndIsFoundByGetNotByCount) {
  // Rows added while the walk runs are walked too.
  EnumCircuit c;
  c.table.Elements = {"a", "b"};
  c.element.Then = [&](TData& data, uint16_t) {
    if (c.table.Elements.size() < 4) c.table.Elements.push_back("added");
  };
  c.Enumerate();
  EXPECT_EQ(c.element.Texts(), (std::vector<std::string>{"a", "b", "added", "added"}));
}

TEST_F(ArrayEnumTest, StopFlagEndsWithStoppedOnlyWithBreakEvent) {
  EnumCircuit c;
  c.table.Elements = {"a", "b", "c"};
  c.element.Then = [&](TData&, uint16_t) {
    if (c.element.Count() == 2) c.enumerator.StopFlag = true;
  };
  c.Enumerate();
  EXPECT_EQ(c.log, (std::vector<std::string>{"element:a", "element:b", "done:"}));

  c.log.clear();
  c.element.Calls.clear();
  c.enumerator.BreakEvent = true;
  c.Enumerate();
  EXPECT_EQ(c.log, (std::vector<std::string>{"element:a", "element:b", "stopped:"}));

  // Each enumeration starts with the flag cleared.
  c.log.clear();
  c.element.Then = nullptr;
  c.Enumerate();
  EXPECT_EQ(c.log.back(), "done:");
  EXPECT_EQ(c.log.size(), 4u);
}

}  // namespace
