#include "job/job_format_fit.h"

#include <string_view>

#include "job/job_format.h"

namespace {

enum : size_t { kFeeders, kSpecialFeeders, kBoards, kComponents };

bool IsRefused(char c) {
  return static_cast<unsigned char>(c) < 32 ||
         std::string_view(kJobCellRefusedChars).find(c) != std::string_view::npos;
}

bool CharsFit(const std::string& cell) {
  for (char c : cell)
    if (IsRefused(c)) return false;
  return true;
}

// End marks that end a section early when a cell of that table holds them:
// "#Special" anywhere (after the feeder section it starts another feeder
// block), "#Circuit" in a special feeder cell, "Component" in a board cell.
// In other tables they stand outside the text searched for them.
bool HoldsEndMark(size_t table, const std::string& cell) {
  if (cell.find(kFeederEndMark) != std::string::npos) return true;
  if (table == kSpecialFeeders && cell.find(kSpecialFeederEndMark) != std::string::npos) return true;
  return table == kBoards && cell.find(kBoardEndMark) != std::string::npos;
}

// Start marks hold a ",", so only neighbouring cells can form them: the
// cell of the row line where one begins, if any.
// `written` is the row's line with the separator after its last cell too.
std::optional<size_t> StartingMarkAt(const std::string& written) {
  for (const char* mark : {kSpecialFeederStartMark, kBoardStartMark, kComponentCutEndMark}) {
    const size_t at = written.find(mark);
    if (at != std::string::npos) return at;
  }
  return std::nullopt;
}

std::optional<size_t> CellStartingMark(const std::vector<std::string>& row) {
  std::string line;
  std::vector<size_t> cellOf;
  for (size_t c = 0; c < row.size(); ++c) {
    line += row[c];
    line += kJobCellSeparator;
    cellOf.resize(line.size(), c);
  }
  if (const auto at = StartingMarkAt(line)) return cellOf[*at];
  return std::nullopt;
}

}  // namespace

std::optional<size_t> FindRowMisfit(size_t table, const std::vector<std::string>& row) {
  for (size_t c = 0; c < row.size(); ++c)
    if (!CharsFit(row[c]) || HoldsEndMark(table, row[c])) return c;
  return CellStartingMark(row);
}

// With exactly one separator per cell no cell holds one, so the line's
// separators are the cell boundaries and every test of the cell rule can be
// made on the line: the end marks hold no separator, so they lie inside one
// cell. Every end mark is looked for whatever the table; that can only send
// a harmless line on to the cell rule.
bool RowLineFits(const std::string& line, size_t columns) {
  size_t separators = 0;
  for (char c : line) {
    if (c == kJobCellSeparator[0])
      ++separators;
    else if (IsRefused(c))
      return false;
  }
  if (separators != columns) return false;
  for (const char* mark : {kFeederEndMark, kSpecialFeederEndMark, kBoardEndMark})
    if (line.find(mark) != std::string::npos) return false;
  return !StartingMarkAt(line);
}

std::optional<TJobCellPlace> FindJobFormatMisfit(const TJobTablesCells& tables) {
  for (size_t t = 0; t < tables.size(); ++t)
    for (size_t r = 0; r < tables[t].size(); ++r)
      if (const auto c = FindRowMisfit(t, tables[t][r])) return TJobCellPlace{t, r, *c};
  return std::nullopt;
}
