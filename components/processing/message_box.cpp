#include "components/processing/message_box.h"

#include <windows.h>

#include "toolkit/dialog_parent.h"

namespace {

constexpr uint32_t kButtonTypes[] = {MB_OK,          MB_OKCANCEL,    MB_YESNO,
                                     MB_YESNOCANCEL, MB_RETRYCANCEL, MB_ABORTRETRYIGNORE};
constexpr uint32_t kIconTypes[] = {0, MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION,
                                   MB_ICONASTERISK};
constexpr uint32_t kDefaultButtonTypes[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};

template <size_t N>
uint32_t Pick(const uint32_t (&types)[N], uint8_t setting) {
  return setting < N ? types[setting] : types[0];
}

uint32_t BoxType(const TVMMessage& box) {
  return Pick(kButtonTypes, box.Buttons) + Pick(kIconTypes, box.Icon) +
         Pick(kDefaultButtonTypes, box.DefaultButton);
}

}  // namespace

void TVMMessage::ShowMessage(TData& data, uint16_t index) {
  const std::string text = FetchStr(data, MessageInput, Message);
  const std::string caption = FetchStr(data, CaptionInput, Caption);
  const int32_t answer = MessageBoxA(DialogParent(), text.c_str(), caption.c_str(), BoxType(*this));
  FireInt(OnAnswer, answer);
  TVM_Event* const buttonEvents[] = {&OnOK,    &OnCancel, &OnAbort, &OnRetry,
                                     &OnIgnore, &OnYes,   &OnNo};
  if (answer >= IDOK && answer <= IDNO) ForwardNull(data, *buttonEvents[answer - IDOK]);
}
