#include "components/visual/edit.h"

#include "toolkit/control_create.h"

TVMEdit::TVMEdit(TControl* parent) : TVMWin(parent) {
  TextGetter = MakeMethod<&TVMEdit::GetText>(this);
}

void TVMEdit::Init() {
  if (!Control) {
    uint32_t options = 0;
    if (Password) options |= kEditPassword;
    if (ReadOnly) options |= kEditReadOnly;
    AdoptControl(CreateEditControl(Parent, options));
  }
  Control->SetTextAlign(TextAlign);
  TVMWin::Init();
  Control->OnChange = MakeMethod<&TVMEdit::TextChanged>(this);
  SetControlText(InitialText);
}

// A text set by the component itself is never reported. The field is ready
// afterwards whether or not the control announced the change (a control
// whose window does not exist yet announces nothing).
void TVMEdit::SetControlText(const std::string& text) {
  Ready = false;
  Control->SetCaption(text);
  Ready = true;
}

bool TVMEdit::GetText(TData& value) {
  if (!Control) return false;
  SetStrValue(value, Control->GetCaption());
  return true;
}

void TVMEdit::Text(TData& data, uint16_t index) {
  if (!TextGetter || !TextGetter(data)) SetNullValue(data);
}

void TVMEdit::ChangeText(TData& data, uint16_t index) {
  ClearAfterEnter = false;
  std::string text = FetchStr(data, Source, "");
  if (!Control) return;
  int32_t caret = Control->GetCurrentIndex();
  Control->SetCaption(text);
  Control->SetCurrentIndex(caret);
}

void TVMEdit::KeyDown(int32_t& key, uint32_t shift) {
  if (key != VK_RETURN || !OnEnter.Code) {
    TVMWin::KeyDown(key, shift);
    return;
  }
  key = 0;  // the control never sees this Enter
  TData value;
  if (!TextGetter || !TextGetter(value)) return;
  ClearAfterEnter = true;
  Fire(OnEnter, value);
  FreeValueChain(value);
  if (ClearAfterEnter && Control) SetControlText("");
}

void TVMEdit::TextChanged(TControl* sender) {
  if (Ready) {
    TData value;
    if (TextGetter && TextGetter(value)) Fire(OnChange, value);
    FreeValueChain(value);
  }
  Ready = true;
}
