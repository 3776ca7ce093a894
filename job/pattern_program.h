// A regular expression of a user's table turned into a program of states
// (each reads one byte of a set, splits into two ways, or tests the position)
// that a matcher follows all at once, never backtracking. The syntax is the
// ECMAScript one the tables have always used; what cannot run within the
// bounds below (back references, look-around, a program too large, groups
// nested too deep) is refused with its reason.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using TByteSet = std::bitset<256>;

enum class TPatternStep : uint8_t { Match, Byte, Split, TextStart, TextEnd, WordBoundary, NotWordBoundary };

struct TPatternState {
  TPatternStep Step = TPatternStep::Match;
  uint32_t Set = 0;    // Byte: the bytes read, an index into Sets
  uint32_t Next = 0;   // the state that follows (all but Match)
  uint32_t Other = 0;  // Split: the second way
};

struct TPatternProgram {
  std::vector<TPatternState> States;  // States[0] is the Match
  std::vector<TByteSet> Sets;
  uint32_t Start = 0;
  bool TestsWords = false;  // has \b or \B
};

// The bounds: states of a program (counted repeats are written out) and
// groups one inside another.
inline constexpr size_t kPatternMaxStates = 2000;
inline constexpr int kPatternMaxNesting = 50;

// False, with the reason in `error` (Windows-1251), when `pattern` is not a
// regular expression or is out of bounds. `anyCase` makes every letter, Latin
// or Cyrillic of Windows-1251, match its other case too.
bool CompilePatternProgram(std::string_view pattern, bool anyCase, TPatternProgram& program, std::string& error);

// The bytes of \w: ASCII letters, digits and '_'.
bool IsWordByte(unsigned char c);
