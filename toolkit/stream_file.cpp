#include "toolkit/stream_file.h"

#include <windows.h>

namespace {

HANDLE FileOf(TStream* stream) { return static_cast<HANDLE>(stream->Handle); }

uint32_t FileSeek(TStream* stream, int32_t offset, int32_t origin) {
  return SetFilePointer(FileOf(stream), offset, nullptr, static_cast<DWORD>(origin));
}

uint32_t FileGetSize(TStream* stream) {
  const DWORD size = GetFileSize(FileOf(stream), nullptr);
  return size == INVALID_FILE_SIZE ? 0 : size;
}

void FileClose(TStream* stream) {
  if (FileOf(stream) == INVALID_HANDLE_VALUE) return;
  CloseHandle(FileOf(stream));
  stream->Handle = INVALID_HANDLE_VALUE;
}

void NoSetSize(TStream*, uint32_t) {}
uint32_t NoRead(TStream*, void*, uint32_t) { return 0; }
uint32_t NoWrite(TStream*, const void*, uint32_t) { return 0; }

uint32_t FileRead(TStream* stream, void* buffer, uint32_t count) {
  DWORD done = 0;
  if (!ReadFile(FileOf(stream), buffer, count, &done, nullptr)) {
    if (stream->Error == 0) stream->Error = GetLastError();
    return 0;
  }
  return done;
}

uint32_t FileWrite(TStream* stream, const void* buffer, uint32_t count) {
  DWORD done = 0;
  if (!WriteFile(FileOf(stream), buffer, count, &done, nullptr)) {
    if (stream->Error == 0) stream->Error = GetLastError();
    return 0;
  }
  return done;
}

// A truncating write leaves the position at the end of the file, so the
// writes that follow it append and need no cut of their own (one call to the
// platform less per line) until the position is moved again.
uint32_t TruncatingWrite(TStream* stream, const void* buffer, uint32_t count) {
  const uint32_t done = FileWrite(stream, buffer, count);
  SetEndOfFile(FileOf(stream));
  stream->OpTable.Write = &FileWrite;
  return done;
}

// Seek of a write stream: a moved position needs the cut again.
uint32_t WriteStreamSeek(TStream* stream, int32_t offset, int32_t origin) {
  if (offset != 0 || origin != kSeekFromCurrent) stream->OpTable.Write = &TruncatingWrite;
  return FileSeek(stream, offset, origin);
}

void FileSetSize(TStream* stream, uint32_t newSize) {
  const uint32_t position = stream->Ops->Seek(stream, 0, kSeekFromCurrent);
  stream->Ops->Seek(stream, static_cast<int32_t>(newSize), kSeekFromStart);
  SetEndOfFile(FileOf(stream));
  if (position < newSize) stream->Ops->Seek(stream, static_cast<int32_t>(position), kSeekFromStart);
}

// The gathered bytes of a buffered write stream.
class TBufferedFileStream : public TStream {
 public:
  using TStream::TStream;
  std::string Pending;

 protected:
  // The base closes through the table only after this part, Pending with
  // it, is gone: the bytes go out first.
  ~TBufferedFileStream() override;
};

// Large enough that a job file of tens of thousands of rows goes to the
// platform in a few dozen calls instead of one per line.
constexpr size_t kWriteBlockSize = 64 * 1024;

void WritePending(TBufferedFileStream* stream) {
  if (stream->Pending.empty()) return;
  const auto size = static_cast<uint32_t>(stream->Pending.size());
  const uint32_t done = FileWrite(stream, stream->Pending.data(), size);
  if (done != size && stream->Error == 0) stream->Error = kStreamShortWriteError;
  stream->Pending.clear();
}

TBufferedFileStream* Buffered(TStream* stream) { return static_cast<TBufferedFileStream*>(stream); }

uint32_t BufferedWrite(TStream* stream, const void* buffer, uint32_t count) {
  if (FileOf(stream) == INVALID_HANDLE_VALUE) return 0;
  TBufferedFileStream* buffered = Buffered(stream);
  if (buffered->Pending.size() + count > kWriteBlockSize) WritePending(buffered);
  if (count >= kWriteBlockSize) return FileWrite(stream, buffer, count);
  buffered->Pending.append(static_cast<const char*>(buffer), count);
  return count;
}

uint32_t BufferedSeek(TStream* stream, int32_t offset, int32_t origin) {
  WritePending(Buffered(stream));
  return FileSeek(stream, offset, origin);
}

uint32_t BufferedGetSize(TStream* stream) {
  WritePending(Buffered(stream));
  return FileGetSize(stream);
}

void BufferedClose(TStream* stream) {
  if (FileOf(stream) != INVALID_HANDLE_VALUE) WritePending(Buffered(stream));
  FileClose(stream);
}

TBufferedFileStream::~TBufferedFileStream() { BufferedClose(this); }

constexpr TStreamOps kBaseOps = {&FileSeek, &FileGetSize, &NoSetSize, &NoRead, &NoWrite, &FileClose};

template <class Stream = TStream>
TStream* OpenFileStream(const std::string& fileName, TStreamOps ops, DWORD access,
                        DWORD creation) {
  TStream* stream = New<Stream>(ops);
  stream->Handle = CreateFileA(fileName.c_str(), access, FILE_SHARE_READ, nullptr, creation,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (stream->Handle == INVALID_HANDLE_VALUE) stream->Error = GetLastError();
  return stream;
}

}  // namespace

TStream* OpenReadStream(const std::string& fileName) {
  TStreamOps ops = kBaseOps;
  ops.Read = &FileRead;
  return OpenFileStream(fileName, ops, GENERIC_READ, OPEN_EXISTING);
}

TStream* OpenWriteStream(const std::string& fileName) {
  TStreamOps ops = kBaseOps;
  ops.Write = &TruncatingWrite;
  ops.Seek = &WriteStreamSeek;
  ops.SetSize = &FileSetSize;
  return OpenFileStream(fileName, ops, GENERIC_WRITE, OPEN_ALWAYS);
}

TStream* OpenBufferedWriteStream(const std::string& fileName) {
  const TStreamOps ops{&BufferedSeek, &BufferedGetSize, &NoSetSize, &NoRead, &BufferedWrite, &BufferedClose};
  return OpenFileStream<TBufferedFileStream>(fileName, ops, GENERIC_WRITE, CREATE_ALWAYS);
}

void FlushWrites(TStream* stream) {
  if (stream && stream->OpTable.Write == &BufferedWrite) WritePending(Buffered(stream));
}

TStream* OpenReadWriteStream(const std::string& fileName) {
  TStreamOps ops = kBaseOps;
  ops.Read = &FileRead;
  ops.Write = &FileWrite;
  ops.SetSize = &FileSetSize;
  const DWORD creation = FileExists(fileName) ? OPEN_EXISTING : CREATE_ALWAYS;
  return OpenFileStream(fileName, ops, GENERIC_READ | GENERIC_WRITE, creation);
}

bool FileExists(const std::string& fileName) {
  const DWORD attributes = GetFileAttributesA(fileName.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
