// A pattern and a text from arbitrary bytes (the first byte asks for any
// case, a NUL parts the pattern from the text): compiling and searching never
// crash, and the table of a pattern finds what following its states finds.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "job/pattern_automaton.h"
#include "job/pattern_program.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool anyCase = data[0] & 1;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const size_t part = rest.find('\0');
  const std::string_view pattern = rest.substr(0, part);
  const std::string_view text = part == std::string_view::npos ? std::string_view() : rest.substr(part + 1);
  TPatternProgram program;
  std::string error;
  if (!CompilePatternProgram(pattern, anyCase, program, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  TPatternProgram followed = program;
  followed.TestsWords = true;  // no table: the states are followed along the text
  const TPatternAutomaton table(std::move(program)), states(std::move(followed));
  if (table.Search(text) != states.Search(text)) std::abort();
  return 0;
}
