// TVMJobCheck: "Проверить" on the tables the editor shows. Reads the four
// tables and reports what the machine would reject or place wrongly
// (job/job_check.h), findings of one text on rows of one part kind as one
// (job/finding_groups.h).
#pragma once

#include "components/processing/job_table_inputs.h"
#include "core/component.h"
#include "core/event.h"

class TVMJobCheck : public TVMComponent {
 public:
  TJobTableInputs Tables;  // data inputs: each table's rows (Array), by TJobTable
  // String: one finding per line, table<TAB>row<TAB>column<TAB>kind<TAB>text,
  // then <TAB>count when it tells of more than one row; lines joined by
  // "\n"; empty when the job is clean.
  TVM_Event OnFindings;

  // Action: checks the tables and fires OnFindings.
  void Check(TData& data, uint16_t index);
};
