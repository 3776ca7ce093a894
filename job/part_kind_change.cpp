#include "job/part_kind_change.h"

#include <algorithm>

#include "job/feeder_numbers.h"
#include "job/job_cell.h"
#include "job/job_number.h"

bool IsKindSkipText(const std::string& text) { return text == "0" || text == "1"; }

bool IsMissingFeeder(const JobTables& job, const std::string& feeder) {
  std::string key;
  return ReadWholeNumber(feeder, key) && !FeederNumbers(job).count(key);
}

namespace {

void SetCell(JobRow& row, size_t column, const std::optional<std::string>& text) {
  if (text) row[column] = *text;
}

}  // namespace

TKindChange KindChange(const JobTables& job, const std::vector<TPartKind>& kinds, const TKindCells& cells,
                       bool addMissingFeeder) {
  TKindChange change;
  if (kinds.empty()) return change;
  std::vector<size_t> rows;
  for (const TPartKind& kind : kinds) rows.insert(rows.end(), kind.Rows.begin(), kind.Rows.end());
  std::sort(rows.begin(), rows.end());
  for (size_t r : rows) {
    if (r >= job.Components.size()) continue;
    const JobRow& row = job.Components[r];
    JobRow after = row;
    after.resize(std::max(after.size(), kComponentColumns));
    SetCell(after, kComponentFeederColumn, cells.Feeder);
    SetCell(after, kComponentNozzleColumn, cells.Nozzle);
    SetCell(after, kComponentSkipColumn, cells.Skip);
    if (after != row) change.Components.push_back({r, row, std::move(after)});
  }
  const std::string& comment = kinds.front().Kind;
  std::string key;
  if (!cells.Feeder || !ReadWholeNumber(*cells.Feeder, key)) return change;
  const TFeederNumbers numbers = FeederNumbers(job);
  const auto found = numbers.find(key);
  if (found == numbers.end()) {
    if (!addMissingFeeder) return change;
    JobRow added(kFeederColumns);
    added[kFeederNumberColumn] = *cells.Feeder;
    added[kFeederCommentColumn] = comment;
    change.AddedFeeder = std::move(added);
    return change;
  }
  const TJobTable table = found->second.Table;
  const JobRow& feeder = FeederRows(job, table)[found->second.Row];
  const size_t commentColumn = FeederCommentColumn(table);
  if (!JobCell(feeder, commentColumn).empty() || comment.empty()) return change;
  JobRow after = feeder;
  after.resize(std::max(after.size(), commentColumn + 1));
  after[commentColumn] = comment;
  change.Comment = TFeederRowChange{table, {found->second.Row, feeder, std::move(after)}};
  return change;
}

void ApplyKindChange(JobTables& job, const TKindChange& change) {
  for (const TRowChange& row : change.Components)
    if (row.Row < job.Components.size()) job.Components[row.Row] = row.After;
  if (change.Comment) {
    JobTable& feeders = change.Comment->Table == kSpecialFeederTable ? job.SpecialFeeders : job.Feeders;
    if (change.Comment->Row.Row < feeders.size()) feeders[change.Comment->Row.Row] = change.Comment->Row.After;
  }
  if (change.AddedFeeder) job.Feeders.push_back(*change.AddedFeeder);
}
