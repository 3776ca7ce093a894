// Text alignment and the current index, through the per-kind codes of the
// control's Actions.
#include "toolkit/control.h"

void TControl::SetTextAlign(uint8_t align) {
  const TControlActions& a = Actions;
  uint32_t bits[3] = {a.AlignLeftBits, a.AlignRightBits, a.AlignCenterBits};
  if (align > 2) return;
  TextAlign = align;
  uint32_t style = Style;
  for (uint32_t i = 0; i < 3; ++i)
    if (i != align) style &= ~bits[i];
  style |= bits[align];
  style &= ~static_cast<uint32_t>(a.AlignClearMask);
  SetStyle(style);
}

int32_t TControl::GetCurrentIndex() {
  if (!Actions.GetIndexMsg) return StoredIndex;
  return static_cast<int32_t>(SendToControl(Actions.GetIndexMsg, 0, 0) & 0xFFFF);
}

void TControl::SetCurrentIndex(int32_t index) {
  const TControlActions& a = Actions;
  if (a.SetIndexFlagMsg) {
    SendToControl(a.SetIndexFlagMsg, 1, index);
  } else if (a.SetIndexMsg) {
    SendToControl(a.SetIndexMsg, static_cast<WPARAM>(index), 0);
  } else if (a.SetIndexBothMsg) {
    SendToControl(a.SetIndexBothMsg, static_cast<WPARAM>(index), index);
  } else if (a.SetIndexPairMsg) {
    int32_t pair[2] = {index, index};
    SendToControl(a.SetIndexPairMsg, 0, reinterpret_cast<LPARAM>(pair));
  } else {
    StoredIndex = index;
    Invalidate();
  }
}
