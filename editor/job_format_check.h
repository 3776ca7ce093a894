// TVMJobFormatCheck: watches a save. The row lines pass through it on their
// way to the writer; when a line would not read back into the same cells (a
// cell outside the format's limits, or a marker text that moves a section
// boundary) it notes the first such cell. When all is written and before the
// file takes the target's place, it tells the user which table, row and cell,
// and asks whether to save anyway: Yes lets the save finish, No drops what
// was written, so the target is left as it was.
//
// The lines are judged as they pass, so a save reads every cell once; only a
// row whose line cannot tell its cells apart (a cell holding the separator)
// is read again through the table's matrix point, to name the cell.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/component.h"
#include "core/event.h"
#include "job/job_format_fit.h"

class TVMJobFormatCheck : public TVMComponent {
 public:
  // Data inputs: the feeder, special feeder, board and component tables.
  TVM_Event Matrix[4];
  // Data input: the save's stream; a save that has none already failed and
  // was told, so nothing is asked.
  TVM_Event Stream;
  // The tables' names as the user knows them, in the same order.
  std::string TableNames[4];
  TVM_Event OnOutput;   // the save may begin
  TVM_Event OnLine;     // each row line, unchanged
  TVM_Event OnDone;     // all written: the tables fit, or the user said Yes
  TVM_Event OnAbandon;  // all written, the user said No: drop the file
  TVM_Event OnCancel;   // after OnAbandon

  // Action: a save begins; what an earlier one noted is forgotten.
  void Check(TData& data, uint16_t index);
  // Action: a row line of the table numbered by the link's index (0-3).
  void Line(TData& data, uint16_t index);
  // Action: every line was written; asks when a cell did not fit.
  void Finish(TData& data, uint16_t index);

 private:
  void Forget();  // what one save noted
  void NoteMisfit(size_t table, const std::string& line);
  bool AskToSaveAnyway(const TJobCellPlace& place);

  std::array<size_t, 4> Rows{};                   // lines seen of each table
  std::array<TMatrixAccess*, 4> Matrices{};       // read at a table's first line
  std::optional<TJobCellPlace> Misfit;
};
