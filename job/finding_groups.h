// The check as the editor lists it: findings of the same text on placed
// component rows of one part kind are told as one, so that a part with no
// feeder on 45 rows is one line, not 45. The command line keeps one line
// per row (scripts read it); this is for a person.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "job/job_check.h"
#include "job/job_file.h"

// How many designators a grouped finding names before "…".
inline constexpr size_t kGroupedNamesShown = 8;

// The findings in their order, each group of findings of one kind (error
// or warning), column and text on component rows whose comments are of one
// part kind merged into its first: that one keeps its row, its Count is the
// group's rows and its text is followed by the count and the designators,
// "Питатель: пустая ячейка — 45 строк: C1, C2, C5, …". A group of one
// and findings on other tables stay as they are.
std::vector<TFinding> GroupFindings(const std::vector<TFinding>& findings, const JobTables& job);

// "1 строка", "3 строки", "45 строк", "21 строка".
std::string RowCountText(size_t count);
