// Component marks written straight into a 32-bit pixel buffer, each pixel
// position and look at most once per picture. A panel of thousands of boards
// puts millions of marks on a few hundred thousand pixels; drawing each one
// through the platform's calls would take minutes, writing the pixels that
// change takes milliseconds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One of 8 directions (0: right, counted counter-clockwise on the screen,
// whose y grows downward) of a tick's offset, found from the signs and the
// longer axis.
inline int32_t TickDirection(int32_t tickX, int32_t tickY) {
  const int32_t x = tickX, y = -tickY;
  const bool wide = (x < 0 ? -x : x) >= (y < 0 ? -y : y);
  if (y >= 0) return x >= 0 ? (wide ? 0 : 1) : (wide ? 3 : 2);
  return x < 0 ? (wide ? 4 : 5) : (wide ? 7 : 6);
}

// A component's mark as every board repeats it: its pixel from the board's
// offset, and what the raster records of it on a board that is not skipped
// and on one that is.
struct TBoardMark {
  int32_t Y, X, TickX, TickY;
  bool Skipped;
  uint32_t Bits = 0, SkippedBoardBits = 0;
  auto operator<=>(const TBoardMark&) const = default;
};

class TMarkRaster {
 public:
  // The buffer: top-down rows of `width` pixels, each 0x00RRGGBB.
  void Attach(uint32_t* pixels, int32_t width, int32_t height);

  // A square of side 2 * half + 1 centred on (x, y), filled or as its
  // outline only, with a tick from the centre to (x + tickX, y + tickY)
  // (none when both are 0), the tick's end pixel left out. A mark of the
  // same look (hollow or not) and a tick of the same direction already at
  // that pixel are not written again. Parts outside the buffer are left out.
  void Mark(int32_t x, int32_t y, int32_t half, bool hollow, int32_t tickX, int32_t tickY, uint32_t color) {
    // Most marks of a dense picture land where one is already: that answer
    // is kept short.
    if (!Has(x, y, Bits(hollow, tickX, tickY))) Write(x, y, half, hollow, tickX, tickY, color);
  }

  // A highlighted component: a filled square of side 2 * half + 3, a tick
  // two pixels wide and a ring of `radius` pixels around (x, y). A highlight
  // with a tick of the same direction already at that pixel is not written
  // again.
  void Highlight(int32_t x, int32_t y, int32_t half, int32_t tickX, int32_t tickY, int32_t radius, uint32_t color);

  // What Mark records of a mark, and whether all of it is at (x, y): a
  // caller that places many marks asks this first, with the bits worked
  // out once.
  static uint32_t Bits(bool hollow, int32_t tickX, int32_t tickY) {
    return SquareBit(hollow) | TickBit(hollow, tickX, tickY);
  }
  bool Has(int32_t x, int32_t y, uint32_t bits) const {
    return x >= 0 && y >= 0 && x < Width && y < Height && (Drawn[static_cast<size_t>(y) * Width + x] & bits) == bits;
  }

  // Squares written since Attach.
  int64_t Written() const { return WrittenCount; }

 private:
  uint32_t* Pixels = nullptr;
  int32_t Width = 0, Height = 0;
  // Per pixel: bit 0 a filled square, bit 1 a hollow one, then 8 bits of
  // tick directions for each; bit 18 a highlight, then 8 bits of its tick
  // directions.
  std::vector<uint32_t> Drawn;
  int64_t WrittenCount = 0;

  static uint32_t SquareBit(bool hollow) { return hollow ? 2u : 1u; }
  static uint32_t TickBit(bool hollow, int32_t tickX, int32_t tickY) {
    return tickX == 0 && tickY == 0 ? 0 : 1u << (2 + (hollow ? 8 : 0) + TickDirection(tickX, tickY));
  }
  void Write(int32_t x, int32_t y, int32_t half, bool hollow, int32_t tickX, int32_t tickY, uint32_t color);
  void Put(int32_t x, int32_t y, uint32_t color) {
    if (x >= 0 && y >= 0 && x < Width && y < Height) Pixels[static_cast<size_t>(y) * Width + x] = color;
  }
  void Square(int32_t x, int32_t y, int32_t half, bool hollow, uint32_t color);
  void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t color);
  void Ring(int32_t x, int32_t y, int32_t radius, uint32_t color);
};

// 0x00RRGGBB from the platform's 0x00BBGGRR.
constexpr uint32_t PixelOf(uint32_t colorref) {
  return ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
}
