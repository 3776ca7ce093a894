#include "toolkit/screen_fit.h"

#include <algorithm>

namespace {

bool CaptionReachable(const TScreenRect& place, const TScreenRect& work) {
  const int32_t width = place.Right - place.Left;
  const int32_t shared = std::min(place.Right, work.Right) - std::max(place.Left, work.Left);
  return place.Top >= work.Top && place.Top <= work.Bottom - kCaptionGripHeight &&
         shared >= std::min(width, kCaptionGripWidth);
}

}  // namespace

TScreenRect FitOnScreen(const TScreenRect& place, const TScreenRect& workArea) {
  if (CaptionReachable(place, workArea)) return place;
  const int32_t width = std::min(place.Right - place.Left, workArea.Right - workArea.Left);
  const int32_t height = std::min(place.Bottom - place.Top, workArea.Bottom - workArea.Top);
  const int32_t left = std::clamp(place.Left, workArea.Left, workArea.Right - width);
  const int32_t top = std::clamp(place.Top, workArea.Top, workArea.Bottom - height);
  return {left, top, left + width, top + height};
}
