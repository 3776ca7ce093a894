#include "job/placement_fields.h"

#include <algorithm>

#include "job/placement_columns.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The quoted text starting at line[at] (a quote) without its quotes, and the
// position after the closing quote (the line's end when there is none).
std::string Unquote(std::string_view line, size_t& at) {
  std::string text;
  for (++at; at < line.size(); ++at) {
    if (line[at] != '"') {
      text += line[at];
    } else if (at + 1 < line.size() && line[at + 1] == '"') {
      text += '"';
      ++at;
    } else {
      ++at;
      break;
    }
  }
  return text;
}

size_t Overlap(const TWord& a, const TWord& b) {
  const size_t start = std::max(a.Start, b.Start), end = std::min(a.End, b.End);
  return end > start ? end - start : 0;
}

// Words that stand more than one blank apart belong to different names.
bool SingleBlankApart(std::string_view line, const TWord& left, const TWord& right) {
  return right.Start == left.End + 1 && line[left.End] == ' ';
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::vector<std::string> SplitSeparated(std::string_view line, char separator) {
  std::vector<std::string> fields;
  size_t at = 0;
  while (true) {
    while (at < line.size() && IsBlank(line[at]) && line[at] != separator) ++at;
    std::string field;
    if (at < line.size() && line[at] == '"') {
      field = Unquote(line, at);
      while (at < line.size() && line[at] != separator) ++at;
    } else {
      const size_t end = std::min(line.find(separator, at), line.size());
      field = line.substr(at, end - at);
      at = end;
      while (!field.empty() && IsBlank(field.back())) field.pop_back();
    }
    fields.push_back(std::move(field));
    if (at >= line.size()) break;
    ++at;  // the separator
  }
  return fields;
}

std::vector<TWord> SplitWords(std::string_view line) {
  std::vector<TWord> words;
  size_t at = 0;
  while (true) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    if (at >= line.size()) break;
    TWord word;
    word.Start = at;
    if (line[at] == '"') {
      word.Text = Unquote(line, at);
    } else {
      while (at < line.size() && !IsBlank(line[at])) ++at;
      word.Text = line.substr(word.Start, at - word.Start);
    }
    word.End = at;
    words.push_back(std::move(word));
  }
  return words;
}

std::vector<TWord> PaddedHeaderNames(std::string_view line) {
  std::string blanked(line);
  for (size_t i = 0; i < blanked.size() && (blanked[i] == '#' || IsBlank(blanked[i])); ++i) blanked[i] = ' ';
  const std::vector<TWord> words = SplitWords(blanked);
  std::vector<TWord> names;
  for (size_t i = 0; i < words.size();) {
    size_t take = 1;
    // The longest run of up to three words that is a known name.
    for (size_t n = std::min<size_t>(3, words.size() - i); n > 1; --n) {
      bool joined = true;
      for (size_t k = i; k + 1 < i + n; ++k) joined = joined && SingleBlankApart(blanked, words[k], words[k + 1]);
      if (joined && IsKnownColumnName(std::string_view(blanked).substr(words[i].Start, words[i + n - 1].End - words[i].Start))) {
        take = n;
        break;
      }
    }
    TWord name;
    name.Start = words[i].Start;
    name.End = words[i + take - 1].End;
    name.Text = blanked.substr(name.Start, name.End - name.Start);
    names.push_back(std::move(name));
    i += take;
  }
  return names;
}

std::vector<std::string> FieldsByPosition(const std::vector<TWord>& header, std::string_view line) {
  std::vector<std::string> fields(header.size());
  if (header.empty()) return fields;
  std::vector<const TWord*> first(header.size(), nullptr), last(header.size(), nullptr);
  const std::vector<TWord> words = SplitWords(line);
  for (const TWord& word : words) {
    size_t column = header.size();
    size_t best = 0;
    for (size_t c = 0; c < header.size(); ++c) {
      const size_t overlap = Overlap(word, header[c]);
      if (overlap > best) best = overlap, column = c;
    }
    if (column == header.size()) {
      for (size_t c = 0; c < header.size() && header[c].Start <= word.Start; ++c) column = c;
      if (column == header.size()) column = 0;
    }
    if (!first[column]) first[column] = &word;
    last[column] = &word;
  }
  for (size_t c = 0; c < header.size(); ++c) {
    if (!first[c]) continue;
    // One word keeps its unquoted text; several keep the line between them.
    fields[c] = first[c] == last[c] ? first[c]->Text
                                    : std::string(line.substr(first[c]->Start, last[c]->End - first[c]->Start));
  }
  return fields;
}
