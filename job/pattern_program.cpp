#include "job/pattern_program.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr uint32_t kUnbounded = UINT32_MAX;
// A repeat count above this is out of bounds whatever it repeats.
constexpr uint32_t kMaxCount = 100000;

const char kNotPattern[] = "не регулярное выражение";
const char kTooDeep[] = "слишком глубоко вложен: больше 50 скобок и повторов одно в другом";

// The other case of a Windows-1251 letter, or the byte itself.
const std::array<unsigned char, 256>& OtherCase() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = static_cast<unsigned char>(c);
    auto pair = [&](int upper, int lower) {
      t[upper] = static_cast<unsigned char>(lower);
      t[lower] = static_cast<unsigned char>(upper);
    };
    for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDF; ++c) pair(c, c + 32);  // А..Я, а..я
    // Ё, Ђ, Ѓ, Љ, Њ, Ќ, Ћ, Џ, Ў, Ј, Ґ, Є, Ї, І, Ѕ
    const int others[][2] = {{0xA8, 0xB8}, {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
                             {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC},
                             {0xA5, 0xB4}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
    for (const auto& p : others) pair(p[0], p[1]);
    return t;
  }();
  return table;
}

TByteSet Range(int first, int last) {
  TByteSet set;
  for (int c = first; c <= last; ++c) set.set(c);
  return set;
}

TByteSet DigitBytes() { return Range('0', '9'); }
TByteSet WordBytes() { return Range('0', '9') | Range('A', 'Z') | Range('a', 'z') | Range('_', '_'); }
TByteSet SpaceBytes() { return Range('\t', '\r') | Range(' ', ' '); }

// A parsed pattern: a tree of nodes, kept in one vector.
struct TNode {
  enum TKind { Empty, Bytes, Position, Sequence, Choice, Repeat } Kind = Empty;
  TPatternStep Test = TPatternStep::Match;  // Position
  uint32_t Set = 0;                         // Bytes
  uint32_t Min = 0, Max = 0;                // Repeat
  std::vector<uint32_t> Parts;              // Sequence, Choice; Repeat: the one repeated
  int Height = 0;                           // groups and repeats, one in another
};

class TParser {
 public:
  TParser(std::string_view text, bool anyCase, TPatternProgram& program)
      : Text(text), AnyCase(anyCase), Program(program) {}

  // The root node, or false with Error set.
  bool Parse(uint32_t& root) {
    root = ParseChoice();
    if (Error.empty() && At < Text.size()) Error = kNotPattern;  // a ')' without its '('
    return Error.empty();
  }

  std::vector<TNode> Nodes;
  std::string Error;

 private:
  bool AtEnd() const { return At >= Text.size(); }
  unsigned char Peek(size_t ahead = 0) const {
    return At + ahead < Text.size() ? static_cast<unsigned char>(Text[At + ahead]) : 0;
  }
  bool Take(char c) {
    if (AtEnd() || Text[At] != c) return false;
    ++At;
    return true;
  }
  uint32_t Fail(const char* why) {
    if (Error.empty()) Error = why;
    return Add(TNode{});
  }
  uint32_t Add(TNode node) {
    for (uint32_t part : node.Parts) node.Height = std::max(node.Height, Nodes[part].Height + (node.Kind == TNode::Repeat));
    Nodes.push_back(std::move(node));
    return static_cast<uint32_t>(Nodes.size() - 1);
  }
  uint32_t AddBytes(TByteSet set) {
    TNode node;
    node.Kind = TNode::Bytes;
    node.Set = static_cast<uint32_t>(Program.Sets.size());
    Program.Sets.push_back(set);
    return Add(std::move(node));
  }
  uint32_t AddPosition(TPatternStep test) {
    TNode node;
    node.Kind = TNode::Position;
    node.Test = test;
    return Add(std::move(node));
  }
  TByteSet Folded(TByteSet set) const {
    if (!AnyCase) return set;
    TByteSet folded = set;
    for (int c = 0; c < 256; ++c)
      if (set[c]) folded.set(OtherCase()[c]);
    return folded;
  }

  uint32_t ParseChoice() {
    TNode choice;
    choice.Kind = TNode::Choice;
    choice.Parts.push_back(ParseSequence());
    while (Error.empty() && Take('|')) choice.Parts.push_back(ParseSequence());
    return choice.Parts.size() == 1 ? choice.Parts[0] : Add(std::move(choice));
  }

  uint32_t ParseSequence() {
    TNode sequence;
    sequence.Kind = TNode::Sequence;
    while (Error.empty() && !AtEnd() && Peek() != '|' && Peek() != ')') sequence.Parts.push_back(ParseRepeated());
    return Add(std::move(sequence));
  }

  uint32_t ParseRepeated() {
    uint32_t node = ParseAtom();
    while (Error.empty() && !AtEnd()) {
      uint32_t min = 0, max = kUnbounded;
      const unsigned char c = Peek();
      if (c == '*') {
        ++At;
      } else if (c == '+') {
        ++At;
        min = 1;
      } else if (c == '?') {
        ++At;
        max = 1;
      } else if (c == '{') {
        ++At;
        if (!ReadCount(min)) return Fail(kNotPattern);
        max = min;
        if (Take(',')) {
          max = kUnbounded;
          if (Peek() != '}' && !ReadCount(max)) return Fail(kNotPattern);
        }
        if (!Take('}') || min > max) return Fail(kNotPattern);
      } else {
        break;
      }
      Take('?');  // the lazy form finds the same texts
      if (Nodes[node].Kind == TNode::Position) return Fail(kNotPattern);
      TNode repeat;
      repeat.Kind = TNode::Repeat;
      repeat.Min = min;
      repeat.Max = max;
      repeat.Parts = {node};
      node = Add(std::move(repeat));
      if (Nodes[node].Height > kPatternMaxNesting) return Fail(kTooDeep);
    }
    return node;
  }

  // Digits of a count, capped just past kMaxCount (the program's bound
  // refuses it then).
  bool ReadCount(uint32_t& count) {
    if (!(Peek() >= '0' && Peek() <= '9')) return false;
    count = 0;
    while (Peek() >= '0' && Peek() <= '9') count = std::min<uint32_t>(count * 10 + (Text[At++] - '0'), kMaxCount + 1);
    return true;
  }

  uint32_t ParseAtom() {
    const unsigned char c = Peek();
    ++At;
    switch (c) {
      case '(': return ParseGroup();
      case '[': return ParseClass();
      case '.': return AddBytes(~(Range('\n', '\n') | Range('\r', '\r')));
      case '^': return AddPosition(TPatternStep::TextStart);
      case '$': return AddPosition(TPatternStep::TextEnd);
      case '\\': return ParseEscape();
      case '*': case '+': case '?': case '{': return Fail(kNotPattern);  // nothing to repeat
      default: return AddBytes(Folded(Range(c, c)));
    }
  }

  uint32_t ParseGroup() {
    if (Take('?')) {
      if (Peek() == '=' || Peek() == '!' || (Peek() == '<' && (Peek(1) == '=' || Peek(1) == '!')))
        return Fail("проверяет текст вперёд или назад ((?= (?! (?<= (?<!), такие шаблоны не поддерживаются");
      if (!Take(':')) return Fail(kNotPattern);
    }
    if (++Depth > kPatternMaxNesting) return Fail(kTooDeep);
    const uint32_t inner = ParseChoice();
    --Depth;
    if (!Take(')')) return Fail(kNotPattern);
    if (++Nodes[inner].Height > kPatternMaxNesting) return Fail(kTooDeep);
    return inner;
  }

  uint32_t ParseEscape() {
    if (AtEnd()) return Fail(kNotPattern);
    const unsigned char c = Peek();
    if (c == 'b' || c == 'B') {
      ++At;
      Program.TestsWords = true;
      return AddPosition(c == 'b' ? TPatternStep::WordBoundary : TPatternStep::NotWordBoundary);
    }
    if (c >= '1' && c <= '9') return Fail("ссылается на группу (\\1 … \\9), такие шаблоны не поддерживаются");
    TByteSet set;
    if (ReadClassEscape(set)) return AddBytes(Folded(set));
    int byte = 0;
    if (!ReadByteEscape(byte)) return Fail(kNotPattern);
    return AddBytes(Folded(Range(byte, byte)));
  }

  // \d \D \w \W \s \S after the '\'.
  bool ReadClassEscape(TByteSet& set) {
    switch (Peek()) {
      case 'd': set = DigitBytes(); break;
      case 'D': set = ~DigitBytes(); break;
      case 'w': set = WordBytes(); break;
      case 'W': set = ~WordBytes(); break;
      case 's': set = SpaceBytes(); break;
      case 'S': set = ~SpaceBytes(); break;
      default: return false;
    }
    ++At;
    return true;
  }

  // A byte written after a '\': control letters, \0, \xHH, \uHHHH up to FF,
  // \cX, or the character itself.
  bool ReadByteEscape(int& byte) {
    const unsigned char c = Peek();
    ++At;
    switch (c) {
      case 'n': byte = '\n'; return true;
      case 'r': byte = '\r'; return true;
      case 't': byte = '\t'; return true;
      case 'f': byte = '\f'; return true;
      case 'v': byte = '\v'; return true;
      case '0': byte = 0; return true;
      case 'x': return ReadHex(2, byte);
      case 'u': return ReadHex(4, byte) && byte <= 0xFF;
      case 'c':
        if (!((Peek() >= 'A' && Peek() <= 'Z') || (Peek() >= 'a' && Peek() <= 'z'))) return false;
        byte = Text[At++] % 32;
        return true;
      default:
        if (c >= '1' && c <= '9') return false;
        byte = c;
        return true;
    }
  }

  bool ReadHex(int digits, int& byte) {
    byte = 0;
    for (int i = 0; i < digits; ++i) {
      const unsigned char h = Peek();
      const int value = h >= '0' && h <= '9'   ? h - '0'
                        : h >= 'a' && h <= 'f' ? h - 'a' + 10
                        : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                               : -1;
      if (value < 0) return false;
      byte = byte * 16 + value;
      ++At;
    }
    return true;
  }

  uint32_t ParseClass() {
    const bool negated = Take('^');
    TByteSet set;
    for (;;) {
      if (AtEnd()) return Fail(kNotPattern);
      if (Take(']')) break;
      int first = 0;
      if (Peek() == '[' && Peek(1) == ':') {
        if (!ReadNamedClass(set)) return Fail(kNotPattern);
        continue;
      }
      const int kind = ReadClassMember(set, first);
      if (kind < 0) return Fail(kNotPattern);
      if (Peek() == '-' && Peek(1) != ']' && At + 1 < Text.size()) {
        ++At;
        int last = 0;
        if (kind == 0 || ReadClassMember(set, last) != 1 || last < first) return Fail(kNotPattern);
        set |= Range(first, last);
      } else if (kind == 1) {
        set.set(first);
      }
    }
    set = Folded(set);
    return AddBytes(negated ? ~set : set);
  }

  // One member of a [...] class: 1 with a single byte in `byte`, 0 when a
  // class escape (\d...) was added to `set`, -1 when invalid.
  int ReadClassMember(TByteSet& set, int& byte) {
    if (Peek() != '\\') {
      byte = Peek();
      ++At;
      return 1;
    }
    ++At;
    if (AtEnd()) return -1;
    if (TByteSet escaped; ReadClassEscape(escaped)) {
      set |= escaped;
      return 0;
    }
    if (Take('b')) {
      byte = '\b';
      return 1;
    }
    return ReadByteEscape(byte) ? 1 : -1;
  }

  // [:alpha:] and its kin, ASCII only as the rest of the classes.
  bool ReadNamedClass(TByteSet& set) {
    const size_t end = Text.find(":]", At + 2);
    if (end == std::string_view::npos) return false;
    const std::string_view name = Text.substr(At + 2, end - At - 2);
    const TByteSet upper = Range('A', 'Z'), lower = Range('a', 'z');
    const std::pair<std::string_view, TByteSet> named[] = {
        {"alpha", upper | lower},
        {"digit", DigitBytes()},
        {"alnum", upper | lower | DigitBytes()},
        {"space", SpaceBytes()},
        {"upper", upper},
        {"lower", lower},
        {"xdigit", DigitBytes() | Range('A', 'F') | Range('a', 'f')},
        {"punct", Range('!', '/') | Range(':', '@') | Range('[', '`') | Range('{', '~')},
        {"w", WordBytes()},
        {"blank", Range(' ', ' ') | Range('\t', '\t')},
        {"cntrl", Range(0, 31) | Range(127, 127)},
        {"print", Range(' ', '~')},
        {"graph", Range('!', '~')},
    };
    for (const auto& [known, bytes] : named)
      if (name == known) {
        set |= bytes;
        At = end + 2;
        return true;
      }
    return false;
  }

  std::string_view Text;
  size_t At = 0;
  bool AnyCase;
  int Depth = 0;
  TPatternProgram& Program;
};

// Writes the parsed tree as states, from the end backwards: each node is
// given the state that follows it and returns its first state. Recursion
// goes as deep as the groups, which the parser bounds.
class TEmitter {
 public:
  TEmitter(const std::vector<TNode>& nodes, TPatternProgram& program) : Nodes(nodes), Program(program) {}

  // The count of states `node` takes, saturated just past the bound.
  size_t Size(uint32_t node) const {
    const TNode& n = Nodes[node];
    size_t size = 0;
    switch (n.Kind) {
      case TNode::Empty: return 0;
      case TNode::Bytes: case TNode::Position: return 1;
      case TNode::Sequence:
      case TNode::Choice:
        for (uint32_t part : n.Parts) size = Capped(size + Size(part));
        return Capped(size + (n.Kind == TNode::Choice ? n.Parts.size() - 1 : 0));
      case TNode::Repeat: {
        // Each copy counts at least one, so that repeats of nothing are
        // bounded in the writing too.
        const size_t one = Size(n.Parts[0]);
        const size_t optional = n.Max == kUnbounded ? 1 : n.Max - n.Min;
        return Capped(n.Min * std::max<size_t>(one, 1) + optional * (one + 1));
      }
    }
    return 0;
  }

  uint32_t Emit(uint32_t node, uint32_t next) {
    const TNode& n = Nodes[node];
    switch (n.Kind) {
      case TNode::Empty: return next;
      case TNode::Bytes: return Add({TPatternStep::Byte, n.Set, next, 0});
      case TNode::Position: return Add({n.Test, 0, next, 0});
      case TNode::Sequence:
        for (auto part = n.Parts.rbegin(); part != n.Parts.rend(); ++part) next = Emit(*part, next);
        return next;
      case TNode::Choice: {
        uint32_t first = Emit(n.Parts.back(), next);
        for (size_t i = n.Parts.size() - 1; i-- > 0;) first = Add({TPatternStep::Split, 0, Emit(n.Parts[i], next), first});
        return first;
      }
      case TNode::Repeat: {
        uint32_t first = next;
        if (n.Max == kUnbounded) {
          const uint32_t loop = Add({TPatternStep::Split, 0, 0, next});
          Program.States[loop].Next = Emit(n.Parts[0], loop);
          first = loop;
        } else {
          for (uint32_t i = n.Min; i < n.Max; ++i) first = Add({TPatternStep::Split, 0, Emit(n.Parts[0], first), first});
        }
        for (uint32_t i = 0; i < n.Min; ++i) first = Emit(n.Parts[0], first);
        return first;
      }
    }
    return next;
  }

 private:
  static size_t Capped(size_t size) { return std::min(size, kPatternMaxStates + 1); }
  uint32_t Add(TPatternState state) {
    Program.States.push_back(state);
    return static_cast<uint32_t>(Program.States.size() - 1);
  }

  const std::vector<TNode>& Nodes;
  TPatternProgram& Program;
};

}  // namespace

bool IsWordByte(unsigned char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool CompilePatternProgram(std::string_view pattern, bool anyCase, TPatternProgram& program, std::string& error) {
  TPatternProgram built;
  TParser parser(pattern, anyCase, built);
  uint32_t root = 0;
  if (!parser.Parse(root)) {
    error = parser.Error;
    return false;
  }
  TEmitter emitter(parser.Nodes, built);
  if (emitter.Size(root) + 1 > kPatternMaxStates) {
    error = "слишком велик: больше 2000 шагов поиска (каждый повтор {m,n} — свои шаги)";
    return false;
  }
  built.States.push_back(TPatternState{});  // the Match
  built.Start = emitter.Emit(root, 0);
  program = std::move(built);
  return true;
}
