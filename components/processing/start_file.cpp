#include "components/processing/start_file.h"

void TVMStartFile::Send(TData& data, uint16_t index) {
  if (!FileName.empty()) ForwardStr(data, OnFile, FileName);
}
