// Marks written into a small pixel buffer: their shape, each place and look
// once, and the parts beyond the buffer's edges left out (the native build
// runs this under AddressSanitizer).
#include "components/visual/mark_raster.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kSide = 12;
constexpr uint32_t kInk = 0x123456;

// The buffer as rows of '#' (ink) and '.' (paper).
std::string Picture(const std::vector<uint32_t>& pixels) {
  std::string text;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) text += pixels[y * kSide + x] == kInk ? '#' : '.';
    text += '\n';
  }
  return text;
}

TEST(MarkRasterTest, WritesSquaresAndTicksOncePerPlaceAndLookWithinTheBuffer) {
  struct Case {
    const char* name;
    int x, y, half;
    bool hollow;
    int tickX, tickY;
    std::vector<std::pair<int, int>> inked, clear;
  };
  const Case cases[] = {
      {"filled with a tick to the right", 5, 5, 1, false, 4, 0, {{4, 4}, {5, 5}, {6, 6}, {8, 5}}, {{9, 5}, {5, 8}}},
      {"hollow with a tick upward", 5, 5, 2, true, 0, -4, {{3, 3}, {7, 7}, {5, 2}}, {{4, 4}, {5, 1}}},
      {"a diagonal tick", 5, 5, 0, false, 3, -3, {{5, 5}, {6, 4}, {7, 3}}, {{8, 2}, {6, 5}}},
      {"over the top left corner", 0, 0, 2, false, -5, -5, {{0, 0}, {2, 2}}, {{3, 3}}},
      {"over the bottom right corner", 11, 11, 2, true, 6, 6, {{9, 9}, {11, 9}}, {{10, 10}}},
      {"wholly outside", -40, 3, 2, false, 7, 0, {}, {{0, 3}}},
  };
  for (const Case& c : cases) {
    std::vector<uint32_t> pixels(kSide * kSide, 0);
    TMarkRaster raster;
    raster.Attach(pixels.data(), kSide, kSide);
    raster.Mark(c.x, c.y, c.half, c.hollow, c.tickX, c.tickY, kInk);
    for (auto [x, y] : c.inked) EXPECT_EQ(pixels[y * kSide + x], kInk) << c.name << " at " << x << "," << y << "\n" << Picture(pixels);
    for (auto [x, y] : c.clear) EXPECT_EQ(pixels[y * kSide + x], 0u) << c.name << " at " << x << "," << y << "\n" << Picture(pixels);
  }

  // The same place: a second mark of the same look is not written, one of
  // the other look or with a tick in another direction is.
  std::vector<uint32_t> pixels(kSide * kSide, 0);
  TMarkRaster raster;
  raster.Attach(pixels.data(), kSide, kSide);
  for (int i = 0; i < 100; ++i) raster.Mark(5, 5, 1, false, 3, 0, kInk);
  EXPECT_EQ(raster.Written(), 1);
  pixels[5 * kSide + 7] = 0;
  raster.Mark(5, 5, 1, false, 3, 1, kInk);  // the same direction, one pixel apart
  EXPECT_EQ(pixels[5 * kSide + 7], 0u);
  raster.Mark(5, 5, 1, false, 0, 3, kInk);
  EXPECT_EQ(pixels[7 * kSide + 5], kInk) << "a tick downward";
  raster.Mark(5, 5, 1, true, 0, 0, kInk);
  EXPECT_EQ(raster.Written(), 2);
  raster.Attach(pixels.data(), kSide, kSide);
  EXPECT_EQ(raster.Written(), 0) << "a new picture starts empty";
}

}  // namespace
