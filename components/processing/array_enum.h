// TVMArrayEnum: walks an array from one end to the other and fires each
// element (the editor writes every row of a table this way).
#pragma once

#include "core/component.h"
#include "core/event.h"

class TVMArrayEnum : public TVMComponent {
 public:
  // Cleared when an enumeration starts, tested after each element. A
  // receiver of OnElement may set it.
  bool StopFlag = false;
  TData Item;       // the element being fired
  TData ItemIndex;  // its index, as an Integer value
  TVM_Event Array;  // data input: the array
  TVM_Event OnElement;
  TVM_Event OnEnumDone;  // no value
  TVM_Event OnStopped;   // no value
  bool Reverse = false;     // last element first
  bool BreakEvent = false;  // a stopped walk ends with OnStopped, not OnEnumDone

  // Action: fires OnElement for index 0, 1, ... (or Count - 1 down) until
  // the array's Get answers false, then forwards to OnEnumDone or
  // OnStopped. Nothing fires when no array is connected.
  void Enumerate(TData& data, uint16_t index);
};
