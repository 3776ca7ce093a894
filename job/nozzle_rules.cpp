#include "job/nozzle_rules.h"

#include <string_view>

#include "job/job_number.h"
#include "job/placement_fields.h"
#include "job/text_decoding.h"

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsSkippedLine(std::string_view line) {
  line = Trimmed(line);
  return line.empty() || line.front() == '#';
}

// The separator the table's first line uses outside quotes: a tab before
// ";" before ",", as a pattern holds "," ({1,3}) far more often than a tab.
char SeparatorOf(std::string_view line) {
  bool quoted = false, hasSemicolon = false, hasComma = false;
  for (char c : line) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\t') return '\t';
    hasSemicolon |= c == ';';
    hasComma |= c == ',';
  }
  return hasSemicolon ? ';' : hasComma ? ',' : '\t';
}

bool IsDigits(const std::string& text) {
  std::string digits;
  return ReadWholeNumber(text, digits);
}

std::string Quoted(const std::string& text) { return "«" + text + "»"; }

}  // namespace

bool ReadNozzleRules(const std::string& bytes, const std::string& name, TNozzleRules& table, std::string& error) {
  const std::string text = PlacementTextToCp1251(bytes);
  const std::vector<std::string_view> lines = SplitLines(text);
  TNozzleRules read;
  read.Name = name;
  auto refuse = [&](size_t line, const std::string& reason) {
    error = "Правила сопел <" + name + ">, строка " + std::to_string(line) + ": " + reason + ".";
    return false;
  };

  char separator = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t line = i + 1;
    if (IsSkippedLine(lines[i])) continue;
    const bool first = separator == 0;
    if (first) separator = SeparatorOf(lines[i]);
    bool quotesClosed = true;
    const std::vector<std::string> fields = SplitSeparated(lines[i], separator, &quotesClosed);
    if (!quotesClosed) return refuse(line, "кавычка не закрыта");
    if (fields.size() < 2) return refuse(line, "одно поле, а нужны шаблон и сопло");
    if (first && !IsDigits(fields[1])) continue;  // the header

    TNozzleRule rule;
    rule.Line = line;
    rule.Pattern = fields[0];
    rule.Nozzle = fields[1];
    if (rule.Pattern.empty()) return refuse(line, "пустой шаблон");
    std::string why;
    if (!rule.Match.Compile(rule.Pattern, true, why))
      return refuse(line, "шаблон " + Quoted(rule.Pattern) + " " + why);
    if (!IsDigits(rule.Nozzle))
      return refuse(line, "сопло " + Quoted(rule.Nozzle) + " не номер из одних цифр");
    read.Rules.push_back(std::move(rule));
  }
  table = std::move(read);
  return true;
}

const TNozzleRule* MatchingNozzleRule(const TNozzleRules& table, const std::string& comment) {
  for (auto rule = table.Rules.rbegin(); rule != table.Rules.rend(); ++rule)
    if (rule->Match.Search(comment)) return &*rule;
  return nullptr;
}

std::string NozzleRulesChosenText(const TNozzleRules& table) {
  return "Правил сопел: " + std::to_string(table.Rules.size()) + " — из " + table.Name;
}

const std::string* TNozzleRuleLookup::Nozzle(const std::string& comment) {
  auto found = Found.find(comment);
  if (found == Found.end()) found = Found.emplace(comment, MatchingNozzleRule(Table, comment)).first;
  return found->second ? &found->second->Nozzle : nullptr;
}
