#include "components/processing/hub.h"

void TVMHub::SetCount(uint8_t n) {
  OnOutput.resize(n);
  Count = n;
}

void TVMHub::Trigger(TData& data, uint16_t index) {
  // Every output gets a fresh copy of the incoming value. One record serves
  // all of them: a receiver that hands its text back through the record
  // (the block searches do) leaves its buffer to be refilled for the next
  // output instead of a new large allocation per output.
  TData copy;
  for (uint8_t i = 0; i < Count && i < OnOutput.size(); ++i) {
    copy = data;
    Fire(OnOutput[i], copy);
  }
}
