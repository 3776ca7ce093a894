// The control's font: changes go to its Font tool, whose change notification
// (installed by InitWithParent) re-applies the font to the window.
#include "toolkit/canvas.h"
#include "toolkit/control.h"
#include "toolkit/graphic_tool.h"

void TControl::ApplyFont() {
  // The canvas holds a copy of the old font; the next GetCanvas makes a new one.
  FreeObj(Canvas);
  Canvas = nullptr;
  if (!HasWindow() || !Font) return;
  SendMessageA(Handle, WM_SETFONT, reinterpret_cast<WPARAM>(ToolGetHandle(Font)), 1);
  if (OnTextChanged) OnTextChanged(this);
}

void TControl::SetFontColor(int32_t color) {
  if (Font) SetToolColor(Font, color);
  FontColor = color;
}

void TControl::SetFontStyle(uint8_t styleBits) {
  if (Font) SetToolFontStyle(Font, styleBits);
}

uint8_t TControl::GetFontStyle() const { return Font ? GetToolFontStyle(Font) : 0; }

void TControl::SetFontName(const std::string& name) {
  if (Font) SetToolFontName(Font, name);
}

void TControl::SetFontCharset(uint8_t charset) {
  if (Font) SetToolFontCharset(Font, charset);
}

void TControl::SetFontHeight(int32_t height) {
  if (Font) SetToolFontHeight(Font, height);
}

void TControl::AssignFont(TGraphicTool* source) {
  if (Font && source) ToolAssign(Font, source);
}
