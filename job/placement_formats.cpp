#include "job/placement_formats.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "job/placement_columns.h"
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
  std::vector<TWord> Padded;  // a padded header's names where they stand
  std::vector<std::string> Names;
  TColumnMap Map;
  bool KiCadText = false;
};

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The unit of "## Unit = inches, Angle = deg." or "Units used:  mil".
TLengthUnit UnitLine(std::string_view line) {
  const std::string lower = AsciiLower(line);
  const bool kiCad = lower.rfind("##", 0) == 0 && lower.find("unit") != std::string::npos;
  if (!kiCad && lower.find("units used") == std::string::npos) return TLengthUnit::Unknown;
  size_t at = lower.find_first_of("=:");
  if (at == std::string::npos) return TLengthUnit::Unknown;
  at = lower.find_first_not_of(" \t", at + 1);
  if (at == std::string::npos) return TLengthUnit::Unknown;
  size_t end = at;
  while (end < lower.size() && std::isalpha(static_cast<unsigned char>(lower[end]))) ++end;
  return UnitNamed(std::string_view(lower).substr(at, end - at));
}

bool TryHeader(TTable& table, std::vector<std::string> names) {
  table.Map = MapColumns(names);
  table.Names = std::move(names);
  return table.Map.HasPosition();
}

bool TryPaddedHeader(TTable& table, std::string_view line) {
  table.Layout = TLayout::Padded;
  table.Padded = PaddedHeaderNames(line);
  std::vector<std::string> names;
  for (const TWord& name : table.Padded) names.push_back(name.Text);
  return TryHeader(table, std::move(names));
}

// The first line that names X and Y columns: KiCad's "# Ref Val ..." line,
// a line separated by tabs, ";" or ",", or one padded with spaces.
bool FindHeader(const std::vector<std::string_view>& lines, TTable& table) {
  for (size_t i = 0; i < std::min(lines.size(), kHeaderSearchLines); ++i) {
    const std::string_view line = lines[i];
    table.HeaderLine = i;
    if (IsBlankLine(line) || line.rfind("##", 0) == 0) continue;
    if (line[0] == '#') {
      table.KiCadText = true;
      if (TryPaddedHeader(table, line)) return true;
      table.KiCadText = false;
      continue;
    }
    for (char separator : {'\t', ';', ','}) {
      if (line.find(separator) == std::string_view::npos) continue;
      table.Layout = TLayout::Separated;
      table.Separator = separator;
      if (TryHeader(table, SplitSeparated(line, separator))) return true;
    }
    if (TryPaddedHeader(table, line)) return true;
  }
  return false;
}

// A mount file's row: "Name X Y Angle [Value [Package]]".
std::vector<std::string> MountFields(std::string_view line) {
  const std::vector<TWord> words = SplitWords(line);
  std::vector<std::string> fields;
  for (size_t i = 0; i < std::min<size_t>(words.size(), 5); ++i) fields.push_back(words[i].Text);
  if (words.size() > 5) {
    std::string_view rest = line.substr(words[5].Start);
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.remove_suffix(1);
    fields.emplace_back(rest);
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
// are mount rows.
bool FindMountRows(const std::vector<std::string_view>& lines, TTable& table) {
  size_t rows = 0, filled = 0;
  for (std::string_view line : lines) {
    if (IsBlankLine(line)) continue;
    ++filled;
    rows += IsMountRow(line);
  }
  if (rows == 0 || rows * 2 < filled) return false;
  table.Layout = TLayout::MountFile;
  table.Map.Index = {0, 1, 2, 3, -1, 4, 5};
  table.Map.Unit.fill(TLengthUnit::Millimetre);
  return true;
}

bool HasName(const TTable& table, const char* canonical) {
  for (const std::string& name : table.Names)
    if (CanonicalColumnName(name) == canonical) return true;
  return false;
}

std::string FormatName(const TTable& table, bool altiumPreamble) {
  if (table.Layout == TLayout::MountFile) return "Eagle/Fusion (.mnt/.mnb)";
  if (table.KiCadText) return "KiCad (текстовый файл позиций)";
  std::vector<std::string> canonical;
  for (const std::string& name : table.Names) canonical.push_back(CanonicalColumnName(name));
  if (canonical == std::vector<std::string>{"ref", "val", "package", "posx", "posy", "rot", "side"})
    return "KiCad (CSV)";
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
  TLengthUnit FileUnit = TLengthUnit::Unknown;
  bool CommaIsPoint = false;
  TBoardSide DefaultSide = TBoardSide::Top;
};

// False when a coordinate or the angle is missing or no number.
bool ReadPart(const std::vector<std::string>& fields, const TColumnMap& map, const TRowRules& rules,
              TPlacementPart& part) {
  auto field = [&](TPartField f) -> std::string {
    const int i = map[f];
    return i >= 0 && static_cast<size_t>(i) < fields.size() ? fields[i] : std::string();
  };
  auto unit = [&](TPartField f) {
    const TLengthUnit named = map.Unit[static_cast<size_t>(f)];
    return named != TLengthUnit::Unknown ? named : rules.FileUnit;
  };
  if (!ReadLength(field(TPartField::X), unit(TPartField::X), rules.CommaIsPoint, part.X) ||
      !ReadLength(field(TPartField::Y), unit(TPartField::Y), rules.CommaIsPoint, part.Y))
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
  switch (table.Layout) {
    case TLayout::Separated:
      return SplitSeparated(line, table.Separator);
    case TLayout::Padded:
      return FieldsByPosition(table.Padded, line);
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

TPlacementFile ReadPlacementFile(const std::string& bytes, const std::string& fileName) {
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

  TRowRules rules;
  const size_t firstRow = table.Layout == TLayout::MountFile ? 0 : table.HeaderLine + 1;
  bool altiumPreamble = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i >= firstRow && lines[i].rfind("#", 0) != 0) continue;
    if (const TLengthUnit unit = UnitLine(lines[i]); unit != TLengthUnit::Unknown) rules.FileUnit = unit;
    altiumPreamble = altiumPreamble || AsciiLower(lines[i]).find("altium") != std::string::npos ||
                     AsciiLower(lines[i]).find("units used") != std::string::npos;
  }
  rules.CommaIsPoint = table.Layout != TLayout::Separated || table.Separator != ',';
  if (table.Layout == TLayout::MountFile && EndsWith(AsciiLower(name), ".mnb")) rules.DefaultSide = TBoardSide::Bottom;
  file.Format = FormatName(table, altiumPreamble);

  for (size_t i = firstRow; i < lines.size(); ++i) {
    if (IsBlankLine(lines[i]) || lines[i][0] == '#') continue;
    const std::vector<std::string> fields = RowFields(table, lines[i]);
    if (AllEmpty(fields)) continue;
    TPlacementPart part;
    part.Line = i + 1;
    if (!ReadPart(fields, table.Map, rules, part)) {
      file.BadLines.push_back(i + 1);
      continue;
    }
    (part.Side == TBoardSide::Top ? file.HasTop : file.HasBottom) = true;
    file.Parts.push_back(std::move(part));
  }
  return file;
}
