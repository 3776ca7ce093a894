// TVMDocument: the state of the document the window shows: the file it was
// last opened from or saved to, and whether it holds changes not yet saved.
// It gives the window its caption ("*job.CSV - Editor" while changed) and,
// as the window's close query, asks the user what to do with unsaved
// changes before the window closes; it asks the same before the job is left
// for a new one.
#pragma once

#include <cstdint>
#include <string>

#include "core/component.h"
#include "core/event.h"

class TVMDocument : public TVMComponent {
 public:
  std::string AppTitle;            // the caption with no file
  std::string ModifiedMark = "*";  // put before the caption while changed
  std::string Path;                // the file, empty before the first open or save
  bool Modified = false;
  TVM_Event OnTitle;    // String: the caption, whenever it changes
  TVM_Event OnAskSave;  // NULL: the window is closing, or the job is left, with unsaved changes
  TVM_Event OnLeave;    // the value Leave was called with: the job may be left

  // Actions.
  void SetPath(TData& data, uint16_t index);      // String: the file opened or saved
  void SetModified(TData& data, uint16_t index);  // Integer: 1 changed, 0 not
  void Discard(TData& data, uint16_t index);      // the user closes without saving
  // Data output, read before the window closes: Integer 1 keeps it open.
  // With unsaved changes it fires OnAskSave and answers from what the
  // question led to: saved or discarded lets the window close.
  void CloseQuery(TData& data, uint16_t index);
  // Action: the job is about to be left for another. With unsaved changes
  // it fires OnAskSave first, as the close query does; once they were saved
  // or discarded (or there were none) it forwards the value to OnLeave.
  void Leave(TData& data, uint16_t index);
  // Data output: String, the file last opened or saved (empty before any).
  void FilePath(TData& data, uint16_t index);

  std::string Title() const;

 private:
  std::string ShownTitle;
  bool Discarded = false;
  void ShowTitle();
  // Asks about unsaved changes; true when none are left that the user
  // wants kept (saved, discarded, or none).
  bool ChangesSettled();
};

// The name of a file without its folders ("C:\jobs\a.CSV" gives "a.CSV").
std::string FileNameOfPath(const std::string& path);
