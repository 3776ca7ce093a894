#include "toolkit/bitmap.h"

TBitmap::~TBitmap() {
  if (Handle) DeleteObject(Handle);
}

TBitmap* CreateBitmap(int32_t width, int32_t height) {
  auto* bitmap = New<TBitmap>();
  bitmap->Width = width;
  bitmap->Height = height;
  if (width != 0 && height != 0) {
    HDC screen = GetDC(nullptr);
    bitmap->Handle = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
  }
  return bitmap;
}

bool BitmapEmpty(const TBitmap* bitmap) {
  return !bitmap || bitmap->Width == 0 || bitmap->Height == 0 ||
         (!bitmap->Handle && bitmap->Pixels.empty());
}

void BitmapDraw(TBitmap* bitmap, HDC dc, int32_t x, int32_t y) {
  if (BitmapEmpty(bitmap)) return;
  if (!bitmap->Handle) {
    BITMAPINFO info{};
    info.bmiHeader = bitmap->Header;
    StretchDIBits(dc, x, y, bitmap->Width, bitmap->Height, 0, 0, bitmap->Width, bitmap->Height,
                  bitmap->Pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    return;
  }
  HDC memory = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(memory, bitmap->Handle);
  BitBlt(dc, x, y, bitmap->Width, bitmap->Height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}
