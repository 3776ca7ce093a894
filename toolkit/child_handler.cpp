#include "toolkit/child_handler.h"

#include "toolkit/graphic_tool.h"

namespace {

void Fire(TNotifyEvent& event, TControl* control) {
  if (event) event(control);
}

// Returns true when the notification code is one the control's kind reports.
bool DispatchCommand(TControl* control, uint16_t code) {
  const TControlActions& a = control->Actions;
  if (code == 0) return false;
  if (code == a.ClickCode) {
    if (!control->SettingFocus) Fire(control->OnClick, control);
  } else if (code == a.EnterCode) {
    Fire(control->OnEnter, control);
  } else if (code == a.LeaveCode) {
    Fire(control->OnLeave, control);
  } else if (code == a.ChangeCode) {
    Fire(control->OnChange, control);
  } else if (code == a.SelChangeCode) {
    Fire(control->OnSelChange ? control->OnSelChange : control->OnChange, control);
  } else {
    return false;
  }
  return true;
}

LRESULT ReflectedColor(TControl* control, HDC dc) {
  SetTextColor(dc, ResolveColor(control->FontColor));
  if (control->Transparent) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, ResolveColor(control->Color));
  return reinterpret_cast<LRESULT>(control->GetBackgroundBrush());
}

bool StandardChildHandler(void*, TControl* control, TMsg& msg, LRESULT& result) {
  if (msg.Message == WM_SETFOCUS) {
    if (TControl* form = ParentFormOf(control)) form->FocusedControl = control;
    return false;
  }
  if (msg.Message == kMsgReflectedCommand) {
    if (!DispatchCommand(control, HIWORD(msg.WParam))) return false;
    result = control->DefaultHandling(msg);
    return true;
  }
  if (msg.Message >= kMsgReflectedColorFirst && msg.Message <= kMsgReflectedColorLast) {
    result = ReflectedColor(control, reinterpret_cast<HDC>(msg.WParam));
    return true;
  }
  return false;
}

}  // namespace

void AttachStandardChildHandler(TControl* control) {
  control->AttachMessageHandler(&StandardChildHandler);
}
