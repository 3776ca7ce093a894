// TVMDataToFile writing lines into a stream held in memory, the stream read
// through its Stream point as the editor links it.
#include "components/processing/data_to_file.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/components/processing/probe.h"
#include "tests/toolkit/memory_stream.h"

namespace {

class DataToFileTest : public LiveNetworkTest {
 protected:
  TVMDataToFile writer;
  TProbe streamSource;
  TMemoryFile file;
  TStream* stream = nullptr;
  TVM_Event putLine = MakeEvent<&TVMDataToFile::PutLine>(&writer);

  void SetUp() override {
    LiveNetworkTest::SetUp();
    stream = OpenMemoryStream(file);
    SetStreamValue(streamSource.Answer, stream);
    writer.Stream = streamSource.Point();
  }
  void TearDown() override {
    FreeStream(stream);
    LiveNetworkTest::TearDown();
  }
};

}  // namespace

TEST_F(DataToFileTest, EachValueBecomesOneLineAtTheStreamPosition) {
  FireStr(putLine, "#Circuit,OffsetX,OffsetY,Skip");
  FireStr(putLine, "1,0.5,-2,Пропуск,");
  FireInt(putLine, -7);
  FireReal(putLine, 2.5);
  FireNull(putLine);
  FireStr(putLine, "");
  EXPECT_EQ(file.Bytes, "#Circuit,OffsetX,OffsetY,Skip\r\n1,0.5,-2,Пропуск,\r\n-7\r\n2.5\r\n\r\n\r\n");
  EXPECT_EQ(streamSource.Reads, 6);

  stream->SetPosition(2);  // lines go wherever the stream stands
  FireStr(putLine, "X");
  EXPECT_EQ(file.Bytes.substr(0, 6), "#CX\r\nu");
}

TEST_F(DataToFileTest, WithoutAStreamNothingIsWritten) {
  TProbe noStream;  // answers NULL
  writer.Stream = noStream.Point();
  FireStr(putLine, "lost");
  writer.Stream = TVM_Event{};  // unconnected: an incoming stream is not used
  TData data;
  SetStreamValue(data, stream);
  Fire(putLine, data);
  SetStreamValue(noStream.Answer, nullptr);
  writer.Stream = noStream.Point();
  FireStr(putLine, "lost too");
  EXPECT_EQ(file.WriteCalls, 0);
  EXPECT_EQ(file.Bytes, "");
}

TEST_F(DataToFileTest, TheWriterCanBeReplaced) {
  std::string seen;
  struct TRecorder {
    std::string* Seen;
    void Write(TStream* s, TData& data) { *Seen += ValueToStr(data) + ";"; }
  } recorder{&seen};
  writer.Writer = MakeMethod<&TRecorder::Write>(&recorder);
  FireStr(putLine, "a");
  FireStr(putLine, "b");
  EXPECT_EQ(seen, "a;b;");
  EXPECT_EQ(file.Bytes, "");
  writer.Writer = {};
  FireStr(putLine, "c");  // no writer: nothing happens
  EXPECT_EQ(seen, "a;b;");
}
