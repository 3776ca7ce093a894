// The four tables of a job as the commands on a whole job read them: each
// through a data input linked to a table's Array output (one row line per
// row, cells joined by ","), cut into cells by the job file's own rule, so
// a command sees the tables exactly as a save would write them.
#pragma once

#include "core/event.h"
#include "job/job_file.h"
#include "job/job_format.h"

// Data inputs indexed by TJobTable. An unconnected input reads as an
// empty table.
using TJobTableInputs = TVM_Event[kJobTableCount];

JobTables ReadJobTables(TJobTableInputs& inputs);
