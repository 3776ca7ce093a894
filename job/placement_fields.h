// Cutting the lines of a placement file into fields: separated by a
// character (fields may be quoted), or padded with spaces under a header.
// A padded header may stand a few characters off its rows, so a row is cut
// into words first and the words given to columns; no field takes in a
// neighbour's word or keeps the padding between two words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file's lines (CR LF, LF or CR ends a line), without their line ends.
std::vector<std::string_view> SplitLines(std::string_view text);

// Fields between `separator`s, spaces around them dropped. A field that
// starts with '"' runs to the closing quote ("" is a quote inside it) and
// may hold the separator; `quotesClosed`, when given, tells whether every
// such quote was closed.
std::vector<std::string> SplitSeparated(std::string_view line, char separator, bool* quotesClosed = nullptr);

// A run of non-blank characters (or a quoted text, without its quotes) and
// where it stands in the line.
struct TWord {
  size_t Start = 0;
  size_t End = 0;  // one past the last character, the quotes included
  std::string Text;
  bool Quoted = false;
};

std::vector<TWord> SplitWords(std::string_view line);

// The names of a header padded with spaces, each where it stands. A name may
// hold single spaces ("Mid X", "Footprint Description"): neighbouring
// unquoted words that together make a known column name are one name.
// Leading "#" marks of the line count as blanks.
std::vector<TWord> PaddedHeaderNames(std::string_view line);

// The fields of a padded row, one per header name. A row of as many words as
// there are names gives them to the columns in order. Any other row (an
// empty field, or an unquoted field holding spaces) gives each word to the
// column whose name starts nearest to the word's start, except that a word
// one blank after another continues its field ("Cap 100 nF") unless it
// stands exactly under a later name; the words of one column are joined by
// one space ("10k 1%").
std::vector<std::string> PaddedRowFields(const std::vector<TWord>& header, std::string_view line);

// The fields of a row of KiCad's text form, in its column order: Ref, Val,
// Package, PosX, PosY, Rot, Side. The first word is the reference, the last
// four are X, Y, the angle and the side, the word before them the package;
// the words between reference and package, joined by one space, the value.
// A row of fewer than five words gives what it has from the left.
std::vector<std::string> KiCadTextFields(std::string_view line);
