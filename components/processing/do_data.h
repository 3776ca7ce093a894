// TVMDoData: replaces the incoming value by its own value (or the one read
// from its data input) and passes it on.
#pragma once

#include "core/component.h"
#include "core/event.h"

class TVMDoData : public TVMComponent {
 public:
  TData Data;           // sent when DataInput is not connected
  TVM_Event DataInput;  // data input: the value to send
  TVM_Event OnData;

  // Action: forwards the input's value, else Data, whatever came in.
  void SendData(TData& data, uint16_t index);
};
