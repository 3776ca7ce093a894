#include <windows.h>

#include <gtest/gtest.h>

#include "core/font.h"

TEST(FontHeight, FollowsTheScreenResolution) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(PointsToHeight(8), PointsToHeightAt(8, dpi));
  EXPECT_EQ(PointsToHeight(12), -((12 * dpi + 36) / 72));
}
