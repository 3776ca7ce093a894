#include <windows.h>

#include "core/font.h"

int32_t PointsToHeight(int32_t points) {
  // The screen resolution does not change for the life of the process.
  static const int32_t pixelsPerInch = [] {
    HDC screen = GetDC(nullptr);
    const int32_t dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
  }();
  return PointsToHeightAt(points, pixelsPerInch);
}
