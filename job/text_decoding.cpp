#include "job/text_decoding.h"

#include <cstdint>

namespace {

// The characters of the bytes 0x80..0xBF; 0 marks the byte without one.
// 0xC0..0xFF are U+0410..U+044F in order.
constexpr uint16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0,      0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char CharToCp1251(uint32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  if (c >= 0x0410 && c <= 0x044F) return static_cast<char>(0xC0 + (c - 0x0410));
  for (int i = 0; i < 64; ++i)
    if (kUpperHalf[i] == c) return static_cast<char>(0x80 + i);
  return '?';
}

uint32_t Cp1251ToChar(unsigned char b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return 0x0410 + (b - 0xC0);
  return kUpperHalf[b - 0x80];
}

// The character starting at bytes[at] and its length; false when the bytes
// there are no well-formed UTF-8 (overlong forms and surrogates included).
bool NextUtf8(const std::string& bytes, size_t at, uint32_t& c, size_t& length) {
  const unsigned char b = bytes[at];
  uint32_t least;
  if (b < 0x80) {
    c = b, length = 1;
    return true;
  } else if ((b & 0xE0) == 0xC0) {
    c = b & 0x1F, length = 2, least = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    c = b & 0x0F, length = 3, least = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    c = b & 0x07, length = 4, least = 0x10000;
  } else {
    return false;
  }
  if (at + length > bytes.size()) return false;
  for (size_t i = 1; i < length; ++i) {
    const unsigned char next = bytes[at + i];
    if ((next & 0xC0) != 0x80) return false;
    c = (c << 6) | (next & 0x3F);
  }
  return c >= least && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

bool IsUtf8(const std::string& bytes) {
  uint32_t c = 0;
  size_t length = 1;
  for (size_t at = 0; at < bytes.size(); at += length)
    if (!NextUtf8(bytes, at, c, length)) return false;
  return true;
}

std::string Utf8ToCp1251(const std::string& bytes, size_t from) {
  std::string out;
  out.reserve(bytes.size() - from);
  uint32_t c = 0;
  size_t length = 1;
  for (size_t at = from; at < bytes.size(); at += length) {
    NextUtf8(bytes, at, c, length);
    out += CharToCp1251(c);
  }
  return out;
}

// A pair of surrogates is one character (outside Windows-1251 anyway); a
// lone surrogate or an odd last byte is one more "?".
std::string Utf16ToCp1251(const std::string& bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size() / 2);
  auto unit = [&](size_t at) {
    const unsigned char a = bytes[at], b = bytes[at + 1];
    return static_cast<uint32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
  };
  size_t at = 2;
  for (; at + 1 < bytes.size(); at += 2) {
    const uint32_t c = unit(at);
    if (c >= 0xD800 && c <= 0xDBFF && at + 3 < bytes.size()) {
      const uint32_t low = unit(at + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) at += 2;
      out += '?';
    } else {
      out += CharToCp1251(c);
    }
  }
  if (at < bytes.size()) out += '?';
  return out;
}

bool StartsWith(const std::string& bytes, const char* mark) {
  return bytes.compare(0, std::char_traits<char>::length(mark), mark) == 0;
}

}  // namespace

std::string PlacementTextToCp1251(const std::string& bytes) {
  if (StartsWith(bytes, "\xFF\xFE")) return Utf16ToCp1251(bytes, false);
  if (StartsWith(bytes, "\xFE\xFF")) return Utf16ToCp1251(bytes, true);
  if (!IsUtf8(bytes)) return bytes;
  return Utf8ToCp1251(bytes, StartsWith(bytes, "\xEF\xBB\xBF") ? 3 : 0);
}

std::string Cp1251ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (unsigned char b : text) {
    const uint32_t c = Cp1251ToChar(b);
    if (c == 0) {
      out += '?';
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}
