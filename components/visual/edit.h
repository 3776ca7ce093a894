// TVMEdit: a one-line text field. Enter fires OnEnter with the text and then
// empties the field, unless the text was set again (ChangeText) while the
// event ran; every later change of the text fires OnChange with the whole
// text. The text can be read (Text) and set from the network (ChangeText).
#pragma once

#include <cstdint>
#include <string>

#include "components/visual/vm_win.h"
#include "core/event.h"
#include "core/method.h"

class TVMEdit : public TVMWin {
 public:
  // --- Fields added to TVMWin, in the order of the object's field layout -------
  bool Ready = false;            // text changes are reported
  bool ClearAfterEnter = false;  // set by Enter, cleared by ChangeText
  // Answers the current text as a value; false when there is none.
  TMethod<bool(TData& value)> TextGetter;
  bool Password = false;
  std::string InitialText;  // shown by Init
  bool ReadOnly = false;
  uint8_t TextAlign = 0;  // 0 left, 1 right, 2 centre
  TVM_Event Source;    // data input: the text ChangeText sets
  TVM_Event OnEnter;   // String: the text, when Enter is pressed
  TVM_Event OnChange;  // String: the text, after a change

  // The control is created by Init, which knows Password and ReadOnly.
  explicit TVMEdit(TControl* parent);

  void Init() override;

  // The default text getter: a String with the control's text.
  bool GetText(TData& value);
  // Data output: what the text getter answers, NULL when it answers false.
  void Text(TData& data, uint16_t index);
  // Action: sets the text (from Source, else the value) and keeps the caret
  // where it was.
  void ChangeText(TData& data, uint16_t index);

  void KeyDown(int32_t& key, uint32_t shift) override;

 private:
  void TextChanged(TControl* sender);
  void SetControlText(const std::string& text);
};
