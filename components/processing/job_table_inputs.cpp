#include "components/processing/job_table_inputs.h"

#include <algorithm>

namespace {

JobTable ReadTable(TVM_Event& input, size_t columns) {
  JobTable rows;
  TArrayAccess* access = FetchPointArray(input);
  if (!access) return rows;
  const int32_t count = std::max(0, access->Count());
  rows.reserve(static_cast<size_t>(count));
  for (int32_t row = 0; row < count; ++row) {
    TData index = IntValue(row);
    TData line;
    rows.push_back(SplitRow(access->Get(index, line) ? ValueToStr(line) : std::string(), columns));
  }
  return rows;
}

}  // namespace

JobTables ReadJobTables(TJobTableInputs& inputs) {
  JobTables job;
  job.Feeders = ReadTable(inputs[kFeederTable], kFeederColumns);
  job.SpecialFeeders = ReadTable(inputs[kSpecialFeederTable], kSpecialFeederColumns);
  job.Boards = ReadTable(inputs[kBoardTable], kBoardColumns);
  job.Components = ReadTable(inputs[kComponentTable], kComponentColumns);
  return job;
}
