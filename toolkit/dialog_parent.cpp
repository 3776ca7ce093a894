#include "toolkit/dialog_parent.h"

#include "toolkit/control.h"

HWND DialogParent() {
  TControl* app = AppWindow;
  if (!app) return nullptr;
  // The form that most recently had the focus; until one had it, the first.
  TControl* current = app->FocusedControl;
  if (current && current->HasWindow()) return current->Handle;
  TControl* first = app->ChildAt(0);
  return first && first->HasWindow() ? first->Handle : nullptr;
}
