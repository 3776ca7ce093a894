#include "core/data.h"

#include <gtest/gtest.h>

#include "core/event.h"

namespace {

TData Str(const std::string& s) {
  TData d;
  SetStrValue(d, s);
  return d;
}

TData Real(double v) {
  TData d;
  SetRealValue(d, v);
  return d;
}

}  // namespace

TEST(DataConversion, NullAndObjectKindsConvertToNothing) {
  int dummy = 0;
  TData null, stream, array, matrix, brk;
  SetStreamValue(stream, reinterpret_cast<TStream*>(&dummy));
  SetArrayValue(array, reinterpret_cast<TArrayAccess*>(&dummy));
  SetMatrixValue(matrix, reinterpret_cast<TMatrixAccess*>(&dummy));
  brk.Kind = kKindBreak;
  for (const TData* d : {&null, &stream, &array, &matrix, &brk}) {
    EXPECT_EQ(ValueToInt(*d), 0);
    EXPECT_EQ(ValueToReal(*d), 0.0);
    EXPECT_EQ(ValueToStr(*d), "");
    EXPECT_EQ(ValueToIndex(*d), -1);
  }
}

TEST(DataConversion, IndexDistinguishesZeroFromNoNumber) {
  EXPECT_EQ(ValueToIndex(Str("0")), 0);
  EXPECT_EQ(ValueToIndex(Str("")), -1);
  EXPECT_EQ(ValueToIndex(Str("abc")), -1);
  EXPECT_EQ(ValueToIndex(Str("007")), 7);
  EXPECT_EQ(ValueToIndex(Str("-0")), -1);
  EXPECT_EQ(ValueToIndex(IntValue(-5)), -5);
  EXPECT_EQ(ValueToIndex(Real(2.5)), 2);
}

TEST(DataConversion, RealsRoundTiesToEvenAndWriteAsText) {
  EXPECT_EQ(ValueToInt(Real(2.5)), 2);
  EXPECT_EQ(ValueToInt(Real(3.5)), 4);
  EXPECT_EQ(ValueToStr(Real(-12.25)), "-12.25");
  EXPECT_EQ(ValueToReal(Str("2.5e2")), 250.0);
  EXPECT_EQ(ValueToReal(IntValue(-3)), -3.0);
  EXPECT_EQ(ValueToInt(Str("12abc")), 12);
  EXPECT_EQ(ValueToStr(IntValue(-15)), "-15");
}

TEST(DataSetters, OtherSlotsSurviveAKindChange) {
  TData d = Str("kept");
  SetIntValue(d, 42);
  EXPECT_EQ(d.Kind, kKindInteger);
  EXPECT_EQ(d.StrValue, "kept");
  EXPECT_EQ(ValueToStr(d), "42");
  TVM_Event e;
  d.ForwardTo = &e;
  d.Next = reinterpret_cast<TData*>(&e);
  SetNullValue(d);
  EXPECT_EQ(d.ForwardTo, nullptr);
  EXPECT_EQ(d.Next, nullptr);
}

TEST(DataForward, SettersMarkTheRecordAndKeepOrReplaceTheValue) {
  TVM_Event target;
  TData d = Str("text");
  ForwardData(d, target);
  EXPECT_EQ(d.Kind, kForwardFlag + kKindString);
  EXPECT_EQ(d.ForwardTo, &target);
  EXPECT_EQ(d.StrValue, "text");

  ForwardInt(d, target, 9);
  EXPECT_EQ(d.Kind, 129);
  EXPECT_EQ(d.IntValue, 9);

  ForwardStr(d, target, "x");
  EXPECT_EQ(d.Kind, 130);
  EXPECT_EQ(d.StrValue, "x");

  ForwardStream(d, target, nullptr);
  EXPECT_EQ(d.Kind, 138);

  TData tail;
  d.Next = &tail;
  ForwardNull(d, target);
  EXPECT_EQ(d.Kind, 128);
  EXPECT_EQ(d.Next, &tail);  // ForwardNull leaves the chain alone

  TData source = Real(1.5);
  ForwardCopy(d, target, source);
  EXPECT_EQ(d.Kind, kForwardFlag + kKindReal);
  EXPECT_EQ(d.RealValue, 1.5);
  EXPECT_EQ(source.Kind, kKindReal);
}

TEST(DataChain, TakingValuesWalksTheChainAndFreeingReleasesIt) {
  TData head = IntValue(1);
  head.Next = new TData(Str("two"));
  head.Next->Next = new TData(IntValue(3));
  TakeChainValue(head);
  EXPECT_EQ(head.Kind, kKindString);
  EXPECT_EQ(head.StrValue, "two");
  ASSERT_NE(head.Next, nullptr);
  TakeChainValue(head);
  EXPECT_EQ(head.IntValue, 3);
  EXPECT_EQ(head.Next, nullptr);
  TakeChainValue(head);
  EXPECT_EQ(head.Kind, kKindNull);

  TData list = IntValue(0);
  list.Next = new TData(IntValue(1));
  list.Next->Next = new TData(Str("leak check"));
  FreeValueChain(list);  // the sanitizer build reports anything left behind
  EXPECT_EQ(list.Next, nullptr);
  EXPECT_EQ(list.IntValue, 0);
  FreeValueChain(list);
}

namespace {

struct TCounter {
  int32_t Count() { return 3; }
  bool Get(TData& index, TData& result) {
    SetIntValue(result, ValueToInt(index) * 10);
    return true;
  }
};

}  // namespace

TEST(DataAccess, MakeArrayAccessFillsMissingWritersWithNoOps) {
  TCounter counter;
  TArrayAccess* access =
      MakeArrayAccess({}, MakeMethod<&TCounter::Get>(&counter), MakeMethod<&TCounter::Count>(&counter), {});
  TData index = IntValue(4), value = Str("v"), result;
  access->Set(index, value);
  access->Add(value);
  EXPECT_EQ(value.StrValue, "v");
  EXPECT_TRUE(access->Get(index, result));
  EXPECT_EQ(result.IntValue, 40);
  EXPECT_EQ(access->Count(), 3);
  delete access;
  EXPECT_STREQ(KindNames[kKindMatrix], "Matrix");
  EXPECT_STREQ(KindNames[kKindBreak], "Break");
}
