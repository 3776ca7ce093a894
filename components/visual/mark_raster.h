// Component marks written straight into a 32-bit pixel buffer, each pixel
// position and look at most once per picture. A panel of thousands of boards
// puts millions of marks on a few hundred thousand pixels; drawing each one
// through the platform's calls would take minutes, writing the pixels that
// change takes milliseconds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TMarkRaster {
 public:
  // The buffer: top-down rows of `width` pixels, each 0x00RRGGBB.
  void Attach(uint32_t* pixels, int32_t width, int32_t height);

  // A square of side 2 * half + 1 centred on (x, y), filled or as its
  // outline only, with a tick from the centre to (x + tickX, y + tickY)
  // (none when both are 0), the tick's end pixel left out. A mark of the
  // same look (hollow or not) and a tick of the same direction already at
  // that pixel are not written again. Parts outside the buffer are left out.
  void Mark(int32_t x, int32_t y, int32_t half, bool hollow, int32_t tickX, int32_t tickY, uint32_t color);

  // Marks written since Attach, squares and ticks counted apart.
  int64_t Written() const { return WrittenCount; }

 private:
  uint32_t* Pixels = nullptr;
  int32_t Width = 0, Height = 0;
  // Per pixel: bit 0 a filled square, bit 1 a hollow one, then 8 bits of
  // tick directions for each.
  std::vector<uint32_t> Drawn;
  int64_t WrittenCount = 0;

  void Put(int32_t x, int32_t y, uint32_t color) {
    if (x >= 0 && y >= 0 && x < Width && y < Height) Pixels[static_cast<size_t>(y) * Width + x] = color;
  }
  void Square(int32_t x, int32_t y, int32_t half, bool hollow, uint32_t color);
  void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t color);
};

// One of 8 directions (0: right, counted counter-clockwise on the screen,
// whose y grows downward) of a tick's offset.
int32_t TickDirection(int32_t tickX, int32_t tickY);

// 0x00RRGGBB from the platform's 0x00BBGGRR.
constexpr uint32_t PixelOf(uint32_t colorref) {
  return ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
}
