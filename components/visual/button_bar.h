// The strip along the bottom of a window of its own: a push button at its
// left, a label for a short status after it and a line of help after that.
#pragma once

#include <cstdint>

#include "toolkit/control.h"

struct TButtonBar {
  TControl* Button = nullptr;
  TControl* Status = nullptr;
};

// Made inside `window` in the window's font; the button's messages are the
// caller's to handle.
TButtonBar MakeButtonBar(TControl* window, const char* caption, int32_t buttonWidth, int32_t statusWidth,
                         const char* help);
