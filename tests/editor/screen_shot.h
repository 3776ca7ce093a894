// What the screen shows of a window, for tests that check pixels and for
// the screenshots of the documentation.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// What the screen shows of a window, pixel by pixel (top-down rows).
struct TScreenShot {
  int Width = 0, Height = 0;
  std::vector<uint32_t> Pixels;  // 0x00RRGGBB

  static TScreenShot Of(HWND window) {
    TScreenShot shot;
    RECT r{};
    GetWindowRect(window, &r);
    shot.Width = r.right - r.left, shot.Height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, shot.Width, shot.Height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.Width, shot.Height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.Width;
    info.bmiHeader.biHeight = -shot.Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    shot.Pixels.resize(static_cast<size_t>(shot.Width) * shot.Height);
    GetDIBits(memory, bitmap, 0, shot.Height, shot.Pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
  }
  // Pixels of that colour (a COLORREF) inside r (window coordinates).
  int Count(COLORREF color, const RECT& r) const {
    const uint32_t rgb = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    int n = 0;
    for (int y = std::max(0L, r.top); y < std::min<LONG>(Height, r.bottom); ++y)
      for (int x = std::max(0L, r.left); x < std::min<LONG>(Width, r.right); ++x)
        n += (Pixels[static_cast<size_t>(y) * Width + x] & 0xFFFFFF) == rgb;
    return n;
  }
  // A 24-bit bottom-up BMP file.
  bool Save(const std::string& path) const {
    const int stride = (Width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER head{};
    head.biSize = sizeof head;
    head.biWidth = Width;
    head.biHeight = Height;
    head.biPlanes = 1;
    head.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof head;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride) * Height;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&head), sizeof head);
    std::vector<char> row(static_cast<size_t>(stride), 0);
    for (int y = Height - 1; y >= 0; --y) {
      for (int x = 0; x < Width; ++x) {
        const uint32_t p = Pixels[static_cast<size_t>(y) * Width + x];
        row[x * 3] = static_cast<char>(p & 0xFF);
        row[x * 3 + 1] = static_cast<char>((p >> 8) & 0xFF);
        row[x * 3 + 2] = static_cast<char>((p >> 16) & 0xFF);
      }
      out.write(row.data(), stride);
    }
    return static_cast<bool>(out);
  }
};
