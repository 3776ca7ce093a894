// Colour values. A colour is a 32-bit value: a negative value names a system
// colour by its low byte (the platform's system colour index), any other
// value is RGB with red in the low byte.
#pragma once

#include <cstdint>

// The platform's system colour indices that the program names.
enum TSystemColorIndex : uint8_t {
  kSysMenu = 4,
  kSysWindow = 5,
  kSysWindowText = 8,
  kSysHighlight = 13,
  kSysHighlightText = 14,
  kSysButtonFace = 15,
  kSysInfoText = 23,
  kSysInfoBack = 24,
};

// A system colour as the toolkit's controls and graphics tools hold it.
constexpr int32_t SystemColor(TSystemColorIndex index) {
  return static_cast<int32_t>(0x80000000u | index);
}
// The same colour as the components' properties hold it (every high bit
// set); both resolve alike.
constexpr int32_t ComponentSystemColor(TSystemColorIndex index) {
  return static_cast<int32_t>(0xFF000000u | index);
}

constexpr bool IsSystemColor(int32_t value) { return value < 0; }
constexpr int32_t SystemColorIndex(int32_t value) { return value & 0xFF; }
