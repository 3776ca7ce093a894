#include "components/visual/label.h"

#include "toolkit/auto_size.h"
#include "toolkit/control_create.h"

TVMLabel::TVMLabel(TControl* parent) : TVMWin(parent) { AdoptControl(CreateLabelControl(parent, "")); }

void TVMLabel::Init() {
  TVMWin::Init();
  if (Control) Control->SetCaption(Caption);
}

void TVMLabel::Text(TData& data, uint16_t index) {
  SetStrValue(data, Control ? Control->GetCaption() : Caption);
}

void TVMLabel::SetAutoSize(bool on) {
  if (Control) ::SetAutoSize(Control, on);
}

void TVMLabel::SetTextAlign(uint8_t align) {
  if (Control) Control->SetTextAlign(align);
}

// Every mouse message over the label counts as an entry, so the font is only
// touched when the look actually changes.
void TVMLabel::SetUnderline(bool on) {
  uint8_t style = Control->GetFontStyle();
  uint8_t wanted = on ? (style | kFontUnderline) : (style & ~kFontUnderline);
  if (wanted != style) Control->SetFontStyle(wanted);
}

void TVMLabel::MouseEnter() {
  TVMWin::MouseEnter();
  if (!Control) return;
  if (HoverColor != 0 && Control->FontColor != HoverColor) Control->SetFontColor(HoverColor);
  if (HoverUnderline) SetUnderline(true);
}

void TVMLabel::MouseLeave() {
  TVMWin::MouseLeave();
  if (!Control) return;
  if (HoverColor != 0) Control->SetFontColor(static_cast<int32_t>(Font.Color));
  if (HoverUnderline) SetUnderline(false);
}

// The static control's click notification (code 0) arrives as the reflected
// command.
bool TVMLabel::MessageHandler(TMsg& msg, LRESULT& result) {
  if (msg.Message == kMsgReflectedCommand && HIWORD(msg.WParam) == STN_CLICKED) FireNull(OnClick);
  return TVMWin::MessageHandler(msg, result);
}
