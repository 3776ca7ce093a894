#include "components/processing/undo_journal.h"

#include <utility>

void TVMUndoJournal::SetCount(uint16_t n) {
  OnUndo.resize(n);
  OnRedo.resize(n);
}

bool TVMUndoJournal::Modified() const { return Position != SavedPosition; }

void TVMUndoJournal::ReportModified() { FireInt(OnModified, Modified() ? 1 : 0); }

void TVMUndoJournal::Replay(std::vector<TVM_Event>& events, const TPart& part) {
  if (part.Source < events.size()) FireStr(events[part.Source], part.Record);
}

void TVMUndoJournal::Add(TEntry entry) {
  Entries.resize(Position);
  // The saved content was among the dropped entries: no way leads back.
  if (SavedPosition != kUnreachable && SavedPosition > Position) SavedPosition = kUnreachable;
  Entries.push_back(std::move(entry));
  ++Position;
  ReportModified();
}

void TVMUndoJournal::Record(TData& data, uint16_t index) {
  if (Grouping) Group.push_back({index, ValueToStr(data)});
  else Add({{index, ValueToStr(data)}});
}

void TVMUndoJournal::BeginChange(TData& data, uint16_t index) {
  Grouping = true;
  Group.clear();
}

void TVMUndoJournal::EndChange(TData& data, uint16_t index) {
  if (!Grouping) return;
  Grouping = false;
  if (!Group.empty()) Add(std::move(Group));
  Group.clear();
}

void TVMUndoJournal::Undo(TData& data, uint16_t index) {
  if (Position == 0) return;
  --Position;
  const TEntry entry = Entries[Position];  // a copy: the replay may record
  for (auto part = entry.rbegin(); part != entry.rend(); ++part) Replay(OnUndo, *part);
  ReportModified();
}

void TVMUndoJournal::Redo(TData& data, uint16_t index) {
  if (Position == Entries.size()) return;
  const TEntry entry = Entries[Position];
  ++Position;
  for (const TPart& part : entry) Replay(OnRedo, part);
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

void TVMUndoJournal::StartOver(TData& data, uint16_t index) {
  Entries.clear();
  Group.clear();
  Grouping = false;
  Position = 0;
  SavedPosition = ValueToInt(data) != 0 ? kUnreachable : 0;
  ReportModified();
}
