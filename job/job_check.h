// "Проверить": what the machine would reject or place wrongly in a job.
// Feeder and board rows are all checked; component rows only when placed
// ("Пропуск" "0"). Numbers follow the one number rule (job/job_number.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "job/job_file.h"

enum class TFindingKind : uint8_t { Error, Warning };

struct TFinding {
  TJobTable Table;
  size_t Row;     // counted from 1
  size_t Column;  // counted from 1; 0 when the finding is about the whole row
  TFindingKind Kind;
  std::string Text;  // Windows-1251
  size_t Count = 1;  // the rows it tells of (finding_groups.h merges several)
};

// Errors first, then warnings; each group in table file order, then row
// order, then column order.
std::vector<TFinding> CheckJob(const JobTables& job);

// table<TAB>row<TAB>column<TAB>kind<TAB>text, without a line end; table is
// feeder, special, board or component, kind error or warning.
std::string FindingLine(const TFinding& finding);

// The table's name as the user reads it ("Питатели", ...).
const char* JobTableTitle(TJobTable table);
