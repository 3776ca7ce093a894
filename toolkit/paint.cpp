#include "toolkit/paint.h"

#include "toolkit/canvas.h"

namespace {

constexpr char kPrevProc[] = "PREV_PROC";

// Answers WM_PAINT and WM_PRINT with the control's OnPaint event. A WM_PRINT
// that does not ask for the client area (buffered painting asks for the
// frame alone first) is left to the default handling: OnPaint would
// otherwise paint the whole client area twice per buffered repaint.
bool PaintHandler(void*, TControl* control, TMsg& msg, LRESULT& result) {
  if ((msg.Message != WM_PAINT && msg.Message != WM_PRINT) || !control->OnPaint) return false;
  if (msg.Message == WM_PRINT && !(msg.LParam & PRF_CLIENT)) return false;
  HWND window = msg.Window;

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetUpdateRgn(window, region, FALSE);
  if (kind == ERROR || kind == NULLREGION) {
    DeleteObject(region);
    region = nullptr;
  }
  HRGN oldRegion = control->UpdateRegion;
  HDC oldDC = control->PaintDC;
  control->UpdateRegion = region;

  PAINTSTRUCT paint;
  HDC dc = reinterpret_cast<HDC>(msg.WParam);
  const bool begun = dc == nullptr;
  if (begun) dc = BeginPaint(window, &paint);
  control->PaintDC = dc;

  control->OnPaint(control, dc);

  if (control->Canvas) CanvasReleaseDC(control->Canvas);
  if (begun) EndPaint(window, &paint);
  control->PaintDC = oldDC;
  control->UpdateRegion = oldRegion;
  if (region) DeleteObject(region);
  result = 0;
  return true;
}

// Takes a paint request off the window without drawing anything (BeginPaint
// also clears a request that has no update region).
void ClearPaintRequest(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

void PaintWindowIn(HDC dc, HWND window, POINT origin);

// Paints the windows of a sibling chain into dc, `origin` being the screen
// position of dc's (0, 0).
void PaintChainIn(HDC dc, HWND first, POINT origin) {
  for (HWND window = first; window; window = GetWindow(window, GW_HWNDNEXT)) {
    PaintWindowIn(dc, window, origin);
  }
}

// Runs `paint` on a scratch surface of the size of `area` that starts as a
// copy of that part of dc, then copies the result back. Native controls take
// their own client rectangle as device coordinates (a static text clips its
// drawing to it), so every window is painted into a context whose device
// origin is its own corner rather than into a context with a moved origin.
template <class Paint>
void PaintOnScratch(HDC dc, const RECT& area, Paint paint) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  // A window whose place is the corner of dc already has its own corner as
  // device origin: it is painted in place, clipped to its size. This spares
  // a buffered root (which starts at the buffer's corner) two full copies.
  if (area.left == 0 && area.top == 0) {
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, width, height);
    paint(dc);
    RestoreDC(dc, saved);
    return;
  }
  HDC scratch = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ old = SelectObject(scratch, bitmap);
  BitBlt(scratch, 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
  paint(scratch);
  BitBlt(dc, area.left, area.top, width, height, scratch, 0, 0, SRCCOPY);
  SelectObject(scratch, old);
  DeleteObject(bitmap);
  DeleteDC(scratch);
}

// Paints one visible window with its frame, background, content and child
// windows at its place in dc.
void PaintWindowIn(HDC dc, HWND window, POINT origin) {
  if (!IsWindowVisible(window)) return;
  RECT outer;
  GetWindowRect(window, &outer);
  POINT client = {0, 0};
  ClientToScreen(window, &client);
  RECT inner;
  GetClientRect(window, &inner);

  RECT place = outer;
  OffsetRect(&place, -origin.x, -origin.y);
  PaintOnScratch(dc, place, [&](HDC windowDC) {
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(windowDC), PRF_NONCLIENT);
    RECT clientPlace = inner;
    OffsetRect(&clientPlace, client.x - outer.left, client.y - outer.top);
    PaintOnScratch(windowDC, clientPlace, [&](HDC clientDC) {
      SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(clientDC), 0);
      SendMessageA(window, WM_PAINT, reinterpret_cast<WPARAM>(clientDC), 0);
      PaintChainIn(clientDC, GetWindow(window, GW_CHILD), client);
    });
  });
}

// Paints the root and everything inside it into the buffer, then copies the
// buffer to the screen in one step.
void PaintThroughBuffer(TControl* root) {
  HWND window = root->Handle;
  RECT update;
  RECT outer;
  GetWindowRect(window, &outer);
  RECT area;
  if (root->IsForm) {
    GetClientRect(window, &area);
  } else {
    area = outer;
    OffsetRect(&area, -outer.left, -outer.top);
  }
  if (!GetUpdateRect(window, &update, FALSE) || IsRectEmpty(&area)) {
    ClearPaintRequest(window);
    return;
  }
  // Validated first, so that the native default handling of the WM_PAINT
  // sent below finds nothing left to erase on the screen.
  ValidateRect(window, nullptr);
  root->PaintingBuffered = 1;

  HDC windowDC = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(windowDC);
  HGDIOBJ oldBitmap = SelectObject(memory, BufferBitmapFor(root, windowDC, area.right, area.bottom));
  HDC oldPaintDC = root->PaintDC;
  root->PaintDC = memory;

  POINT target = {0, 0};
  if (root->IsForm) {
    POINT client = {0, 0};
    ClientToScreen(window, &client);
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    SendMessageA(window, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    PaintChainIn(memory, GetWindow(window, GW_CHILD), client);
    target = {client.x - outer.left, client.y - outer.top};
  } else {
    PaintWindowIn(memory, window, POINT{outer.left, outer.top});
  }
  // The window context does not clip the children away: the copy covers them
  // with the picture they were painted into.
  BitBlt(windowDC, target.x, target.y, area.right, area.bottom, memory, 0, 0, SRCCOPY);

  root->PaintDC = oldPaintDC;
  SelectObject(memory, oldBitmap);
  DeleteDC(memory);
  ReleaseDC(window, windowDC);
  ValidateRect(window, nullptr);
  root->PaintingBuffered = 0;
}

// Window procedure of native child windows (a list view's header, say): inside
// a buffered root they leave their background and frame to the buffer.
LRESULT CALLBACK NativeChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto prev = reinterpret_cast<WNDPROC>(GetPropA(window, kPrevProc));
  if ((message == WM_ERASEBKGND || message == WM_NCPAINT) && !ControlOfWindow(window)) {
    TControl* parent = ControlOfWindow(GetParent(window));
    TControl* root = parent ? BufferedRoot(parent) : nullptr;
    if (root && !root->PaintingBuffered) return message == WM_ERASEBKGND ? 1 : 0;
  }
  if (!prev) return 0;
  LRESULT result = CallWindowProcA(prev, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) RemovePropA(window, kPrevProc);
  return result;
}

}  // namespace

void SetOnPaint(TControl* control, TPaintEvent handler) {
  control->OnPaint = handler;
  TMessageHandler paintHandler;
  paintHandler.Code = &PaintHandler;
  control->AttachMessageHandler(paintHandler);
}

TControl* BufferedRoot(TControl* control) {
  TControl* root = nullptr;
  for (TControl* c = control; c; c = c->Parent) {
    if (c->DoubleBuffered) root = c;
  }
  return root;
}

bool BufferFits(int32_t bufferWidth, int32_t bufferHeight, int32_t width, int32_t height) {
  return bufferWidth >= width && bufferHeight >= height && bufferWidth <= width + kBufferSlack &&
         bufferHeight <= height + kBufferSlack;
}

HBITMAP BufferBitmapFor(TControl* control, HDC compatible, int32_t width, int32_t height) {
  if (control->BufferBitmap &&
      BufferFits(control->BufferWidth, control->BufferHeight, width, height)) {
    return control->BufferBitmap;
  }
  if (control->BufferBitmap) DeleteObject(control->BufferBitmap);
  control->BufferBitmap = CreateCompatibleBitmap(compatible, width, height);
  control->BufferWidth = width;
  control->BufferHeight = height;
  return control->BufferBitmap;
}

bool BufferedPaintHandler(TControl* control, TMsg& msg, LRESULT& result) {
  TControl* root = BufferedRoot(control);
  if (!root) return false;
  switch (msg.Message) {
    case WM_SETTEXT:
      // A label would paint its new text straight onto the screen.
      if (!control->HideOnSetText) return false;
      ShowWindow(msg.Window, SW_HIDE);
      result = DefWindowProcA(msg.Window, msg.Message, msg.WParam, msg.LParam);
      ShowWindow(msg.Window, SW_SHOWNA);
      UpdateWindow(msg.Window);
      return true;
    case WM_PAINT:
      if (control == root) {
        if (msg.WParam != 0) return false;  // a context given: paint into it
        PaintThroughBuffer(root);
        result = 0;
        return true;
      }
      if (root->PaintingBuffered) return false;
      ClearPaintRequest(msg.Window);
      if (root->HasWindow()) InvalidateRect(root->Handle, nullptr, FALSE);
      result = 0;
      return true;
    case WM_ERASEBKGND:
      if ((control->Transparent || !root->PaintingBuffered) && control->Parent) {
        result = 1;
        return true;
      }
      return false;
    case WM_NCPAINT:
      if (control->IsForm || root->PaintingBuffered) return false;
      result = 0;
      return true;
    case WM_WINDOWPOSCHANGED:
    case WM_HSCROLL:
    case WM_VSCROLL:
      control->Invalidate();
      return false;
    case WM_COMMAND:
      if (HIWORD(msg.WParam) == 1) control->Invalidate();
      return false;
    default:
      return false;
  }
}

void InvalidateBufferedRoot(TControl* control) {
  TControl* root = BufferedRoot(control);
  if (root && root != control && root->HasWindow()) InvalidateRect(root->Handle, nullptr, FALSE);
}

void SubclassNativeChildren(TControl* control) {
  if (!control->HasWindow()) return;
  for (HWND child = GetWindow(control->Handle, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetPropA(child, kPrevProc)) continue;
    auto prev = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(child, GWLP_WNDPROC));
    SetPropA(child, kPrevProc, reinterpret_cast<HANDLE>(prev));
    SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeChildProc));
  }
}

void SetDoubleBuffered(TControl* control, bool on) {
  control->DoubleBuffered = on ? 1 : 0;
  GlobalPreHandler = &BufferedPaintHandler;
  InvalidateHook = &InvalidateBufferedRoot;
  AfterCreateHook = &SubclassNativeChildren;
}

void SetTransparent(TControl* control, bool on) {
  control->Transparent = on ? 1 : 0;
  if (on && control->Parent) SetDoubleBuffered(control->Parent, true);
}
