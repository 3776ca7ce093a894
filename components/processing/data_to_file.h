// TVMDataToFile: writes each value it receives as one text line (CR LF
// ended) into the stream read from its Stream point, at the stream's
// position, so successive lines follow one another.
#pragma once

#include <cstdint>

#include "core/component.h"
#include "core/event.h"
#include "core/method.h"

class TStream;

class TVMDataToFile : public TVMComponent {
 public:
  // The line writer; starts as WriteLine (the schema sets the same).
  TMethod<void(TStream* stream, TData& data)> Writer;
  TVM_Event Stream;  // data input: the stream to write to

  TVMDataToFile();

  // Action: without a stream nothing happens; otherwise calls Writer.
  void PutLine(TData& data, uint16_t index);
  // The text of the value followed by CR LF.
  void WriteLine(TStream* stream, TData& data);
};
