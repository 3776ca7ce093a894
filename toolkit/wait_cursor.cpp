#include "toolkit/wait_cursor.h"

#include <windows.h>

namespace {

bool Showing = false;
HCURSOR Replaced = nullptr;

}  // namespace

void ShowWaitCursor() {
  if (Showing) return;
  Replaced = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  Showing = true;
}

void EndWaitCursor() {
  if (!Showing) return;
  Showing = false;
  SetCursor(Replaced);
}
