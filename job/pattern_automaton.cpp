#include "job/pattern_automaton.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

// The table's bounds: its rows, its cells, and the states visited building it.
constexpr size_t kMaxRows = 2000;
constexpr size_t kMaxCells = size_t{1} << 20;
constexpr size_t kMaxWork = 1'000'000;

constexpr uint8_t kFound = 1, kDead = 2, kFoundAtEnd = 4;
constexpr uint32_t kMatch = 0;

// States of a program, each once, in the order added; cleared at no cost.
class TStateSet {
 public:
  void Reserve(size_t states) {
    if (Index.size() < states) Index.resize(states);
  }
  void Clear() { Members.clear(); }
  bool Contains(uint32_t state) const { return Index[state] < Members.size() && Members[Index[state]] == state; }
  bool Insert(uint32_t state) {
    if (Contains(state)) return false;
    Index[state] = static_cast<uint32_t>(Members.size());
    Members.push_back(state);
    return true;
  }
  std::vector<uint32_t> Members;

 private:
  std::vector<uint32_t> Index;
};

// What the position between two bytes tells the position tests. Building
// the table the end is not known yet: the tests of the end are kept in the
// set, to be passed once the text ends there.
struct TPosition {
  bool AtStart = false, EndKnown = true, AtEnd = false, WordBefore = false, WordAfter = false;
};

// Adds `from` and every state reached from it without reading a byte.
void Follow(const TPatternProgram& program, uint32_t from, const TPosition& at, TStateSet& set,
            std::vector<uint32_t>& stack) {
  stack.push_back(from);
  while (!stack.empty()) {
    const uint32_t s = stack.back();
    stack.pop_back();
    if (!set.Insert(s)) continue;
    const TPatternState& state = program.States[s];
    bool passes = false;
    switch (state.Step) {
      case TPatternStep::Split:
        stack.push_back(state.Other);
        passes = true;
        break;
      case TPatternStep::TextStart: passes = at.AtStart; break;
      case TPatternStep::TextEnd: passes = at.EndKnown && at.AtEnd; break;
      case TPatternStep::WordBoundary: passes = at.WordBefore != at.WordAfter; break;
      case TPatternStep::NotWordBoundary: passes = at.WordBefore == at.WordAfter; break;
      case TPatternStep::Match:
      case TPatternStep::Byte: break;
    }
    if (passes) stack.push_back(state.Next);
  }
}

// The states of `set` that a row of the table stands for: those that read a
// byte, the Match, and the tests of the end still to pass.
std::vector<uint32_t> RowKey(const TPatternProgram& program, const TStateSet& set) {
  std::vector<uint32_t> key;
  for (uint32_t s : set.Members) {
    const TPatternStep step = program.States[s].Step;
    if (step == TPatternStep::Byte || step == TPatternStep::Match || step == TPatternStep::TextEnd) key.push_back(s);
  }
  std::sort(key.begin(), key.end());
  return key;
}

}  // namespace

TPatternAutomaton::TPatternAutomaton(TPatternProgram program) : Program(std::move(program)) {
  if (!BuildTable()) {
    Steps.clear();
    Ends.clear();
  }
}

bool TPatternAutomaton::Search(std::string_view text) const {
  return HasTable() ? SearchTable(text) : SearchStates(text);
}

bool TPatternAutomaton::BuildTable() {
  if (Program.TestsWords) return false;
  // Columns: split the bytes by every set a state reads.
  Columns = 1;
  for (const TPatternState& state : Program.States) {
    if (state.Step != TPatternStep::Byte) continue;
    const TByteSet& set = Program.Sets[state.Set];
    std::array<int, 512> renamed;
    renamed.fill(-1);
    uint32_t count = 0;
    for (int b = 0; b < 256; ++b) {
      int& column = renamed[Column[b] * 2 + set[b]];
      if (column < 0) column = static_cast<int>(count++);
      Column[b] = static_cast<uint8_t>(column);
    }
    Columns = count;
  }
  std::vector<int> sample(Columns);
  for (int b = 255; b >= 0; --b) sample[Column[b]] = b;

  const size_t states = Program.States.size();
  TStateSet set, end;
  set.Reserve(states);
  end.Reserve(states);
  std::vector<uint32_t> stack;
  std::map<std::vector<uint32_t>, uint32_t> rowOfKey;
  std::vector<std::vector<uint32_t>> keys;
  size_t work = 0;
  auto row = [&](std::vector<uint32_t> key, bool initial) {
    if (initial) key.push_back(UINT32_MAX);  // the first row stays apart: only it is at the start
    const auto [found, added] = rowOfKey.emplace(std::move(key), static_cast<uint32_t>(keys.size()));
    if (added) {
      keys.push_back(found->first);
      if (initial) keys.back().pop_back();
    }
    return found->second;
  };
  TPosition inside;
  inside.EndKnown = false;
  TPosition start = inside;
  start.AtStart = true;
  Follow(Program, Program.Start, start, set, stack);
  Initial = row(RowKey(Program, set), true);

  for (uint32_t r = 0; r < keys.size(); ++r) {
    const std::vector<uint32_t> key = keys[r];
    uint8_t ends = key.empty() ? kDead : 0;
    if (std::binary_search(key.begin(), key.end(), kMatch)) ends |= kFound;
    // The tests of the end, passed as if the text ended here.
    TPosition atEnd;
    atEnd.AtStart = r == Initial;
    atEnd.AtEnd = true;
    end.Clear();
    for (uint32_t s : key)
      if (Program.States[s].Step == TPatternStep::TextEnd) Follow(Program, Program.States[s].Next, atEnd, end, stack);
    if (end.Contains(kMatch)) ends |= kFoundAtEnd;
    Ends.push_back(ends);

    for (uint32_t c = 0; c < Columns; ++c) {
      if (ends & (kFound | kDead)) {
        Steps.push_back(r * Columns);
        continue;
      }
      set.Clear();
      for (uint32_t s : key) {
        const TPatternState& state = Program.States[s];
        if (state.Step == TPatternStep::Byte && Program.Sets[state.Set][sample[c]])
          Follow(Program, state.Next, inside, set, stack);
      }
      Follow(Program, Program.Start, inside, set, stack);  // a match may begin after any byte
      work += key.size() + set.Members.size();
      Steps.push_back(row(RowKey(Program, set), false) * Columns);
      if (keys.size() > kMaxRows || keys.size() * Columns > kMaxCells || work > kMaxWork) return false;
    }
  }
  return true;
}

bool TPatternAutomaton::SearchTable(std::string_view text) const {
  // Rows that found or died lead only to themselves, so the loop needs no
  // test per byte: the row at the end tells.
  const uint32_t* steps = Steps.data();
  const uint8_t* column = Column.data();
  uint32_t at = Initial * Columns;
  for (const char c : text) at = steps[at + column[static_cast<unsigned char>(c)]];
  return Ends[at / Columns] & (kFound | kFoundAtEnd);
}

bool TPatternAutomaton::SearchStates(std::string_view text) const {
  // Kept between searches of a thread, so that a search allocates only when
  // a larger program comes.
  struct TScratch {
    TStateSet Now, Next;
    std::vector<uint32_t> Stack;
  };
  thread_local TScratch scratch;
  scratch.Now.Reserve(Program.States.size());
  scratch.Next.Reserve(Program.States.size());
  auto position = [&](size_t i) {
    TPosition at;
    at.AtStart = i == 0;
    at.AtEnd = i == text.size();
    at.WordBefore = i > 0 && IsWordByte(static_cast<unsigned char>(text[i - 1]));
    at.WordAfter = i < text.size() && IsWordByte(static_cast<unsigned char>(text[i]));
    return at;
  };
  scratch.Now.Clear();
  Follow(Program, Program.Start, position(0), scratch.Now, scratch.Stack);
  for (size_t i = 0;; ++i) {
    if (scratch.Now.Contains(kMatch)) return true;
    if (i == text.size()) return false;
    const TPosition at = position(i + 1);
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    scratch.Next.Clear();
    for (uint32_t s : scratch.Now.Members) {
      const TPatternState& state = Program.States[s];
      if (state.Step == TPatternStep::Byte && Program.Sets[state.Set][byte])
        Follow(Program, state.Next, at, scratch.Next, scratch.Stack);
    }
    Follow(Program, Program.Start, at, scratch.Next, scratch.Stack);
    std::swap(scratch.Now, scratch.Next);
  }
}
