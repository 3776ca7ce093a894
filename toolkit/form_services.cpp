#include "toolkit/form_services.h"

#include "toolkit/str_list.h"

namespace {

// Frees the form list when the program ends.
struct TFormWindowsOwner {
  ~TFormWindowsOwner() {
    FreeObj(FormWindows);
    FormWindows = nullptr;
  }
};

}  // namespace

UINT InnerMessage = RegisterWindowMessageA("inner message");
TStrListEx* FormWindows = CreateStrListEx();
static TFormWindowsOwner formWindowsOwner;

void PostInnerMessageToForms(WPARAM wParam, LPARAM lParam) {
  if (!FormWindows) return;
  for (int32_t i = 0; i < FormWindows->Count; ++i)
    PostMessageA(static_cast<HWND>(FormWindows->GetObject(i)), InnerMessage, wParam, lParam);
}
