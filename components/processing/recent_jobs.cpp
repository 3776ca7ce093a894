#include "components/processing/recent_jobs.h"

#include "toolkit/file_commit.h"
#include "toolkit/ini_file.h"

namespace {

constexpr char kSection[] = "Recent";

std::string FileKey(size_t i) { return "File" + std::to_string(i + 1); }

}  // namespace

TRecentJobs TVMRecentJobs::Stored() const {
  TRecentJobs jobs;
  if (SettingsFile.empty()) return jobs;
  TIniFile* ini = OpenIniFile(SettingsFile);
  ini->Section = kSection;
  for (size_t i = 0; i < kRecentJobsLimit; ++i) jobs.push_back(ini->ValueString(FileKey(i), ""));
  ini->Free();
  return CleanRecentJobs(jobs);
}

// Stores the list (every key written, an empty one for a place not taken)
// and shows it.
void TVMRecentJobs::Keep(const TRecentJobs& jobs) {
  Shown = jobs;
  if (!SettingsFile.empty()) {
    CreateIniFolder(SettingsFile);
    TIniFile* ini = OpenIniFile(SettingsFile);
    ini->Mode = kIniWriting;
    ini->Section = kSection;
    for (size_t i = 0; i < kRecentJobsLimit; ++i) ini->ValueString(FileKey(i), i < jobs.size() ? jobs[i] : "");
    ini->Free();
  }
  std::string items;
  for (size_t i = 0; i < jobs.size(); ++i) items += (i ? "\r\n" : "") + RecentJobCaption(i + 1, jobs[i]);
  FireStr(OnItems, items);
}

void TVMRecentJobs::Load(TData& data, uint16_t index) {
  Shown = Stored();
  Keep(Shown);
}

void TVMRecentJobs::Add(TData& data, uint16_t index) {
  const std::string path = FullPath(ValueToStr(data));
  if (path.empty()) return;
  if (!Opening.empty() && SameWindowsPath(path, Opening)) Opened = true;
  Keep(AddRecentJob(Stored(), path));
}

void TVMRecentJobs::Choose(TData& data, uint16_t index) {
  if (index >= Shown.size() || !Opening.empty()) return;
  const std::string path = Shown[index];
  if (FetchPointInt(CloseQuery) != 0) return;
  Opening = path;
  Opened = false;
  FireStr(OnChosen, path);
  Opening.clear();
  if (!Opened) Keep(RemoveRecentJob(Stored(), path));
}
