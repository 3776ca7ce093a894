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
  const std::string bytes = stream->ReadAll();
  FireNull(OnStreamRead);
  const char replace = ReplaceChar.empty() ? '\0' : ReplaceChar[0];
  Position = static_cast<int32_t>(bytes.size());
  ForwardStr(data, OnValue,
             FlattenControlBytes(CrLfLineEnds ? WithCrLfLineEnds(bytes) : bytes, replace));
}
