#include "components/processing/file_stream.h"

#include <windows.h>

#include "core/dialog_parent.h"
#include "toolkit/stream_file.h"
#include "toolkit/wait_cursor.h"

TVMFileStream::~TVMFileStream() { FreeStream(FileStream); }

void TVMFileStream::OpenFile(TData& data, uint16_t index) {
  FreeStream(FileStream);
  const std::string name = FetchStr(data, FileNameInput, FileName);
  switch (Mode) {
    case kFileModeReadWrite:
      FileStream = OpenReadWriteStream(name);
      break;
    case kFileModeWrite:
      FileStream = OpenWriteStream(name);
      SavePath = name;
      break;
    default:
      if (FileExists(name)) {
        FileStream = OpenReadStream(name);
      } else {
        const std::string text = "File <" + name + "> not found!";
        MessageBoxA(DialogParent(), text.c_str(), "File stream Error", MB_OK);
      }
      break;
  }
  // Reading a job file into the tables, or writing them out, can take a
  // while: the pointer says so until the program answers again.
  if (FileStream) ShowWaitCursor();
  ForwardStream(data, OnOpened, FileStream);
}

void TVMFileStream::CloseFile(TData& data, uint16_t index) {
  const bool wasSaving = FileStream && Mode == kFileModeWrite;
  FreeStream(FileStream);
  if (wasSaving) FireStr(OnSaved, SavePath);
}

void TVMFileStream::Stream(TData& data, uint16_t index) {
  SetNullValue(data);
  if (FileStream) SetStreamValue(data, FileStream);
}
