#include "components/visual/pixel_fill.h"

#include <algorithm>
#include <cstddef>

// Each rectangle adds 1 where it starts and -1 where it ends on each of its
// rows; a running sum along a row is then the number of rectangles over
// each pixel.
void TUnionFill::Fill(uint32_t* pixels, int32_t width, int32_t height, const std::vector<TPixelRect>& rects,
                      uint32_t color) {
  if (width <= 0 || height <= 0 || rects.empty()) return;
  const size_t stride = static_cast<size_t>(width) + 1;
  Edges.assign(stride * height, 0);
  std::vector<int32_t>& edges = Edges;
  bool any = false;
  for (const TPixelRect& r : rects) {
    const int32_t left = std::max(r.Left, 0), right = std::min(r.Right, width);
    const int32_t top = std::max(r.Top, 0), bottom = std::min(r.Bottom, height);
    if (left >= right || top >= bottom) continue;
    any = true;
    for (int32_t y = top; y < bottom; ++y) {
      ++edges[y * stride + left];
      --edges[y * stride + right];
    }
  }
  if (!any) return;
  for (int32_t y = 0; y < height; ++y) {
    const int32_t* row = &edges[y * stride];
    uint32_t* out = pixels + static_cast<size_t>(y) * width;
    int32_t over = 0;
    for (int32_t x = 0; x < width; ++x) {
      over += row[x];
      if (over > 0) out[x] = color;
    }
  }
}
