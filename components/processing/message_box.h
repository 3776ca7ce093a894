// TVMMessage: shows a modal message box owned by the dialog parent and
// reports the answer: first the button code, then the pressed button's own
// event.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

// Buttons: 0 OK, 1 OK Cancel, 2 Yes No, 3 Yes No Cancel, 4 Retry Cancel,
// 5 Abort Retry Ignore. Icon: 0 none, 1 stop, 2 question, 3 exclamation,
// 4 information. DefaultButton: 0 first, 1 second, 2 third. Values out of
// range count as 0.
class TVMMessage : public TVMComponent {
 public:
  std::string Message;
  std::string Caption;
  uint8_t Buttons = 2;
  uint8_t Icon = 0;
  uint8_t DefaultButton = 0;
  TVM_Event MessageInput;  // data input: the text
  TVM_Event CaptionInput;  // data input: the caption
  TVM_Event OnAnswer;      // Integer: the code of the pressed button
  TVM_Event OnOK;
  TVM_Event OnCancel;
  TVM_Event OnAbort;
  TVM_Event OnRetry;
  TVM_Event OnIgnore;
  TVM_Event OnYes;
  TVM_Event OnNo;

  // Action: shows the box; fires OnAnswer with the button code, then
  // forwards NULL to the event of that button (none for other codes).
  void ShowMessage(TData& data, uint16_t index);
};
