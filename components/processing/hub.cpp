#include "components/processing/hub.h"

void TVMHub::SetCount(uint8_t n) {
  OnOutput.resize(n);
  Count = n;
}

void TVMHub::Trigger(TData& data, uint16_t index) {
  for (uint8_t i = 0; i < Count && i < OnOutput.size(); ++i) FireValue(OnOutput[i], data);
}
