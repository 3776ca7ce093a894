#include "core/event.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/component.h"
#include "core/font.h"

namespace {

// Records every value it receives; can forward or answer as a data point.
class TProbe : public TVMComponent {
 public:
  std::vector<std::string> Seen;
  std::vector<uint16_t> Indices;
  TVM_Event OnNext;
  TData Answer;
  int Reads = 0;

  void Take(TData& data, uint16_t index) {
    Seen.push_back(std::string(KindNames[data.Kind & 127]) + ":" + ValueToStr(data));
    Indices.push_back(index);
  }
  void TakeAndForwardInt(TData& data, uint16_t index) {
    Take(data, index);
    ForwardInt(data, OnNext, 77);
  }
  void TakeAndForward(TData& data, uint16_t index) {
    Take(data, index);
    ForwardData(data, OnNext);
  }
  void Read(TData& data, uint16_t) {
    ++Reads;
    data = Answer;
  }
};

class TForwarder : public TVMComponent {
 public:
  TVM_Event OnNext;
  void Pass(TData& data, uint16_t) {
    data.IntValue += 1;
    ForwardData(data, OnNext);
  }
};

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDispatch();
    StartDispatch();
  }
  void TearDown() override { ResetDispatch(); }
};

}  // namespace

TEST_F(Dispatch, FiresReachTheLinkedMethodWithItsIndex) {
  TProbe probe;
  TVM_Event link = MakeEvent<&TProbe::Take>(&probe, 3);
  FireInt(link, 5);
  FireStr(link, "s");
  FireReal(link, 0.5);
  FireNull(link);
  TData value;
  SetStrValue(value, "copy");
  FireValue(link, value);
  TVM_Event unconnected;
  FireInt(unconnected, 1);
  EXPECT_EQ(probe.Seen, (std::vector<std::string>{"Integer:5", "String:s", "Real:0.5", "NULL:", "String:copy"}));
  EXPECT_EQ(probe.Indices, (std::vector<uint16_t>{3, 3, 3, 3, 3}));
}

TEST_F(Dispatch, ForwardFiresTheNamedEventAfterTheMethodReturns) {
  TProbe first, second;
  first.OnNext = MakeEvent<&TProbe::Take>(&second, 1);
  TVM_Event link = MakeEvent<&TProbe::TakeAndForwardInt>(&first);
  TData data;
  SetStrValue(data, "in");
  Fire(link, data);
  EXPECT_EQ(first.Seen, std::vector<std::string>{"String:in"});
  EXPECT_EQ(second.Seen, std::vector<std::string>{"Integer:77"});
  EXPECT_EQ(data.Kind, kKindInteger);  // the caller sees what the chain left

  TProbe lonely;  // a forward to an unconnected event ends the loop
  TVM_Event toLonely = MakeEvent<&TProbe::TakeAndForward>(&lonely);
  SetStrValue(data, "kept");
  Fire(toLonely, data);
  EXPECT_EQ(data.Kind, kKindString);
  EXPECT_EQ(data.StrValue, "kept");
}

TEST_F(Dispatch, AMillionForwardersRunInOneFrame) {
  const int n = 1000000;
  std::vector<TForwarder> chain(n);
  for (int i = 0; i + 1 < n; ++i) chain[i].OnNext = MakeEvent<&TForwarder::Pass>(&chain[i + 1]);
  TProbe end;
  chain[n - 1].OnNext = MakeEvent<&TProbe::Take>(&end);
  TVM_Event start = MakeEvent<&TForwarder::Pass>(&chain[0]);
  TData data = IntValue(0);
  Fire(start, data);  // nested calls would overflow the stack long before
  EXPECT_EQ(end.Seen, std::vector<std::string>{"Integer:1000000"});
}

TEST_F(Dispatch, FetchPrefersPointThenDefaultThenIncomingValue) {
  TVM_Event none;
  TData data = IntValue(7);
  EXPECT_EQ(FetchInt(data, none, 5), 5);
  EXPECT_EQ(data.Kind, kKindInteger);
  EXPECT_EQ(FetchInt(data, none, 0), 7);
  EXPECT_EQ(data.Kind, kKindNull);
  EXPECT_EQ(FetchStr(data, none, ""), "");
  EXPECT_EQ(FetchStr(data, none, "dflt"), "dflt");

  TProbe source;
  SetStrValue(source.Answer, "12");
  TVM_Event point = MakeEvent<&TProbe::Read>(&source);
  data = IntValue(7);
  EXPECT_EQ(FetchInt(data, point, 5), 12);
  EXPECT_EQ(FetchReal(data, point, 0.0), 12.0);
  EXPECT_EQ(data.IntValue, 7);

  source.Answer.Kind = kKindBreak;  // "Break" counts as unconnected
  EXPECT_EQ(FetchStr(data, point, ""), "7");
  EXPECT_EQ(data.Kind, kKindNull);
}

TEST_F(Dispatch, MultiParameterFetchTakesTheChainInOrder) {
  TVM_Event none;
  TData data = IntValue(1);
  data.Next = new TData(IntValue(2));
  data.Next->Next = new TData();
  SetStrValue(*data.Next->Next, "three");
  EXPECT_EQ(FetchInt(data, none, 0), 1);
  EXPECT_EQ(FetchInt(data, none, 0), 2);
  EXPECT_EQ(FetchStr(data, none, ""), "three");
  EXPECT_EQ(data.Kind, kKindNull);
}

TEST_F(Dispatch, StreamAndValueFetchesHaveTheirOwnRules) {
  TVM_Event none;
  int object = 0;
  auto* stream = reinterpret_cast<TStream*>(&object);
  TData data = IntValue(3);
  EXPECT_EQ(FetchStream(data, none, nullptr), nullptr);
  EXPECT_EQ(data.Kind, kKindInteger);  // not used, not consumed
  SetStreamValue(data, stream);
  EXPECT_EQ(FetchStream(data, none, nullptr), stream);
  EXPECT_EQ(data.Kind, kKindNull);

  TProbe source;
  SetIntValue(source.Answer, 4);  // not a stream
  TVM_Event point = MakeEvent<&TProbe::Read>(&source);
  EXPECT_EQ(FetchStream(data, point, stream), nullptr);
  EXPECT_EQ(FetchPointStream(point), nullptr);
  EXPECT_EQ(FetchPointInt(point), 4);
  EXPECT_EQ(FetchPointArray(none), nullptr);
  EXPECT_EQ(FetchPointArray(point), nullptr);

  SetStrValue(data, "v");
  TData got = FetchValue(data, none, nullptr);
  EXPECT_EQ(got.StrValue, "v");
  EXPECT_EQ(data.Kind, kKindNull);
  TData dflt = IntValue(9);
  SetStrValue(data, "v");
  EXPECT_EQ(FetchValue(data, none, &dflt).IntValue, 9);
  EXPECT_EQ(FetchValue(data, point, &dflt).IntValue, 4);

  TData into;
  ReadPointOrBreak(into, none);
  EXPECT_EQ(into.Kind, kKindBreak);
  ReadPointOrBreak(into, point);
  EXPECT_TRUE(IsIntValue(into));
}

TEST_F(Dispatch, StoppedNetworkIgnoresFiresAndReadsNull) {
  TProbe probe, source;
  SetIntValue(source.Answer, 12);
  TVM_Event link = MakeEvent<&TProbe::Take>(&probe);
  TVM_Event point = MakeEvent<&TProbe::Read>(&source);
  StopDispatch();
  FireInt(link, 1);
  TData data = IntValue(7);
  EXPECT_EQ(FetchInt(data, point, 5), 0);
  EXPECT_EQ(FetchStr(data, point, "x"), "");
  EXPECT_EQ(FetchPointStream(point), nullptr);
  TVM_Event none;
  EXPECT_EQ(FetchInt(data, none, 0), 7);  // unconnected points still work
  EXPECT_TRUE(probe.Seen.empty());
  EXPECT_EQ(source.Reads, 0);
}

TEST(DispatchLifecycle, SilentUntilStartedAndHandlersAddedWhileRunningRun) {
  ResetDispatch();
  TProbe probe, source;
  SetIntValue(source.Answer, 12);
  TVM_Event link = MakeEvent<&TProbe::Take>(&probe);
  TVM_Event point = MakeEvent<&TProbe::Read>(&source);
  FireInt(link, 1);  // still building: reaches nobody
  TData data;
  EXPECT_EQ(FetchInt(data, point, 0), 0);
  EXPECT_TRUE(probe.Seen.empty());

  struct TStarter {
    std::vector<int>* Order;
    int Id;
    TStarter* Extra = nullptr;
    void Start() {
      Order->push_back(Id);
      if (Extra) AddStartHandler(MakeMethod<&TStarter::Start>(Extra));
    }
  };
  std::vector<int> order;
  TStarter late{&order, 2};
  TStarter early{&order, 1, &late};
  AddStartHandler(MakeMethod<&TStarter::Start>(&early));
  StartDispatch();
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  EXPECT_EQ(StartHandlerCount(), 0u);
  FireInt(link, 1);
  EXPECT_EQ(probe.Seen.size(), 1u);
  ResetDispatch();
}

TEST(Font, MakeFontAndPointHeights) {
  TFontRec font = MakeFont("MS Sans Serif", 8, kFontBold, 0xFF000017, 1);
  EXPECT_EQ(font.Name, "MS Sans Serif");
  EXPECT_EQ(font.Style, kFontBold);
  EXPECT_EQ(PointsToHeightAt(8, 96), -11);
  EXPECT_EQ(PointsToHeightAt(10, 96), -13);
  EXPECT_EQ(PointsToHeightAt(8, 120), -13);
}
