// The big icon of a top-level window. A window without an icon of its own
// shows a copy of the application window's, or the program's "MAINICON".
#include "toolkit/control.h"

HICON TControl::GetIcon() {
  if (Icon == kNoIcon || Icon) return Icon;
  TControl* app = AppWindow;
  if (app && app != this) {
    HICON appIcon = app->GetIcon();
    if (appIcon && appIcon != kNoIcon) {
      Icon = static_cast<HICON>(CopyImage(appIcon, IMAGE_ICON, 0, 0, 0));
      IconShared = 0;
    }
  } else {
    Icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    IconShared = 1;  // a resource icon belongs to the module
  }
  return Icon;
}

void TControl::SetIcon(HICON icon) {
  if (icon == Icon) return;
  bool oldShared = IconShared != 0;
  HICON previous = Icon;
  Icon = icon;
  IconShared = 0;
  if (!HasWindow()) {
    // No window took the previous icon yet: it is still this control's to destroy.
    if (previous && previous != kNoIcon && !oldShared) DestroyIcon(previous);
    return;
  }
  auto old = reinterpret_cast<HICON>(SendMessageA(Handle, WM_SETICON, ICON_BIG,
                                                  reinterpret_cast<LPARAM>(icon == kNoIcon ? nullptr : icon)));
  if (old && old != icon && !oldShared) DestroyIcon(old);
}
