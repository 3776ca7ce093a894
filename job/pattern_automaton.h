// Searches a pattern program anywhere in a text without backtracking. When
// the pattern is compiled, its states are combined into a table of one step
// per byte (the states the program can be in after each byte, found ahead of
// time); a program whose table would grow past its bounds, or that tests word
// boundaries, is followed state set by state set along the text instead.
// Either way the time is linear in the text (times the program's size at
// most) and no recursion follows the text.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "job/pattern_program.h"

class TPatternAutomaton {
 public:
  explicit TPatternAutomaton(TPatternProgram program);

  bool Search(std::string_view text) const;

  // Whether the table was built (for tests and benchmarks).
  bool HasTable() const { return !Steps.empty(); }

 private:
  bool BuildTable();
  bool SearchTable(std::string_view text) const;
  bool SearchStates(std::string_view text) const;

  TPatternProgram Program;
  // The table: bytes that no state tells apart share a column.
  std::array<uint8_t, 256> Column{};
  uint32_t Columns = 0;
  uint32_t Initial = 0;
  std::vector<uint32_t> Steps;  // row * Columns + column: the next row * Columns
  std::vector<uint8_t> Ends;    // per row: kFound, kDead, kFoundAtEnd
};
