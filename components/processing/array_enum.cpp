#include "components/processing/array_enum.h"

void TVMArrayEnum::Enumerate(TData& data, uint16_t index) {
  StopFlag = false;
  TArrayAccess* array = FetchPointArray(Array);
  if (!array) return;

  int32_t i = Reverse ? array->Count() - 1 : 0;
  const int32_t step = Reverse ? -1 : 1;
  SetIntValue(ItemIndex, i);
  // The end is where Get answers false, not Count.
  while (array->Get(ItemIndex, Item)) {
    FireValue(OnElement, Item);
    if (StopFlag) break;
    i += step;
    SetIntValue(ItemIndex, i);
  }
  if (StopFlag && BreakEvent)
    ForwardNull(data, OnStopped);
  else
    ForwardNull(data, OnEnumDone);
}
