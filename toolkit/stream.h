// TStream: a byte stream whose behaviour lives in a table of six operations
// held inside each stream object. The opening functions (stream_file.h)
// start from one base table and install only the entries their mode allows,
// so a stream opened for reading cannot write and one opened for writing
// cannot read. This header needs no platform service.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/obj.h"

class TStream;

// Origins of Seek.
enum : int32_t { kSeekFromStart = 0, kSeekFromCurrent = 1, kSeekFromEnd = 2 };

constexpr uint32_t kSeekFailed = 0xFFFFFFFFu;

struct TStreamOps {
  // The new position; kSeekFailed on failure.
  uint32_t (*Seek)(TStream* stream, int32_t offset, int32_t origin);
  uint32_t (*GetSize)(TStream* stream);  // 0 when unknown
  void (*SetSize)(TStream* stream, uint32_t newSize);
  uint32_t (*Read)(TStream* stream, void* buffer, uint32_t count);  // bytes read
  uint32_t (*Write)(TStream* stream, const void* buffer, uint32_t count);  // bytes written
  void (*Close)(TStream* stream);
};

class TStream : public TObj {
 public:
  explicit TStream(const TStreamOps& ops) : OpTable(ops) {}

  TStreamOps* Ops = &OpTable;
  TStreamOps OpTable;
  void* Handle = nullptr;  // the platform file handle
  // The platform's code of the first failure (an open that failed, a write
  // that transferred less than asked); 0 while all went well. Writers check
  // it once at the end instead of after every line.
  uint32_t Error = 0;

  uint32_t Size() { return Ops->GetSize(this); }
  uint32_t Position() { return Ops->Seek(this, 0, kSeekFromCurrent); }
  uint32_t SetPosition(uint32_t position) {
    return Ops->Seek(this, static_cast<int32_t>(position), kSeekFromStart);
  }
  uint32_t Read(void* buffer, uint32_t count) { return Ops->Read(this, buffer, count); }
  // Writes the bytes of text, no line break added; 0 for an empty text.
  uint32_t WriteText(const std::string& text);
  // One line without its break: CR, LF, CR LF or a zero byte end it. The
  // empty string at the end of the data.
  std::string ReadLine();
  // Every byte from the start. A stream that cannot read (or a file that
  // shrank) gives fewer bytes than its size: only those actually read.
  std::string ReadAll();

 protected:
  // Closes through the table.
  ~TStream() override;
};

// The platform's code for a full disk: a write that transfers fewer bytes
// than asked without saying why is taken as one.
constexpr uint32_t kStreamShortWriteError = 112;

// Clears the caller's reference first, then frees the stream.
void FreeStream(TStream*& stream);
