// The four tables of a job as the commands on a whole job read them: each
// through a data input linked to a table's Array output (one row line per
// row, cells joined by ","), cut into cells by the job file's own rule, so
// a command sees the tables exactly as a save would write them.
#pragma once

#include <cstddef>
#include <vector>

#include "core/event.h"
#include "job/job_file.h"
#include "job/job_format.h"

// Data inputs indexed by TJobTable. An unconnected input reads as an
// empty table.
using TJobTableInputs = TVM_Event[kJobTableCount];

JobTables ReadJobTables(TJobTableInputs& inputs);

// Rows as a table's AddRows and ReplaceRows take them: the cells of a row
// joined by ",", the rows by CR LF.
std::string TableRowLines(const JobTable& rows);

// One table through its Array output, as ReadJobTables reads each.
JobTable ReadJobTable(TVM_Event& array, size_t columns);
// The same a few rows at a time: up to `count` more rows after those in
// `rows`; true once the table is read whole.
bool ReadMoreJobRows(TVM_Event& array, size_t columns, JobTable& rows, size_t count);
// The table of `job` that TJobTable `table` names, and its column count.
JobTable& JobTableOf(JobTables& job, uint16_t table);
size_t JobColumnsOf(uint16_t table);
// Only the cells of the columns wanted, through the table's Matrix output;
// the other cells are empty. A few columns of many rows cost a list-view
// message a cell instead of a whole row line.
JobTable ReadJobColumns(TVM_Event& matrix, size_t columns, const std::vector<size_t>& wanted);
// Reads the cells of the columns wanted in the rows given into `table`
// (rows it does not have are left out).
void ReadJobCells(TVM_Event& matrix, const std::vector<size_t>& rows, const std::vector<size_t>& wanted,
                  JobTable& table);
