#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/processing/do_data.h"
#include "components/processing/hub.h"
#include "components/processing/index_to_chanel.h"
#include "components/processing/informer.h"
#include "components/processing/vm_math.h"
#include "tests/components/processing/probe.h"

namespace {

using HubTest = LiveNetworkTest;
using IndexToChanelTest = LiveNetworkTest;
using DoDataTest = LiveNetworkTest;
using MathTest = LiveNetworkTest;
using InformerTest = LiveNetworkTest;

TEST_F(HubTest, FiresOutputsInOrderEachWithItsOwnCopy) {
  std::vector<std::string> log;
  TVMHub hub;
  hub.SetCount(3);
  EXPECT_EQ(hub.Count, 3);
  TProbe first("0", &log), second("1", &log), third("2", &log), deep("0.next", &log);
  // Output 0's chain changes its copy and runs a further link before
  // output 1 fires.
  TVM_Event deepLink = deep.Action();
  first.Then = [&](TData& data, uint16_t) {
    SetStrValue(data, "changed");
    FireStr(deepLink, "deep");
  };
  hub.OnOutput[0] = first.Action(7);
  hub.OnOutput[1] = second.Action();
  hub.OnOutput[2] = third.Action();
  TVM_Event trigger = MakeEvent<&TVMHub::Trigger>(&hub);
  TData value;
  SetStrValue(value, "text");
  Fire(trigger, value);
  EXPECT_EQ(log, (std::vector<std::string>{"0:text", "0.next:deep", "1:text", "2:text"}));
  EXPECT_EQ(first.Calls[0].Index, 7);
  EXPECT_EQ(value.StrValue, "text");  // the hub's own record is untouched

  // Unconnected outputs are skipped; a hub of no outputs fires nothing.
  hub.OnOutput[1] = TVM_Event();
  log.clear();
  FireInt(trigger, 5);
  EXPECT_EQ(log, (std::vector<std::string>{"0:5", "0.next:deep", "2:5"}));
  hub.SetCount(0);
  FireInt(trigger, 6);
  EXPECT_EQ(log.size(), 3u);
}

TEST_F(HubTest, OutputThatForwardsRunsItsChainBeforeTheNextOutput) {
  std::vector<std::string> log;
  TVMHub hub;
  hub.SetCount(2);
  TProbe forwarder("a", &log), forwarded("a.fwd", &log), second("b", &log);
  TVM_Event next = forwarded.Action();
  forwarder.Then = [&](TData& data, uint16_t) { ForwardInt(data, next, 99); };
  hub.OnOutput[0] = forwarder.Action();
  hub.OnOutput[1] = second.Action();
  TVM_Event trigger = MakeEvent<&TVMHub::Trigger>(&hub);
  FireStr(trigger, "v");
  EXPECT_EQ(log, (std::vector<std::string>{"a:v", "a.fwd:99", "b:v"}));
}

TEST_F(IndexToChanelTest, RoutesToTheOutputOfTheIncomingIndex) {
  TVMIndexToChanel router;
  router.SetCount(7);
  std::vector<TProbe> outputs(7);
  for (int i = 0; i < 7; ++i) router.OnOutput[i] = outputs[i].Action(static_cast<uint16_t>(i));
  TVM_Event trigger = MakeEvent<&TVMIndexToChanel::Trigger>(&router);

  FireInt(trigger, 6);
  ASSERT_EQ(outputs[6].Count(), 1u);
  // The index read consumed the value, so NULL goes on.
  EXPECT_EQ(outputs[6].Calls[0].Value.Kind, kKindNull);
  EXPECT_EQ(outputs[6].Calls[0].Index, 6);

  FireInt(trigger, 7);
  FireInt(trigger, -1);
  FireStr(trigger, "1");  // a text index converts
  size_t fired = 0;
  for (const TProbe& probe : outputs) fired += probe.Count();
  EXPECT_EQ(fired, 2u);
  EXPECT_EQ(outputs[1].Count(), 1u);
  // Text that is not a number is index 0.
  FireStr(trigger, "abc");
  EXPECT_EQ(outputs[0].Count(), 1u);
}

TEST_F(IndexToChanelTest, SendsItsDataOrTheDataInputAndReadsTheIndexInput) {
  TVMIndexToChanel router;
  router.SetCount(3);
  TProbe out, index, data;
  router.OnOutput[2] = out.Action();
  TVM_Event trigger = MakeEvent<&TVMIndexToChanel::Trigger>(&router);

  SetStrValue(router.Data, "fixed");
  FireInt(trigger, 2);
  EXPECT_EQ(out.Texts().back(), "fixed");

  SetIntValue(index.Answer, 2);
  router.Index = index.Point();
  SetRealValue(data.Answer, 1.5);
  router.DataInput = data.Point();
  FireStr(trigger, "whatever");
  ASSERT_EQ(out.Count(), 2u);
  EXPECT_EQ(out.Calls[1].Value.Kind, kKindReal);
  EXPECT_EQ(out.Calls[1].Value.RealValue, 1.5);

  // With the index input connected and no data, the incoming value passes.
  router.DataInput = TVM_Event();
  SetNullValue(router.Data);
  FireStr(trigger, "through");
  EXPECT_EQ(out.Texts().back(), "through");
}

TEST_F(IndexToChanelTest, TakesIndexThenDataFromAnIncomingChain) {
  TVMIndexToChanel router;
  router.SetCount(2);
  TProbe out;
  router.OnOutput[1] = out.Action();
  TVM_Event trigger = MakeEvent<&TVMIndexToChanel::Trigger>(&router);
  TData chain;
  SetIntValue(chain, 1);
  chain.Next = new TData;
  SetStrValue(*chain.Next, "second");
  chain.Next->Next = new TData;
  SetStrValue(*chain.Next->Next, "third");
  Fire(trigger, chain);
  ASSERT_EQ(out.Count(), 1u);
  EXPECT_EQ(out.Texts()[0], "second");
  FreeValueChain(chain);  // nothing may be left linked (checked by the sanitizer)
}

TEST_F(DoDataTest, ReplacesTheIncomingValue) {
  TVMDoData doData;
  TProbe out, input;
  doData.OnData = out.Action();
  TVM_Event send = MakeEvent<&TVMDoData::SendData>(&doData);

  FireStr(send, "incoming");
  EXPECT_EQ(out.Kinds(), std::vector<uint8_t>{kKindNull});

  SetIntValue(doData.Data, 42);
  FireStr(send, "incoming");
  EXPECT_EQ(out.Calls.back().Value.Kind, kKindInteger);
  EXPECT_EQ(out.Calls.back().Value.IntValue, 42);

  SetStrValue(input.Answer, "search text");
  doData.DataInput = input.Point();
  FireInt(send, 1);
  EXPECT_EQ(out.Texts().back(), "search text");
  EXPECT_EQ(input.Reads, 1);
}

TEST_F(MathTest, AddsOperandsAndRoundsHalvesToEven) {
  TVMMath math;
  math.SetResult(0.0);
  TProbe out, found, one;
  math.OnValue = out.Action();
  TVM_Event calculate = MakeEvent<&TVMMath::Calculate>(&math);

  // The search's next start: found index -1 plus the label's "1".
  SetIntValue(found.Answer, -1);
  SetStrValue(one.Answer, "1");
  math.Operand1Input = found.Point();
  math.Operand2Input = one.Point();
  FireNull(calculate);
  EXPECT_EQ(out.Calls.back().Value.Kind, kKindInteger);
  EXPECT_EQ(out.Calls.back().Value.IntValue, 0);

  math.Operand1Input = TVM_Event();
  math.Operand2Input = TVM_Event();
  math.Operand2 = 0.0;
  std::vector<int32_t> fired;
  for (double a : {2.5, 3.5, -2.5, -3.5}) {
    FireReal(calculate, a);  // Operand1 is 0.0, so the incoming value is taken
    fired.push_back(out.Calls.back().Value.IntValue);
  }
  EXPECT_EQ(fired, (std::vector<int32_t>{2, 4, -2, -4}));

  math.ResultType = 1;
  math.Operand1 = 0.25;
  math.Operand2 = 0.5;
  FireNull(calculate);
  EXPECT_EQ(out.Calls.back().Value.Kind, kKindReal);
  EXPECT_EQ(out.Calls.back().Value.RealValue, 0.75);
}

TEST_F(MathTest, ResultOutputGivesTheLastSum) {
  TVMMath math;
  TVM_Event result = MakeEvent<&TVMMath::Result>(&math);
  TData answer;
  ReadPoint(result, answer);
  EXPECT_EQ(answer.Kind, kKindInteger);
  EXPECT_EQ(answer.IntValue, 0);

  math.ResultIsNull = true;
  ReadPoint(result, answer);
  EXPECT_EQ(answer.Kind, kKindNull);

  math.SetResult(6.5);
  EXPECT_FALSE(math.ResultIsNull);
  ReadPoint(result, answer);
  EXPECT_EQ(answer.IntValue, 6);
  math.ResultType = 1;
  ReadPoint(result, answer);
  EXPECT_EQ(answer.Kind, kKindReal);
  EXPECT_EQ(answer.RealValue, 6.5);

  // The search chain: the find's start reads the sum of the last run.
  math.ResultType = 0;
  math.Operand1 = 4;
  math.Operand2 = 1;
  TVM_Event calculate = MakeEvent<&TVMMath::Calculate>(&math);
  FireNull(calculate);
  EXPECT_EQ(FetchPointInt(result), 5);
}

TEST_F(InformerTest, FiresTextBeforeTheForwardedChain) {
  std::vector<std::string> log;
  TVMInformer informer;
  informer.Text = "#Circuit,OffsetX,OffsetY,Skip";
  TProbe text("text", &log), output("output", &log);
  informer.OnTextOut = text.Action();
  informer.OnOutput = output.Action();
  TVM_Event trigger = MakeEvent<&TVMInformer::Trigger>(&informer);
  FireInt(trigger, 3);
  EXPECT_EQ(log, (std::vector<std::string>{"text:#Circuit,OffsetX,OffsetY,Skip", "output:3"}));
  EXPECT_EQ(output.Calls[0].Value.Kind, kKindInteger);

  // Unconnected output: only the text.
  informer.OnOutput = TVM_Event();
  FireNull(trigger);
  EXPECT_EQ(log.size(), 3u);
}

}  // namespace
