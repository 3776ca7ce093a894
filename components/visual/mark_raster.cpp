#include "components/visual/mark_raster.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr uint32_t kFilledBit = 1u << 0;
constexpr uint32_t kHollowBit = 1u << 1;
constexpr int kTickShift = 2;  // then 8 direction bits per look

}  // namespace

int32_t TickDirection(int32_t tickX, int32_t tickY) {
  // Up on the screen is -y; the octant is found from signs and which axis
  // is longer, without a trigonometric call.
  const int32_t x = tickX, y = -tickY;
  const int32_t ax = std::abs(x), ay = std::abs(y);
  if (x >= 0 && y >= 0) return ax >= ay ? 0 : 1;
  if (x < 0 && y >= 0) return ay > ax ? 2 : 3;
  if (x < 0) return ax >= ay ? 4 : 5;
  return ay > ax ? 6 : 7;
}

void TMarkRaster::Attach(uint32_t* pixels, int32_t width, int32_t height) {
  Pixels = pixels;
  Width = std::max(width, 0);
  Height = std::max(height, 0);
  Drawn.assign(static_cast<size_t>(Width) * Height, 0);
  WrittenCount = 0;
}

void TMarkRaster::Mark(int32_t x, int32_t y, int32_t half, bool hollow, int32_t tickX, int32_t tickY,
                       uint32_t color) {
  if (x < -half - 16 || y < -half - 16 || x >= Width + half + 16 || y >= Height + half + 16) return;
  // Marks centred outside the buffer are rare (an edge): they are written
  // without the record of what is drawn.
  const bool inside = x >= 0 && y >= 0 && x < Width && y < Height;
  uint32_t unused = 0;
  uint32_t& drawn = inside ? Drawn[static_cast<size_t>(y) * Width + x] : unused;
  const uint32_t squareBit = hollow ? kHollowBit : kFilledBit;
  const bool hasTick = tickX != 0 || tickY != 0;
  const uint32_t tickBit =
      hasTick ? 1u << (kTickShift + (hollow ? 8 : 0) + TickDirection(tickX, tickY)) : 0;
  if (!(drawn & squareBit)) {
    Square(x, y, half, hollow, color);
    drawn |= squareBit;
    ++WrittenCount;
  }
  if (hasTick && !(drawn & tickBit)) {
    Line(x, y, x + tickX, y + tickY, color);
    drawn |= tickBit;
  }
}

void TMarkRaster::Square(int32_t x, int32_t y, int32_t half, bool hollow, uint32_t color) {
  const int32_t left = std::max(x - half, 0), right = std::min(x + half, Width - 1);
  const int32_t top = std::max(y - half, 0), bottom = std::min(y + half, Height - 1);
  for (int32_t py = top; py <= bottom; ++py) {
    const bool edgeRow = py == y - half || py == y + half;
    uint32_t* row = Pixels + static_cast<size_t>(py) * Width;
    if (!hollow || edgeRow) {
      std::fill(row + left, row + right + 1, color);
    } else {
      Put(x - half, py, color);
      Put(x + half, py, color);
    }
  }
}

// The pixels of a line from (x0, y0) toward (x1, y1), the end one left out,
// as the platform draws a line.
void TMarkRaster::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t color) {
  const int32_t dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int32_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int32_t error = dx + dy;
  while (x0 != x1 || y0 != y1) {
    Put(x0, y0, color);
    const int32_t twice = 2 * error;
    if (twice >= dy) error += dy, x0 += sx;
    if (twice <= dx) error += dx, y0 += sy;
  }
}
