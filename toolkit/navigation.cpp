#include "toolkit/navigation.h"

#include "toolkit/control.h"

namespace {

uint8_t KeyClass(uint32_t key) {
  switch (key) {
    case VK_TAB: return kNavigateTab;
    case VK_PRIOR:
    case VK_NEXT: return kNavigatePage;
    case VK_LEFT:
    case VK_RIGHT: return kNavigateLeftRight;
    case VK_UP:
    case VK_DOWN: return kNavigateUpDown;
    default: return 0;
  }
}

bool IsForwardKey(uint32_t key) {
  switch (key) {
    case VK_TAB: return GetKeyState(VK_SHIFT) >= 0;
    case VK_NEXT:
    case VK_RIGHT:
    case VK_DOWN: return true;
    default: return false;
  }
}

bool VisibleUpTo(TControl* control, TControl* top) {
  for (TControl* c = control; c && c != top; c = c->Parent) {
    if (!c->Visible) return false;
  }
  return true;
}

void CollectTabStops(TControl* form, TControl* parent, std::vector<TControl*>& list) {
  for (int32_t i = 0; i < parent->ChildCount(); ++i) {
    TControl* child = parent->ChildAt(i);
    if (!child->GetEnabled()) continue;
    if (child->TabStop && (child->Style & WS_TABSTOP) && VisibleUpTo(child, form)) {
      auto place = list.begin();
      while (place != list.end() && (*place)->TabOrder <= child->TabOrder) ++place;
      list.insert(place, child);
    }
    CollectTabStops(form, child, list);
  }
}

}  // namespace

void EnableTabNavigation(TControl* control) {
  if (TControl* form = FormOf(control)) form->NavigateProc = &NavigateByKey;
}

std::vector<TControl*> TabList(TControl* form) {
  std::vector<TControl*> list;
  if (form) CollectTabStops(form, form, list);
  return list;
}

void SetTabOrder(TControl* control, int32_t n) {
  for (TControl* other : TabList(ParentFormOf(control))) {
    if (other != control && other->TabOrder >= n) ++other->TabOrder;
  }
  control->TabOrder = n;
}

TControl* MoveFocus(TControl* form, bool forward) {
  std::vector<TControl*> list = TabList(form);
  if (list.empty()) return nullptr;
  const int32_t current = form->FocusedControl ? form->FocusedControl->TabOrder : 0;
  TControl* next = nullptr;
  if (forward) {
    for (TControl* c : list) {
      if (c->TabOrder > current) { next = c; break; }
    }
    if (!next) next = list.front();
  } else {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
      if ((*it)->TabOrder < current) { next = *it; break; }
    }
    if (!next) next = list.back();
  }
  ++next->SettingFocus;
  SetFocus(next->GetHandle());
  --next->SettingFocus;
  form->FocusedControl = next;
  return next;
}

bool NavigateByKey(TControl* control, uint32_t key, bool keyDown) {
  const uint8_t keyClass = KeyClass(key);
  if (!control || !keyClass || !(control->NavigationKeys & keyClass)) return false;
  if (keyDown) MoveFocus(FormOf(control), IsForwardKey(key));
  return true;
}
