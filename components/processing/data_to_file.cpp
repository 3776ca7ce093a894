#include "components/processing/data_to_file.h"

#include "toolkit/stream.h"

TVMDataToFile::TVMDataToFile() : Writer(MakeMethod<&TVMDataToFile::WriteLine>(this)) {}

void TVMDataToFile::PutLine(TData& data, uint16_t index) {
  TStream* stream = FetchPointStream(Stream);
  if (stream && Writer) Writer(stream, data);
}

void TVMDataToFile::WriteLine(TStream* stream, TData& data) {
  stream->WriteText(ValueToStr(data) + "\r\n");
}
