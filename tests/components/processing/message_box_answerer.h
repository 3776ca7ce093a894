// Answers the message boxes that the code under test shows on this thread,
// the way a user would: a CBT hook sees each dialog as it is activated,
// records its caption, text and owner, and clicks its OK button.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class TMessageBoxAnswerer {
 public:
  struct Box {
    std::string Caption;
    std::string Text;
    HWND Owner;
    bool HasCancel;
  };

  TMessageBoxAnswerer() {
    Current() = this;
    Hook = SetWindowsHookExA(WH_CBT, &OnCbt, nullptr, GetCurrentThreadId());
  }
  ~TMessageBoxAnswerer() {
    UnhookWindowsHookEx(Hook);
    Current() = nullptr;
  }
  TMessageBoxAnswerer(const TMessageBoxAnswerer&) = delete;
  TMessageBoxAnswerer& operator=(const TMessageBoxAnswerer&) = delete;

  std::vector<Box> Boxes;

 private:
  HHOOK Hook = nullptr;

  static TMessageBoxAnswerer*& Current() {
    static TMessageBoxAnswerer* current = nullptr;
    return current;
  }

  static std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
  }

  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    TMessageBoxAnswerer* self = Current();
    if (code == HCBT_ACTIVATE && self) {
      HWND box = reinterpret_cast<HWND>(wParam);
      char className[64] = {};
      GetClassNameA(box, className, sizeof className);
      if (std::string(className) == "#32770") {
        const int kMessageTextId = 0xFFFF;  // the static that shows the text
        self->Boxes.push_back({TextOf(box), TextOf(GetDlgItem(box, kMessageTextId)),
                               GetWindow(box, GW_OWNER), GetDlgItem(box, IDCANCEL) != nullptr});
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
      }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};
