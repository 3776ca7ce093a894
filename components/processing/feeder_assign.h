// TVMFeederAssign: "Распределить" on the tables the editor shows. Reads the
// four tables, gives the component rows their feeders (and nozzles, by the
// nozzle rules when given) by the job's rules (job/feeder_assign.h) and
// hands the changed rows on as one change.
#pragma once

#include "components/processing/job_table_inputs.h"
#include "core/component.h"
#include "core/event.h"

class TVMFeederAssign : public TVMComponent {
 public:
  TJobTableInputs Tables;  // data inputs: each table's rows (Array), by TJobTable
  TVM_Event NozzlesName;   // data input: the nozzle rules' name (none when empty)
  TVM_Event NozzlesText;   // data input: their bytes
  TVM_Event OnChanges;     // String: the changed component rows, one packed batch of cell edits (row_edit.h)
  TVM_Event OnSummary;     // String: what was done, lines joined by CR LF

  // Action: assigns; fires OnChanges (only when a row changed), then
  // OnSummary. Nozzle rules that cannot be used are told in OnSummary and
  // nothing changes.
  void Assign(TData& data, uint16_t index);
};
