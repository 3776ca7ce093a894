#include "components/processing/bottom_turn.h"

#include "toolkit/ini_file.h"

namespace {

constexpr char kSection[] = "Import";
constexpr char kTurnKey[] = "BottomTurn";
// The turns as the settings file names them, by index.
constexpr const char* kTurnNames[] = {"lr", "tb"};

}  // namespace

void TVMBottomTurn::Load(TData& data, uint16_t index) {
  std::string remembered;
  if (!SettingsFile.empty()) {
    TIniFile* ini = OpenIniFile(SettingsFile);
    ini->Section = kSection;
    remembered = ini->ValueString(kTurnKey, "");
    ini->Free();
  }
  TakeTurn(remembered == kTurnNames[kTopBottom] ? kTopBottom : kLeftRight);
}

void TVMBottomTurn::Choose(TData& data, uint16_t index) {
  TakeTurn(index == kTopBottom ? kTopBottom : kLeftRight);
  if (SettingsFile.empty()) return;
  CreateIniFolder(SettingsFile);
  TIniFile* ini = OpenIniFile(SettingsFile);
  ini->Mode = kIniWriting;
  ini->Section = kSection;
  ini->ValueString(kTurnKey, kTurnNames[Current]);
  ini->Free();
}

void TVMBottomTurn::Turn(TData& data, uint16_t index) { SetIntValue(data, Current); }

void TVMBottomTurn::TakeTurn(uint16_t turn) {
  Current = turn;
  FireNull(OnTurn[turn]);
}
