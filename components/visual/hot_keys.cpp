#include "components/visual/hot_keys.h"

#include "toolkit/key_preview.h"
#include "toolkit/str_list.h"

namespace {

bool IsTextBox(HWND window) {
  TControl* control = window ? ControlOfWindow(window) : nullptr;
  if (control) return lstrcmpiA(control->NativeClassName.c_str(), "EDIT") == 0;
  char name[16] = {};
  return window && GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, "EDIT") == 0;
}

}  // namespace

TVMHotKeys::TVMHotKeys(TControl* form) : Form(form) {
  if (!Form) return;
  Form->AddHold();
  Form->AttachMessageHandler(MakeMethod<&TVMHotKeys::FormMessage>(this));
}

TVMHotKeys::~TVMHotKeys() {
  if (!Form) return;
  Form->DetachMessageHandler(MakeMethod<&TVMHotKeys::FormMessage>(this));
  Form->DropHold();
}

void TVMHotKeys::SetKeys(const std::string& lines) {
  TStrList* list = CreateStrList();
  list->SetText(lines);
  Keys.clear();
  for (int32_t i = 0; i < list->Count; ++i) Keys.push_back(ParseShortcut(list->Get(i)));
  list->Free();
  OnKey.resize(Keys.size());
}

bool TVMHotKeys::FormMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  if (msg.Message != KeyPreviewMessage()) return false;
  if (LeaveToTextBoxes && IsTextBox(GetFocus())) return false;
  for (size_t i = 0; i < Keys.size(); ++i) {
    if (!IsShortcutPreview(Keys[i], msg.Message, msg.WParam)) continue;
    FireNull(OnKey[i]);
    result = 1;
    return true;
  }
  return false;
}
