// The feeder numbers of a job: both feeder tables, in file order, by number
// (as numbers compare: "01" is 1). A component's "Питатель" names a feeder
// when the number is here; a skipped feeder row still exists.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>

#include "job/job_file.h"

struct TFeederNumber {
  TJobTable Table = kFeederTable;  // where the number first appears
  size_t Row = 0;                  // counted from 0
  bool AllSkipped = true;          // every row with this number is marked "Пропуск"
};

// Keyed by the number's digits without leading zeros (ReadWholeNumber);
// rows whose number is no whole number are left out.
using TFeederNumbers = std::unordered_map<std::string, TFeederNumber>;

TFeederNumbers FeederNumbers(const JobTables& job);

// The table of feeder rows numbered `table` (kFeederTable or
// kSpecialFeederTable) and the column of its comment.
const JobTable& FeederRows(const JobTables& job, TJobTable table);
size_t FeederCommentColumn(TJobTable table);
