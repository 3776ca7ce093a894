// What setting a cell of kinds' lines does to the job: the cell set in
// every row of the kinds, and for a feeder number the feeder tables kept in
// step (a feeder the tables lack added on request, an empty feeder comment
// filled with the first kind's), so that "Распределить" finds the feeder for
// that kind again.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "job/feeder_assign.h"
#include "job/job_file.h"
#include "job/part_kinds.h"

// The texts given to a kind; a column left unset stays as the rows have it.
struct TKindCells {
  std::optional<std::string> Feeder, Nozzle, Skip;
};

// A row of a feeder table, before and after.
struct TFeederRowChange {
  TJobTable Table = kFeederTable;
  TRowChange Row;
};

struct TKindChange {
  std::vector<TRowChange> Components;       // rows whose cells differ, in row order
  std::optional<JobRow> AddedFeeder;        // goes at the end of the feeder table
  std::optional<TFeederRowChange> Comment;  // the feeder whose empty comment is filled

  bool Empty() const { return Components.empty() && !AddedFeeder && !Comment; }
};

// A "Пропуск" given to a kind is "0" or "1".
bool IsKindSkipText(const std::string& text);

// True when the text is a whole number that no row of either feeder table
// has: the user is asked whether to add it.
bool IsMissingFeeder(const JobTables& job, const std::string& feeder);

// The change for the cells given to every row of `kinds` (kinds of the
// job, none twice). With `addMissingFeeder`, a feeder number no table has
// gets one row at the end of the feeder table: the number, the first kind's
// comment in "Коммент", other cells empty. A feeder that exists and has an
// empty comment gets the first kind's comment.
TKindChange KindChange(const JobTables& job, const std::vector<TPartKind>& kinds, const TKindCells& cells,
                       bool addMissingFeeder);

// Puts the change into the tables it was made from.
void ApplyKindChange(JobTables& job, const TKindChange& change);
