// The findings of a job check as the findings window lists them. A finding
// comes as one line, "table<TAB>row<TAB>column<TAB>kind<TAB>text": the table
// one of feeder, special, board, component; row and column counted from 1
// (column 0: the whole row); kind error or warning. A finding that tells of
// several rows ends in "<TAB>count" (a text made by the check holds no tab).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The kinds as the list shows them.
inline constexpr char kErrorKindName[] = "ошибка";
inline constexpr char kWarningKindName[] = "предупреждение";

struct TFindingRow {
  std::string Kind;    // "ошибка", "предупреждение", or the kind as given
  std::string Table;   // the table's name, or the table as given
  std::string Row;     // as given
  std::string Column;  // the column's caption; empty for the whole row
  std::string Text;
  int32_t PickTable = -1;  // the TJobTable whose row the finding is about; -1 none
  int32_t PickRow = -1;    // that row, counted from 0
  size_t Count = 1;        // the rows the finding tells of

  bool operator==(const TFindingRow&) const = default;
};

// One row per line that is not empty ("\n" between lines; a "\r" before it
// is dropped), in order. A line that is no finding is kept whole as the
// text of a row that names no table row.
std::vector<TFindingRow> ParseFindings(const std::string& text);
