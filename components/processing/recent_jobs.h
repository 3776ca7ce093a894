// TVMRecentJobs: the jobs last opened or saved (job/recent_jobs.h), kept in
// the user's settings file across starts and shown as menu items, "&1 …"
// the most recent. Choosing one asks first, as closing does, what to do with
// unsaved changes, then hands its path to the open; a job the open could not
// read (it told why) leaves the list.
//
// The list is read back from the settings file before every change, so two
// editors running at once both add to it.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"
#include "job/recent_jobs.h"

class TVMRecentJobs : public TVMComponent {
 public:
  // The ini file that keeps the list; empty: nothing is remembered.
  std::string SettingsFile;
  TVM_Event CloseQuery;  // data input: Integer, non-zero keeps the job shown (the user cancelled)
  TVM_Event OnItems;     // String: the items' captions, one line each, most recent first
  TVM_Event OnChosen;    // String: the chosen job's path, to be opened

  // Actions. Load: the remembered list shown (at start). Add: String, a job
  // opened or saved goes in front. Choose: the job at the link index (from
  // 0) is opened.
  void Load(TData& data, uint16_t index);
  void Add(TData& data, uint16_t index);
  void Choose(TData& data, uint16_t index);

  const TRecentJobs& Jobs() const { return Shown; }

 private:
  TRecentJobs Stored() const;
  void Keep(const TRecentJobs& jobs);

  TRecentJobs Shown;
  std::string Opening;  // the chosen job while its open runs
  bool Opened = false;  // the open of Opening got through
};
