// TVMLabel: a line of text in a static control. It fires OnClick when
// clicked, gives its current text out, and can change its font colour and
// underline while the mouse is over it (a link look).
#pragma once

#include <cstdint>
#include <string>

#include "components/visual/vm_win.h"
#include "core/event.h"

class TVMLabel : public TVMWin {
 public:
  // --- Fields added to TVMWin, in the order of the object's field layout -------
  TVM_Event OnClick;            // no value: the label was clicked
  int32_t HoverColor = 0;       // font colour under the mouse; 0 keeps the colour
  bool HoverUnderline = false;  // underline under the mouse
  std::string Caption;          // the text, shown by Init

  // Creates the static control in the parent.
  explicit TVMLabel(TControl* parent);

  void Init() override;

  // Data output: a String with the control's current text.
  void Text(TData& data, uint16_t index);

  // On: the control resizes itself to its text.
  void SetAutoSize(bool on);
  // 0 left, 1 right, 2 centre.
  void SetTextAlign(uint8_t align);

  void MouseEnter() override;
  void MouseLeave() override;
  bool MessageHandler(TMsg& msg, LRESULT& result) override;

 private:
  void SetUnderline(bool on);
};
