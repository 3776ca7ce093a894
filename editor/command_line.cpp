#include "editor/command_line.h"

#include <cstddef>

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }

// Reads the word starting at or after `pos` and moves `pos` past it.
std::string NextWord(const std::string& text, size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  std::string word;
  bool quoted = false;
  for (; pos < text.size() && text[pos] != '\0'; ++pos) {
    char c = text[pos];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && IsBlank(c)) {
      break;
    } else {
      word += c;
    }
  }
  return word;
}

}  // namespace

std::string FirstArgument(const std::string& commandLine) {
  size_t pos = 0;
  NextWord(commandLine, pos);  // the program
  return NextWord(commandLine, pos);
}

bool LooksLikeSwitch(const std::string& argument) {
  if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) return false;
  for (size_t i = 1; i < argument.size(); ++i) {
    const char c = argument[i];
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  }
  return true;
}
