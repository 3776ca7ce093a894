// A memory drawing context over a 32-bit top-down bitmap whose pixels the
// program may also write itself, kept from one paint to the next while its
// size stays.
#pragma once

#include <windows.h>

#include <cstdint>

class TPixelCanvas {
 public:
  TPixelCanvas() = default;
  ~TPixelCanvas();
  TPixelCanvas(const TPixelCanvas&) = delete;
  TPixelCanvas& operator=(const TPixelCanvas&) = delete;

  // The context to draw on, of at least width x height pixels; null when the
  // platform refuses the bitmap.
  HDC Begin(HDC compatible, int32_t width, int32_t height);
  // The pixels (0x00RRGGBB), once the platform's drawing so far is done.
  uint32_t* Pixels() const;
  int32_t Width() const { return BitmapWidth; }
  int32_t Height() const { return BitmapHeight; }
  // Copies width x height pixels from the top left to `target`.
  void CopyTo(HDC target, int32_t width, int32_t height) const;

 private:
  HDC Dc = nullptr;
  HBITMAP Bitmap = nullptr;
  HGDIOBJ OldBitmap = nullptr;
  uint32_t* Bits = nullptr;
  int32_t BitmapWidth = 0, BitmapHeight = 0;

  void Release();
};
