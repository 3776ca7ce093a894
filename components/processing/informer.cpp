#include "components/processing/informer.h"

void TVMInformer::Trigger(TData& data, uint16_t index) {
  FireStr(OnTextOut, Text);
  ForwardData(data, OnOutput);
}
