// Colour and word helpers. A colour is a 32-bit value: a negative value names
// a system colour by its low byte, any other value is RGB with red in the low
// byte.
#pragma once

#include <cstdint>

inline int32_t MakeColor(uint32_t r, uint32_t g, uint32_t b) {
  return static_cast<int32_t>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
// The caller takes the low byte of these.
inline int32_t ColorRed(int32_t value) { return value; }
inline int32_t ColorGreen(int32_t value) { return value >> 8; }
inline int32_t ColorBlue(int32_t value) { return value >> 16; }

inline bool IsSystemColor(int32_t value) { return value < 0; }
inline int32_t SystemColorIndex(int32_t value) { return value & 0xFF; }

inline int32_t MakeLong(int32_t lo, int32_t hi) {
  return static_cast<int32_t>((static_cast<uint32_t>(hi) << 16) | (static_cast<uint32_t>(lo) & 0xFFFF));
}
inline int32_t HighWord(int32_t v) { return v >> 16; }
