// The stream operations that run through the operation table (line reading,
// text writing, freeing), on a stream held in memory.
#include "toolkit/stream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/toolkit/memory_stream.h"

namespace {

std::vector<std::string> ReadLines(const std::string& bytes, int count) {
  TMemoryFile file{bytes};
  TStream* stream = OpenMemoryStream(file);
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back(stream->ReadLine());
  stream->Free();
  return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(StreamReadLine, BreaksAndEndOfData) {
  EXPECT_EQ(ReadLines("a\r\nb", 3), (Lines{"a", "b", ""}));
  EXPECT_EQ(ReadLines("a\rb", 2), (Lines{"a", "b"}));
  EXPECT_EQ(ReadLines("a\nb\n\nc", 4), (Lines{"a", "b", "", "c"}));
  EXPECT_EQ(ReadLines("a\r\rb", 3), (Lines{"a", "", "b"}));
  EXPECT_EQ(ReadLines("\n\r", 3), (Lines{"", "", ""}));
  EXPECT_EQ(ReadLines(std::string("a\0b", 3), 2), (Lines{"a", "b"}));
  EXPECT_EQ(ReadLines("", 2), (Lines{"", ""}));
  EXPECT_EQ(ReadLines("Питатель\r\n", 2), (Lines{"Питатель", ""}));
}

TEST(StreamReadLine, LastByteCarriageReturnLeavesPositionAtEnd) {
  TMemoryFile file{"ab\r"};
  TStream* stream = OpenMemoryStream(file);
  EXPECT_EQ(stream->ReadLine(), "ab");
  EXPECT_EQ(stream->Position(), 3u);
  EXPECT_EQ(stream->ReadLine(), "");
  EXPECT_EQ(stream->Position(), 3u);
  stream->Free();
}

TEST(StreamWriteText, WritesBytesOnlyAndSkipsEmptyText) {
  TMemoryFile file;
  TStream* stream = OpenMemoryStream(file);
  EXPECT_EQ(stream->WriteText(""), 0u);
  EXPECT_EQ(file.WriteCalls, 0);
  EXPECT_EQ(stream->WriteText("x,y"), 3u);
  EXPECT_EQ(stream->WriteText(std::string("\0z", 2)), 2u);
  EXPECT_EQ(file.Bytes, std::string("x,y\0z", 5));
  EXPECT_EQ(stream->Size(), 5u);
  stream->SetPosition(1);
  EXPECT_EQ(stream->ReadLine(), ",y");
  stream->Free();

  TMemoryFile kept{"keep"};
  TStream* readOnly = OpenMemoryStream(kept, true, false);
  EXPECT_EQ(readOnly->WriteText("new"), 0u);
  EXPECT_EQ(kept.Bytes, "keep");
  readOnly->Free();
}

TEST(FreeStream, ClearsTheReferenceAndCloses) {
  TMemoryFile file{"x"};
  TStream* stream = OpenMemoryStream(file);
  FreeStream(stream);
  EXPECT_EQ(stream, nullptr);
  EXPECT_TRUE(file.Closed);
  FreeStream(stream);  // a nil reference stays nil
  EXPECT_EQ(stream, nullptr);
}
