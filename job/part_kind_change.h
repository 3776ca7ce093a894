// What setting a cell of one kind's line does to the job: the cell set in
// every row of the kind, and for a feeder number the feeder tables kept in
// step (a feeder the tables lack added on request, an empty feeder comment
// filled with the kind's), so that "Распределить" finds the feeder for this
// kind again.
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

// The change for the cells given. With `addMissingFeeder`, a feeder number
// no table has gets a row at the end of the feeder table: the number, the
// kind's comment in "Коммент", other cells empty. A feeder that exists and
// has an empty comment gets the kind's comment.
TKindChange KindChange(const JobTables& job, const TPartKind& kind, const TKindCells& cells,
                       bool addMissingFeeder);
