// TVMIndexToChanel: routes an event to the output chosen by an index (the
// editor's menu commands arrive here).
#pragma once

#include <cstdint>
#include <vector>

#include "core/component.h"
#include "core/event.h"

class TVMIndexToChanel : public TVMComponent {
 public:
  int32_t Count = 0;
  TData Data;            // sent when DataInput is not connected
  TVM_Event DataInput;   // data input: the value to send
  TVM_Event Index;       // data input: the output number
  std::vector<TVM_Event> OnOutput;

  // Resizes OnOutput to n records (new ones unconnected).
  void SetCount(int32_t n);
  // Action: reads the index, then the value (both from the incoming chain
  // when unconnected) and forwards the value to that output; an index
  // outside 0 .. Count - 1 fires nothing.
  void Trigger(TData& data, uint16_t index);
};
