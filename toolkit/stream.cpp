#include "toolkit/stream.h"

TStream::~TStream() { Ops->Close(this); }

uint32_t TStream::WriteText(const std::string& text) {
  if (text.empty()) return 0;
  const uint32_t done = Ops->Write(this, text.data(), static_cast<uint32_t>(text.size()));
  if (done != text.size() && Error == 0) Error = kStreamShortWriteError;
  return done;
}

std::string TStream::ReadLine() {
  std::string line;
  char byte = 0;
  while (Read(&byte, 1) == 1 && byte != '\0') {
    if (byte == '\r') {
      // A CR LF pair is one break; any other byte after a CR starts the next
      // line, so step back over it.
      char next = 0;
      if (Read(&next, 1) == 1 && next != '\n') Ops->Seek(this, -1, kSeekFromCurrent);
      break;
    }
    if (byte == '\n') break;
    line.push_back(byte);
  }
  return line;
}

std::string TStream::ReadAll() {
  std::string bytes(Size(), '\0');
  SetPosition(0);
  bytes.resize(bytes.empty() ? 0 : Read(bytes.data(), static_cast<uint32_t>(bytes.size())));
  return bytes;
}

void FreeStream(TStream*& stream) {
  TStream* old = stream;
  stream = nullptr;
  FreeObj(old);
}
