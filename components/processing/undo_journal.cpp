#include "components/processing/undo_journal.h"

#include <utility>

void TVMUndoJournal::SetCount(uint16_t n) {
  OnUndo.resize(n);
  OnRedo.resize(n);
}

bool TVMUndoJournal::Modified() const { return Position != SavedPosition; }

void TVMUndoJournal::ReportModified() { FireInt(OnModified, Modified() ? 1 : 0); }

void TVMUndoJournal::Replay(std::vector<TVM_Event>& events, const TRecord& record) {
  if (record.Source < events.size()) FireStr(events[record.Source], record.Record);
}

void TVMUndoJournal::Keep(TEntry entry) {
  Entries.resize(Position);
  // The saved content was among the dropped entries: no way leads back.
  if (SavedPosition != kUnreachable && SavedPosition > Position) SavedPosition = kUnreachable;
  Entries.push_back(std::move(entry));
  ++Position;
  ReportModified();
}

void TVMUndoJournal::Record(TData& data, uint16_t index) {
  if (InChange)
    Change.push_back({index, ValueToStr(data)});
  else
    Keep({{index, ValueToStr(data)}});
}

void TVMUndoJournal::BeginChange(TData& data, uint16_t index) {
  InChange = true;
  Change.clear();
}

void TVMUndoJournal::EndChange(TData& data, uint16_t index) {
  if (!InChange) return;
  InChange = false;
  if (!Change.empty()) Keep(std::exchange(Change, {}));
}

void TVMUndoJournal::Undo(TData& data, uint16_t index) {
  if (Position == 0) return;
  --Position;
  const TEntry entry = Entries[Position];  // a copy: the replay may record
  for (auto record = entry.rbegin(); record != entry.rend(); ++record) Replay(OnUndo, *record);
  ReportModified();
}

void TVMUndoJournal::Redo(TData& data, uint16_t index) {
  if (Position == Entries.size()) return;
  const TEntry entry = Entries[Position];
  ++Position;
  for (const TRecord& record : entry) Replay(OnRedo, record);
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
