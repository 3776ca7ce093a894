// Watches what TOpenSaveDialog hands to the platform: while it lives, the
// platform calls are wrapped, every record is copied, and then the real
// dialog runs (or, with ShowDialogs false, the call fails as a dialog that
// could not be shown would).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/open_save_dialog.h"

class TFileDialogRecorder {
 public:
  struct Call {
    bool Open;  // GetOpenFileNameA, else GetSaveFileNameA
    OPENFILENAMEA Record;  // pointers cleared; their texts below
    std::string Filter;    // up to and including the closing zero pair
    std::string Name;      // the name buffer's text
    std::string InitialDir, Title, DefaultExt;
  };
  std::vector<Call> Calls;
  bool ShowDialogs = true;

  TFileDialogRecorder()
      : SavedOpen(OpenFileDialogProc), SavedSave(SaveFileDialogProc) {
    Current() = this;
    OpenFileDialogProc = &RecordOpen;
    SaveFileDialogProc = &RecordSave;
  }
  ~TFileDialogRecorder() {
    OpenFileDialogProc = SavedOpen;
    SaveFileDialogProc = SavedSave;
    Current() = nullptr;
  }
  TFileDialogRecorder(const TFileDialogRecorder&) = delete;
  TFileDialogRecorder& operator=(const TFileDialogRecorder&) = delete;

  // "<null>" stands for a null text pointer.
  static std::string Text(const char* text) { return text ? text : "<null>"; }

 private:
  TFileDialogProc SavedOpen, SavedSave;

  static TFileDialogRecorder*& Current() {
    static TFileDialogRecorder* current = nullptr;
    return current;
  }
  static std::string FilterBytes(const char* filter) {
    if (!filter) return "<null>";
    size_t n = 0;
    while (filter[n] || filter[n + 1]) ++n;
    return std::string(filter, n + 2);
  }
  BOOL Record(OPENFILENAMEA* record, bool open) {
    Call call{open, *record, FilterBytes(record->lpstrFilter), Text(record->lpstrFile),
              Text(record->lpstrInitialDir), Text(record->lpstrTitle), Text(record->lpstrDefExt)};
    call.Record.lpstrFilter = call.Record.lpstrFile = nullptr;
    call.Record.lpstrInitialDir = call.Record.lpstrTitle = call.Record.lpstrDefExt = nullptr;
    Calls.push_back(call);
    if (!ShowDialogs) return FALSE;
    return (open ? SavedOpen : SavedSave)(record);
  }
  static BOOL WINAPI RecordOpen(OPENFILENAMEA* record) { return Current()->Record(record, true); }
  static BOOL WINAPI RecordSave(OPENFILENAMEA* record) { return Current()->Record(record, false); }
};
