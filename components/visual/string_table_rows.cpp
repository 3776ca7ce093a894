// The string table's row commands: Insert and Ctrl+Delete on the list view,
// the record of each change the user makes (OnEdit), and undoing and redoing
// such a change.
#include <algorithm>

#include "components/visual/row_edit.h"
#include "components/visual/string_table.h"
#include "toolkit/list_edit.h"
#include "toolkit/list_view.h"

namespace {

// At most this many edits wait for their report; older ones are forgotten
// (their report can no longer come).
constexpr size_t kMaxPendingEdits = 8;

bool IsKeyHeld(int key) { return GetKeyState(key) < 0; }

}  // namespace

std::vector<std::string> TvmStringTableMT::RowCells(int32_t row) const {
  std::vector<std::string> cells;
  TListView* lv = ListView();
  for (int32_t c = 0; lv && c < lv->ColumnCount; ++c) cells.push_back(ListGetCellText(lv, row, c));
  return cells;
}

// Reading a cell costs less than writing one, and a change of many rows
// (feeders assigned, say) changes a cell or two of each.
bool TvmStringTableMT::PutChangedCells(int32_t row, const std::vector<std::string>& current,
                                       const std::vector<std::string>& cells) {
  bool changed = false;
  for (size_t c = 0; c < cells.size() && c < current.size(); ++c) {
    if (cells[c] == current[c]) continue;
    ListSetCellText(ListView(), row, static_cast<int32_t>(c), cells[c]);
    changed = true;
  }
  return changed;
}

bool TvmStringTableMT::InsertRowCells(int32_t row, const std::vector<std::string>& cells) {
  TListView* lv = ListView();
  if (!lv || row < 0 || row > RowCount()) return false;
  if (ListInsertRow(lv, row, cells.empty() ? std::string() : cells[0]) != row) return false;
  for (size_t c = 1; c < cells.size() && c < static_cast<size_t>(ColumnCount()); ++c)
    ListSetCellText(lv, row, static_cast<int32_t>(c), cells[c]);
  return true;
}

bool TvmStringTableMT::RemoveRow(int32_t row) {
  TListView* lv = ListView();
  if (!lv || row < 0 || row >= RowCount() || !ListDeleteRow(lv, row)) return false;
  // An edit of the removed row can no longer be reported; the snapshots of
  // the rows below it move up with them.
  std::erase_if(EditSnapshots, [row](const auto& snapshot) { return snapshot.first == row; });
  for (auto& snapshot : EditSnapshots)
    if (snapshot.first > row) --snapshot.first;
  return true;
}

// Makes the row the current one and scrolls it into view.
void TvmStringTableMT::ShowRow(int32_t row) {
  TListView* lv = ListView();
  const int32_t rows = RowCount();
  if (rows == 0) return;
  row = std::clamp(row, 0, rows - 1);
  ListSetCurrentRow(lv, row);
  ListEnsureVisible(lv, row, false);
}

// --- The user's changes -------------------------------------------------------

void TvmStringTableMT::InsertRowBelowCurrent() {
  TListView* lv = ListView();
  if (!lv) return;
  const int32_t current = ListCurrentRow(lv);
  const int32_t row = current < 0 ? RowCount() : current + 1;
  const std::vector<std::string> cells(static_cast<size_t>(ColumnCount()));
  if (!InsertRowCells(row, cells)) return;
  ShowRow(row);
  FireInt(OnRowInserted, row);
  FireStr(OnEdit, PackRowEdit({TRowEditKind::Inserted, row, {}, cells}));
  // Editing starts at the new row's first cell once this key has been
  // handled, the way Enter starts it.
  if (lv->CellEditor && lv->HasWindow()) {
    lv->CellEditor->RememberedColumn = 1;
    PostMessageA(lv->Handle, kMsgStartEdit, 0, 0);
  }
}

void TvmStringTableMT::DeleteCurrentRow() {
  TListView* lv = ListView();
  if (!lv) return;
  const int32_t row = ListCurrentRow(lv);
  if (row < 0) return;
  const std::vector<std::string> cells = RowCells(row);
  if (!RemoveRow(row)) return;
  ShowRow(row);  // the row that took its place, or the new last one
  FireInt(OnRowDeleted, row);
  FireStr(OnEdit, PackRowEdit({TRowEditKind::Deleted, row, cells, {}}));
}

// Compares the row with its cells at the start of the edit that is being
// reported; only a real difference is a change.
void TvmStringTableMT::ReportEditedCells(int32_t row) {
  auto snapshot = std::find_if(EditSnapshots.begin(), EditSnapshots.end(),
                               [row](const auto& s) { return s.first == row; });
  if (snapshot == EditSnapshots.end()) return;
  std::vector<std::string> before = std::move(snapshot->second);
  EditSnapshots.erase(snapshot);
  if (row < 0 || row >= RowCount()) return;
  std::vector<std::string> after = RowCells(row);
  if (after != before) FireStr(OnEdit, PackRowEdit({TRowEditKind::Cells, row, before, after}));
}

void TvmStringTableMT::Clear(TData& data, uint16_t index) {
  TListView* lv = ListView();
  if (!lv) return;
  if (lv->CellEditor && lv->CellEditor->Editors->Count != 0) lv->CellEditor->StopEditing(false);
  EditSnapshots.clear();  // a posted report of an edit then finds nothing
  ListClear(lv);
}

void TvmStringTableMT::CommitEdit(TData& data, uint16_t index) {
  TListView* lv = ListView();
  TListEdit* editor = lv ? lv->CellEditor : nullptr;
  if (!editor || editor->Editors->Count == 0) return;
  const int32_t row = editor->EditRow;
  editor->StopEditing(true);
  // The posted report of this edit then finds nothing left to report.
  CellChanged(nullptr, row);
}

void TvmStringTableMT::EditStarted(TControl* sender, int32_t row) {
  if (EditSnapshots.size() >= kMaxPendingEdits) EditSnapshots.erase(EditSnapshots.begin());
  EditSnapshots.emplace_back(row, RowCells(row));
  FireInt(OnEditStart, row);
}

void TvmStringTableMT::CellChanged(TControl* sender, int32_t row) {
  FireInt(OnCellChanged, row);
  ReportEditedCells(row);
}

// Watches the list view's key presses: only while the list view itself has
// the focus, so never while a cell is being edited.
bool TvmStringTableMT::RowKeyMessage(TControl* sender, TMsg& msg, LRESULT& result) {
  TListView* lv = ListView();
  if (!RowKeys || !lv || msg.Window != lv->Handle || msg.Message != WM_KEYDOWN) return false;
  const bool ctrl = IsKeyHeld(VK_CONTROL), shift = IsKeyHeld(VK_SHIFT), alt = IsKeyHeld(VK_MENU);
  if (msg.WParam == VK_INSERT && !ctrl && !shift && !alt) {
    InsertRowBelowCurrent();
  } else if (msg.WParam == VK_DELETE && ctrl && !shift && !alt) {
    DeleteCurrentRow();
  } else {
    return false;
  }
  result = 0;
  return true;
}

// --- Undo and redo ----------------------------------------------------------------

void TvmStringTableMT::UndoEdit(TData& data, uint16_t index) { ApplyEdit(ValueToStr(data), true); }

void TvmStringTableMT::RedoEdit(TData& data, uint16_t index) { ApplyEdit(ValueToStr(data), false); }

// Undoing an insert removes the row, undoing a removal puts it back, and an
// edited row gets its cells of before (undo) or after (redo). A record that
// does not fit the table (a row that is not there) changes nothing; of a
// batch, the edits that fit are applied. A batch is painted once at its end
// and shows the last row it changed.
void TvmStringTableMT::ApplyEdit(const std::string& record, bool undo) {
  TRowEdit edit;
  TListView* lv = ListView();
  if (!lv || !UnpackRowEdit(record, edit)) return;
  if (edit.Kind != TRowEditKind::Batch) {
    ApplyRowEdit(edit, undo, true);
    return;
  }
  // Removing the focused row makes the list view move its focus, at a cost
  // that grows with the rows (20 ms a removal at 2,000 rows under Wine):
  // the batch runs with no current row and shows one at its end.
  ListSetCurrentRow(lv, -1);
  ListDeferRedraw(lv);
  int32_t shown = -1;
  auto apply = [&](const TRowEdit& part) {
    if (ApplyRowEdit(part, undo, false)) shown = part.Row;
  };
  if (undo) std::for_each(edit.Edits.rbegin(), edit.Edits.rend(), apply);
  else std::for_each(edit.Edits.begin(), edit.Edits.end(), apply);
  if (shown >= 0) ShowRow(shown);
}

bool TvmStringTableMT::ApplyRowEdit(const TRowEdit& edit, bool undo, bool show) {
  const int32_t row = edit.Row;
  TVM_Event* event = nullptr;
  switch (edit.Kind) {
    case TRowEditKind::Cells:
      if (row >= RowCount()) return false;
      // The row holds the record's other side: only the cells that differ
      // between the two are written, with no need to read the row.
      PutChangedCells(row, undo ? edit.After : edit.Before, undo ? edit.Before : edit.After);
      event = &OnCellChanged;
      break;
    case TRowEditKind::Inserted:
    case TRowEditKind::Deleted:
      if ((edit.Kind == TRowEditKind::Deleted) == undo) {
        if (!InsertRowCells(row, edit.Kind == TRowEditKind::Deleted ? edit.Before : edit.After)) return false;
        event = &OnRowInserted;
      } else {
        if (!RemoveRow(row)) return false;
        event = &OnRowDeleted;
      }
      break;
    case TRowEditKind::Batch:
      return false;
  }
  if (show) ShowRow(row);
  FireInt(*event, row);
  return true;
}
