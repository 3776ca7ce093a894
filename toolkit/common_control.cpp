#include "toolkit/common_control.h"

#include <commctrl.h>

namespace {

// WM_NOTIFY reaching the parent goes to the handler chain of the control
// whose window sent it, with the message's window replaced by that control's.
// A notification that a control sends about itself is not forwarded: its
// own chain would forward it again, without end.
bool ForwardNotify(void*, TControl* receiver, TMsg& msg, LRESULT& result) {
  if (msg.Message != WM_NOTIFY || !msg.LParam) return false;
  auto* header = reinterpret_cast<NMHDR*>(msg.LParam);
  TControl* sender = ControlOfWindow(header->hwndFrom);
  if (!sender || sender == receiver || !sender->HandlerChainProc) return false;
  TMsg forwarded = msg;
  forwarded.Window = sender->Handle;
  return sender->HandlerChainProc(sender, forwarded, result);
}

// Standard notifications of every common control; never counted as handled.
bool StandardNotifications(void*, TControl* control, TMsg& msg, LRESULT&) {
  if (msg.Message != WM_NOTIFY || msg.Window != control->Handle || !msg.LParam) return false;
  auto* header = reinterpret_cast<NMHDR*>(msg.LParam);
  if (header->hwndFrom != control->Handle) return false;
  switch (header->code) {
    case NM_CLICK:
    case NM_RCLICK:
      control->RightClick = header->code == NM_RCLICK ? 1 : 0;
      if (control->OnClick) control->OnClick(control);
      break;
    case NM_SETFOCUS:
    case NM_RETURN:
      if (control->OnEnter) control->OnEnter(control);
      break;
    case NM_KILLFOCUS:
      if (control->OnLeave) control->OnLeave(control);
      break;
    default:
      break;
  }
  return false;
}

}  // namespace

void InitCommonControlClasses(uint32_t flags) {
  using TInitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  HMODULE library = GetModuleHandleA("comctl32.dll");
  if (!library) library = LoadLibraryA("comctl32.dll");
  auto initEx = library ? reinterpret_cast<TInitEx>(
                              reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")))
                        : nullptr;
  if (initEx) {
    INITCOMMONCONTROLSEX request{sizeof(INITCOMMONCONTROLSEX), flags};
    initEx(&request);
  } else {
    InitCommonControls();
  }
}

void MakeCommonControl(TControl* control) {
  control->IsCommonControl = 1;
  control->AttachMessageHandler(&StandardNotifications);
  if (control->Parent) control->Parent->AttachMessageHandler(&ForwardNotify);
}
