// TVMMessage: shows a modal message box owned by the dialog parent and
// reports the answer: first the button code, then the pressed button's own
// event.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

// Values out of range count as the first of each list.
enum : uint8_t {
  kButtonsOk, kButtonsOkCancel, kButtonsYesNo, kButtonsYesNoCancel, kButtonsRetryCancel,
  kButtonsAbortRetryIgnore,
};
enum : uint8_t { kIconNone, kIconStop, kIconQuestion, kIconExclamation, kIconInformation };
enum : uint8_t { kDefaultFirst, kDefaultSecond, kDefaultThird };

class TVMMessage : public TVMComponent {
 public:
  std::string Message;
  std::string Caption;
  uint8_t Buttons = kButtonsYesNo;
  uint8_t Icon = kIconNone;
  uint8_t DefaultButton = kDefaultFirst;
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
