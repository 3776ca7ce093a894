// Changes of many rows at once, each reported as one change: the rows an
// import appends (AddRows) and the cells a command sets in many rows
// (ChangeRows). One undo takes the whole change back.
#include <utility>

#include "components/visual/row_edit.h"
#include "components/visual/string_table.h"
#include "toolkit/list_view.h"

void TvmStringTableMT::AddRows(TData& data, uint16_t index) {
  const std::string text = ValueToStr(data);
  TRowEdit added{TRowEditKind::Batch};
  const auto columns = static_cast<size_t>(ColumnCount());
  int32_t row = RowCount();
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const TRowFields fields = ParseLine(text.substr(start, end - start));
    start = end + 2;
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
