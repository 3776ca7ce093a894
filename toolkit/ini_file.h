// TIniFile: integer and text values of one section of one ini file, read
// with a default or written, depending on Mode. One call sequence of
// ValueInteger and ValueString thus serves both loading and saving.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/obj.h"

enum : uint8_t { kIniReading = 0, kIniWriting = 1 };

class TIniFile : public TObj {
 public:
  uint8_t Mode = kIniReading;
  std::string FileName;  // full path
  std::string Section;

  // Writing: stores Key = Value in Section and returns Value.
  // Reading: the integer stored under Key, or Value when the file, the
  // section or the key is missing.
  int32_t ValueInteger(const std::string& key, int32_t value);
  // The same for a text of one line (at most 4095 bytes are read back).
  std::string ValueString(const std::string& key, const std::string& value);

 protected:
  ~TIniFile() override = default;
};

// A reading TIniFile for FileName with no section; the caller frees it.
TIniFile* OpenIniFile(const std::string& fileName);

// The running program's directory with its trailing backslash.
std::string StartDir();

// The part of a path up to and including its last backslash; a path without
// a backslash is returned whole.
std::string DirOfPath(const std::string& path);

// The ini file `fileName` in the folder `folderName` of the current user's
// application data (the APPDATA variable, else the shell's folder); empty
// when there is none. Nothing is created.
std::string UserSettingsFile(const std::string& folderName, const std::string& fileName);
// Creates the folder of an ini file when it is missing (its parent must
// exist), so that the file can be written.
void CreateIniFolder(const std::string& fileName);

// A window position store of the form "file.ini\section" names an ini file
// and a section of it; a file named by a full path ("C:\…\file.ini\section")
// is that file, any other is in the program's directory.
bool IsIniPositionStore(const std::string& store);
// Opens the ini file of such a store with its section set (reading mode).
TIniFile* OpenPositionIni(const std::string& store);
