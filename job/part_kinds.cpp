#include "job/part_kinds.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "job/feeder_numbers.h"
#include "job/feeder_words.h"
#include "job/job_cell.h"
#include "job/job_number.h"

namespace {

// Texts each kept once in the order first seen, joined by ",".
class TDistinctTexts {
 public:
  void Add(const std::string& text) {
    if (!Seen.insert(text).second) return;
    if (Seen.size() > 1) Joined += ',';
    Joined += text;
  }
  std::string Take() { return std::move(Joined); }

 private:
  std::unordered_set<std::string> Seen;
  std::string Joined;
};

struct TKindTexts {
  TDistinctTexts Skip, Feeder, Nozzle;
};

size_t PlacedBoards(const JobTable& boards) {
  if (boards.empty()) return 1;
  return size_t(std::count_if(boards.begin(), boards.end(),
                              [](const JobRow& row) { return !IsSkipped(JobCell(row, kBoardSkipColumn)); }));
}

}  // namespace

std::string PartKindKey(const std::string& comment) {
  std::string key;
  for (const std::string& word : TextWords(comment)) {
    if (!key.empty()) key += ' ';
    key += word;
  }
  return key;
}

std::vector<TPartKind> PartKinds(const JobTables& job) {
  const TFeederNumbers feeders = FeederNumbers(job);
  std::vector<TPartKind> kinds;
  std::vector<TKindTexts> texts;
  // Comments repeat from row to row: each text is read into words once.
  std::unordered_map<std::string, size_t> kindOfComment, kindOfKey;
  std::string number;
  for (size_t r = 0; r < job.Components.size(); ++r) {
    const JobRow& row = job.Components[r];
    const std::string& comment = JobCell(row, kComponentCommentColumn);
    auto known = kindOfComment.find(comment);
    if (known == kindOfComment.end()) {
      std::string key = PartKindKey(comment);
      const auto [byKey, added] = kindOfKey.try_emplace(key, kinds.size());
      if (added) {
        kinds.emplace_back();
        kinds.back().Key = std::move(key);
        kinds.back().Kind = comment;
        texts.emplace_back();
      }
      known = kindOfComment.emplace(comment, byKey->second).first;
    }
    TPartKind& kind = kinds[known->second];
    TKindTexts& kindTexts = texts[known->second];
    kind.Rows.push_back(r);
    const std::string& skip = JobCell(row, kComponentSkipColumn);
    kindTexts.Skip.Add(skip);
    if (IsSkipped(skip)) continue;
    ++kind.Place;
    const std::string& feeder = JobCell(row, kComponentFeederColumn);
    const std::string& nozzle = JobCell(row, kComponentNozzleColumn);
    if (!feeder.empty()) kindTexts.Feeder.Add(feeder);
    if (!nozzle.empty()) kindTexts.Nozzle.Add(nozzle);
    if (!kind.NeedsFeeder && !(ReadWholeNumber(feeder, number) && feeders.count(number)))
      kind.NeedsFeeder = true;
  }
  const size_t boards = PlacedBoards(job.Boards);
  for (size_t k = 0; k < kinds.size(); ++k) {
    kinds[k].Skip = texts[k].Skip.Take();
    kinds[k].Feeder = texts[k].Feeder.Take();
    kinds[k].Nozzle = texts[k].Nozzle.Take();
    kinds[k].PerPanel = kinds[k].Place * boards;
  }
  // Kinds are made in order of their first rows, so a stable sort keeps
  // that order among equals.
  std::stable_sort(kinds.begin(), kinds.end(), [](const TPartKind& a, const TPartKind& b) {
    if (a.NeedsFeeder != b.NeedsFeeder) return a.NeedsFeeder;
    return a.Place > b.Place;
  });
  return kinds;
}

std::string PartKindPositions(const JobTables& job, const TPartKind& kind, const std::string& separator,
                              size_t limit) {
  static const std::string more = "…";
  std::string text;
  for (size_t i = 0; i < kind.Rows.size(); ++i) {
    if (kind.Rows[i] >= job.Components.size()) break;
    const std::string& name = JobCell(job.Components[kind.Rows[i]], kComponentNameColumn);
    const size_t added = (i > 0 ? separator.size() : 0) + name.size();
    const bool last = i + 1 == kind.Rows.size();
    // Room is kept for the mark unless this is the last designator.
    if (limit > 0 && i > 0 && text.size() + added + (last ? 0 : separator.size() + more.size()) > limit) {
      text += separator + more;
      break;
    }
    if (i > 0) text += separator;
    text += name;
  }
  return text;
}
