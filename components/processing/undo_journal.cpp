#include "components/processing/undo_journal.h"

void TVMUndoJournal::SetCount(uint16_t n) {
  OnUndo.resize(n);
  OnRedo.resize(n);
}

bool TVMUndoJournal::Modified() const { return Position != SavedPosition; }

void TVMUndoJournal::ReportModified() { FireInt(OnModified, Modified() ? 1 : 0); }

void TVMUndoJournal::Replay(std::vector<TVM_Event>& events, const TEntry& entry) {
  if (entry.Source < events.size()) FireStr(events[entry.Source], entry.Record);
}

void TVMUndoJournal::Record(TData& data, uint16_t index) {
  Entries.resize(Position);
  // The saved content was among the dropped entries: no way leads back.
  if (SavedPosition != kUnreachable && SavedPosition > Position) SavedPosition = kUnreachable;
  Entries.push_back({index, ValueToStr(data)});
  ++Position;
  ReportModified();
}

void TVMUndoJournal::Undo(TData& data, uint16_t index) {
  if (Position == 0) return;
  --Position;
  const TEntry entry = Entries[Position];  // a copy: the replay may record
  Replay(OnUndo, entry);
  ReportModified();
}

void TVMUndoJournal::Redo(TData& data, uint16_t index) {
  if (Position == Entries.size()) return;
  const TEntry entry = Entries[Position];
  ++Position;
  Replay(OnRedo, entry);
  ReportModified();
}

void TVMUndoJournal::Clear(TData& data, uint16_t index) {
  const bool modified = Modified();
  Entries.clear();
  Position = 0;
  SavedPosition = modified ? kUnreachable : 0;
  ReportModified();
}

void TVMUndoJournal::MarkSaved(TData& data, uint16_t index) {
  SavedPosition = Position;
  ReportModified();
}
