#include "toolkit/file_commit.h"

#include <windows.h>

#include "toolkit/stream_file.h"

namespace {

std::string FolderOf(const std::string& fullPath) {
  const size_t slash = fullPath.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : fullPath.substr(0, slash + 1);
}

// The temporary file in the target's own folder, so that putting it in
// place is a rename on one volume, never a copy.
bool CreateTemporary(TFileSave& save) {
  char name[MAX_PATH];
  if (GetTempFileNameA(FolderOf(save.Target).c_str(), "zr", 0, name) == 0) {
    save.Error = GetLastError();
    return false;
  }
  save.Temporary = name;
  save.Stream = OpenBufferedWriteStream(save.Temporary);
  if (save.Stream->Error == 0) return true;
  save.Error = save.Stream->Error;
  FreeStream(save.Stream);
  DeleteFileA(save.Temporary.c_str());
  save.Temporary.clear();
  return false;
}

// Whether the target can be replaced: it must not be read-only, and no other
// program may hold it open without sharing it. Asked before anything is
// written, and again right before the replace, because a failed replace may
// leave files of its own behind on some systems.
uint32_t ReplaceableError(const std::string& target) {
  const DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return 0;  // a new file
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return ERROR_DIRECTORY;
  if (attributes & FILE_ATTRIBUTE_READONLY) return ERROR_ACCESS_DENIED;
  HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE | DELETE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  CloseHandle(file);
  return 0;
}

uint32_t PutInPlace(const std::string& temporary, const std::string& target) {
  if (const uint32_t error = ReplaceableError(target)) return error;
  const DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (ReplaceFileA(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr))
      return 0;
    return GetLastError();
  }
  if (MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return 0;
  return GetLastError();
}

}  // namespace

TFileSave BeginFileSave(const std::string& target) {
  TFileSave save;
  save.Target = FullPath(target);
  save.Error = ReplaceableError(save.Target);
  if (save.Error == 0) CreateTemporary(save);
  return save;
}

uint32_t CommitFileSave(TFileSave& save) {
  if (save.Error == 0 && save.Stream) {
    FlushWrites(save.Stream);
    save.Error = save.Stream->Error;
    if (save.Error == 0 && !FlushFileBuffers(static_cast<HANDLE>(save.Stream->Handle)))
      save.Error = GetLastError();
  }
  FreeStream(save.Stream);
  if (save.Error == 0 && !save.Temporary.empty()) save.Error = PutInPlace(save.Temporary, save.Target);
  if (!save.Temporary.empty() && save.Error != 0) DeleteFileA(save.Temporary.c_str());
  save.Temporary.clear();
  return save.Error;
}

void AbandonFileSave(TFileSave& save) {
  FreeStream(save.Stream);
  if (!save.Temporary.empty()) DeleteFileA(save.Temporary.c_str());
  save.Temporary.clear();
}

// The platform's replace call needs full paths for both names.
std::string FullPath(const std::string& name) {
  char buffer[MAX_PATH * 4];
  const DWORD length = GetFullPathNameA(name.c_str(), sizeof buffer, buffer, nullptr);
  if (length == 0 || length >= sizeof buffer) return name;
  return std::string(buffer, length);
}

std::string SystemErrorText(uint32_t code) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = length ? std::string(buffer, length) : std::string();
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  if (text.empty()) text = "Код ошибки " + std::to_string(code) + ".";
  return text;
}
