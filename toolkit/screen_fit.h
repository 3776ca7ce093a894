// Where a window's remembered place may stay: on a screen whose work area
// still holds enough of its caption to take it with the mouse. A place left
// off every screen (a monitor removed, another resolution) comes back into
// the work area of the nearest one.
#pragma once

#include <cstdint>

struct TScreenRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  bool operator==(const TScreenRect&) const = default;
};

// How much of the caption must lie in the work area: its top edge, and this
// many pixels of its width.
inline constexpr int32_t kCaptionGripHeight = 24;
inline constexpr int32_t kCaptionGripWidth = 64;

// The place unchanged when its caption can be reached in `workArea`;
// otherwise made no larger than the work area and moved, as little as
// needed, wholly into it.
TScreenRect FitOnScreen(const TScreenRect& place, const TScreenRect& workArea);
