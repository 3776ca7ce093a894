// Position and size. The stored BoundsRect is in parent client coordinates
// (screen coordinates for top-level windows); with a window it is read back
// from the window, which the user may have moved.
#include "toolkit/control.h"

RECT TControl::GetBoundsRect() {
  if (!HasWindow()) return BoundsRect;
  RECT r;
  if (!GetWindowRect(Handle, &r)) return BoundsRect;
  if (IsControl && Parent && Parent->HasWindow()) {
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    ScreenToClient(Parent->Handle, &corners[0]);
    ScreenToClient(Parent->Handle, &corners[1]);
    r = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  }
  BoundsRect = r;
  return r;
}

void TControl::SetBoundsRect(const RECT& r) {
  RECT current = GetBoundsRect();
  if (EqualRect(&current, &r)) return;
  if (r.left != current.left) PositionSet |= 1;
  if (r.top != current.top) PositionSet |= 2;
  BoundsRect = r;
  if (!HasWindow()) return;
  SetWindowPos(Handle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (HideOnSetText) Invalidate();
}

int32_t TControl::GetLeft() { return GetBoundsRect().left; }
int32_t TControl::GetTop() { return GetBoundsRect().top; }
int32_t TControl::GetWidth() {
  RECT r = GetBoundsRect();
  return r.right - r.left;
}
int32_t TControl::GetHeight() {
  RECT r = GetBoundsRect();
  return r.bottom - r.top;
}

void TControl::SetLeft(int32_t left) { SetPosition(left, GetTop()); }
void TControl::SetTop(int32_t top) { SetPosition(GetLeft(), top); }

void TControl::SetPosition(int32_t left, int32_t top) {
  RECT r = GetBoundsRect();
  SetBoundsRect(RECT{left, top, left + (r.right - r.left), top + (r.bottom - r.top)});
}

void TControl::SetWidth(int32_t width) {
  RECT r = GetBoundsRect();
  SetBoundsRect(RECT{r.left, r.top, r.left + width, r.bottom});
}

void TControl::SetHeight(int32_t height) {
  RECT r = GetBoundsRect();
  SetBoundsRect(RECT{r.left, r.top, r.right, r.top + height});
}

void TControl::SetSize(int32_t width, int32_t height) {
  RECT r = GetBoundsRect();
  if (width > 0) r.right = r.left + width;
  if (height > 0) r.bottom = r.top + height;
  SetBoundsRect(r);
}

void TControl::SetClientSize(int32_t width, int32_t height) {
  HWND window = GetHandle();
  RECT client{0, 0, 0, 0};
  if (window) GetClientRect(window, &client);
  RECT outer = GetBoundsRect();
  int32_t outerWidth = outer.right - outer.left, outerHeight = outer.bottom - outer.top;
  SetSize(width > 0 ? width + outerWidth - client.right : 0,
          height > 0 ? height + outerHeight - client.bottom : 0);
}

RECT TControl::ClientRect() {
  RECT r{0, 0, 0, 0};
  HWND window = GetHandle();
  if (window) GetClientRect(window, &r);
  r.left += PaddingLeft;
  r.top += PaddingTop;
  r.right -= PaddingRight;
  r.bottom -= PaddingBottom;
  return r;
}
