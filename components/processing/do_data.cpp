#include "components/processing/do_data.h"

void TVMDoData::SendData(TData& data, uint16_t index) {
  FreeValueChain(data);
  SetNullValue(data);
  TData value = FetchValue(data, DataInput, &Data);
  ForwardCopy(data, OnData, value);
}
