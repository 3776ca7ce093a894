// Streams over real files in a temporary folder: the three open modes, the
// cut-behind writes, set-size, sharing, and files that cannot be opened.
#include "toolkit/stream_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/temp_dir.h"

TEST(FileStream, ReadStreamReadsLinesAndCannotWrite) {
  TTempDir dir;
  const std::string path = dir.File("job.csv");
  WriteWholeFile(path, "a\r\nb");
  TStream* stream = OpenReadStream(path);
  EXPECT_EQ(stream->Size(), 4u);
  EXPECT_EQ(stream->ReadLine(), "a");
  EXPECT_EQ(stream->Position(), 3u);
  EXPECT_EQ(stream->ReadLine(), "b");
  EXPECT_EQ(stream->ReadLine(), "");
  EXPECT_EQ(stream->WriteText("zz"), 0u);
  stream->SetPosition(1);
  char bytes[8] = {};
  EXPECT_EQ(stream->Read(bytes, 8), 3u);
  EXPECT_STREQ(bytes, "\r\nb");
  stream->OpTable.SetSize(stream, 1);  // does nothing for a read stream
  FreeStream(stream);
  EXPECT_EQ(ReadWholeFile(path), "a\r\nb");
}

TEST(FileStream, WriteStreamCutsTheFileBehindEveryWrite) {
  TTempDir dir;
  const std::string path = dir.File("out.csv");
  WriteWholeFile(path, "0123456789");
  TStream* stream = OpenWriteStream(path);
  EXPECT_EQ(stream->Size(), 10u);  // opening alone keeps the content
  EXPECT_EQ(stream->WriteText("xy"), 2u);
  EXPECT_EQ(stream->Size(), 2u);
  EXPECT_EQ(ReadWholeFile(path), "xy");
  EXPECT_EQ(stream->WriteText("z\r\n"), 3u);
  stream->SetPosition(1);
  EXPECT_EQ(stream->WriteText("Q"), 1u);  // cuts after the overwritten byte
  EXPECT_EQ(stream->Position(), 2u);
  stream->OpTable.SetSize(stream, 10);  // grows the file behind the position
  EXPECT_EQ(stream->Size(), 10u);
  EXPECT_EQ(stream->WriteText("R"), 1u);  // and the next write cuts it again
  char byte = 0;
  stream->SetPosition(0);
  EXPECT_EQ(stream->Read(&byte, 1), 0u);  // write streams cannot read
  FreeStream(stream);
  EXPECT_EQ(ReadWholeFile(path), "xQR");

  const std::string fresh = dir.File("new.csv");
  stream = OpenWriteStream(fresh);
  EXPECT_EQ(ReadWholeFile(fresh), "");
  stream->WriteText("line\r\n");
  FreeStream(stream);
  EXPECT_EQ(ReadWholeFile(fresh), "line\r\n");
}

// The save's temporary file: small and large writes, in order, whatever
// the block boundaries; visible once flushed, complete once closed.
TEST(FileStream, BufferedWriteStreamKeepsEveryByteInOrder) {
  TTempDir dir;
  const std::string path = dir.File("buffered.csv");
  WriteWholeFile(path, "an older file");
  TStream* stream = OpenBufferedWriteStream(path);
  EXPECT_EQ(ReadWholeFile(path), "");  // created empty
  std::string expected;
  for (int i = 0; i < 3000; ++i) {
    const std::string line = "row " + std::to_string(i) + ",cells,of,the,row\r\n";
    ASSERT_EQ(stream->WriteText(line), line.size());
    expected += line;
    if (i == 1500) {
      const std::string block(100 * 1024, static_cast<char>('a' + i % 26));
      ASSERT_EQ(stream->WriteText(block), block.size());
      expected += block;
    }
  }
  EXPECT_LT(ReadWholeFile(path).size(), expected.size());  // the last lines still gathered
  EXPECT_EQ(stream->Size(), expected.size());
  EXPECT_EQ(ReadWholeFile(path), expected);
  stream->WriteText("end\r\n");
  FlushWrites(stream);
  EXPECT_EQ(ReadWholeFile(path), expected + "end\r\n");
  stream->WriteText("after\r\n");
  FreeStream(stream);
  EXPECT_EQ(ReadWholeFile(path), expected + "end\r\nafter\r\n");

  stream = OpenBufferedWriteStream(dir.File("no-such-folder\\out.csv"));
  EXPECT_NE(stream->Error, 0u);
  EXPECT_EQ(stream->WriteText("lost"), 0u);
  FlushWrites(stream);
  FreeStream(stream);
}

TEST(FileStream, SetSizeCutsOrGrowsAndKeepsAnEarlierPosition) {
  TTempDir dir;
  const std::string path = dir.File("size.bin");
  WriteWholeFile(path, "abcdefgh");
  TStream* stream = OpenReadWriteStream(path);
  stream->SetPosition(2);
  stream->OpTable.SetSize(stream, 5);
  EXPECT_EQ(stream->Size(), 5u);
  EXPECT_EQ(stream->Position(), 2u);  // before the new end: kept
  stream->SetPosition(4);
  stream->OpTable.SetSize(stream, 3);
  EXPECT_EQ(stream->Position(), 3u);  // past the new end: moved to it
  stream->OpTable.SetSize(stream, 6);
  EXPECT_EQ(stream->Size(), 6u);
  EXPECT_EQ(stream->Position(), 3u);
  FreeStream(stream);
  EXPECT_EQ(ReadWholeFile(path).substr(0, 3), "abc");
}

TEST(FileStream, ReadWriteStreamKeepsContentOrCreatesTheFile) {
  TTempDir dir;
  const std::string path = dir.File("rw.csv");
  WriteWholeFile(path, "hello world");
  TStream* stream = OpenReadWriteStream(path);
  EXPECT_EQ(stream->ReadLine(), "hello world");
  stream->SetPosition(0);
  EXPECT_EQ(stream->WriteText("J"), 1u);  // no cut in this mode
  FreeStream(stream);
  EXPECT_EQ(ReadWholeFile(path), "Jello world");

  const std::string missing = dir.File("missing.csv");
  stream = OpenReadWriteStream(missing);
  EXPECT_EQ(stream->Size(), 0u);
  EXPECT_EQ(ReadWholeFile(missing), "");
  FreeStream(stream);
  EXPECT_TRUE(FileExists(missing));
}

TEST(FileStream, FilesThatCannotBeOpenedTransferNothing) {
  TTempDir dir;
  const std::string missing = dir.File("none.csv");
  TStream* stream = OpenReadStream(missing);
  EXPECT_EQ(stream->Handle, INVALID_HANDLE_VALUE);
  EXPECT_EQ(stream->Size(), 0u);
  EXPECT_EQ(stream->ReadLine(), "");
  FreeStream(stream);  // closing fails quietly
  EXPECT_FALSE(FileExists(missing));

  stream = OpenReadStream("");
  EXPECT_EQ(stream->Size(), 0u);
  FreeStream(stream);

  // A folder cannot be created as a file; the read-write open fails quietly.
  stream = OpenReadWriteStream(dir.Path);
  EXPECT_EQ(stream->WriteText("x"), 0u);
  FreeStream(stream);

  stream = OpenWriteStream(dir.File("no-such-folder\\out.csv"));
  EXPECT_EQ(stream->WriteText("lost"), 0u);
  FreeStream(stream);
}

TEST(FileStream, ExistenceAndSharing) {
  TTempDir dir;
  const std::string path = dir.File("shared.csv");
  WriteWholeFile(path, "data");
  EXPECT_TRUE(FileExists(path));
  EXPECT_FALSE(FileExists(dir.Path));
  EXPECT_FALSE(FileExists(dir.File("other.csv")));

  // A reader lets others read but not write: an open read stream blocks a
  // save over the same file until it is closed.
  TStream* reader = OpenReadStream(path);
  TStream* second = OpenReadStream(path);
  EXPECT_EQ(second->Size(), 4u);
  TStream* writer = OpenWriteStream(path);
  EXPECT_EQ(writer->WriteText("new"), 0u);
  FreeStream(writer);
  FreeStream(second);
  FreeStream(reader);
  writer = OpenWriteStream(path);
  EXPECT_EQ(writer->WriteText("new"), 3u);
  FreeStream(writer);
  EXPECT_EQ(ReadWholeFile(path), "new");
}
