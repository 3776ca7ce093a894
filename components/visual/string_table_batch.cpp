// Changes of many rows at once, each reported as one change: the rows an
// import appends (AddRows), the cells a command sets in many rows
// (ChangeRows) and a table made anew (ReplaceRows). One undo takes the whole
// change back.
#include <utility>

#include "components/visual/row_edit.h"
#include "components/visual/string_table.h"
#include "toolkit/list_view.h"

namespace {

// The row lines of a text, CR LF between them; a last line without its end
// counts, an empty text has none.
std::vector<std::string> SplitRowLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace

void TvmStringTableMT::AddRows(TData& data, uint16_t index) {
  TRowEdit added{TRowEditKind::Batch};
  const auto columns = static_cast<size_t>(ColumnCount());
  int32_t row = RowCount();
  for (const std::string& line : SplitRowLines(ValueToStr(data))) {
    const TRowFields fields = ParseLine(line);
    if (!WriteFields(fields, -1, false)) break;
    if (OnRowStored.Code) FireStr(OnRowStored, FormatRowLine(fields));
    // The record holds the row's cells as the table holds them, one per column.
    std::vector<std::string> cells = fields.Cells;
    cells.resize(columns);
    added.Edits.push_back({TRowEditKind::Inserted, row++, {}, std::move(cells)});
  }
  if (!added.Edits.empty()) FireStr(OnEdit, PackRowEdit(added));
}

// The Before cells of the record given are not trusted: the record reported
// carries what the rows held, so that undo brings exactly that back. Rows
// the record leaves as they were are no part of the change.
void TvmStringTableMT::ChangeRows(TData& data, uint16_t index) {
  TRowEdit edit;
  if (!ListView() || !UnpackRowEdit(ValueToStr(data), edit)) return;
  std::vector<TRowEdit> parts;
  if (edit.Kind == TRowEditKind::Batch) parts = std::move(edit.Edits);
  else parts.push_back(std::move(edit));
  const int32_t rows = RowCount();
  for (const TRowEdit& part : parts)
    if (part.Kind != TRowEditKind::Cells || part.Row < 0 || part.Row >= rows) return;

  ListDeferRedraw(ListView());
  TRowEdit changed{TRowEditKind::Batch};
  for (TRowEdit& part : parts) {
    std::vector<std::string> before = RowCells(part.Row);
    if (!PutChangedCells(part.Row, before, part.After)) continue;
    part.Before = std::move(before);
    FireInt(OnCellChanged, part.Row);
    changed.Edits.push_back(std::move(part));
  }
  if (changed.Edits.empty()) return;
  FireStr(OnEdit, PackRowEdit(changed.Edits.size() == 1 ? changed.Edits.front() : changed));
}

// Every row goes, last first, then the new rows come in order: undone (from
// the last edit back) the new rows go and the old ones come back in order.
// Rows that are already the table's are no change.
void TvmStringTableMT::ReplaceRows(TData& data, uint16_t index) {
  TListView* lv = ListView();
  if (!lv) return;
  const auto columns = static_cast<size_t>(ColumnCount());
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : SplitRowLines(ValueToStr(data))) {
    rows.push_back(ParseLine(line).Cells);
    rows.back().resize(columns);
  }
  std::vector<std::vector<std::string>> old;
  for (int32_t row = 0; row < RowCount(); ++row) old.push_back(RowCells(row));
  if (rows == old) return;

  ListSetCurrentRow(lv, -1);  // see ApplyEdit: no focus to move on each removal
  ListDeferRedraw(lv);
  TRowEdit replaced{TRowEditKind::Batch};
  for (auto row = static_cast<int32_t>(old.size()) - 1; row >= 0; --row) {
    if (!RemoveRow(row)) break;
    FireInt(OnRowDeleted, row);
    replaced.Edits.push_back({TRowEditKind::Deleted, row, std::move(old[static_cast<size_t>(row)]), {}});
  }
  for (int32_t row = 0; row < static_cast<int32_t>(rows.size()); ++row) {
    if (!InsertRowCells(row, rows[static_cast<size_t>(row)])) break;
    FireInt(OnRowInserted, row);
    replaced.Edits.push_back({TRowEditKind::Inserted, row, {}, std::move(rows[static_cast<size_t>(row)])});
  }
  if (!rows.empty()) ShowRow(0);
  if (!replaced.Edits.empty()) FireStr(OnEdit, PackRowEdit(replaced));
}
