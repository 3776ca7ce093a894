// The summary of "Распределить" as the user reads it.
#include <algorithm>

#include "job/feeder_assign.h"

namespace {

// Groups and rows listed by name; the rest are counted.
constexpr size_t kListedGroups = 10;
constexpr size_t kListedAmbiguous = 10;

// "1 строка", "2 строки", "5 строк", "21 строка".
std::string Rows(size_t n) {
  const size_t lastTwo = n % 100, last = n % 10;
  const char* word = "строк";
  if (last == 1 && lastTwo != 11) word = "строка";
  else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) word = "строки";
  return std::to_string(n) + " " + word;
}

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + text;
  return joined;
}

void AddUnmatched(std::string& out, const TFeederAssignment& a) {
  out += "Питатель не найден: " + Rows(a.Unmatched) + (a.Unmatched ? ":\n" : ".\n");
  const size_t listed = std::min(a.UnmatchedGroups.size(), kListedGroups);
  size_t rest = a.Unmatched;
  for (size_t g = 0; g < listed; ++g) {
    const TCommentCount& group = a.UnmatchedGroups[g];
    out += "  " + (group.Comment.empty() ? std::string("(без коммента)") : "«" + group.Comment + "»") +
           ": " + std::to_string(group.Rows) + "\n";
    rest -= group.Rows;
  }
  if (listed < a.UnmatchedGroups.size())
    out += "  и ещё " + std::to_string(a.UnmatchedGroups.size() - listed) + " других комментов: " +
           Rows(rest) + "\n";
}

void AddAmbiguous(std::string& out, const TFeederAssignment& a) {
  if (a.Ambiguous.empty()) return;
  out += "Неоднозначно, взят меньший номер: " + Rows(a.Ambiguous.size()) + ":\n";
  const size_t listed = std::min(a.Ambiguous.size(), kListedAmbiguous);
  for (size_t i = 0; i < listed; ++i) {
    const TAmbiguousRow& row = a.Ambiguous[i];
    out += "  строка " + std::to_string(row.Row + 1) +
           (row.Component.empty() ? "" : " (" + row.Component + ")") + ": питатели " +
           Joined(row.Feeders) + "\n";
  }
  if (listed < a.Ambiguous.size()) out += "  и ещё " + Rows(a.Ambiguous.size() - listed) + "\n";
}

}  // namespace

std::string AssignSummary(const TFeederAssignment& a) {
  std::string out = "Питатель назначен: " + Rows(a.FeedersGiven) + ".\n";
  if (!a.NozzleRules.empty()) out += "Сопло по правилам: " + Rows(a.NozzlesByRule) + ".\n";
  out += "Свой питатель сохранили: " + Rows(a.Kept) + ".\n";
  AddUnmatched(out, a);
  AddAmbiguous(out, a);
  if (a.Skipped) out += "С пропуском, не тронуты: " + Rows(a.Skipped) + ".\n";
  return out;
}
