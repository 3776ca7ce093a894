// A table of rotation corrections by package: a design tool's zero angle of
// a package is seldom the angle at which the part lies in its tape, so each
// rule names packages by a regular expression and gives the rotation to add
// and the offset of the part's centre from the footprint's origin.
//
// The table is a text file (UTF-8 with or without its byte-order mark, else
// Windows-1251) of comma-separated fields, quoted or not; its first line that
// is neither empty nor a comment ("#...") names the columns. Patterns are kept
// and matched as Windows-1251 bytes, as the import keeps package texts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "job/decimal_text.h"
#include "job/text_pattern.h"

struct TRotationRule {
  size_t Line = 0;      // 1-based line of the table
  std::string Pattern;  // Windows-1251
  TTextPattern Match;   // compiled once, when the table is read
  TFixed Rotation = 0;  // degrees, counter-clockwise
  TFixed OffsetX = 0;   // millimetres, in the footprint's own axes
  TFixed OffsetY = 0;
};

struct TRotationCorrections {
  std::string Name;  // the file's name, for the summary
  std::vector<TRotationRule> Rules;
  // Two rules with the same pattern, Windows-1251, one line each.
  std::vector<std::string> Warnings;
};

// Reads the table's bytes. False, with the reason and its line number in
// `error` (Windows-1251), when the table cannot be used: no header with a
// pattern and a rotation column, an unclosed quote, an empty or invalid
// pattern, a rotation or an offset that is not a number.
bool ReadRotationCorrections(const std::string& bytes, const std::string& name, TRotationCorrections& table,
                             std::string& error);

// The rule for a package: the last one whose pattern is found anywhere in
// it; null when none is, and for a part without a package.
const TRotationRule* MatchingRule(const TRotationCorrections& table, const std::string& package);

// A part corrected by a rule, positions in millimetres and the angle in
// degrees (after the side's mirror): the offset turned by the part's angle
// and added to its position, then the rotation added to its angle.
// Multiples of 90 degrees turn the offset exactly.
void CorrectPart(const TRotationRule& rule, TFixed& x, TFixed& y, TFixed& angle);
