#include "components/processing/rotation_corrections.h"

#include <utility>

#include "job/job_format.h"
#include "job/line_ends.h"
#include "job/rotation_corrections.h"
#include "toolkit/ini_file.h"
#include "toolkit/stream_file.h"

namespace {

constexpr char kSection[] = "Import";
constexpr char kTableKey[] = "RotationCorrections";

// The file's bytes, or false with the reason.
bool ReadTableFile(const std::string& path, std::string& bytes, std::string& error) {
  const std::string named = "Таблица поправок <" + path + ">";
  if (!FileExists(path)) {
    error = named + " не найдена.";
    return false;
  }
  TStream* stream = OpenReadStream(path);
  const bool opened = stream->Error == 0;
  const bool fits = stream->Size() <= kJobFileMaxSize;
  if (opened && fits) bytes = stream->ReadAll();
  FreeStream(stream);
  if (!opened) error = named + " не открыта: нет доступа.";
  if (!fits) error = named + " больше " + std::to_string(kJobFileMaxSize >> 20) + " МБ.";
  return opened && fits;
}

std::string ChosenText(const TRotationCorrections& table) {
  std::string text = "Поправки поворота: " + table.Name + "\nПравил: " + std::to_string(table.Rules.size());
  for (const std::string& warning : table.Warnings) text += "\n" + warning;
  return BoxLines(text);
}

}  // namespace

void TVMRotationCorrections::Load(TData& data, uint16_t index) {
  if (SettingsFile.empty()) return;
  TIniFile* ini = OpenIniFile(SettingsFile);
  ini->Section = kSection;
  const std::string remembered = ini->ValueString(kTableKey, "");
  ini->Free();
  TRotationCorrections table;
  std::string error;
  if (!remembered.empty() && !Take(remembered, table, error))
    FireStr(OnError, BoxLines(error + "\nИмпорт пойдёт без поправок поворота."));
}

void TVMRotationCorrections::Choose(TData& data, uint16_t index) {
  const std::string path = ValueToStr(data);
  TRotationCorrections table;
  std::string error;
  if (path.empty()) return;
  if (!Take(path, table, error)) {
    FireStr(OnError, BoxLines(error + "\nПрежний выбор не изменён."));
    return;
  }
  Remember(path);
  FireStr(OnChosen, ChosenText(table));
}

void TVMRotationCorrections::Clear(TData& data, uint16_t index) {
  Path.clear();
  Bytes.clear();
  Remember("");
}

void TVMRotationCorrections::FileName(TData& data, uint16_t index) { SetStrValue(data, Path); }

void TVMRotationCorrections::Text(TData& data, uint16_t index) { SetStrValue(data, Bytes); }

bool TVMRotationCorrections::Take(const std::string& path, TRotationCorrections& table, std::string& error) {
  std::string bytes;
  if (!ReadTableFile(path, bytes, error) || !ReadRotationCorrections(bytes, path, table, error)) return false;
  Path = path;
  Bytes = std::move(bytes);
  return true;
}

void TVMRotationCorrections::Remember(const std::string& path) {
  if (SettingsFile.empty()) return;
  CreateIniFolder(SettingsFile);
  TIniFile* ini = OpenIniFile(SettingsFile);
  ini->Mode = kIniWriting;
  ini->Section = kSection;
  ini->ValueString(kTableKey, path);
  ini->Free();
}
