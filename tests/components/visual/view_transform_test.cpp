// Where the job lands on the placement view's screen: fitting, zooming about
// a point and the scale marks.
#include "components/visual/view_transform.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewTransform, FitsCentresZoomsAboutAPointAndPicksScaleSteps) {
  TExtent extent;
  extent.Add(0, 0);
  extent.Add(100, 50);
  TViewTransform t;
  t.Fit(extent, TPixelArea{50, 20, 450, 420});
  EXPECT_DOUBLE_EQ(t.Scale, 4);
  EXPECT_DOUBLE_EQ(t.ScreenX(50), 250);
  EXPECT_DOUBLE_EQ(t.ScreenY(25), 220);
  EXPECT_LT(t.ScreenY(50), t.ScreenY(0)) << "Y grows upward";

  const double x = t.JobX(123), y = t.JobY(77);
  t.ZoomAbout(123, 77, WheelFactor(120));
  EXPECT_DOUBLE_EQ(t.Scale, 5);
  EXPECT_NEAR(t.JobX(123), x, 1e-9);
  EXPECT_NEAR(t.JobY(77), y, 1e-9);
  t.ZoomAbout(0, 0, 1e12);
  EXPECT_EQ(t.Scale, kMaxScale);
  t.ZoomAbout(0, 0, 1e-30);
  EXPECT_EQ(t.Scale, kMinScale);

  // Empty and flat extents still give a usable view.
  t.Fit(TExtent{}, TPixelArea{10, 10, 110, 110});
  EXPECT_EQ(t.ScreenX(0), 10);
  EXPECT_EQ(t.ScreenY(0), 110);
  TExtent point;
  point.Add(5, 5);
  t.Fit(point, TPixelArea{0, 0, 100, 100});
  EXPECT_DOUBLE_EQ(t.ScreenX(5), 50);

  EXPECT_DOUBLE_EQ(ScaleStep(4, 70), 20);
  EXPECT_DOUBLE_EQ(ScaleStep(1, 70), 100);
  EXPECT_DOUBLE_EQ(ScaleStep(100, 70), 1);
  EXPECT_DOUBLE_EQ(ScaleStep(0.01, 70), 10000);

  // Pixels: the nearest whole one, halves upward, far ones held.
  const std::pair<double, int32_t> pixels[] = {{2.5, 3},   {2.49, 2},  {-0.5, 0},   {-0.51, -1},
                                               {-3.5, -3}, {-7, -7},   {1e12, 1000000000}, {-1e12, -1000000000}};
  for (auto [v, pixel] : pixels) EXPECT_EQ(RoundPixel(v), pixel) << v;
}

}  // namespace
