#include "components/visual/pixel_canvas.h"

TPixelCanvas::~TPixelCanvas() { Release(); }

void TPixelCanvas::Release() {
  if (Dc) {
    SelectObject(Dc, OldBitmap);
    DeleteDC(Dc);
  }
  if (Bitmap) DeleteObject(Bitmap);
  Dc = nullptr, Bitmap = nullptr, Bits = nullptr;
  BitmapWidth = BitmapHeight = 0;
}

HDC TPixelCanvas::Begin(HDC compatible, int32_t width, int32_t height) {
  width = width < 1 ? 1 : width;
  height = height < 1 ? 1 : height;
  if (Dc && width == BitmapWidth && height == BitmapHeight) return Dc;
  Release();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  Bitmap = CreateDIBSection(compatible, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  Dc = Bitmap ? CreateCompatibleDC(compatible) : nullptr;
  if (!Dc) {
    Release();
    return nullptr;
  }
  OldBitmap = SelectObject(Dc, Bitmap);
  Bits = static_cast<uint32_t*>(bits);
  BitmapWidth = width, BitmapHeight = height;
  return Dc;
}

uint32_t* TPixelCanvas::Pixels() const {
  GdiFlush();
  return Bits;
}

void TPixelCanvas::CopyTo(HDC target, int32_t width, int32_t height) const {
  if (Dc) BitBlt(target, 0, 0, width, height, Dc, 0, 0, SRCCOPY);
}
