// Answers the modal dialogs and message boxes that the code under test shows
// on this thread, the way a user would: a CBT hook notes each dialog as it is
// activated; a thread timer, running inside the dialog's own loop, then reads
// what the dialog shows, types the planned file name into a file dialog's
// name box and presses the planned button. Without a plan it presses Cancel.
#pragma once

#include <windows.h>

#include <deque>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "tests/support/window_text.h"

class TDialogAnswerer {
 public:
  struct Seen {
    std::string Caption;
    std::string Text;                  // message boxes: the message
    HWND Owner;
    std::vector<int> Buttons;          // ids of the visible push buttons
    int DefaultButton;                 // id of the default push button, or 0
    HICON Icon;                        // message boxes: the icon shown
    std::string NameShown;             // file dialogs: the name box text
    std::vector<std::string> Filters;  // file dialogs: the type box entries
    int FilterShown;                   // file dialogs: 0-based selected entry
    bool ReadOnlyBox;                  // file dialogs: the read-only check box
  };
  std::vector<Seen> Dialogs;

  TDialogAnswerer() {
    Current() = this;
    Hook = SetWindowsHookExA(WH_CBT, &OnCbt, nullptr, GetCurrentThreadId());
  }
  ~TDialogAnswerer() {
    UnhookWindowsHookEx(Hook);
    if (Timer) KillTimer(nullptr, Timer);
    Current() = nullptr;
  }
  TDialogAnswerer(const TDialogAnswerer&) = delete;
  TDialogAnswerer& operator=(const TDialogAnswerer&) = delete;

  // The next dialog: type the name into the name box (after choosing the
  // 0-based entry of the type box, when given) and press the button.
  void TypeAndPress(const std::string& name, int button = IDOK, int typeEntry = -1) {
    Plan.push_back({name, button, true, typeEntry});
  }
  // The next dialog: press the button (any command id, as the box's own would).
  void Press(int button) { Plan.push_back({"", button, false}); }

 private:
  static constexpr int kNameBox = 0x47C, kTypeBox = 0x470, kReadOnlyBox = 0x410;
  static constexpr int kMessageText = 0xFFFF, kMessageIcon = 0x440;
  struct TPlanned {
    std::string Name;
    int Button;
    bool TypeName = true;
    int TypeEntry = -1;
  };
  std::deque<TPlanned> Plan;
  std::deque<HWND> Waiting;
  std::set<HWND> Known;
  HHOOK Hook = nullptr;
  UINT_PTR Timer = 0;

  static TDialogAnswerer*& Current() {
    static TDialogAnswerer* current = nullptr;
    return current;
  }
  static bool IsDialog(HWND window) {
    return WindowClass(window) == "#32770" && !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD);
  }

  static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    TDialogAnswerer* self = Current();
    HWND window = reinterpret_cast<HWND>(wParam);
    if (self && code == HCBT_ACTIVATE && IsDialog(window) && self->Known.insert(window).second) {
      self->Waiting.push_back(window);
      if (!self->Timer) self->Timer = SetTimer(nullptr, 0, 20, &OnTimer);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    TDialogAnswerer* self = Current();
    if (!self) return;
    KillTimer(nullptr, self->Timer);
    self->Timer = 0;
    while (!self->Waiting.empty()) {
      HWND dialog = self->Waiting.front();
      self->Waiting.pop_front();
      // Activated again later (say, after a box of its own closed), it is
      // answered again: with the next plan, or Cancel rather than a hang.
      self->Known.erase(dialog);
      if (IsWindow(dialog)) self->Answer(dialog);
    }
  }

  void Answer(HWND dialog) {
    Seen seen{WindowText(dialog), WindowText(GetDlgItem(dialog, kMessageText)), GetWindow(dialog, GW_OWNER),
              {}, 0, nullptr, WindowText(GetDlgItem(dialog, kNameBox)), {}, -1, false};
    for (int id = IDOK; id <= IDCONTINUE; ++id) {
      HWND button = GetDlgItem(dialog, id);
      if (!button || !IsWindowVisible(button) || WindowClass(button) != "Button") continue;
      seen.Buttons.push_back(id);
      if ((GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) seen.DefaultButton = id;
    }
    seen.Icon = reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, kMessageIcon, STM_GETICON, 0, 0));
    HWND types = GetDlgItem(dialog, kTypeBox);
    for (LRESULT i = 0, n = SendMessageA(types, CB_GETCOUNT, 0, 0); i < n; ++i) {
      char entry[256] = {};
      SendMessageA(types, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
      seen.Filters.push_back(entry);
    }
    if (types) seen.FilterShown = static_cast<int>(SendMessageA(types, CB_GETCURSEL, 0, 0));
    seen.ReadOnlyBox = IsWindowVisible(GetDlgItem(dialog, kReadOnlyBox));
    Dialogs.push_back(seen);

    TPlanned answer{"", IDCANCEL, false};
    if (!Plan.empty()) {
      answer = Plan.front();
      Plan.pop_front();
    }
    if (answer.TypeEntry >= 0) {
      SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(answer.TypeEntry), 0);
      for (WORD note : {CBN_SELCHANGE, CBN_SELENDOK})  // as a mouse pick notifies
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kTypeBox, note), reinterpret_cast<LPARAM>(types));
    }
    if (answer.TypeName) SetDlgItemTextA(dialog, kNameBox, answer.Name.c_str());
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer.Button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, answer.Button)));
  }
};
