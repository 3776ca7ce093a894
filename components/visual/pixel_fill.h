// Rectangles filled straight into a 32-bit pixel buffer, each pixel once
// however many of them cover it: thousands of overlapping boards cost as
// much as the area they cover together.
#pragma once

#include <cstdint>
#include <vector>

struct TPixelRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;  // right and bottom excluded
};

class TUnionFill {
 public:
  // `pixels`: top-down rows of `width` pixels. Parts outside the buffer are
  // left out.
  void Fill(uint32_t* pixels, int32_t width, int32_t height, const std::vector<TPixelRect>& rects, uint32_t color);

 private:
  // Kept from one fill to the next: a new buffer of this size each paint
  // costs more in fresh memory pages than the fill itself.
  std::vector<int32_t> Edges;
};
