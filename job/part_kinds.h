// The job's parts by kind: the component rows grouped by what they are, as
// a person loading reels sees them. Two rows are of one kind when their
// comments have the same words in the same order, words as "Распределить"
// reads them (TextWords); rows whose comment has no words are one kind.
// The editor's window of kinds and the command line's setup list both list
// these.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "job/job_file.h"

// The words of a comment joined by one space: rows with equal keys are one kind.
std::string PartKindKey(const std::string& comment);

struct TPartKind {
  std::string Key;     // PartKindKey of its comments
  std::string Kind;    // "Вид": the comment as the kind's first row writes it
  std::string Skip;    // "Пропуск": its rows' texts, each once, the first seen first, joined by ","
  std::string Feeder;  // "Питатель": distinct non-empty texts of its placed rows, joined by ","
  std::string Nozzle;  // "Сопло": the same for the nozzles
  size_t Place = 0;    // "Ставить": its rows with Пропуск "0"
  size_t PerPanel = 0; // "На панель": Place times the placed boards (times 1 with no board rows)
  bool NeedsFeeder = false;  // a placed row names no feeder of either table
  std::vector<size_t> Rows;  // component rows, counted from 0, in row order
};

// The kinds of the job: first those that need a feeder, then the rest; in
// each, most rows to place first, then by first row.
std::vector<TPartKind> PartKinds(const JobTables& job);

// "Позиции": the kind's designators in row order, joined by `separator`.
// With a limit above 0, stops before the text would pass `limit` bytes and
// ends with "…" when designators were left out (at least one is always
// given): a window shows only as many as fit.
std::string PartKindPositions(const JobTables& job, const TPartKind& kind, const std::string& separator,
                              size_t limit = 0);
