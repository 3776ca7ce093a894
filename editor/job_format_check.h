// TVMJobFormatCheck: stands before saving. It reads the four tables through
// their matrix points and, when they would not read back the same once
// written (a cell outside the format's limits, or a marker text that moves a
// section boundary), tells the user which table, row and cell, and asks
// whether to save anyway. The value goes on to OnOutput when the tables fit
// or the user says Yes; after No it goes to OnCancel and nothing is written.
#pragma once

#include <string>

#include "core/component.h"
#include "core/event.h"

class TVMJobFormatCheck : public TVMComponent {
 public:
  // Data inputs: the feeder, special feeder, board and component tables.
  TVM_Event Matrix[4];
  // The tables' names as the user knows them, in the same order.
  std::string TableNames[4];
  TVM_Event OnOutput;
  TVM_Event OnCancel;

  // Action: checks the tables, asks when needed, and passes the value on.
  void Check(TData& data, uint16_t index);
};
