#include "job/feeder_assign.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>

#include "job/feeder_numbers.h"
#include "job/feeder_words.h"
#include "job/job_cell.h"
#include "job/job_number.h"

namespace {

// A feeder that can match: its number as written and as compared, and how
// many words its comment has.
struct TCandidate {
  std::string Number;
  std::string Key;
  size_t WordCount = 0;
};

// The feeders matched by one comment with the most words: indices into the
// candidates, the one given first, then the other numbers tied with it.
using TMatch = std::vector<size_t>;

class TMatcher {
 public:
  explicit TMatcher(const JobTables& job) {
    std::string key;
    for (TJobTable table : {kFeederTable, kSpecialFeederTable}) {
      for (const JobRow& row : FeederRows(job, table)) {
        if (IsSkipped(JobCell(row, kFeederSkipColumn))) continue;
        if (!ReadWholeNumber(JobCell(row, kFeederNumberColumn), key)) continue;
        const std::vector<std::string> words = TextWords(JobCell(row, FeederCommentColumn(table)));
        if (words.empty()) continue;
        for (const std::string& word : words) {
          const auto id = WordIds.try_emplace(word, uint32_t(FeedersWith.size())).first->second;
          if (id == FeedersWith.size()) FeedersWith.emplace_back();
          FeedersWith[id].push_back(Candidates.size());
        }
        Candidates.push_back({JobCell(row, kFeederNumberColumn), key, words.size()});
      }
    }
    Found.resize(Candidates.size());
  }

  const TCandidate& Candidate(size_t index) const { return Candidates[index]; }

  // Components repeat their comments, so each comment is matched once.
  const TMatch& Match(const std::string& comment) {
    const auto [known, added] = Matches.try_emplace(comment);
    if (added) known->second = FindMatch(comment);
    return known->second;
  }

 private:
  // A feeder matches once each of its words has been found in the comment
  // (the words of a text are distinct): counting over the feeders that hold
  // each word visits only the feeders that share a word with the comment.
  TMatch FindMatch(const std::string& comment) {
    TMatch best;
    size_t bestWords = 0;
    std::vector<size_t> touched;
    for (const std::string& word : TextWords(comment)) {
      const auto id = WordIds.find(word);
      if (id == WordIds.end()) continue;
      for (size_t c : FeedersWith[id->second]) {
        if (Found[c]++ == 0) touched.push_back(c);
        const size_t words = Candidates[c].WordCount;
        if (Found[c] < words || words < bestWords) continue;
        if (words > bestWords) best.clear();
        bestWords = words;
        best.push_back(c);
      }
    }
    for (size_t c : touched) Found[c] = 0;
    // Lowest number first; of rows with one number, the first in file order.
    std::sort(best.begin(), best.end(), [this](size_t a, size_t b) {
      const std::string &x = Candidates[a].Key, &y = Candidates[b].Key;
      return x == y ? a < b : WholeNumberLess(x, y);
    });
    return best;
  }

  std::vector<TCandidate> Candidates;
  std::unordered_map<std::string, uint32_t> WordIds;
  std::vector<std::vector<size_t>> FeedersWith;  // by word id: the candidates holding it
  std::vector<size_t> Found;                     // by candidate: its words found so far
  std::unordered_map<std::string, TMatch> Matches;
};

struct TWholeNumberOrder {
  bool operator()(const std::string& a, const std::string& b) const { return WholeNumberLess(a, b); }
};
using TNozzleCounts = std::map<std::string, size_t, TWholeNumberOrder>;

// For each feeder number, the nozzle most used by the rows naming it before
// anything changes (skipped rows too); on a tie the smaller nozzle.
std::unordered_map<std::string, std::string> UsualNozzles(const JobTable& components) {
  std::unordered_map<std::string, TNozzleCounts> counts;
  std::string feeder, nozzle;
  for (const JobRow& row : components)
    if (ReadWholeNumber(JobCell(row, kComponentFeederColumn), feeder) &&
        ReadWholeNumber(JobCell(row, kComponentNozzleColumn), nozzle))
      ++counts[feeder][nozzle];
  std::unordered_map<std::string, std::string> usual;
  for (const auto& [key, nozzles] : counts) {
    auto most = nozzles.begin();
    for (auto n = nozzles.begin(); n != nozzles.end(); ++n)
      if (n->second > most->second) most = n;
    usual[key] = most->first;
  }
  return usual;
}

}  // namespace

TFeederAssignment AssignFeeders(const JobTables& job, const TNozzleRules* nozzles) {
  TFeederAssignment result;
  const TFeederNumbers existing = FeederNumbers(job);
  const auto usualNozzles = UsualNozzles(job.Components);
  TMatcher matcher(job);
  std::optional<TNozzleRuleLookup> rules;
  if (nozzles) {
    rules.emplace(*nozzles);
    result.NozzleRules = nozzles->Name;
  }
  std::unordered_map<std::string, size_t> groupOf;
  std::string key;
  for (size_t r = 0; r < job.Components.size(); ++r) {
    const JobRow& row = job.Components[r];
    if (IsSkipped(JobCell(row, kComponentSkipColumn))) {
      ++result.Skipped;
      continue;
    }
    const std::string& comment = JobCell(row, kComponentCommentColumn);
    const std::string* ruleNozzle =
        rules && JobCell(row, kComponentNozzleColumn).empty() ? rules->Nozzle(comment) : nullptr;
    result.NozzlesByRule += ruleNozzle != nullptr;
    auto change = [&] {
      TRowChange made{r, row, row};
      made.After.resize(std::max(made.After.size(), kComponentColumns));
      if (ruleNozzle) made.After[kComponentNozzleColumn] = *ruleNozzle;
      return made;
    };

    if (ReadWholeNumber(JobCell(row, kComponentFeederColumn), key) && existing.count(key)) {
      ++result.Kept;
      if (ruleNozzle) result.Changes.push_back(change());
      continue;
    }
    const TMatch& match = matcher.Match(comment);
    if (match.empty()) {
      ++result.Unmatched;
      const auto [group, added] = groupOf.try_emplace(comment, result.UnmatchedGroups.size());
      if (added) result.UnmatchedGroups.push_back({comment, 0});
      ++result.UnmatchedGroups[group->second].Rows;
      if (ruleNozzle) result.Changes.push_back(change());
      continue;
    }
    const TCandidate& given = matcher.Candidate(match[0]);
    TRowChange& givenRow = result.Changes.emplace_back(change());
    givenRow.After[kComponentFeederColumn] = given.Number;
    ++result.FeedersGiven;
    std::string& nozzle = givenRow.After[kComponentNozzleColumn];
    if (nozzle.empty()) {
      const auto usual = usualNozzles.find(given.Key);
      if (usual != usualNozzles.end()) nozzle = usual->second;
    }
    TAmbiguousRow ambiguous{r, JobCell(row, kComponentNameColumn), {given.Number}};
    std::string lastKey = given.Key;
    for (size_t m : match) {
      if (matcher.Candidate(m).Key == lastKey) continue;
      lastKey = matcher.Candidate(m).Key;
      ambiguous.Feeders.push_back(matcher.Candidate(m).Number);
    }
    if (ambiguous.Feeders.size() > 1) result.Ambiguous.push_back(std::move(ambiguous));
  }
  std::stable_sort(result.UnmatchedGroups.begin(), result.UnmatchedGroups.end(),
                   [](const TCommentCount& a, const TCommentCount& b) { return a.Rows > b.Rows; });
  return result;
}

void ApplyAssignment(JobTables& job, const TFeederAssignment& assignment) {
  for (const TRowChange& change : assignment.Changes)
    if (change.Row < job.Components.size()) job.Components[change.Row] = change.After;
}
