#include "components/processing/job_table_inputs.h"

#include <algorithm>

namespace {

JobRow ReadRow(TArrayAccess& access, size_t row, size_t columns) {
  TData index = IntValue(static_cast<int32_t>(row));
  TData line;
  return SplitRow(access.Get(index, line) ? ValueToStr(line) : std::string(), columns);
}

TMatrixAccess* FetchMatrix(TVM_Event& point) {
  TData value;
  ReadPoint(point, value);
  return value.Kind == kKindMatrix ? static_cast<TMatrixAccess*>(value.ObjValue) : nullptr;
}

}  // namespace

JobTable ReadJobTable(TVM_Event& input, size_t columns) {
  JobTable rows;
  TArrayAccess* access = FetchPointArray(input);
  if (!access) return rows;
  const auto count = static_cast<size_t>(std::max(0, access->Count()));
  rows.reserve(count);
  for (size_t row = 0; row < count; ++row) rows.push_back(ReadRow(*access, row, columns));
  return rows;
}

bool ReadMoreJobRows(TVM_Event& input, size_t columns, JobTable& rows, size_t count) {
  TArrayAccess* access = FetchPointArray(input);
  if (!access) return true;
  const auto total = static_cast<size_t>(std::max(0, access->Count()));
  for (; count > 0 && rows.size() < total; --count) rows.push_back(ReadRow(*access, rows.size(), columns));
  return rows.size() >= total;
}

JobTable& JobTableOf(JobTables& job, uint16_t table) {
  switch (table) {
    case kFeederTable: return job.Feeders;
    case kSpecialFeederTable: return job.SpecialFeeders;
    case kBoardTable: return job.Boards;
    default: return job.Components;
  }
}

size_t JobColumnsOf(uint16_t table) {
  constexpr size_t columns[kJobTableCount] = {kFeederColumns, kSpecialFeederColumns, kBoardColumns,
                                              kComponentColumns};
  return columns[std::min<uint16_t>(table, kComponentTable)];
}

JobTable ReadJobColumns(TVM_Event& input, size_t columns, const std::vector<size_t>& wanted) {
  JobTable rows;
  TMatrixAccess* matrix = FetchMatrix(input);
  if (!matrix) return rows;
  rows.assign(static_cast<size_t>(std::max(0, matrix->Rows())), JobRow(columns));
  std::vector<size_t> all(rows.size());
  for (size_t row = 0; row < all.size(); ++row) all[row] = row;
  ReadJobCells(input, all, wanted, rows);
  return rows;
}

void ReadJobCells(TVM_Event& input, const std::vector<size_t>& rows, const std::vector<size_t>& wanted,
                  JobTable& table) {
  TMatrixAccess* matrix = FetchMatrix(input);
  if (!matrix) return;
  TData cell;
  for (size_t row : rows)
    for (size_t column : wanted)
      if (row < table.size() && column < table[row].size()) {
        matrix->Get(static_cast<int32_t>(column), static_cast<int32_t>(row), cell);
        table[row][column] = ValueToStr(cell);
      }
}

std::string TableRowLines(const JobTable& rows) {
  std::string text;
  for (const JobRow& row : rows) {
    if (!text.empty()) text += "\r\n";
    for (size_t cell = 0; cell < row.size(); ++cell) {
      if (cell) text += ',';
      text += row[cell];
    }
  }
  return text;
}

JobTables ReadJobTables(TJobTableInputs& inputs) {
  JobTables job;
  job.Feeders = ReadJobTable(inputs[kFeederTable], kFeederColumns);
  job.SpecialFeeders = ReadJobTable(inputs[kSpecialFeederTable], kSpecialFeederColumns);
  job.Boards = ReadJobTable(inputs[kBoardTable], kBoardColumns);
  job.Components = ReadJobTable(inputs[kComponentTable], kComponentColumns);
  return job;
}
