// TVMFileStream: opens a named file as a stream (read, write or read-write),
// hands the stream on, lets other components read it through its Stream
// point, and closes it. The stream stays owned by this component; receivers
// must not free it.
//
// Nothing is lost without a word: a file that cannot be read, or is larger
// than MaxSize, is told to the user and gives no stream; a write stream
// writes a temporary file that replaces the target only when all of it was
// written, and a save that fails is told and leaves the old file as it was.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"
#include "toolkit/file_commit.h"

class TStream;

enum : uint8_t { kFileModeRead = 0, kFileModeWrite = 1, kFileModeReadWrite = 2 };

class TVMFileStream : public TVMComponent {
 public:
  TStream* FileStream = nullptr;  // the open stream, or nil
  std::string FileName;           // used when FileNameInput is not connected
  uint8_t Mode = kFileModeRead;   // any value other than write or read-write reads
  uint32_t MaxSize = 0;           // read mode: larger files are refused; 0 = any size
  TVM_Event FileNameInput;        // data input: the file name
  TVM_Event OnOpened;             // the stream (nil after a failure)
  TVM_Event OnFileOpened;         // String: the path, after it was opened (not after a failure)
  // Write mode only. OnSaved: the target path, once the file was completely
  // written and committed. OnSaveFailed: the target path, after the user was
  // told why the save failed (the old file is left as it was).
  TVM_Event OnSaved;
  TVM_Event OnSaveFailed;

  ~TVMFileStream() override;

  // Action: closes the old stream (an unfinished save is dropped), opens the
  // named file by Mode and forwards the stream to OnOpened. In read mode a
  // name that is not an existing file gets the "not found" box, a file that
  // cannot be read or is too large gets a box with the reason; neither gives
  // a stream.
  void OpenFile(TData& data, uint16_t index);
  // Action: closes the stream; the value is not touched. Closing a write
  // stream ends the save: the file is committed, then OnSaved or (after the
  // box) OnSaveFailed fires with the path. Point number kCloseFilePoint.
  void CloseFile(TData& data, uint16_t index);
  static constexpr uint16_t kCloseFilePoint = 1;
  // Action: drops a save in progress: what was written is removed and the
  // target left as it was; no event fires. Any other stream is just closed.
  void AbandonFile(TData& data, uint16_t index);
  // Data output: the open stream, or NULL.
  void Stream(TData& data, uint16_t index);

 private:
  void OpenForReading(const std::string& name);
  void AbandonSave();

  bool Saving = false;  // a write stream was opened and not yet closed
  std::string SavePath;  // the target as it was named
  TFileSave Save;
};
