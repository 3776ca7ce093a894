#include "toolkit/align.h"

#include <algorithm>
#include <vector>

#include "toolkit/control.h"

namespace {

// Moving a child makes its WM_SIZE re-align the parent that is being
// aligned; that nested pass would only repeat the work.
std::vector<TControl*> aligning;

bool InPass(uint8_t align, int pass) {
  switch (pass) {
    case 0: return align == kAlignTop || align == kAlignBottom;
    case 1: return align == kAlignLeft || align == kAlignRight;
    default: return align == kAlignClient;
  }
}

RECT PlaceChild(uint8_t align, RECT r, RECT& free, int32_t m) {
  const int32_t w = r.right - r.left;
  const int32_t h = r.bottom - r.top;
  switch (align) {
    case kAlignTop:
      r = {free.left + m, free.top + m, free.right - m, free.top + m + h};
      free.top += m + h;
      break;
    case kAlignBottom:
      r = {free.left + m, free.bottom - m - h, free.right - m, free.bottom - m};
      free.bottom -= m + h;
      break;
    case kAlignLeft:
      r = {free.left + m, free.top + m, free.left + m + w, free.bottom - m};
      free.left += m + w;
      break;
    case kAlignRight:
      r = {free.right - m - w, free.top + m, free.right - m, free.bottom - m};
      free.right -= m + w;
      break;
    default:
      r = {free.left + m, free.top + m, free.right - m, free.bottom - m};
      break;
  }
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

}  // namespace

void AlignChildren(TControl* parent) {
  if (!parent || parent->ChildCount() == 0) return;
  if (std::find(aligning.begin(), aligning.end(), parent) != aligning.end()) return;
  aligning.push_back(parent);
  parent->AddHold();  // a child's handler might free the parent meanwhile

  RECT free = parent->ClientRect();
  const int32_t m = parent->Margin;
  for (int pass = 0; pass < 3; ++pass) {
    for (int32_t i = 0; i < parent->ChildCount(); ++i) {
      TControl* child = parent->ChildAt(i);
      if (!InPass(child->Align, pass) || !child->Visible || child->AlignDisabled) continue;
      const RECT old = child->GetBoundsRect();
      const RECT r = PlaceChild(child->Align, old, free, m);
      const bool resized =
          r.right - r.left != old.right - old.left || r.bottom - r.top != old.bottom - old.top;
      if (resized || r.left != old.left || r.top != old.top) child->SetBoundsRect(r);
      if (resized) AlignChildren(child);
    }
  }

  aligning.erase(std::find(aligning.begin(), aligning.end(), parent));
  parent->DropHold();
}

void SetAlign(TControl* control, uint8_t align) {
  AlignHook = &AlignChildren;
  if (control->AlignDisabled || control->Align == align) return;
  control->Align = align;
  AlignChildren(control->Parent);
}
