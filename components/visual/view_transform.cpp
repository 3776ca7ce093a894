#include "components/visual/view_transform.h"

#include <algorithm>
#include <cmath>

void TViewTransform::Fit(const TExtent& extent, const TPixelArea& area) {
  const double width = std::max(1.0, area.Right - area.Left);
  const double height = std::max(1.0, area.Bottom - area.Top);
  if (extent.Empty) {
    Scale = 1;
    OriginX = area.Left;
    OriginY = area.Bottom;
    return;
  }
  const double spanX = std::max(extent.MaxX - extent.MinX, 1.0);
  const double spanY = std::max(extent.MaxY - extent.MinY, 1.0);
  Scale = std::clamp(std::min(width / spanX, height / spanY), kMinScale, kMaxScale);
  const double midX = (extent.MinX + extent.MaxX) / 2, midY = (extent.MinY + extent.MaxY) / 2;
  OriginX = (area.Left + area.Right) / 2 - midX * Scale;
  OriginY = (area.Top + area.Bottom) / 2 + midY * Scale;
}

void TViewTransform::ZoomAbout(double x, double y, double factor) {
  const double jobX = JobX(x), jobY = JobY(y);
  Scale = std::clamp(Scale * factor, kMinScale, kMaxScale);
  OriginX = x - jobX * Scale;
  OriginY = y + jobY * Scale;
}

int32_t RoundPixel(double v) { return static_cast<int32_t>(std::floor(std::clamp(v, -1e9, 1e9) + 0.5)); }

double WheelFactor(int32_t delta) { return std::pow(1.25, delta / 120.0); }

double ScaleStep(double scale, double minPixels) {
  const double minUnits = minPixels / scale;
  const double power = std::pow(10.0, std::floor(std::log10(minUnits)));
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * power >= minUnits) return m * power;
  return 10 * power;
}
