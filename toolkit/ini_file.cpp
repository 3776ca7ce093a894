#include "toolkit/ini_file.h"

#include <windows.h>
#include <shlobj.h>

#include "core/convert.h"

namespace {

constexpr char kIniMark[] = ".ini\\";
constexpr DWORD kStringSize = 4096;

}  // namespace

int32_t TIniFile::ValueInteger(const std::string& key, int32_t value) {
  if (Mode == kIniWriting) {
    // A failed write is ignored: the caller only ever saves window positions.
    WritePrivateProfileStringA(Section.c_str(), key.c_str(), IntToText(value).c_str(),
                               FileName.c_str());
    return value;
  }
  return static_cast<int32_t>(
      GetPrivateProfileIntA(Section.c_str(), key.c_str(), value, FileName.c_str()));
}

std::string TIniFile::ValueString(const std::string& key, const std::string& value) {
  if (Mode == kIniWriting) {
    WritePrivateProfileStringA(Section.c_str(), key.c_str(), value.c_str(), FileName.c_str());
    return value;
  }
  char text[kStringSize] = {};
  const DWORD n = GetPrivateProfileStringA(Section.c_str(), key.c_str(), value.c_str(), text, kStringSize,
                                           FileName.c_str());
  return std::string(text, n);
}

TIniFile* OpenIniFile(const std::string& fileName) {
  TIniFile* ini = New<TIniFile>();
  ini->FileName = fileName;
  return ini;
}

std::string DirOfPath(const std::string& path) {
  size_t slash = path.rfind('\\');
  if (slash == std::string::npos) return path;
  return path.substr(0, slash + 1);
}

std::string StartDir() {
  char path[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return DirOfPath(std::string(path, n));
}

bool IsIniPositionStore(const std::string& store) {
  return store.find(kIniMark) != std::string::npos;
}

TIniFile* OpenPositionIni(const std::string& store) {
  size_t mark = store.rfind(kIniMark);
  size_t nameEnd = mark == std::string::npos ? store.size() : mark + 4;  // keeps ".ini"
  const std::string name = store.substr(0, nameEnd);
  // A full path ("C:\…", "\\server\…") is taken as it is.
  const bool fullPath = (name.size() > 2 && name[1] == ':' && name[2] == '\\') || name.rfind("\\\\", 0) == 0;
  TIniFile* ini = OpenIniFile(fullPath ? name : StartDir() + name);
  if (mark != std::string::npos) ini->Section = store.substr(mark + sizeof(kIniMark) - 1);
  return ini;
}

std::string UserSettingsFile(const std::string& folderName, const std::string& fileName) {
  // The variable first: a test (or a portable setup) gives its program a
  // folder of its own that way.
  char base[MAX_PATH] = {};
  const DWORD n = GetEnvironmentVariableA("APPDATA", base, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) {
    base[0] = '\0';
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, base) != S_OK) return "";
  }
  return std::string(base) + "\\" + folderName + "\\" + fileName;
}

void CreateIniFolder(const std::string& fileName) {
  const std::string folder = DirOfPath(fileName);
  if (folder != fileName) CreateDirectoryA(folder.c_str(), nullptr);
}
