#include "components/visual/button_bar.h"

#include "toolkit/align.h"
#include "toolkit/control_create.h"

namespace {
constexpr int32_t kBarHeight = 34;
constexpr int32_t kHelpRight = 1200;
}  // namespace

TButtonBar MakeButtonBar(TControl* window, const char* caption, int32_t buttonWidth, int32_t statusWidth,
                         const char* help) {
  TControl* bar = CreateChildControl(window, "STATIC", WS_CHILD | WS_VISIBLE, TControlActions{}, 0);
  bar->SetHeight(kBarHeight);
  SetAlign(bar, kAlignBottom);
  TButtonBar parts;
  parts.Button = CreateChildControl(bar, "BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                    TControlActions{}, 0);
  parts.Button->SetCaption(caption);
  parts.Button->SetBoundsRect(RECT{4, 5, 4 + buttonWidth, 29});
  const int32_t statusLeft = 16 + buttonWidth;
  parts.Status = CreateLabelControl(bar, "");
  parts.Status->SetBoundsRect(RECT{statusLeft, 10, statusLeft + statusWidth, 28});
  TControl* helpLine = CreateLabelControl(bar, help);
  helpLine->SetBoundsRect(RECT{statusLeft + statusWidth + 4, 10, kHelpRight, 28});
  return parts;
}
