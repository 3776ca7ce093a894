#include "job/feeder_numbers.h"

#include "job/job_cell.h"
#include "job/job_number.h"

const JobTable& FeederRows(const JobTables& job, TJobTable table) {
  return table == kSpecialFeederTable ? job.SpecialFeeders : job.Feeders;
}

size_t FeederCommentColumn(TJobTable table) {
  return table == kSpecialFeederTable ? kSpecialFeederCommentColumn : kFeederCommentColumn;
}

TFeederNumbers FeederNumbers(const JobTables& job) {
  TFeederNumbers numbers;
  std::string key;
  for (TJobTable table : {kFeederTable, kSpecialFeederTable}) {
    const JobTable& rows = FeederRows(job, table);
    for (size_t r = 0; r < rows.size(); ++r) {
      if (!ReadWholeNumber(JobCell(rows[r], kFeederNumberColumn), key)) continue;
      const auto entry = numbers.try_emplace(key, TFeederNumber{table, r, true}).first;
      if (!IsSkipped(JobCell(rows[r], kFeederSkipColumn))) entry->second.AllSkipped = false;
    }
  }
  return numbers;
}
