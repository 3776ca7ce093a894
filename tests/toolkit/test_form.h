// A real top-level toolkit window for the tests of painting, navigation and
// layout, and helpers that drive it the way the user would.
#pragma once

#include <windows.h>

#include "tests/support/wait.h"
#include "tests/support/window_text.h"
#include "toolkit/app_window.h"
#include "toolkit/control.h"
#include "toolkit/control_create.h"

// A form window at a fixed place, shown and brought to the foreground.
inline TControl* CreateTestForm(int32_t clientWidth, int32_t clientHeight) {
  TControl* form = CreateFormWindow(nullptr, "test form");
  form->SetBoundsRect(RECT{40, 40, 40 + clientWidth, 40 + clientHeight});
  form->GetHandle();
  form->SetClientSize(clientWidth, clientHeight);
  return form;
}

inline void ShowTestForm(TControl* form) {
  form->VisibleSet = 1;
  form->SetVisible(true);
  form->CreateWindowNow();
  SetForegroundWindow(form->Handle);
}

// Presses and releases a key in the focused window of the form, with Shift
// or Ctrl held when asked. The messages go through the thread's queue as typed keys
// do; they are posted rather than sent as system input, which goes to
// whichever program has the foreground.
inline void PressKey(TControl* form, WORD key, bool shift = false, bool ctrl = false) {
  if (!GetFocus()) SetFocus(form->FocusedControl ? form->FocusedControl->Handle : form->Handle);
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  keys[VK_CONTROL] = ctrl ? 0x80 : 0;
  SetKeyboardState(keys);
  HWND focus = GetFocus();
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageA(focus, WM_KEYDOWN, key, scan | 1);
  PostMessageA(focus, WM_KEYUP, key, scan | 1 | (3u << 30));
  DispatchQueued();
  keys[VK_SHIFT] = 0;
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}
