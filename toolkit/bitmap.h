// TBitmap: a platform bitmap with its size, or device-independent pixel data
// drawn without a handle.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "toolkit/obj.h"

class TBitmap : public TObj {
 public:
  int32_t Height = 0;
  int32_t Width = 0;
  HBITMAP Handle = nullptr;  // owned
  std::vector<uint8_t> Pixels;  // optional device-independent pixel data
  BITMAPINFOHEADER Header{};    // describes Pixels

 protected:
  ~TBitmap() override;
};

// A bitmap; with both sizes non-zero a platform bitmap compatible with the screen.
TBitmap* CreateBitmap(int32_t width, int32_t height);
// No handle, or a zero size.
bool BitmapEmpty(const TBitmap* bitmap);
// Copies the bitmap to dc at (x, y) at its own size; nothing for an empty one.
void BitmapDraw(TBitmap* bitmap, HDC dc, int32_t x, int32_t y);
