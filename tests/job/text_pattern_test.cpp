// Patterns of the users' tables: what the syntax finds, in either case when
// asked, what is refused and why, and patterns and texts that would hang a
// backtracking matcher or overflow its stack answering as they should.
#include "job/text_pattern.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <regex>
#include <string>

#include "job/pattern_automaton.h"

namespace {

TTextPattern Compiled(const std::string& pattern, bool anyCase = false) {
  TTextPattern compiled;
  std::string error;
  EXPECT_TRUE(compiled.Compile(pattern, anyCase, error)) << pattern << ": " << error;
  return compiled;
}

TEST(TextPattern, FindsWhatTheSyntaxSaysAnywhereInTheText) {
  const struct {
    const char* Pattern;
    bool AnyCase;
    const char* Text;
    bool Found;
  } cases[] = {
      {"0603", false, "C_0603_1608Metric", true},  {"0603", false, "C_0805", false},
      {"^SOT-23", false, "SOT-23-5", true},        {"^SOT-23", false, "X_SOT-23", false},
      {"-5$", false, "SOT-23-5", true},            {"-5$", false, "SOT-23-5_X", false},
      {"^$", false, "", true},                     {"x*", false, "", true},
      {"a.c", false, "abc", true},                 {"a.c", false, "a\nc", false},
      {"[abc]x", false, "bx", true},               {"[^abc]x", false, "bx", false},
      {"[a-c]{2}", false, "cab", true},            {"[-a]z", false, "-z", true},
      {"\\d\\.\\d", false, "R 1.5", true},         {"\\D", false, "123", false},
      {"\\w\\s\\W", false, "a +", true},           {"\\S", false, " \t\r\n", false},
      {"\\x41\\t", false, "A\t", true},            {"[[:digit:]]+k", false, "10k", true},
      {"QFN|SOIC", false, "SOIC-8", true},         {"QFN|SOIC", false, "TSSOP", false},
      {"(?:ab)+c", false, "xababc", true},         {"(ab)+c", false, "aabbc", false},
      {"a{2}b", false, "aab", true},               {"a{2}b", false, "ab", false},
      {"a{2,}b", false, "aaaab", true},            {"^a{1,2}b", false, "aaab", false},
      {"a+?b", false, "aab", true},                {"a{1,3}?$", false, "baa", true},
      {"\\b0603\\b", false, "C 0603 X", true},     {"\\b0603\\b", false, "C_0603", false},
      {"\\B03", false, "0603", true},              {"(a|b)*a(a|b){15}", false, "abbbbbbbbbbbbbbb", true},
      {"(a|b)*a(a|b){15}", false, "bbbbbbbbbbbbbbbb", false},
      {"soic", false, "SOIC-8", false},            {"soic", true, "SOIC-8", true},
      {"[a-c]x", true, "BX", true},                {"[^a]", true, "A", false},
      {"корпус", true, "КОРПУС", true},            {"КОРПУС", true, "корпус", true},
      {"^[а-я]+$", true, "ЖУК", true},                {"ёж", true, "ЁЖ", true},
      {"корпус", false, "КОРПУС", false},          {"\\w", false, "ж", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Pattern) + (c.AnyCase ? " (any case) in " : " in ") + c.Text);
    EXPECT_EQ(Compiled(c.Pattern, c.AnyCase).Search(c.Text), c.Found);
  }
}

// Generated patterns find what the standard library's backtracking matcher
// finds, in either case, on texts short enough for it to stay quick.
TEST(TextPattern, AgreesWithTheStandardMatcherOnGeneratedPatterns) {
  std::mt19937 random(7);
  auto pick = [&](size_t count) { return static_cast<size_t>(random() % count); };
  const char* const atoms[] = {"a",   "b",     "A",   "0",    "-",     ".",     "\\.",      "\\d",
                               "\\w", "\\s",   "\\W", "[ab]", "[^a]",  "[a-c]", "[A-Z0-9]", "(a|b0)",
                               "(?:-|ab)", "(A)"};
  const char* const positions[] = {"^", "$", "\\b", "\\B"};
  const char* const repeats[] = {"", "", "*", "+", "?", "{2}", "{1,2}", "{0,}", "*?", "{2,3}?"};
  const char alphabet[] = "aAbB0- .\n";
  for (int round = 0; round < 2000; ++round) {
    std::string pattern;
    for (size_t n = 1 + pick(4); n > 0; --n) {
      if (pick(5) == 0) pattern += positions[pick(std::size(positions))];
      pattern += std::string(atoms[pick(std::size(atoms))]) + repeats[pick(std::size(repeats))];
    }
    if (pick(4) == 0) pattern = "(" + pattern + ")+|" + atoms[pick(std::size(atoms))];
    const bool anyCase = pick(2);
    const std::regex standard(pattern, anyCase ? std::regex::ECMAScript | std::regex::icase : std::regex::ECMAScript);
    const TTextPattern own = Compiled(pattern, anyCase);
    for (int t = 0; t < 10; ++t) {
      std::string text;
      for (size_t n = pick(8); n > 0; --n) text += alphabet[pick(std::size(alphabet) - 1)];
      ASSERT_EQ(own.Search(text), std::regex_search(text, standard))
          << pattern << (anyCase ? " (any case) in \"" : " in \"") << text << "\"";
    }
  }
}

TEST(TextPattern, RefusesWhatItCannotRunWithTheReason) {
  const std::string tooDeep = std::string(51, '(') + "a" + std::string(51, ')');
  const std::string hugeParens(100000, '(');
  const struct {
    std::string Pattern;
    const char* Error;
  } cases[] = {
      {"(a)\\1", "ссылается на группу (\\1 … \\9), такие шаблоны не поддерживаются"},
      {"(?=a)b", "проверяет текст вперёд или назад ((?= (?! (?<= (?<!), такие шаблоны не поддерживаются"},
      {"a(?<!b)", "проверяет текст вперёд или назад ((?= (?! (?<= (?<!), такие шаблоны не поддерживаются"},
      {"a{1,3000}", "слишком велик: больше 2000 шагов поиска (каждый повтор {m,n} — свои шаги)"},
      {"(?:x{1,100}){1,40}y", "слишком велик: больше 2000 шагов поиска (каждый повтор {m,n} — свои шаги)"},
      {std::string(6000, 'x'), "слишком велик: больше 2000 шагов поиска (каждый повтор {m,n} — свои шаги)"},
      {tooDeep, "слишком глубоко вложен: больше 50 скобок и повторов одно в другом"},
      {hugeParens, "слишком глубоко вложен: больше 50 скобок и повторов одно в другом"},
      {"a" + std::string(51, '*'), "слишком глубоко вложен: больше 50 скобок и повторов одно в другом"},
      {"^(B", "не регулярное выражение"},
      {"a)", "не регулярное выражение"},
      {"*a", "не регулярное выражение"},
      {"a{2,1}", "не регулярное выражение"},
      {"[z-a]", "не регулярное выражение"},
      {"[ab", "не регулярное выражение"},
      {"a\\", "не регулярное выражение"},
      {"^*", "не регулярное выражение"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Pattern.substr(0, 60));
    TTextPattern pattern;
    std::string error;
    EXPECT_FALSE(pattern.Compile(c.Pattern, false, error));
    EXPECT_EQ(error, c.Error);
    EXPECT_FALSE(pattern.Search("a")) << "nothing compiled finds nothing";
  }
}

// Patterns that hang a backtracking matcher or overflow its stack, on the
// texts that do it: each answers, both when its table is built and when its
// states are followed along the text (a word test forces that).
TEST(TextPattern, HostilePatternsAnswerOnLongTexts) {
  const std::string longText(200000, 'x');
  const struct {
    const char* Pattern;
    std::string Text;
    bool Found;
  } cases[] = {
      {"^(a+)+$", std::string(40, 'a') + "b", false},
      {"^(a+)+$", std::string(40, 'a'), true},
      {"^(a+)+$\\B", std::string(40, 'a') + "b", false},
      {".*0603", longText, false},
      {".*0603", longText + "0603", true},
      {"\\B.*0603", longText + "0603", true},
      {"(.*,){40}X", std::string(200000, ','), false},
      {"((((a*)*)*)*)*b", std::string(200000, 'a'), false},
      {"(a|b)*a(a|b){15}", std::string(200000, 'b'), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Pattern);
    EXPECT_EQ(Compiled(c.Pattern).Search(c.Text), c.Found);
    EXPECT_EQ(Compiled(c.Pattern, true).Search(c.Text), c.Found);
  }
  // The one whose table would grow past its bounds goes the other way.
  TPatternProgram program;
  std::string error;
  ASSERT_TRUE(CompilePatternProgram("(a|b)*a(a|b){15}", false, program, error));
  EXPECT_FALSE(TPatternAutomaton(std::move(program)).HasTable());
}

}  // namespace
