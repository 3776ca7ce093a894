// TVMStrCat: joins two texts and passes the result on (the editor appends
// the cell separator to each row line before it is written).
#pragma once

#include <string>

#include "core/component.h"
#include "core/event.h"

class TVMStrCat : public TVMComponent {
 public:
  std::string Result;      // the last joined text
  std::string Text1;       // used when Text1Input is not connected
  std::string Text2;       // used when Text2Input is not connected
  TVM_Event Text2Input;
  TVM_Event Text1Input;
  TVM_Event OnConcat;

  // Action: Text1 then Text2, each read by the fetch rule (an unconnected,
  // empty one takes the next incoming value); forwards the joined text.
  void Concat(TData& data, uint16_t index);
};
