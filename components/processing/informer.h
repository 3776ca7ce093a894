// TVMInformer: fires a fixed text and then passes the incoming event on
// (the editor writes the section header lines of the job file with it).
#pragma once

#include <string>

#include "core/component.h"
#include "core/event.h"

class TVMInformer : public TVMComponent {
 public:
  std::string Text;
  TVM_Event OnTextOut;  // Text, fired at once
  TVM_Event OnOutput;   // the incoming value, forwarded

  void Trigger(TData& data, uint16_t index);
};
