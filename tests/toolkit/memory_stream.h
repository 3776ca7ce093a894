// A TStream over bytes in memory, for testing stream users without files.
// The bytes live in a TMemoryFile that the test owns (the stream's handle
// points at it), so they can be checked after the stream is gone. Its
// operation table is built like a file stream's: without canRead every read
// gives 0, without canWrite every write gives 0.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "toolkit/stream.h"

struct TMemoryFile {
  std::string Bytes;
  uint32_t Pos = 0;
  int WriteCalls = 0;
  bool Closed = false;
};

namespace memory_stream {

inline TMemoryFile& Of(TStream* s) { return *static_cast<TMemoryFile*>(s->Handle); }

inline uint32_t Seek(TStream* s, int32_t offset, int32_t origin) {
  TMemoryFile& m = Of(s);
  int64_t base = origin == kSeekFromStart ? 0 : origin == kSeekFromCurrent ? m.Pos : m.Bytes.size();
  if (base + offset < 0) return kSeekFailed;
  m.Pos = static_cast<uint32_t>(base + offset);
  return m.Pos;
}
inline uint32_t Size(TStream* s) { return static_cast<uint32_t>(Of(s).Bytes.size()); }
inline void SetSize(TStream* s, uint32_t size) { Of(s).Bytes.resize(size); }
inline uint32_t Read(TStream* s, void* buffer, uint32_t count) {
  TMemoryFile& m = Of(s);
  if (m.Pos >= m.Bytes.size()) return 0;
  uint32_t n = std::min<uint32_t>(count, static_cast<uint32_t>(m.Bytes.size() - m.Pos));
  std::memcpy(buffer, m.Bytes.data() + m.Pos, n);
  m.Pos += n;
  return n;
}
inline uint32_t Write(TStream* s, const void* buffer, uint32_t count) {
  TMemoryFile& m = Of(s);
  ++m.WriteCalls;
  if (m.Bytes.size() < m.Pos + count) m.Bytes.resize(m.Pos + count);
  std::memcpy(m.Bytes.data() + m.Pos, buffer, count);
  m.Pos += count;
  return count;
}
inline uint32_t NoRead(TStream*, void*, uint32_t) { return 0; }
inline uint32_t NoWrite(TStream* s, const void*, uint32_t) {
  ++Of(s).WriteCalls;
  return 0;
}
inline void Close(TStream* s) { Of(s).Closed = true; }

}  // namespace memory_stream

inline TStream* OpenMemoryStream(TMemoryFile& file, bool canRead = true, bool canWrite = true) {
  namespace m = memory_stream;
  TStreamOps ops = {&m::Seek, &m::Size, &m::SetSize, canRead ? &m::Read : &m::NoRead,
                    canWrite ? &m::Write : &m::NoWrite, &m::Close};
  TStream* stream = New<TStream>(ops);
  stream->Handle = &file;
  return stream;
}
