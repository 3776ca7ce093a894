// Whether tables, once written as a job file, read back into the same cells.
// The reader finds sections and rows by marker texts, so a cell can break
// the round trip in two ways: a character the file cannot carry (a control
// character, "," or a line mark), or a section marker text that moves a
// section boundary (for example "#Special" in any cell, which ends the
// feeder section early or starts another one).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// One table's cells, row by row.
using TJobTableCells = std::vector<std::vector<std::string>>;
// Feeders, special feeders, boards, components.
using TJobTablesCells = std::array<TJobTableCells, 4>;

// A cell, counted from 0: Table in file order, then Row and Cell.
struct TJobCellPlace {
  size_t Table = 0;
  size_t Row = 0;
  size_t Cell = 0;
};

// The first cell, in file order, that would not read back the same; none
// when the written file reads back into exactly these cells. Marker texts
// formed across neighbouring cells (such as "Skip" then "Name") count too;
// they are blamed on the cell where the text begins.
std::optional<TJobCellPlace> FindJobFormatMisfit(const TJobTablesCells& tables);

// The first cell of one row of the table numbered `table` (file order) that
// would not read back the same.
std::optional<size_t> FindRowMisfit(size_t table, const std::vector<std::string>& row);
// True when the row line as written (each of the row's `columns` cells
// followed by the separator) certainly reads back the same. False when a
// cell does not fit, and also when the line alone cannot tell:
// FindRowMisfit on the cells decides then.
bool RowLineFits(const std::string& line, size_t columns);
