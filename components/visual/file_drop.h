// TVMFileDrop: lets files be dropped on a form from the shell. The form (and
// every control in it) accepts file drops; the first file of a drop is
// passed on by name.
#pragma once

#include <windows.h>

#include "core/component.h"
#include "core/event.h"
#include "toolkit/control.h"

class TVMFileDrop : public TVMComponent {
 public:
  TControl* Form = nullptr;  // held while the component lives
  TVM_Event OnDropped;       // String: the path of the first dropped file

  explicit TVMFileDrop(TControl* form);
  ~TVMFileDrop() override;

 private:
  bool FormMessage(TControl* sender, TMsg& msg, LRESULT& result);
};
