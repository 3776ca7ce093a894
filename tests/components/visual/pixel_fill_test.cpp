// Overlapping rectangles filled into a small pixel buffer: the pixels under
// any of them and no others, the parts beyond the edges left out (the
// native build runs this under AddressSanitizer).
#include "components/visual/pixel_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(UnionFillTest, FillsThePixelsUnderAnyRectangleAndNoOthers) {
  constexpr int kWidth = 8, kHeight = 5;
  const std::vector<TPixelRect> rects = {{1, 1, 4, 3}, {3, 2, 6, 4}, {-5, 4, 2, 9}, {7, -3, 12, 1}, {5, 0, 5, 5}};
  const char* const expected =
      ".......#"
      ".###...."
      ".#####.."
      "...###.."
      "##......";
  std::vector<uint32_t> pixels(kWidth * kHeight, 0);
  TUnionFill fill;
  fill.Fill(pixels.data(), kWidth, kHeight, rects, 7);
  fill.Fill(pixels.data(), kWidth, kHeight, {}, 9);  // nothing to fill: nothing changes
  std::string picture;
  for (uint32_t p : pixels) picture += p == 7 ? '#' : p == 0 ? '.' : '?';
  EXPECT_EQ(picture, expected);
}

}  // namespace
