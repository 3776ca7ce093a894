// TVMUndoJournal: keeps the changes the user made, in order, so that they can
// be undone and redone. A change is an opaque record (a text) from one of
// several sources; undoing fires the record back at that source's OnUndo,
// redoing at its OnRedo, and the source carries it out. The journal also
// knows whether the content stands where it stood at the last Clear or
// MarkSaved, and reports that as OnModified after every action.
//
// A change of several sources (rows of two tables, say) is one change: the
// records between BeginChange and EndChange make one entry, undone from its
// last record back and redone from its first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/component.h"
#include "core/event.h"

class TVMUndoJournal : public TVMComponent {
 public:
  std::vector<TVM_Event> OnUndo;  // per source: String, the record to undo
  std::vector<TVM_Event> OnRedo;  // per source: String, the record to redo
  TVM_Event OnModified;           // Integer: 1 changes not saved, 0 none

  // Resizes OnUndo and OnRedo to n sources (new ones unconnected).
  void SetCount(uint16_t n);

  // Actions. Record takes the record from the value and the source from the
  // link index; it drops whatever could have been redone.
  void Record(TData& data, uint16_t index);
  void Undo(TData& data, uint16_t index);
  void Redo(TData& data, uint16_t index);
  // The records that follow, up to EndChange, are one change. An EndChange
  // with no record between them leaves the journal as it was.
  void BeginChange(TData& data, uint16_t index);
  void EndChange(TData& data, uint16_t index);
  // A file was opened: nothing before it can be undone. Changes that were
  // not saved stay unsaved (the content still holds them).
  void Clear(TData& data, uint16_t index);
  // The content was saved as it stands now.
  void MarkSaved(TData& data, uint16_t index);
  // Integer: a job starts here: nothing before it can be undone, and the
  // content counts as saved (0: a new job) or as holding unsaved changes
  // (1: a job's changes recovered after the program stopped).
  void StartOver(TData& data, uint16_t index);

  size_t UndoCount() const { return Position; }
  size_t RedoCount() const { return Entries.size() - Position; }
  bool Modified() const;

 private:
  struct TPart {
    uint16_t Source;
    std::string Record;
  };
  using TEntry = std::vector<TPart>;  // in the order recorded
  // Where the saved content lies when no undo or redo can get back to it.
  static constexpr size_t kUnreachable = SIZE_MAX;

  std::vector<TEntry> Entries;
  size_t Position = 0;       // entries before it are done, from it on undone
  size_t SavedPosition = 0;  // the position of the saved content
  bool Grouping = false;     // between BeginChange and EndChange
  TEntry Group;              // the records of the change being made
  void Add(TEntry entry);
  void Replay(std::vector<TVM_Event>& events, const TPart& part);
  void ReportModified();
};
