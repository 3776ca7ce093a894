// Generated job tables and files for tests and benchmarks: random cells
// (empty cells, Cyrillic bytes) that keep within the format's limits.
#pragma once

#include <cstddef>
#include <random>
#include <string>

#include "job/job_file.h"

// A cell of 0 to 12 bytes: digits, Latin and Cyrillic letters, ".", "-",
// "#", blanks; a third of the cells are empty.
inline std::string RandomJobCell(std::mt19937& rng) {
  static const std::string pool =
      "0123456789.-# abcdxyzRCUQ"
      "\xC0\xC1\xC2\xC3\xDF\xE0\xE1\xE2\xE3\xFF\xA8\xB8\xB9";
  std::uniform_int_distribution<int> empty(0, 2), length(1, 12);
  std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
  std::string cell;
  if (empty(rng) == 0) return cell;
  for (int n = length(rng); n > 0; --n) cell += pool[pick(rng)];
  return cell;
}

inline JobTable RandomJobTable(std::mt19937& rng, size_t columns, size_t rows) {
  JobTable table(rows, JobRow(columns));
  for (JobRow& row : table)
    for (std::string& cell : row) cell = RandomJobCell(rng);
  return table;
}

// Tables of 0 to maxRows rows each. The cell bytes keep within the
// format's limits and cannot form a section marker text.
inline JobTables RandomJobTables(std::mt19937& rng, size_t maxRows) {
  std::uniform_int_distribution<size_t> rows(0, maxRows);
  JobTables tables;
  tables.Feeders = RandomJobTable(rng, kFeederColumns, rows(rng));
  tables.SpecialFeeders = RandomJobTable(rng, kSpecialFeederColumns, rows(rng));
  tables.Boards = RandomJobTable(rng, kBoardColumns, rows(rng));
  tables.Components = RandomJobTable(rng, kComponentColumns, rows(rng));
  return tables;
}

// Job file text of `components` generated component rows (a few rows in the
// other sections), as the editor writes it.
inline std::string GeneratedJobFile(size_t components, unsigned seed) {
  std::mt19937 rng(seed);
  JobTables tables{RandomJobTable(rng, kFeederColumns, 12),
                   RandomJobTable(rng, kSpecialFeederColumns, 2),
                   RandomJobTable(rng, kBoardColumns, 4),
                   RandomJobTable(rng, kComponentColumns, components)};
  return WriteJobFile(tables);
}
