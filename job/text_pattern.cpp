#include "job/text_pattern.h"

#include <utility>

#include "job/pattern_automaton.h"

struct TTextPattern::TProgram : TPatternAutomaton {
  using TPatternAutomaton::TPatternAutomaton;
};

TTextPattern::TTextPattern() = default;
TTextPattern::~TTextPattern() = default;
TTextPattern::TTextPattern(TTextPattern&&) noexcept = default;
TTextPattern& TTextPattern::operator=(TTextPattern&&) noexcept = default;

bool TTextPattern::Compile(const std::string& pattern, bool anyCase, std::string& error) {
  TPatternProgram program;
  if (!CompilePatternProgram(pattern, anyCase, program, error)) return false;
  Program = std::make_unique<TProgram>(std::move(program));
  return true;
}

bool TTextPattern::Search(std::string_view text) const { return Program && Program->Search(text); }
