#include "job/placement_fields.h"

#include <algorithm>

#include "job/placement_columns.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The quoted text starting at line[at] (a quote) without its quotes, and the
// position after the closing quote (the line's end when there is none, and
// `closed` then false).
std::string Unquote(std::string_view line, size_t& at, bool& closed) {
  std::string text;
  closed = false;
  for (++at; at < line.size(); ++at) {
    if (line[at] != '"') {
      text += line[at];
    } else if (at + 1 < line.size() && line[at + 1] == '"') {
      text += '"';
      ++at;
    } else {
      ++at;
      closed = true;
      break;
    }
  }
  return text;
}

// Words that stand more than one blank apart belong to different names, and
// a quoted name is whole.
bool SingleBlankApart(std::string_view line, const TWord& left, const TWord& right) {
  return !left.Quoted && !right.Quoted && right.Start == left.End + 1 && line[left.End] == ' ';
}

size_t Distance(size_t a, size_t b) { return a > b ? a - b : b - a; }

// The column whose name starts nearest to `at`; the left one of two as near.
size_t NearestColumn(const std::vector<TWord>& header, size_t at) {
  size_t nearest = 0;
  for (size_t c = 1; c < header.size(); ++c)
    if (Distance(header[c].Start, at) < Distance(header[nearest].Start, at)) nearest = c;
  return nearest;
}

void Append(std::string& field, const std::string& word) {
  if (!field.empty()) field += ' ';
  field += word;
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

std::vector<std::string> SplitSeparated(std::string_view line, char separator, bool* quotesClosed) {
  std::vector<std::string> fields;
  size_t at = 0;
  if (quotesClosed) *quotesClosed = true;
  while (true) {
    while (at < line.size() && IsBlank(line[at]) && line[at] != separator) ++at;
    std::string field;
    if (at < line.size() && line[at] == '"') {
      bool closed = true;
      field = Unquote(line, at, closed);
      if (!closed && quotesClosed) *quotesClosed = false;
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
      bool closed = true;
      word.Text = Unquote(line, at, closed);
      word.Quoted = true;
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
    name.Text = take == 1 ? words[i].Text : blanked.substr(name.Start, name.End - name.Start);
    names.push_back(std::move(name));
    i += take;
  }
  return names;
}

std::vector<std::string> PaddedRowFields(const std::vector<TWord>& header, std::string_view line) {
  std::vector<std::string> fields(header.size());
  if (header.empty()) return fields;
  const std::vector<TWord> words = SplitWords(line);
  const bool inOrder = words.size() == header.size();
  size_t column = 0;
  for (size_t i = 0; i < words.size(); ++i) {
    if (inOrder) {
      column = i;
    } else {
      const size_t nearest = NearestColumn(header, words[i].Start);
      // One blank after the previous word continues its field ("Cap 100 nF"),
      // unless the word stands exactly under a name of its own.
      const bool continues = i > 0 && SingleBlankApart(line, words[i - 1], words[i]) &&
                             !(nearest > column && header[nearest].Start == words[i].Start);
      if (!continues) column = nearest;
    }
    Append(fields[column], words[i].Text);
  }
  return fields;
}

std::vector<std::string> KiCadTextFields(std::string_view line) {
  const std::vector<TWord> words = SplitWords(line);
  const size_t n = words.size();
  if (n < 5) {
    std::vector<std::string> fields;
    for (const TWord& word : words) fields.push_back(word.Text);
    return fields;
  }
  std::string value;
  for (size_t i = 1; i + 5 < n; ++i) Append(value, words[i].Text);
  return {words[0].Text, value, n >= 6 ? words[n - 5].Text : std::string(), words[n - 4].Text,
          words[n - 3].Text, words[n - 2].Text, words[n - 1].Text};
}
