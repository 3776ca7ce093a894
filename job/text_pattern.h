// A regular expression of a user's table (rotation corrections, nozzle
// rules), searched for anywhere in a job cell. Tables are shared between
// users and cells can be long, so a search must end in bounded time and
// without deep recursion whatever the pattern and the text; a pattern the
// matcher cannot run within its bounds is refused when it is compiled.
// Patterns and texts are Windows-1251 bytes.
#pragma once

#include <memory>
#include <string>
#include <string_view>

class TTextPattern {
 public:
  TTextPattern();
  ~TTextPattern();
  TTextPattern(TTextPattern&&) noexcept;
  TTextPattern& operator=(TTextPattern&&) noexcept;

  // False, with the reason in `error` (Windows-1251, no line number), when
  // the pattern is not a valid regular expression or cannot be run within
  // the matcher's bounds. `anyCase` compares letters of any case, Cyrillic
  // ones of Windows-1251 too.
  bool Compile(const std::string& pattern, bool anyCase, std::string& error);

  // Whether the pattern is found anywhere in `text`. False before a
  // successful Compile.
  bool Search(std::string_view text) const;

 private:
  struct TProgram;
  std::unique_ptr<TProgram> Program;
};
