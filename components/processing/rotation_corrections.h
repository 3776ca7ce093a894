// TVMRotationCorrections: the table of rotation corrections chosen for the
// imports, remembered across starts in the user's settings. A table is read
// when it is chosen (and at start, when one was remembered); one that cannot
// be used is told and the previous choice stays. The import takes the
// table's name and bytes through the data outputs.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

struct TRotationCorrections;

class TVMRotationCorrections : public TVMComponent {
 public:
  // The ini file that remembers the choice; empty: nothing is remembered.
  std::string SettingsFile;
  TVM_Event OnError;   // String: why the table cannot be used (CR LF between lines)
  TVM_Event OnChosen;  // String: the table chosen, its rules and warnings (CR LF between lines)

  // Action: the remembered table read again (at start); one that can no
  // longer be used is told and not applied, but stays remembered.
  void Load(TData& data, uint16_t index);
  // Action: String, the path of a table to apply from now on.
  void Choose(TData& data, uint16_t index);
  // Action: no table from now on, nothing remembered.
  void Clear(TData& data, uint16_t index);
  // Data outputs: the table's path (empty when none) and its bytes.
  void FileName(TData& data, uint16_t index);
  void Text(TData& data, uint16_t index);

 private:
  // The table at `path` read and taken, or false with the reason.
  bool Take(const std::string& path, TRotationCorrections& table, std::string& error);
  void Remember(const std::string& path);

  std::string Path;
  std::string Bytes;
};
