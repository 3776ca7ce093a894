#include "components/visual/row_edit.h"

#include <cstddef>

namespace {

void PutField(std::string& out, const std::string& field) {
  out += std::to_string(field.size());
  out += ':';
  out += field;
}

void PutCells(std::string& out, const std::vector<std::string>& cells) {
  PutField(out, std::to_string(cells.size()));
  for (const std::string& cell : cells) PutField(out, cell);
}

// Reads the field at `pos` and moves past it.
bool TakeField(const std::string& text, size_t& pos, std::string& field) {
  size_t length = 0;
  size_t digits = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    if (++digits > 9) return false;  // longer than any text held here
    length = length * 10 + static_cast<size_t>(text[pos++] - '0');
  }
  if (digits == 0 || pos >= text.size() || text[pos] != ':') return false;
  ++pos;
  if (length > text.size() - pos) return false;
  field.assign(text, pos, length);
  pos += length;
  return true;
}

bool TakeNumber(const std::string& text, size_t& pos, int64_t limit, int64_t& number) {
  std::string field;
  if (!TakeField(text, pos, field) || field.empty() || field.size() > 10) return false;
  number = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  return number <= limit;
}

bool TakeCells(const std::string& text, size_t& pos, std::vector<std::string>& cells) {
  int64_t count = 0;
  // Each cell takes at least two bytes ("0:"), which bounds the count by
  // what is left of the text.
  if (!TakeNumber(text, pos, static_cast<int64_t>(text.size() - pos) / 2, count)) return false;
  cells.assign(static_cast<size_t>(count), std::string());
  for (std::string& cell : cells)
    if (!TakeField(text, pos, cell)) return false;
  return true;
}

}  // namespace

std::string PackRowEdit(const TRowEdit& edit) {
  std::string out(1, static_cast<char>(edit.Kind));
  if (edit.Kind == TRowEditKind::Batch) {
    // Each edit is one field: its own packed text.
    PutField(out, std::to_string(edit.Edits.size()));
    for (const TRowEdit& part : edit.Edits) PutField(out, PackRowEdit(part));
    return out;
  }
  PutField(out, std::to_string(edit.Row));
  PutCells(out, edit.Before);
  PutCells(out, edit.After);
  return out;
}

std::string PackRowChanges(const std::vector<TRowChange>& changes) {
  TRowEdit batch{TRowEditKind::Batch};
  for (const TRowChange& change : changes)
    batch.Edits.push_back({TRowEditKind::Cells, static_cast<int32_t>(change.Row), change.Before, change.After});
  return PackRowEdit(batch);
}

namespace {

bool UnpackSingle(const std::string& text, TRowEdit& edit) {
  if (text.empty()) return false;
  const char kind = text[0];
  if (kind != 'E' && kind != 'I' && kind != 'D') return false;
  edit.Kind = static_cast<TRowEditKind>(kind);
  size_t pos = 1;
  int64_t row = 0;
  if (!TakeNumber(text, pos, INT32_MAX, row)) return false;
  edit.Row = static_cast<int32_t>(row);
  return TakeCells(text, pos, edit.Before) && TakeCells(text, pos, edit.After) && pos == text.size();
}

bool UnpackBatch(const std::string& text, TRowEdit& edit) {
  edit = TRowEdit{TRowEditKind::Batch};
  size_t pos = 1;
  int64_t count = 0;
  // Each edit takes at least two bytes ("0:"), which bounds the count.
  if (!TakeNumber(text, pos, static_cast<int64_t>(text.size() - pos) / 2, count)) return false;
  edit.Edits.resize(static_cast<size_t>(count));
  std::string field;
  for (TRowEdit& part : edit.Edits)
    if (!TakeField(text, pos, field) || !UnpackSingle(field, part)) return false;
  return pos == text.size();
}

}  // namespace

bool UnpackRowEdit(const std::string& text, TRowEdit& edit) {
  if (!text.empty() && text[0] == static_cast<char>(TRowEditKind::Batch)) return UnpackBatch(text, edit);
  edit.Edits.clear();
  return UnpackSingle(text, edit);
}
