#include "toolkit/auto_size.h"

#include "toolkit/align.h"
#include "toolkit/canvas.h"
#include "toolkit/control.h"

void AutoSizeControl(TControl* control) {
  std::string text = control->GetCaption();
  // An italic text leans out of its measured box; a space makes room.
  if (control->GetFontStyle() & 2) text += ' ';
  TCanvas* canvas = GetCanvas(control);
  const SIZE extent = CanvasTextExtent(canvas, text);
  CanvasReleaseDC(canvas);

  const uint8_t align = control->Align;
  const int32_t oldWidth = control->GetWidth();
  const int32_t oldHeight = control->GetHeight();
  int32_t width = oldWidth;
  int32_t height = oldHeight;
  if ((align == kAlignNone || align == kAlignLeft || align == kAlignRight) &&
      control->Actions.ExtraWidth != 0) {
    width = extent.cx + control->Actions.ExtraWidth;
  }
  if ((align == kAlignNone || align == kAlignTop || align == kAlignBottom) &&
      control->Actions.ExtraHeight != 0) {
    height = extent.cy + control->Actions.ExtraHeight;
  }
  if (width == oldWidth && height == oldHeight) return;
  RECT r = control->GetBoundsRect();
  r.right = r.left + width;
  r.bottom = r.top + height;
  control->SetBoundsRect(r);
  RunHook(AlignHook, control->Parent);
  RunHook(AlignHook, control);
}

void SetAutoSize(TControl* control, bool on) {
  control->OnTextChanged = on ? &AutoSizeControl : nullptr;
  if (on) AutoSizeControl(control);
}
