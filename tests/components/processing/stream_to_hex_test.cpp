// TVMStream2Hex over streams held in memory, fired through the real
// dispatcher.
#include "components/processing/stream_to_hex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/components/processing/probe.h"
#include "tests/toolkit/memory_stream.h"

namespace {

class Stream2HexTest : public LiveNetworkTest {
 protected:
  TVMStream2Hex flattener;
  TProbe out{"value", &log};
  std::vector<std::string> log;

  void SetUp() override {
    LiveNetworkTest::SetUp();
    flattener.OnValue = out.Action();
  }

  // Converts the bytes given as an incoming Stream value.
  std::string Convert(const std::string& bytes, const std::string& replace) {
    TMemoryFile file{bytes};
    TStream* stream = OpenMemoryStream(file);
    flattener.ReplaceChar = replace;
    out.Calls.clear();
    TData data;
    SetStreamValue(data, stream);
    TVM_Event convert = MakeEvent<&TVMStream2Hex::Convert>(&flattener);
    Fire(convert, data);
    stream->Free();
    return out.Count() == 1 ? ValueToStr(out.Calls[0].Value) : "<not fired once>";
  }
};

}  // namespace

TEST(FlattenControlBytes, ReplacesOrDropsEveryByteBelow32) {
  EXPECT_EQ(FlattenControlBytes("A\r\nB", '/'), "A//B");
  EXPECT_EQ(FlattenControlBytes("A\r\nB", '\0'), "AB");
  EXPECT_EQ(FlattenControlBytes(std::string("\t\0\x1f \x7f\xff", 6), '/'), "/// \x7f\xff");
  EXPECT_EQ(FlattenControlBytes("", '/'), "");
}

TEST_F(Stream2HexTest, ConvertsTheWholeStreamFromItsStart) {
  EXPECT_EQ(Convert("A\r\nB", "/"), "A//B");
  EXPECT_EQ(Convert("1\t2\r\n", ""), "12");
  EXPECT_EQ(Convert("x\ny", "#!"), "x#y");  // only the first character counts
  EXPECT_EQ(Convert("Коммент\r\n", "/"), "Коммент//");
  EXPECT_EQ(flattener.Position, 9);
  EXPECT_EQ(out.Calls[0].Value.Kind, kKindString);
}

TEST_F(Stream2HexTest, EmptyStreamStillForwardsAnEmptyText) {
  EXPECT_EQ(Convert("", "/"), "");
  EXPECT_EQ(flattener.Position, 0);
}

TEST_F(Stream2HexTest, ReadsFromPositionZeroAndSignalsTheReadBeforeTheText) {
  TProbe read{"read", &log};
  flattener.OnStreamRead = read.Action();
  TMemoryFile file{"ab\r\n"};
  TStream* stream = OpenMemoryStream(file);
  stream->SetPosition(3);  // a stream that was read before
  TData data;
  SetStreamValue(data, stream);
  TVM_Event convert = MakeEvent<&TVMStream2Hex::Convert>(&flattener);
  Fire(convert, data);
  EXPECT_EQ(log, (std::vector<std::string>{"read:", "value:ab//"}));
  stream->Free();
}

TEST_F(Stream2HexTest, ConnectedStreamInputWinsOverTheIncomingValue) {
  TMemoryFile connected{"in"}, incoming{"other"};
  TStream* fromPoint = OpenMemoryStream(connected);
  TStream* fromValue = OpenMemoryStream(incoming);
  TProbe source;
  SetStreamValue(source.Answer, fromPoint);
  flattener.Stream = source.Point();
  TData data;
  SetStreamValue(data, fromValue);
  TVM_Event convert = MakeEvent<&TVMStream2Hex::Convert>(&flattener);
  Fire(convert, data);
  EXPECT_EQ(out.Texts(), (std::vector<std::string>{"in"}));
  fromPoint->Free();
  fromValue->Free();
}

TEST_F(Stream2HexTest, WithoutAStreamNothingIsFired) {
  TVM_Event convert = MakeEvent<&TVMStream2Hex::Convert>(&flattener);
  TData nil;
  SetStreamValue(nil, nullptr);  // what a failed open hands on
  Fire(convert, nil);
  FireStr(convert, "not a stream");
  FireNull(convert);
  TProbe source;
  SetStrValue(source.Answer, "text");  // a point that answers no stream
  flattener.Stream = source.Point();
  FireNull(convert);
  EXPECT_EQ(out.Count(), 0u);
  EXPECT_EQ(source.Reads, 1);
}

TEST_F(Stream2HexTest, StreamThatCannotReadGivesOnlyWhatWasRead) {
  TMemoryFile file{"0123456789"};
  TStream* writeOnly = OpenMemoryStream(file, false, true);
  TData data;
  SetStreamValue(data, writeOnly);
  TVM_Event convert = MakeEvent<&TVMStream2Hex::Convert>(&flattener);
  Fire(convert, data);
  EXPECT_EQ(out.Texts(), (std::vector<std::string>{""}));
  writeOnly->Free();
}

TEST_F(Stream2HexTest, CrLfLineEndsReadsEveryLineEndAsCrLf) {
  flattener.CrLfLineEnds = true;
  EXPECT_EQ(Convert("a\nb\rc\r\nd", "/"), "a//b//c//d//");
  EXPECT_EQ(Convert("", "/"), "");
  flattener.CrLfLineEnds = false;
  EXPECT_EQ(Convert("a\nb\rc\r\nd", "/"), "a/b/c//d");
}
