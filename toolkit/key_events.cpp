// Key events: the key dispatcher, installed as KeyEventsProc when a key
// event is set, runs inside the built-in key handling for the focused window.
#include "toolkit/control.h"

uint32_t KeyboardShift() {
  uint32_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kShiftCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= kShiftAlt;
  return shift;
}

namespace {

bool KeyDispatcher(TControl* control, TMsg& msg, LRESULT& result) {
  TKeyEvent* event = nullptr;
  switch (msg.Message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: event = &control->OnKeyDown; break;
    case WM_KEYUP:
    case WM_SYSKEYUP: event = &control->OnKeyUp; break;
    case WM_CHAR:
    case WM_SYSCHAR: event = &control->OnChar; break;
    default: return false;
  }
  if (!*event) return false;
  auto key = static_cast<int32_t>(msg.WParam);
  (*event)(control, key, KeyboardShift());
  if (key == 0) {
    result = 0;
    return true;
  }
  msg.WParam = static_cast<WPARAM>(static_cast<uint32_t>(key));
  return false;
}

}  // namespace

void TControl::SetOnKeyDown(TKeyEvent handler) {
  OnKeyDown = handler;
  KeyEventsProc = &KeyDispatcher;
}

void TControl::SetOnKeyUp(TKeyEvent handler) {
  OnKeyUp = handler;
  KeyEventsProc = &KeyDispatcher;
}

void TControl::SetOnChar(TKeyEvent handler) {
  OnChar = handler;
  KeyEventsProc = &KeyDispatcher;
}
