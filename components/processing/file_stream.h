// TVMFileStream: opens a named file as a stream (read, write or read-write),
// hands the stream on, lets other components read it through its Stream
// point, and closes it. The stream stays owned by this component; receivers
// must not free it.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

class TStream;

enum : uint8_t { kFileModeRead = 0, kFileModeWrite = 1, kFileModeReadWrite = 2 };

class TVMFileStream : public TVMComponent {
 public:
  TStream* FileStream = nullptr;  // the open stream, or nil
  std::string FileName;           // used when FileNameInput is not connected
  uint8_t Mode = kFileModeRead;   // any value other than write or read-write reads
  uint8_t Reserved = 0;           // set by the schema; nothing reads it
  TVM_Event FileNameInput;        // data input: the file name
  TVM_Event OnOpened;             // the stream (nil after a failure)
  // Write mode only. OnSaved: the target path, once the file was completely
  // written and committed. OnSaveFailed: the target path, after the user was
  // told why the save failed (the old file is left as it was).
  TVM_Event OnSaved;
  TVM_Event OnSaveFailed;

  ~TVMFileStream() override;

  // Action: closes the old stream, opens the named file by Mode and forwards
  // the stream to OnOpened. In read mode a name that is not an existing file
  // gets the "not found" box and no stream.
  void OpenFile(TData& data, uint16_t index);
  // Action: closes the stream; the value is not touched. Closing a write
  // stream ends the save: OnSaved or OnSaveFailed fires with the path.
  void CloseFile(TData& data, uint16_t index);
  // Data output: the open stream, or NULL.
  void Stream(TData& data, uint16_t index);

 private:
  std::string SavePath;  // target of the write stream now open
};
