#include "core/font.h"

TFontRec MakeFont(const std::string& name, uint8_t size, uint8_t style, uint32_t color,
                  uint8_t charSet) {
  TFontRec font;
  font.Name = name;
  font.Size = size;
  font.Style = style;
  font.Color = color;
  font.CharSet = charSet;
  return font;
}

int32_t PointsToHeightAt(int32_t points, int32_t pixelsPerInch) {
  return -((points * pixelsPerInch + 36) / 72);
}
