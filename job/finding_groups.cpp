#include "job/finding_groups.h"

#include <cstdint>
#include <deque>
#include <string_view>
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

// Texts numbered 0, 1, ... as first met; the texts must outlive it.
class TNumbering {
 public:
  uint32_t Of(std::string_view text) {
    return Numbers.try_emplace(text, static_cast<uint32_t>(Numbers.size())).first->second;
  }

 private:
  std::unordered_map<std::string_view, uint32_t> Numbers;
};

bool OnComponentRow(const TFinding& finding, const JobTables& job) {
  return finding.Table == kComponentTable && finding.Row >= 1 && finding.Row <= job.Components.size();
}

}  // namespace

std::vector<TFinding> GroupFindings(const std::vector<TFinding>& findings, const JobTables& job) {
  std::vector<TFinding> grouped;
  std::vector<std::vector<size_t>> groupRows;  // per grouped finding: its rows
  // Texts, comments and kinds are numbered as first met, so that a group is
  // found by numbers: tens of thousands of findings share a few texts and
  // the comments of a few hundred kinds.
  TNumbering texts, comments, kinds;
  std::vector<uint32_t> kindOfComment;
  std::deque<std::string> kindKeys;  // the texts `kinds` numbers
  std::unordered_map<uint64_t, size_t> groupOf;
  for (const TFinding& finding : findings) {
    if (!OnComponentRow(finding, job)) {
      grouped.push_back(finding);
      groupRows.emplace_back();
      continue;
    }
    const std::string& commentText = JobCell(job.Components[finding.Row - 1], kComponentCommentColumn);
    const uint32_t comment = comments.Of(commentText);
    if (comment == kindOfComment.size()) {
      kindKeys.push_back(PartKindKey(commentText));
      kindOfComment.push_back(kinds.Of(kindKeys.back()));
    }
    const uint64_t key = uint64_t{texts.Of(finding.Text)} << 40 | uint64_t{kindOfComment[comment]} << 12 |
                         (finding.Column & 0x7FF) << 1 | (finding.Kind == TFindingKind::Error ? 1 : 0);
    const auto [group, added] = groupOf.try_emplace(key, grouped.size());
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
