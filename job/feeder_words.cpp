#include "job/feeder_words.h"

#include <algorithm>

namespace {

constexpr unsigned char kCapitalYo = 0xA8;  // Ё
constexpr unsigned char kSmallYo = 0xB8;    // ё
constexpr unsigned char kCapitalA = 0xC0;   // А; а..я are 0xE0..0xFF

bool IsWordByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' ||
         c >= kCapitalA || c == kCapitalYo || c == kSmallYo;
}

char Lower(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= kCapitalA && c < kCapitalA + 32)) return static_cast<char>(c + 32);
  if (c == kCapitalYo) return static_cast<char>(kSmallYo);
  return static_cast<char>(c);
}

}  // namespace

std::vector<std::string> TextWords(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  // One past the end closes the last word.
  for (size_t i = 0; i <= text.size(); ++i) {
    const unsigned char c = i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    if (i < text.size() && IsWordByte(c)) {
      word += Lower(c);
      continue;
    }
    if (!word.empty() && std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
    word.clear();
  }
  return words;
}
