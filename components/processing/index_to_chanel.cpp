#include "components/processing/index_to_chanel.h"

void TVMIndexToChanel::SetCount(int32_t n) {
  OnOutput.resize(n > 0 ? static_cast<size_t>(n) : 0);
  Count = n;
}

void TVMIndexToChanel::Trigger(TData& data, uint16_t index) {
  int32_t i = FetchInt(data, Index, 0);
  TData value = FetchValue(data, DataInput, &Data);
  FreeValueChain(data);  // the record is replaced whole; nothing else holds the rest
  data = value;
  if (i >= 0 && i < Count && static_cast<size_t>(i) < OnOutput.size())
    ForwardData(data, OnOutput[static_cast<size_t>(i)]);
}
