// TVMHotKeys: keyboard shortcuts of a form that are no menu items. Each key
// of its list fires its own event when pressed anywhere in the form. With
// LeaveToTextBoxes the keys are not taken while a text box has the focus,
// so that Ctrl+Z there undoes the typing in that box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/component.h"
#include "core/event.h"
#include "toolkit/control.h"
#include "toolkit/shortcut.h"

class TVMHotKeys : public TVMComponent {
 public:
  TControl* Form = nullptr;  // held while the component lives
  std::vector<TShortcut> Keys;
  bool LeaveToTextBoxes = false;
  std::vector<TVM_Event> OnKey;  // per key, in list order: NULL

  explicit TVMHotKeys(TControl* form);
  ~TVMHotKeys() override;

  // One shortcut per line (CR LF between lines), e.g. "Ctrl+Z"; OnKey gets
  // one event per line. A line that names no key never fires.
  void SetKeys(const std::string& lines);

 private:
  bool FormMessage(TControl* sender, TMsg& msg, LRESULT& result);
};
