// Window opacity through the layered-window service, looked up at run time
// (a system without it keeps every window opaque).
#include "toolkit/control.h"

void TControl::SetAlphaBlend(int32_t alpha) {
  if (alpha == AlphaBlend) return;
  AlphaBlend = alpha;
  using TSetLayered = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  HMODULE user = GetModuleHandleA("User32");
  auto setLayered = user ? reinterpret_cast<TSetLayered>(reinterpret_cast<void*>(
                               GetProcAddress(user, "SetLayeredWindowAttributes")))
                         : nullptr;
  if (!setLayered) return;
  HWND window = GetHandle();
  if (!window) return;
  auto exStyle = static_cast<uint32_t>(GetWindowLongA(window, GWL_EXSTYLE));
  if (alpha == 255) {
    exStyle &= ~WS_EX_LAYERED;
    SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(exStyle));
  } else {
    exStyle |= WS_EX_LAYERED;
    SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>(exStyle));
    setLayered(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
  }
  ExStyle = exStyle;
}
