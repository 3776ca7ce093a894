#include "job/finding_groups.h"

#include <unordered_map>

#include "job/job_cell.h"
#include "job/part_kinds.h"

namespace {

// What a grouped finding names a row by: its designator, or its number
// when it has none.
std::string RowName(const JobTables& job, size_t row) {
  const std::string& name = JobCell(job.Components[row - 1], kComponentNameColumn);
  return name.empty() ? "строка " + std::to_string(row) : name;
}

std::string GroupText(const TFinding& first, const std::vector<size_t>& rows, const JobTables& job) {
  std::string text = first.Text + " — " + RowCountText(rows.size()) + ": ";
  for (size_t i = 0; i < rows.size() && i < kGroupedNamesShown; ++i) {
    if (i) text += ", ";
    text += RowName(job, rows[i]);
  }
  if (rows.size() > kGroupedNamesShown) text += ", …";
  return text;
}

bool OnComponentRow(const TFinding& finding, const JobTables& job) {
  return finding.Table == kComponentTable && finding.Row >= 1 && finding.Row <= job.Components.size();
}

}  // namespace

std::vector<TFinding> GroupFindings(const std::vector<TFinding>& findings, const JobTables& job) {
  std::vector<TFinding> grouped;
  grouped.reserve(findings.size());
  std::vector<std::vector<size_t>> groupRows;  // per grouped finding: its rows
  std::unordered_map<std::string, size_t> groupOf;
  // Each row's kind, worked out once (a row may have several findings).
  std::vector<std::string> kindOfRow(job.Components.size());
  std::vector<bool> kindKnown(job.Components.size());
  for (const TFinding& finding : findings) {
    if (!OnComponentRow(finding, job)) {
      grouped.push_back(finding);
      groupRows.emplace_back();
      continue;
    }
    const size_t row = finding.Row - 1;
    if (!kindKnown[row]) {
      kindOfRow[row] = PartKindKey(JobCell(job.Components[row], kComponentCommentColumn));
      kindKnown[row] = true;
    }
    std::string key = (finding.Kind == TFindingKind::Error ? "e" : "w") + std::to_string(finding.Column) + '\n' +
                      finding.Text + '\n' + kindOfRow[row];
    const auto [group, added] = groupOf.try_emplace(std::move(key), grouped.size());
    if (added) {
      grouped.push_back(finding);
      groupRows.push_back({finding.Row});
    } else {
      groupRows[group->second].push_back(finding.Row);
    }
  }
  for (size_t g = 0; g < grouped.size(); ++g) {
    if (groupRows[g].size() < 2) continue;
    grouped[g].Count = groupRows[g].size();
    grouped[g].Text = GroupText(grouped[g], groupRows[g], job);
  }
  return grouped;
}

std::string RowCountText(size_t count) {
  const size_t lastTwo = count % 100, last = count % 10;
  const char* word = "строк";
  if (lastTwo < 11 || lastTwo > 14) {
    if (last == 1) word = "строка";
    else if (last >= 2 && last <= 4) word = "строки";
  }
  return std::to_string(count) + " " + word;
}
