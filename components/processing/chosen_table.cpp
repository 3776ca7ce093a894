#include "components/processing/chosen_table.h"

#include <utility>

#include "job/job_format.h"
#include "job/line_ends.h"
#include "toolkit/ini_file.h"
#include "toolkit/stream_file.h"

namespace {

// The file's bytes, or false with the reason.
bool ReadTableFile(const std::string& path, const std::string& tableWord, std::string& bytes, std::string& error) {
  const std::string named = tableWord + " <" + path + ">";
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

}  // namespace

void TVMChosenTable::Load(TData& data, uint16_t index) {
  if (SettingsFile.empty()) return;
  TIniFile* ini = OpenIniFile(SettingsFile);
  ini->Section = Texts.Section;
  const std::string remembered = ini->ValueString(Texts.Key, "");
  ini->Free();
  std::string chosenText, error;
  if (!remembered.empty() && !Take(remembered, chosenText, error))
    FireStr(OnError, BoxLines(error + "\n" + Texts.WithoutTable));
}

void TVMChosenTable::Choose(TData& data, uint16_t index) {
  const std::string path = ValueToStr(data);
  std::string chosenText, error;
  if (path.empty()) return;
  if (!Take(path, chosenText, error)) {
    FireStr(OnError, BoxLines(error + "\nПрежний выбор не изменён."));
    return;
  }
  Remember(path);
  FireStr(OnChosen, BoxLines(chosenText));
}

void TVMChosenTable::Clear(TData& data, uint16_t index) {
  Path.clear();
  Bytes.clear();
  Remember("");
}

void TVMChosenTable::FileName(TData& data, uint16_t index) { SetStrValue(data, Path); }

void TVMChosenTable::Text(TData& data, uint16_t index) { SetStrValue(data, Bytes); }

bool TVMChosenTable::Take(const std::string& path, std::string& chosenText, std::string& error) {
  std::string bytes;
  if (!ReadTableFile(path, Texts.TableWord, bytes, error) || !CheckTable(bytes, path, chosenText, error)) return false;
  Path = path;
  Bytes = std::move(bytes);
  return true;
}

void TVMChosenTable::Remember(const std::string& path) {
  if (SettingsFile.empty()) return;
  CreateIniFolder(SettingsFile);
  TIniFile* ini = OpenIniFile(SettingsFile);
  ini->Mode = kIniWriting;
  ini->Section = Texts.Section;
  ini->ValueString(Texts.Key, path);
  ini->Free();
}
