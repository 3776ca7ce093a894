// The machine's feeders kept from job to job: its lanes stay where they are
// and only what is loaded changes, so a job may take the feeder and
// special-feeder tables of another job in place of its own. Its boards and
// components stay as they are.
#pragma once

#include <string>

#include "job/job_file.h"

// True when the reader finds both feeder sections in the bytes, each between
// its header line and the next section's header, as every job file has them
// (with no rows, too). A placement file or any other text has neither, and
// taking "its" feeders would only empty the job's.
bool HoldsFeederTables(const std::string& bytes);

// The job with `source`'s feeder and special-feeder tables in place of its own.
void TakeFeeders(JobTables& job, const JobTables& source);

// What was taken, as the user is told it:
// "Питателей: N, особых питателей: M — из <file>".
std::string TakenFeedersSummary(const JobTables& source, const std::string& file);
