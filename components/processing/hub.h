// TVMHub: fires one incoming event at several outputs in index order; each
// output gets its own copy of the value and runs to its end before the next.
#pragma once

#include <cstdint>
#include <vector>

#include "core/component.h"
#include "core/event.h"

class TVMHub : public TVMComponent {
 public:
  uint8_t Count = 0;
  std::vector<TVM_Event> OnOutput;

  // Resizes OnOutput to n records (new ones unconnected).
  void SetCount(uint8_t n);
  // Action.
  void Trigger(TData& data, uint16_t index);
};
