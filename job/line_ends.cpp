#include "job/line_ends.h"

std::string WithCrLfLineEnds(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 16 + 2);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char byte = bytes[i];
    if (byte == '\r') {
      text += "\r\n";
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else if (byte == '\n') {
      text += "\r\n";
    } else {
      text.push_back(byte);
    }
  }
  if (!text.empty() && text.back() != '\n') text += "\r\n";
  return text;
}

std::string BoxLines(const std::string& text) {
  std::string box = WithCrLfLineEnds(text);
  while (box.size() >= 2 && box.compare(box.size() - 2, 2, "\r\n") == 0) box.resize(box.size() - 2);
  return box;
}
