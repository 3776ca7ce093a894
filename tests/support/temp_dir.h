// A fresh directory under the system's temporary folder, removed with
// everything in it when the test ends.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/files.h"

class TTempDir {
 public:
  TTempDir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    for (unsigned n = GetTickCount() ^ GetCurrentProcessId();; ++n) {
      Path = std::string(base) + "zr-test-" + std::to_string(n);
      if (CreateDirectoryA(Path.c_str(), nullptr)) break;
    }
  }
  ~TTempDir() { RemoveTree(Path); }

  std::string File(const std::string& name) const { return Path + "\\" + name; }

  std::string Path;

 private:
  static void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = dir + "\\" + name;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveTree(path);
        else
          DeleteFileA(path.c_str());
      } while (FindNextFileA(find, &entry));
      FindClose(find);
    }
    RemoveDirectoryA(dir.c_str());
  }
};
