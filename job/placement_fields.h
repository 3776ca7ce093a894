// Cutting the lines of a placement file into fields: separated by a
// character (fields may be quoted), or padded with spaces under a header, in
// which case a field belongs to the column under whose name it stands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file's lines (CR LF, LF or CR ends a line), without their line ends.
std::vector<std::string_view> SplitLines(std::string_view text);

// Fields between `separator`s, spaces around them dropped. A field that
// starts with '"' runs to the closing quote ("" is a quote inside it) and
// may hold the separator.
std::vector<std::string> SplitSeparated(std::string_view line, char separator);

// A run of non-blank characters (or a quoted text, without its quotes) and
// where it stands in the line.
struct TWord {
  size_t Start = 0;
  size_t End = 0;  // one past the last character, the quotes included
  std::string Text;
};

std::vector<TWord> SplitWords(std::string_view line);

// The names of a header padded with spaces, each where it stands. A name may
// hold single spaces ("Mid X", "Footprint Description"): neighbouring words
// that together make a known column name are one name. Leading "#" marks of
// the line count as blanks.
std::vector<TWord> PaddedHeaderNames(std::string_view line);

// The fields of a padded row, one per header name. A word under a name
// (sharing a character with it) is that column's, so numbers written to the
// right of their name still count; any other word belongs to the column
// whose name is the last to start at or before it. The words of one column
// make its field with the text between them ("10k 1%").
std::vector<std::string> FieldsByPosition(const std::vector<TWord>& header, std::string_view line);
