#include "components/processing/file_stream.h"

#include <windows.h>

#include "toolkit/dialog_parent.h"
#include "toolkit/stream_file.h"
#include "toolkit/wait_cursor.h"

namespace {

void ShowFileError(const std::string& text, const char* caption) {
  MessageBoxA(DialogParent(), text.c_str(), caption, MB_OK | MB_ICONERROR);
}

std::string Megabytes(uint64_t bytes) { return std::to_string((bytes + (1 << 20) - 1) >> 20); }

}  // namespace

TVMFileStream::~TVMFileStream() {
  AbandonSave();
  FreeStream(FileStream);
}

void TVMFileStream::OpenFile(TData& data, uint16_t index) {
  AbandonSave();
  FreeStream(FileStream);
  const std::string name = FetchStr(data, FileNameInput, FileName);
  switch (Mode) {
    case kFileModeReadWrite:
      FileStream = OpenReadWriteStream(name);
      break;
    case kFileModeWrite:
      Save = BeginFileSave(name);
      FileStream = Save.Stream;
      Save.Stream = nullptr;  // held in FileStream until the save ends
      SavePath = name;
      Saving = true;
      break;
    default:
      OpenForReading(name);
      break;
  }
  // Reading a job file into the tables, or writing them out, can take a
  // while: the pointer says so until the program answers again.
  if (FileStream) {
    ShowWaitCursor();
    FireStr(OnFileOpened, name);
  }
  ForwardStream(data, OnOpened, FileStream);
}

void TVMFileStream::OpenForReading(const std::string& name) {
  if (!FileExists(name)) {
    const std::string text = "File <" + name + "> not found!";
    MessageBoxA(DialogParent(), text.c_str(), "File stream Error", MB_OK);
    return;
  }
  TStream* stream = OpenReadStream(name);
  const std::string failed = "Файл <" + name + "> не открыт.\n";
  if (stream->Error != 0) {
    const uint32_t error = stream->Error;
    FreeStream(stream);
    ShowFileError(failed + SystemErrorText(error), "Открытие файла");
    return;
  }
  // The stream counts in 32 bits; the size is asked in full so that a file
  // of several gigabytes is not taken for a small one.
  WIN32_FILE_ATTRIBUTE_DATA info{};
  GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &info);
  const uint64_t size = (uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  if (MaxSize != 0 && size > MaxSize) {
    FreeStream(stream);
    ShowFileError(failed + "Размер " + Megabytes(size) + " МБ больше допустимых " +
                      Megabytes(MaxSize) + " МБ: это не файл задания.",
                  "Открытие файла");
    return;
  }
  FileStream = stream;
}

void TVMFileStream::AbandonSave() {
  if (!Saving) return;
  Saving = false;
  Save.Stream = FileStream;
  FileStream = nullptr;
  AbandonFileSave(Save);
}

void TVMFileStream::AbandonFile(TData& data, uint16_t index) {
  AbandonSave();
  FreeStream(FileStream);
}

void TVMFileStream::CloseFile(TData& data, uint16_t index) {
  if (!Saving) {
    FreeStream(FileStream);
    return;
  }
  Saving = false;
  Save.Stream = FileStream;
  FileStream = nullptr;
  const uint32_t error = CommitFileSave(Save);
  if (error == 0) {
    FireStr(OnSaved, SavePath);
    return;
  }
  ShowFileError("Файл <" + SavePath + "> не сохранён.\n" + SystemErrorText(error),
                "Сохранение файла");
  FireStr(OnSaveFailed, SavePath);
}

void TVMFileStream::Stream(TData& data, uint16_t index) {
  SetNullValue(data);
  if (FileStream) SetStreamValue(data, FileStream);
}
