#include "components/visual/mark_raster.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

void TMarkRaster::Attach(uint32_t* pixels, int32_t width, int32_t height) {
  Pixels = pixels;
  Width = std::max(width, 0);
  Height = std::max(height, 0);
  Drawn.assign(static_cast<size_t>(Width) * Height, 0);
  WrittenCount = 0;
}

void TMarkRaster::Write(int32_t x, int32_t y, int32_t half, bool hollow, int32_t tickX, int32_t tickY,
                        uint32_t color) {
  if (x < -half - 16 || y < -half - 16 || x >= Width + half + 16 || y >= Height + half + 16) return;
  // Marks centred outside the buffer are rare (an edge): they are written
  // without the record of what is drawn.
  const bool inside = x >= 0 && y >= 0 && x < Width && y < Height;
  uint32_t unused = 0;
  uint32_t& drawn = inside ? Drawn[static_cast<size_t>(y) * Width + x] : unused;
  const uint32_t squareBit = SquareBit(hollow), tickBit = TickBit(hollow, tickX, tickY);
  if (!(drawn & squareBit)) {
    Square(x, y, half, hollow, color);
    drawn |= squareBit;
    ++WrittenCount;
  }
  if (tickBit && !(drawn & tickBit)) {
    Line(x, y, x + tickX, y + tickY, color);
    drawn |= tickBit;
  }
}

void TMarkRaster::Highlight(int32_t x, int32_t y, int32_t half, int32_t tickX, int32_t tickY, int32_t radius,
                            uint32_t color) {
  const int32_t reach = std::max(radius, half + 1) + 1;
  if (x < -reach || y < -reach || x >= Width + reach || y >= Height + reach) return;
  const bool inside = x >= 0 && y >= 0 && x < Width && y < Height;
  uint32_t unused = 0;
  uint32_t& drawn = inside ? Drawn[static_cast<size_t>(y) * Width + x] : unused;
  const bool hasTick = tickX != 0 || tickY != 0;
  const uint32_t bits = 1u << 18 | (hasTick ? 1u << (19 + TickDirection(tickX, tickY)) : 0);
  if ((drawn & bits) == bits) return;
  drawn |= bits;
  Square(x, y, half + 1, false, color);
  if (hasTick) {
    // The second pixel of the width lies across the tick's longer axis.
    const bool steep = std::abs(tickY) > std::abs(tickX);
    Line(x, y, x + tickX, y + tickY, color);
    Line(x + (steep ? 1 : 0), y + (steep ? 0 : 1), x + tickX + (steep ? 1 : 0), y + tickY + (steep ? 0 : 1), color);
  }
  Ring(x, y, radius, color);
}

// The midpoint circle: one eighth worked out, the rest by symmetry.
void TMarkRaster::Ring(int32_t x, int32_t y, int32_t radius, uint32_t color) {
  int32_t dx = radius, dy = 0, error = 1 - radius;
  while (dx >= dy) {
    for (auto [px, py] : {std::pair{dx, dy}, {dy, dx}, {-dy, dx}, {-dx, dy}, {-dx, -dy}, {-dy, -dx}, {dy, -dx}, {dx, -dy}})
      Put(x + px, y + py, color);
    ++dy;
    if (error < 0) {
      error += 2 * dy + 1;
    } else {
      --dx;
      error += 2 * (dy - dx) + 1;
    }
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
