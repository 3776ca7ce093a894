#include "components/processing/stream_to_hex.h"

#include "job/line_ends.h"
#include "toolkit/stream.h"

std::string FlattenControlBytes(const std::string& bytes, char replace) {
  std::string text;
  text.reserve(bytes.size());
  for (char byte : bytes) {
    if (static_cast<unsigned char>(byte) >= 32)
      text.push_back(byte);
    else if (replace != '\0')
      text.push_back(replace);
  }
  return text;
}

void TVMStream2Hex::Convert(TData& data, uint16_t index) {
  TStream* stream = FetchStream(data, Stream, nullptr);
  if (!stream) return;
  std::string bytes(stream->Size(), '\0');
  stream->SetPosition(0);
  // A stream that cannot read (or a file that shrank) gives fewer bytes than
  // its size; only the bytes actually read are text.
  bytes.resize(bytes.empty() ? 0 : stream->Read(bytes.data(), static_cast<uint32_t>(bytes.size())));
  FireNull(OnStreamRead);
  const char replace = ReplaceChar.empty() ? '\0' : ReplaceChar[0];
  Position = static_cast<int32_t>(bytes.size());
  ForwardStr(data, OnValue,
             FlattenControlBytes(CrLfLineEnds ? WithCrLfLineEnds(bytes) : bytes, replace));
}
