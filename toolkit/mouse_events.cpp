// Mouse events: one dispatcher, attached when the first mouse event is set,
// turns the mouse messages of the control's own window into the events.
#include "toolkit/control.h"

namespace {

uint32_t AltBit() { return GetKeyState(VK_MENU) < 0 ? uint32_t{kShiftAlt} : 0u; }

bool MouseDispatcher(void*, TControl* control, TMsg& msg, LRESULT& result) {
  if (msg.Message < WM_MOUSEFIRST || msg.Message > WM_MOUSEWHEEL || msg.Window != control->Handle)
    return false;
  TMouseEventData mouse;
  mouse.Shift = static_cast<uint32_t>(msg.WParam) | AltBit();
  mouse.X = static_cast<int16_t>(LOWORD(msg.LParam));
  mouse.Y = static_cast<int16_t>(HIWORD(msg.LParam));
  TMouseEvent* event = nullptr;
  switch (msg.Message) {
    case WM_MOUSEMOVE: event = &control->OnMouseMove; break;
    case WM_LBUTTONDOWN: mouse.Button = 1; event = &control->OnMouseDown; break;
    case WM_RBUTTONDOWN: mouse.Button = 2; event = &control->OnMouseDown; break;
    case WM_MBUTTONDOWN: mouse.Button = 3; event = &control->OnMouseDown; break;
    case WM_LBUTTONUP: mouse.Button = 1; event = &control->OnMouseUp; break;
    case WM_RBUTTONUP: mouse.Button = 2; event = &control->OnMouseUp; break;
    case WM_MBUTTONUP: mouse.Button = 3; event = &control->OnMouseUp; break;
    case WM_LBUTTONDBLCLK: mouse.Button = 1; event = &control->OnMouseDblClk; break;
    case WM_RBUTTONDBLCLK: mouse.Button = 2; event = &control->OnMouseDblClk; break;
    case WM_MBUTTONDBLCLK: mouse.Button = 3; event = &control->OnMouseDblClk; break;
    case WM_MOUSEWHEEL: event = &control->OnMouseWheel; break;
    default: return false;
  }
  if (!*event) return false;
  (*event)(control, mouse);
  if (!mouse.StopHandling) return false;
  result = 0;
  return true;
}

void AttachMouseDispatcher(TControl* control) { control->AttachMessageHandler(&MouseDispatcher); }

}  // namespace

void TControl::SetOnMouseDown(TMouseEvent handler) {
  OnMouseDown = handler;
  AttachMouseDispatcher(this);
}

void TControl::SetOnMouseUp(TMouseEvent handler) {
  OnMouseUp = handler;
  AttachMouseDispatcher(this);
}

void TControl::SetOnMouseMove(TMouseEvent handler) {
  OnMouseMove = handler;
  AttachMouseDispatcher(this);
}

void TControl::SetOnMouseDblClk(TMouseEvent handler) {
  OnMouseDblClk = handler;
  AttachMouseDispatcher(this);
}

void TControl::SetOnMouseWheel(TMouseEvent handler) {
  OnMouseWheel = handler;
  AttachMouseDispatcher(this);
}
