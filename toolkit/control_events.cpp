// Resize and show/hide events: their handlers are attached to the control's
// handler chain when the event is set; neither counts as handling the message.
#include "toolkit/control.h"

namespace {

bool ResizeDispatcher(void*, TControl* control, TMsg& msg, LRESULT&) {
  if (msg.Message == WM_SIZE && msg.Window == control->Handle && control->OnResize)
    control->OnResize(control);
  return false;
}

bool ShowDispatcher(void*, TControl* control, TMsg& msg, LRESULT&) {
  if (msg.Message != WM_SHOWWINDOW || msg.Window != control->Handle) return false;
  TNotifyEvent& event = msg.WParam ? control->OnShow : control->OnHide;
  if (event) event(control);
  return false;
}

}  // namespace

void TControl::SetOnResize(TNotifyEvent handler) {
  OnResize = handler;
  AttachMessageHandler(&ResizeDispatcher);
}

void TControl::SetOnShow(TNotifyEvent handler) {
  OnShow = handler;
  AttachMessageHandler(&ShowDispatcher);
}

