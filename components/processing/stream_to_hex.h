// TVMStream2Hex: reads a whole stream into one line of text, replacing or
// removing every control byte (below 32), so that line ends become marker
// characters that the text components can search for: a CR LF reads "//"
// when ReplaceChar is "/".
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

class TStream;

// Copies bytes of 32 and above; a byte below 32 becomes `replace`, or is
// dropped when `replace` is the NUL character.
std::string FlattenControlBytes(const std::string& bytes, char replace);

// The one conversion there is: control bytes replaced or removed.
inline constexpr uint8_t kStream2HexFlatten = 4;

class TVMStream2Hex : public TVMComponent {
 public:
  int32_t Position = 0;     // bytes examined by the last conversion
  uint8_t Mode = kStream2HexFlatten;  // the only conversion; nothing else is read
  std::string ReplaceChar = "/";  // first character replaces; empty removes
  // Every line end (CR LF, a lone CR or a lone LF) is read as CR LF, and an
  // open last line is closed, before flattening; off, the bytes are
  // flattened as they are.
  bool CrLfLineEnds = false;
  TVM_Event Stream;         // data input: the stream to convert
  TVM_Event OnValue;        // the text
  // Fired (no value) once all bytes have been read and before the text goes
  // on, so the owner of the stream can close the file at once.
  TVM_Event OnStreamRead;

  // Action: reads the stream (from the Stream input, else the incoming Stream
  // value) from its start and forwards the flattened text to OnValue.
  // Without a stream nothing happens.
  void Convert(TData& data, uint16_t index);
};
