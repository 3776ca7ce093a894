// A table of nozzle rules: each rule names part kinds by a regular
// expression searched in a component row's comment ("Коммент"), letters of
// any case, and gives the nozzle such parts take. Nozzle numbers are the
// machine's own, as its operator set them up.
//
// The table is a text file (UTF-8 with or without its byte-order mark, else
// Windows-1251) of fields separated by tabs, ";" or ",", as its first line
// that is neither empty nor a comment ("#...") uses; a field may be quoted
// ('"', a doubled quote inside), so a pattern may hold the separator. That
// first line is a header when its second field is not a whole number; every
// other line is a rule: a pattern, then a nozzle of digits only. When
// several rules match, the last one wins: general rules first, specific ones
// after.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "job/text_pattern.h"

struct TNozzleRule {
  size_t Line = 0;      // 1-based line of the table
  std::string Pattern;  // Windows-1251
  TTextPattern Match;   // compiled once, when the table is read; any case
  std::string Nozzle;   // digits only, as written
};

struct TNozzleRules {
  std::string Name;  // the file's name, for the summaries
  std::vector<TNozzleRule> Rules;
};

// False, with the reason and its line in `error` (Windows-1251), when the
// table cannot be used: an unclosed quote, a line of one field, an empty or
// invalid pattern, a nozzle that is not digits only. `table` is then left
// as it was.
bool ReadNozzleRules(const std::string& bytes, const std::string& name, TNozzleRules& table, std::string& error);

// The rule for a comment: the last whose pattern is found in it, any case;
// null when none.
const TNozzleRule* MatchingNozzleRule(const TNozzleRules& table, const std::string& comment);

// What the user is told of a table taken: "Правил сопел: 7 — из nozzles.csv".
std::string NozzleRulesChosenText(const TNozzleRules& table);

// MatchingNozzleRule asked once per distinct comment: a job repeats few
// comments over many rows. The table must outlive the lookup.
class TNozzleRuleLookup {
 public:
  explicit TNozzleRuleLookup(const TNozzleRules& table) : Table(table) {}

  // The nozzle of the rule that matches `comment`; null when none.
  const std::string* Nozzle(const std::string& comment);

 private:
  const TNozzleRules& Table;
  std::unordered_map<std::string, const TNozzleRule*> Found;
};
