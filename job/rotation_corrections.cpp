#include "job/rotation_corrections.h"

#include <cmath>
#include <map>

#include "job/placement_fields.h"
#include "job/text_decoding.h"

namespace {

enum TColumn : size_t { kPattern, kRotation, kOffsetX, kOffsetY, kColumnCount };

// Header names of each column, lower case, a Cyrillic "х" read as "x".
const std::vector<std::string> kColumnNames[kColumnCount] = {
    {"footprint pattern", "regex to match", "regex", "pattern", "шаблон"},
    {"rotation", "angle", "поворот", "угол"},
    {"offset x", "delta x", "x correction", "сдвиг x"},
    {"offset y", "delta y", "y correction", "сдвиг y"},
};

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Lower case of Latin and Cyrillic letters in Windows-1251; the Cyrillic "х"
// becomes the Latin "x", as header names are written with either.
std::string HeaderKey(const std::string& name) {
  std::string key = AsciiLower(Trimmed(name));
  for (char& c : key) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0xC0 && u <= 0xDF) c = static_cast<char>(u + 0x20);
    if (u == 0xA8) c = static_cast<char>(0xB8);  // Ё
    if (static_cast<unsigned char>(c) == 0xF5) c = 'x';
  }
  return key;
}

bool IsBlank(const std::vector<std::string>& fields) {
  for (const std::string& field : fields)
    if (!field.empty()) return false;
  return true;
}

std::string Quoted(const std::string& text) { return "«" + text + "»"; }

}  // namespace

bool ReadRotationCorrections(const std::string& bytes, const std::string& name, TRotationCorrections& table,
                             std::string& error) {
  const std::string text = PlacementTextToCp1251(bytes);
  const std::vector<std::string_view> lines = SplitLines(text);
  TRotationCorrections read;
  read.Name = name;
  auto refuse = [&](size_t line, const std::string& reason) {
    error = "Таблица поправок <" + name + ">, строка " + std::to_string(line) + ": " + reason + ".";
    return false;
  };

  size_t column[kColumnCount];
  bool hasHeader = false;
  std::map<std::string, size_t> patternLines;
  for (size_t i = 0; i < lines.size(); ++i) {
    const size_t line = i + 1;
    bool quotesClosed = true;
    const std::vector<std::string> fields = SplitSeparated(lines[i], ',', &quotesClosed);
    if (!quotesClosed) return refuse(line, "кавычка не закрыта");
    if (IsBlank(fields) || fields[0].rfind('#', 0) == 0) continue;

    if (!hasHeader) {
      hasHeader = true;
      for (size_t c = 0; c < kColumnCount; ++c) {
        column[c] = SIZE_MAX;
        for (size_t f = 0; f < fields.size() && column[c] == SIZE_MAX; ++f)
          for (const std::string& known : kColumnNames[c])
            if (HeaderKey(fields[f]) == known) column[c] = f;
      }
      if (column[kPattern] == SIZE_MAX)
        return refuse(line, "нет столбца шаблона (Footprint pattern, Regex, Pattern, Шаблон)");
      if (column[kRotation] == SIZE_MAX)
        return refuse(line, "нет столбца поворота (Rotation, Angle, Поворот, Угол)");
      continue;
    }

    auto field = [&](TColumn c) { return column[c] < fields.size() ? fields[column[c]] : std::string(); };
    TRotationRule rule;
    rule.Line = line;
    rule.Pattern = field(kPattern);
    if (rule.Pattern.empty()) return refuse(line, "пустой шаблон");
    std::string why;
    if (!rule.Match.Compile(rule.Pattern, false, why))
      return refuse(line, "шаблон " + Quoted(rule.Pattern) + " " + why);
    const std::string rotation = field(kRotation);
    if (!ReadDecimal(rotation, false, kFixedPerDegree, rule.Rotation))
      return refuse(line, "поворот " + Quoted(rotation) + " не число");
    for (TColumn c : {kOffsetX, kOffsetY}) {
      const std::string offset = field(c);
      TFixed& value = c == kOffsetX ? rule.OffsetX : rule.OffsetY;
      if (!offset.empty() && !ReadDecimal(offset, false, kFixedPerMillimetre, value))
        return refuse(line, std::string(c == kOffsetX ? "сдвиг X " : "сдвиг Y ") + Quoted(offset) + " не число");
    }
    const auto [earlier, isNew] = patternLines.emplace(rule.Pattern, line);
    if (!isNew) {
      read.Warnings.push_back("Шаблон " + Quoted(rule.Pattern) + " повторён в строках " +
                              std::to_string(earlier->second) + " и " + std::to_string(line) +
                              "; действует строка " + std::to_string(line));
      earlier->second = line;
    }
    read.Rules.push_back(std::move(rule));
  }
  if (!hasHeader) return refuse(1, "нет заголовка со столбцами шаблона и поворота");
  table = std::move(read);
  return true;
}

const TRotationRule* MatchingRule(const TRotationCorrections& table, const std::string& package) {
  if (package.empty()) return nullptr;
  for (auto rule = table.Rules.rbegin(); rule != table.Rules.rend(); ++rule)
    if (rule->Match.Search(package)) return &*rule;
  return nullptr;
}

void CorrectPart(const TRotationRule& rule, TFixed& x, TFixed& y, TFixed& angle) {
  constexpr TFixed kQuarterTurn = 90 * kFixedPerDegree;
  if (angle % kQuarterTurn == 0) {
    // cos and sin of 0, 90, 180 and 270 degrees, exactly.
    constexpr int kCos[4] = {1, 0, -1, 0}, kSin[4] = {0, 1, 0, -1};
    const int quarter = static_cast<int>(((angle / kQuarterTurn) % 4 + 4) % 4);
    x += rule.OffsetX * kCos[quarter] - rule.OffsetY * kSin[quarter];
    y += rule.OffsetX * kSin[quarter] + rule.OffsetY * kCos[quarter];
  } else {
    const long double theta = static_cast<long double>(NormalisedAngle(angle)) / kFixedPerDegree *
                              3.141592653589793238462643383279503L / 180;
    const long double c = std::cos(theta), s = std::sin(theta);
    x += std::llround(rule.OffsetX * c - rule.OffsetY * s);
    y += std::llround(rule.OffsetX * s + rule.OffsetY * c);
  }
  angle += rule.Rotation;
}
