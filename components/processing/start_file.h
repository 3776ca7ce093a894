// TVMStartFile: the file the program was asked to open when it started (its
// command line names it: "Open with", a file dropped on the program's icon).
// Send passes it on once, when there is one.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

class TVMStartFile : public TVMComponent {
 public:
  std::string FileName;  // empty: the program was started without a file
  TVM_Event OnFile;      // String: the file name

  // Action: forwards FileName to OnFile unless it is empty.
  void Send(TData& data, uint16_t index);
};
