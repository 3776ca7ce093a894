#include "editor/job_format_fit.h"

#include <string_view>

#include "editor/job_format.h"

namespace {

enum : size_t { kFeeders, kSpecialFeeders, kBoards, kComponents };

bool CharsFit(const std::string& cell) {
  for (char c : cell)
    if (static_cast<unsigned char>(c) < 32 ||
        std::string_view(kJobCellRefusedChars).find(c) != std::string_view::npos)
      return false;
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
std::optional<size_t> CellStartingMark(const std::vector<std::string>& row) {
  std::string line;
  std::vector<size_t> cellOf;
  for (size_t c = 0; c < row.size(); ++c) {
    line += row[c];
    line += kJobCellSeparator;
    cellOf.resize(line.size(), c);
  }
  for (const char* mark : {kSpecialFeederStartMark, kBoardStartMark, kComponentCutEndMark}) {
    const size_t at = line.find(mark);
    if (at != std::string::npos) return cellOf[at];
  }
  return std::nullopt;
}

}  // namespace

std::optional<TJobCellPlace> FindJobFormatMisfit(const TJobTablesCells& tables) {
  for (size_t t = 0; t < tables.size(); ++t)
    for (size_t r = 0; r < tables[t].size(); ++r) {
      const std::vector<std::string>& row = tables[t][r];
      for (size_t c = 0; c < row.size(); ++c)
        if (!CharsFit(row[c]) || HoldsEndMark(t, row[c])) return TJobCellPlace{t, r, c};
      if (const auto c = CellStartingMark(row)) return TJobCellPlace{t, r, *c};
    }
  return std::nullopt;
}
