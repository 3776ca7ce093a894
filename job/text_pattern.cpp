#include "job/text_pattern.h"

#include <regex>

struct TTextPattern::TProgram {
  std::regex Regex;
};

TTextPattern::TTextPattern() = default;
TTextPattern::~TTextPattern() = default;
TTextPattern::TTextPattern(TTextPattern&&) noexcept = default;
TTextPattern& TTextPattern::operator=(TTextPattern&&) noexcept = default;

bool TTextPattern::Compile(const std::string& pattern, bool anyCase, std::string& error) {
  auto flags = std::regex::ECMAScript;
  if (anyCase) flags |= std::regex::icase;
  try {
    auto program = std::make_unique<TProgram>();
    program->Regex = std::regex(pattern, flags);
    Program = std::move(program);
    return true;
  } catch (const std::regex_error&) {
    error = "не регулярное выражение";
    return false;
  }
}

bool TTextPattern::Search(std::string_view text) const {
  return Program && std::regex_search(text.begin(), text.end(), Program->Regex);
}
