// Where the job's coordinates land in a window: a scale in pixels per job
// unit and the pixel position of the job's (0, 0). Y grows upward in the job
// and downward on the screen, as on the machine's table seen from above.
#pragma once

#include <cstdint>

#include "job/placement_job.h"

struct TPixelArea {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TViewTransform {
  double Scale = 1;  // pixels per job unit
  double OriginX = 0;
  double OriginY = 0;

  double ScreenX(double x) const { return OriginX + x * Scale; }
  double ScreenY(double y) const { return OriginY - y * Scale; }
  double JobX(double screenX) const { return (screenX - OriginX) / Scale; }
  double JobY(double screenY) const { return (OriginY - screenY) / Scale; }

  // The whole extent, centred, as large as the area allows. An empty extent
  // puts the job's (0, 0) at the area's lower left corner at scale 1; a flat
  // one is given one unit of size.
  void Fit(const TExtent& extent, const TPixelArea& area);
  // Scales by `factor` keeping the job point under (x, y) where it is. The
  // scale stays within kMinScale .. kMaxScale.
  void ZoomAbout(double x, double y, double factor);
  void Pan(double dx, double dy) {
    OriginX += dx;
    OriginY += dy;
  }
};

// The whole pixel nearest to a screen position. Positions far beyond any
// screen are held at a billion pixels, so no conversion overflows.
int32_t RoundPixel(double v);

constexpr double kMinScale = 1e-4;
constexpr double kMaxScale = 1e4;

// The zoom factor for a wheel turn (120 per notch): 1.25 per notch in, the
// inverse out.
double WheelFactor(int32_t delta);

// A step for scale marks at least `minPixels` apart: 1, 2 or 5 times a power
// of ten job units.
double ScaleStep(double scale, double minPixels);
