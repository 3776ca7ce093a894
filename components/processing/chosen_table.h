// TVMChosenTable: a table file of the user's chosen for later commands and
// remembered across starts in the user's settings (one key of an ini file).
// A table is read when it is chosen (and at start, when one was
// remembered); one that cannot be used is told and the previous choice
// stays. The commands take the table's name and bytes through the data
// outputs and read it themselves. What a table must hold is the derived
// class's (CheckTable).
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

class TVMChosenTable : public TVMComponent {
 public:
  // The ini file that remembers the choice; empty: nothing is remembered.
  std::string SettingsFile;
  TVM_Event OnError;   // String: why the table cannot be used (CR LF between lines)
  TVM_Event OnChosen;  // String: the table chosen, told by CheckTable (CR LF between lines)

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

 protected:
  // Where the choice is remembered, how a message names the table ("Таблица
  // поправок"), and what a remembered table that fails at start means for
  // the commands.
  struct TTexts {
    const char* Section;
    const char* Key;
    const char* TableWord;
    const char* WithoutTable;
  };
  explicit TVMChosenTable(const TTexts& texts) : Texts(texts) {}

  // True when the bytes of the table at `path` can be used, with the text
  // that confirms the choice; otherwise false with the reason.
  virtual bool CheckTable(const std::string& bytes, const std::string& path, std::string& chosenText,
                          std::string& error) = 0;

 private:
  bool Take(const std::string& path, std::string& chosenText, std::string& error);
  void Remember(const std::string& path);

  TTexts Texts;
  std::string Path;
  std::string Bytes;
};
