// "Распределить": every placed component row that names no existing feeder
// gets the feeder whose comment words it holds, and an empty nozzle the one
// most used with that feeder. With nozzle rules, every placed row whose
// nozzle is empty first takes the nozzle of the rule its comment matches,
// whether it gets a feeder or not; the nozzles most used are counted over
// the job as it was, before any of this. Work done by hand is never overwritten: rows
// marked "Пропуск", rows that name an existing feeder (a skipped feeder
// still exists) and rows that find no feeder keep every cell.
//
// A feeder row of either table matches when it is not skipped, its number
// is a whole number, its comment has at least one word and each of its
// words is among the component comment's words. The match with the most
// words wins; of equal ones the lowest feeder number, and the row is
// reported as ambiguous.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "job/job_file.h"
#include "job/nozzle_rules.h"

// A component row the assignment changes: counted from 0, all its cells.
struct TRowChange {
  size_t Row = 0;
  std::vector<std::string> Before;
  std::vector<std::string> After;
};

// Rows that found no feeder and share one comment.
struct TCommentCount {
  std::string Comment;
  size_t Rows = 0;
};

// A row that feeders of different numbers matched equally well.
struct TAmbiguousRow {
  size_t Row = 0;  // counted from 0
  std::string Component;
  std::vector<std::string> Feeders;  // their numbers, lowest first: the first was given
};

struct TFeederAssignment {
  std::vector<TRowChange> Changes;  // the rows that got a feeder or a nozzle, in row order
  size_t FeedersGiven = 0;          // rows that got a feeder
  std::string NozzleRules;          // the nozzle rules' name, empty when none were given
  size_t NozzlesByRule = 0;         // rows that got a nozzle by a rule
  size_t Kept = 0;                  // placed rows already naming a feeder
  size_t Skipped = 0;               // rows marked "Пропуск"
  size_t Unmatched = 0;             // rows that took part and found no feeder
  std::vector<TCommentCount> UnmatchedGroups;  // most rows first, equal counts in row order
  std::vector<TAmbiguousRow> Ambiguous;        // in row order
};

TFeederAssignment AssignFeeders(const JobTables& job, const TNozzleRules* nozzles = nullptr);

// The summary shown to the user: Windows-1251, each line ended by "\n".
std::string AssignSummary(const TFeederAssignment& assignment);

// Puts the changed rows into the component table.
void ApplyAssignment(JobTables& job, const TFeederAssignment& assignment);
