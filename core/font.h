// Font description that the schema hands to visual components.
#pragma once

#include <cstdint>
#include <string>

enum : uint8_t { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

struct TFontRec {
  std::string Name;
  uint8_t Size = 0;   // points
  uint8_t Style = 0;  // kFont... bits; bold means weight 700
  // Top bit set: a system colour whose index is the low byte; else RGB.
  uint32_t Color = 0;
  uint8_t CharSet = 1;  // 1: default character set
};

TFontRec MakeFont(const std::string& name, uint8_t size, uint8_t style, uint32_t color,
                  uint8_t charSet);

// Logical font height for a point size on the screen (negative: character
// height). Reads the screen's vertical resolution once per process.
int32_t PointsToHeight(int32_t points);
// The same formula for a given resolution, without asking the platform.
int32_t PointsToHeightAt(int32_t points, int32_t pixelsPerInch);
