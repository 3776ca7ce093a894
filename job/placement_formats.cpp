#include "job/placement_formats.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

#include "job/placement_columns.h"
#include "job/placement_comment_forms.h"
#include "job/placement_fields.h"
#include "job/text_decoding.h"

namespace {

// Header lines are looked for among the first lines only (preambles are
// short), so a large file with none is given up on quickly.
constexpr size_t kHeaderSearchLines = 200;

enum class TLayout : uint8_t { Separated, Padded, MountFile };

struct TTable {
  TLayout Layout = TLayout::Separated;
  char Separator = ',';
  size_t HeaderLine = 0;      // index of the header line; rows follow it
  size_t PreambleEnd = 0;     // lines before it may state the unit
  std::vector<TWord> Padded;  // a padded header's names where they stand
  std::vector<std::string> Names;
  TColumnMap Map;
  bool InComment = false;  // the names stand in a "#" line
  const TCommentForm* Form = nullptr;
  bool KiCadText = false;
  // Rows cut into words by KiCad's own rule (its text form, its columns).
  bool KiCadWords = false;
};

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The unit named by a word of a preamble line: "inches", "MILS", "mm",
// "Millimetres"... ("in" is a preposition in words).
TLengthUnit UnitWord(std::string_view word) {
  for (const char* inch : {"inch", "inches"})
    if (word == inch) return TLengthUnit::Inch;
  for (const char* mil : {"mil", "mils", "thou"})
    if (word == mil) return TLengthUnit::Mil;
  for (const char* mm : {"mm", "millimeter", "millimeters", "millimetre", "millimetres"})
    if (word == mm) return TLengthUnit::Millimetre;
  return TLengthUnit::Unknown;
}

// The runs of letters of a line and where each starts.
std::vector<std::pair<size_t, std::string_view>> LetterRuns(std::string_view line) {
  std::vector<std::pair<size_t, std::string_view>> runs;
  for (size_t at = 0, end = 0; at < line.size(); at = end + 1) {
    for (end = at; end < line.size() && std::isalpha(static_cast<unsigned char>(line[end]));) ++end;
    if (end > at) runs.emplace_back(at, line.substr(at, end - at));
  }
  return runs;
}

// The unit a preamble line states: "## Unit = inches, Angle = deg.",
// "Units used:  mil", "Measurements are in inches.", "UUNITS = MILLIMETERS",
// "# X,Y in mils.  rotation in degrees.". The line must speak of units or
// measurements, or of "X,Y in" a unit; the first word after its "=" or ":"
// counts when it is a unit, else the first word that is one.
TLengthUnit UnitLine(std::string_view line) {
  const std::string lower = AsciiLower(line);
  if (const size_t xy = lower.find("x,y in "); xy != std::string::npos) {
    for (const auto& [at, word] : LetterRuns(lower)) {
      if (at < xy + 7) continue;
      if (const TLengthUnit unit = UnitWord(word); unit != TLengthUnit::Unknown) return unit;
      break;
    }
  }
  if (lower.find("unit") == std::string::npos && lower.find("measur") == std::string::npos)
    return TLengthUnit::Unknown;
  const auto runs = LetterRuns(lower);
  const size_t mark = lower.find_first_of("=:");
  for (const auto& [at, word] : runs) {
    if (mark == std::string::npos || at < mark) continue;
    if (const TLengthUnit unit = UnitNamed(word); unit != TLengthUnit::Unknown) return unit;
    break;
  }
  for (const auto& [at, word] : runs)
    if (const TLengthUnit unit = UnitWord(word); unit != TLengthUnit::Unknown) return unit;
  return TLengthUnit::Unknown;
}

// The version a "Printed by" line of KiCad's text form names: "### Printed
// by Pcbnew version kicad 5.0.0-rc2…", "… version 6.0.11", "… version
// (2014-01-24 BZR 4632)…", "### Printed by KiCad version 7.0.10". False for
// any other line.
bool ReadPrintedBy(std::string_view line, std::string& version, int& major) {
  const std::string lower = AsciiLower(line);
  const size_t printed = lower.find("printed by");
  const size_t named = printed == std::string::npos ? printed : lower.find("version ", printed);
  if (named == std::string::npos) return false;
  size_t at = lower.find_first_not_of(' ', named + 8);
  if (at != std::string::npos && lower.compare(at, 6, "kicad ") == 0) at = lower.find_first_not_of(' ', at + 6);
  if (at == std::string::npos) return false;
  if (std::isdigit(static_cast<unsigned char>(lower[at]))) {
    version = std::string(line.substr(at, lower.find(' ', at) - at));
    major = 0;
    for (size_t k = 0; k < version.size() && std::isdigit(static_cast<unsigned char>(version[k])) && major < 1000; ++k)
      major = major * 10 + (version[k] - '0');
    return true;
  }
  const size_t close = lower.find(')', at);
  if (lower[at] != '(' || close == std::string::npos) return false;
  version = std::string(line.substr(at + 1, close - at - 1));
  major = 0;
  return true;
}

bool TryHeader(TTable& table, std::vector<std::string> names) {
  table.Map = MapColumns(names);
  table.Names = std::move(names);
  table.PreambleEnd = table.HeaderLine;
  return table.Map.HasPosition();
}

// KiCad's columns, in its order, as both its forms write them.
bool HasKiCadColumns(const TTable& table) {
  std::vector<std::string> canonical;
  for (const std::string& name : table.Names) canonical.push_back(CanonicalColumnName(name));
  return canonical == std::vector<std::string>{"ref", "val", "package", "posx", "posy", "rot", "side"};
}

bool TryPaddedHeader(TTable& table, std::string_view line) {
  table.Layout = TLayout::Padded;
  table.Padded = PaddedHeaderNames(line);
  std::vector<std::string> names;
  for (const TWord& name : table.Padded) names.push_back(name.Text);
  return TryHeader(table, std::move(names));
}

// The line as a header naming X and Y: separated by tabs, ";" or ",", else
// padded with spaces. `marks` "#" marks start it, no part of a name.
bool TryLineAsHeader(TTable& table, std::string_view line, size_t marks) {
  for (char separator : {'\t', ';', ','}) {
    if (line.find(separator) == std::string_view::npos) continue;
    table.Layout = TLayout::Separated;
    table.Separator = separator;
    if (TryHeader(table, SplitSeparated(line.substr(marks), separator))) return true;
  }
  return TryPaddedHeader(table, line);
}

// The first line that names X and Y columns; when none does, the first "#"
// line that does after its "#" marks (KiCad's "# Ref Val ...", pcb-rnd's
// "#, Ref, Val, ...", gxyrs's "#Designator X-Loc ...").
bool FindHeader(const std::vector<std::string_view>& lines, TTable& table) {
  for (const bool inComment : {false, true}) {
    for (size_t i = 0; i < std::min(lines.size(), kHeaderSearchLines); ++i) {
      const std::string_view line = lines[i];
      if (IsBlankLine(line) || (line[0] == '#') != inComment) continue;
      table.HeaderLine = i;
      table.InComment = inComment;
      const size_t marks = inComment ? std::min(line.find_first_not_of('#'), line.size()) : 0;
      if (TryLineAsHeader(table, line, marks)) return true;
    }
  }
  return false;
}

// What the header's names and where they stand tell of the form.
void SettleForm(TTable& table) {
  if (!table.InComment) return;
  table.Form = FindCommentForm(table.Names, table.Layout == TLayout::Separated ? table.Separator : ' ');
  // Any other "#" line padded with spaces is taken for KiCad's text form.
  table.KiCadText = !table.Form && table.Layout == TLayout::Padded;
  table.KiCadWords = table.KiCadText && HasKiCadColumns(table);
}

// A mount file's row: "Name X Y Angle [Value [Package]]", the package's
// words joined by one space.
std::vector<std::string> MountFields(std::string_view line) {
  const std::vector<TWord> words = SplitWords(line);
  std::vector<std::string> fields;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i <= 5) {
      fields.push_back(words[i].Text);
    } else {
      fields.back() += ' ' + words[i].Text;
    }
  }
  return fields;
}

bool IsMountRow(std::string_view line) {
  const std::vector<std::string> fields = MountFields(line);
  TFixed value;
  return fields.size() >= 4 && ReadLength(fields[1], TLengthUnit::Millimetre, false, value) &&
         ReadLength(fields[2], TLengthUnit::Millimetre, false, value) && ReadAngle(fields[3], false, value);
}

// A file without a header is a mount file when at least half of its lines
// are mount rows and none is a "#" comment, which mount files never have (a
// file that fits no form is refused, not read as the nearest).
bool FindMountRows(const std::vector<std::string_view>& lines, TTable& table) {
  size_t rows = 0, filled = 0, first = lines.size();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (IsBlankLine(lines[i])) continue;
    if (lines[i][0] == '#') return false;
    ++filled;
    if (!IsMountRow(lines[i])) continue;
    first = std::min(first, i);
    ++rows;
  }
  if (rows == 0 || rows * 2 < filled) return false;
  table.Layout = TLayout::MountFile;
  table.PreambleEnd = first;
  table.Map.Index = {0, 1, 2, 3, -1, 4, 5};
  table.Map.Unit.fill(TLengthUnit::Unknown);
  return true;
}

bool HasName(const TTable& table, const char* canonical) {
  for (const std::string& name : table.Names)
    if (CanonicalColumnName(name) == canonical) return true;
  return false;
}

std::string FormatName(const TTable& table, bool altiumPreamble) {
  if (table.Form) return table.Form->Name;
  if (table.Layout == TLayout::MountFile) return "Eagle/Fusion (.mnt/.mnb)";
  if (table.KiCadText) return "KiCad (текстовый файл позиций)";
  if (HasKiCadColumns(table)) return "KiCad (CSV)";
  if (HasName(table, "refdes") && HasName(table, "pattern")) return "DipTrace";
  const bool designator = HasName(table, "designator");
  if (table.Layout == TLayout::Separated && table.Separator == '\t' && designator && HasName(table, "padx"))
    return "EasyEDA";
  if (altiumPreamble || HasName(table, "centerx") || (designator && HasName(table, "padx")))
    return "Altium";
  if (designator && HasName(table, "midx")) return "JLC";
  return "таблица с заголовком";
}

bool ReadSide(const std::string& text, TBoardSide& side) {
  std::string canonical;
  for (char c : AsciiLower(text))
    if (c != ' ' && c != '.' && c != '_' && c != '-') canonical += c;
  for (const char* top : {"top", "t", "toplayer", "fcu", "front", "f", "topside"})
    if (canonical == top) return side = TBoardSide::Top, true;
  for (const char* bottom : {"bottom", "b", "bot", "bottomlayer", "bcu", "back", "bottomside"})
    if (canonical == bottom) return side = TBoardSide::Bottom, true;
  return false;
}

struct TRowRules {
  TLengthUnit FileUnit = TLengthUnit::Unknown;  // stated by the file or its form
  TLengthUnit Unstated = TLengthUnit::Millimetre;
  bool CommaIsPoint = false;
  TBoardSide DefaultSide = TBoardSide::Top;
};

// The unit a coordinate is read in: written on the value, named by its
// column, stated by the file, else the one assumed (`stated` false then).
TLengthUnit CoordinateUnit(const std::string& field, TLengthUnit column, const TRowRules& rules, bool& stated) {
  stated = true;
  if (const TLengthUnit written = WrittenUnit(field); written != TLengthUnit::Unknown) return written;
  if (column != TLengthUnit::Unknown) return column;
  if (rules.FileUnit != TLengthUnit::Unknown) return rules.FileUnit;
  stated = false;
  return rules.Unstated;
}

// False when a coordinate or the angle is missing or no number. `unit` is
// the X's unit, `stated` whether the file gave both coordinates' units.
bool ReadPart(const std::vector<std::string>& fields, const TColumnMap& map, const TRowRules& rules,
              TPlacementPart& part, TLengthUnit& unit, bool& stated) {
  auto field = [&](TPartField f) -> std::string {
    const int i = map[f];
    return i >= 0 && static_cast<size_t>(i) < fields.size() ? fields[i] : std::string();
  };
  const std::string x = field(TPartField::X), y = field(TPartField::Y);
  bool xStated = false, yStated = false;
  unit = CoordinateUnit(x, map.Unit[static_cast<size_t>(TPartField::X)], rules, xStated);
  const TLengthUnit yUnit = CoordinateUnit(y, map.Unit[static_cast<size_t>(TPartField::Y)], rules, yStated);
  stated = xStated && yStated;
  if (!ReadLength(x, unit, rules.CommaIsPoint, part.X) || !ReadLength(y, yUnit, rules.CommaIsPoint, part.Y))
    return false;
  const std::string angle = field(TPartField::Rotation);
  part.Angle = 0;
  if (!IsBlankLine(angle) && !ReadAngle(angle, rules.CommaIsPoint, part.Angle)) return false;
  part.Side = rules.DefaultSide;
  ReadSide(field(TPartField::Side), part.Side);
  part.Reference = field(TPartField::Reference);
  part.Value = field(TPartField::Value);
  if (part.Value == "~") part.Value.clear();
  part.Package = field(TPartField::Package);
  return true;
}

std::vector<std::string> RowFields(const TTable& table, std::string_view line) {
  if (table.Form) return CommentFormFields(*table.Form, line);
  switch (table.Layout) {
    case TLayout::Separated:
      return SplitSeparated(line, table.Separator);
    case TLayout::Padded:
      return table.KiCadWords ? KiCadTextFields(line) : PaddedRowFields(table.Padded, line);
    case TLayout::MountFile:
      break;
  }
  return MountFields(line);
}

bool AllEmpty(const std::vector<std::string>& fields) {
  return std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return IsBlankLine(f); });
}

bool EndsWith(const std::string& text, const char* end) {
  const std::string_view e = end;
  return text.size() >= e.size() && text.compare(text.size() - e.size(), e.size(), e) == 0;
}

}  // namespace

TPlacementFile ReadPlacementFile(const std::string& bytes, const std::string& fileName, TLengthUnit unstated) {
  TPlacementFile file;
  const std::string text = PlacementTextToCp1251(bytes);
  const std::string name = BaseName(fileName);
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
    file.Error = "Файл " + name + " пуст";
    return file;
  }
  const std::vector<std::string_view> lines = SplitLines(text);
  TTable table;
  if (!FindHeader(lines, table) && !FindMountRows(lines, table)) {
    file.Error = "Файл " + name + " не похож на файл позиций: нет столбцов X и Y";
    return file;
  }
  SettleForm(table);

  TRowRules rules;
  rules.Unstated = unstated;
  const size_t firstRow = table.Layout == TLayout::MountFile ? 0 : table.HeaderLine + 1;
  bool altiumPreamble = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i >= table.PreambleEnd && lines[i].rfind("#", 0) != 0) continue;
    if (const TLengthUnit unit = UnitLine(lines[i]); unit != TLengthUnit::Unknown) rules.FileUnit = unit;
    if (table.KiCadText && file.KiCadMajor < 0) ReadPrintedBy(lines[i], file.KiCadVersion, file.KiCadMajor);
    altiumPreamble = altiumPreamble || AsciiLower(lines[i]).find("altium") != std::string::npos ||
                     AsciiLower(lines[i]).find("units used") != std::string::npos;
  }
  rules.CommaIsPoint = table.Layout != TLayout::Separated || table.Separator != ',';
  if (table.Layout == TLayout::MountFile && EndsWith(AsciiLower(name), ".mnb")) rules.DefaultSide = TBoardSide::Bottom;
  file.Format = FormatName(table, altiumPreamble);
  // Mount files and JLC's assembly file are in millimetres by definition.
  if (rules.FileUnit == TLengthUnit::Unknown && (table.Layout == TLayout::MountFile || file.Format == "JLC"))
    rules.FileUnit = TLengthUnit::Millimetre;

  file.UnitStated = true;
  for (size_t i = firstRow; i < lines.size(); ++i) {
    if (IsBlankLine(lines[i]) || lines[i][0] == '#') continue;
    const std::vector<std::string> fields = RowFields(table, lines[i]);
    if (AllEmpty(fields)) continue;
    TPlacementPart part;
    part.Line = i + 1;
    TLengthUnit unit = TLengthUnit::Unknown;
    bool stated = false;
    if (!ReadPart(fields, table.Map, rules, part, unit, stated)) {
      file.BadLines.push_back(i + 1);
      continue;
    }
    if (file.Parts.empty()) file.Unit = unit;
    file.UnitStated = file.UnitStated && stated;
    (part.Side == TBoardSide::Top ? file.HasTop : file.HasBottom) = true;
    file.Parts.push_back(std::move(part));
  }
  if (file.Parts.empty()) {
    file.Error = "В файле " + name + " нет ни одного компонента";
    if (!file.BadLines.empty()) file.Error += " (не прочитано строк: " + std::to_string(file.BadLines.size()) + ")";
  }
  return file;
}
