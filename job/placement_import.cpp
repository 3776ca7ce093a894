#include "job/placement_import.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <unordered_map>

#include "job/finding_groups.h"
#include "job/job_format.h"
#include "job/text_decoding.h"

namespace {

// The summary lists this many unreadable lines, then how many more.
constexpr size_t kListedBadLines = 10;

std::string Upper(const std::string& text) {
  std::string upper;
  for (char c : text) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool IsCellBreaker(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 32 || u == 127 || std::strchr(kJobCellRefusedChars, c) != nullptr;
}

// The axis shifted so that its smallest value is 0, when any value would be
// written negative; returns the shift.
TFixed ShiftToOrigin(std::vector<TFixed>& values) {
  if (values.empty()) return 0;
  const TFixed smallest = *std::min_element(values.begin(), values.end());
  if (FixedToText(smallest)[0] != '-') return 0;
  for (TFixed& v : values) v -= smallest;
  return -smallest;
}

std::string Count(size_t n) { return std::to_string(n); }

std::string UnitName(TLengthUnit unit) {
  switch (unit) {
    case TLengthUnit::Inch: return "дюймы";
    case TLengthUnit::Mil: return "mil";
    default: return "мм";
  }
}

// Each part corrected by the rule matching its package; a package is
// searched once however many parts share it. Returns how many matched.
size_t CorrectParts(const TRotationCorrections& corrections, const std::vector<const TPlacementPart*>& parts,
                    std::vector<TFixed>& xs, std::vector<TFixed>& ys, std::vector<TFixed>& angles) {
  std::unordered_map<std::string, const TRotationRule*> rules;
  size_t corrected = 0;
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& package = parts[i]->Package;
    auto found = rules.find(package);
    if (found == rules.end()) found = rules.emplace(package, MatchingRule(corrections, package)).first;
    if (!found->second) continue;
    CorrectPart(*found->second, xs[i], ys[i], angles[i]);
    ++corrected;
  }
  return corrected;
}

}  // namespace

bool IsFiducialPart(const std::string& reference, const std::string& value, const std::string& package) {
  for (const std::string* text : {&value, &package})
    if (AsciiLower(*text).find("fiducial") != std::string::npos) return true;
  const std::string upper = Upper(reference);
  for (const char* prefix : {"FID", "FD", "MARK"}) {
    const size_t length = std::strlen(prefix);
    if (upper.compare(0, length, prefix) != 0) continue;
    if (std::all_of(upper.begin() + length, upper.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return true;
  }
  return false;
}

bool IsNotPlacedValue(const std::string& value) {
  std::string upper = Upper(value);
  std::replace(upper.begin(), upper.end(), '_', ' ');
  const size_t first = upper.find_first_not_of(' ');
  if (first == std::string::npos) return false;
  upper = upper.substr(first, upper.find_last_not_of(' ') - first + 1);
  for (const char* mark : {"DNP", "DNF", "DNI", "NC", "NF", "NP", "NOPOP", "DO NOT PLACE"})
    if (upper == mark) return true;
  return upper.size() >= 3 && upper.compare(upper.size() - 3, 3, "/NM") == 0;
}

std::string CellText(const std::string& text) {
  std::string cell = text;
  for (char& c : cell)
    if (IsCellBreaker(c)) c = ' ';
  const size_t first = cell.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return cell.substr(first, cell.find_last_not_of(' ') - first + 1);
}

std::string CommentCell(const std::string& value, const std::string& package) {
  return CellText(value + " " + package);
}

TBoardSide ImportedSide(const TPlacementFile& file, TBoardSide side) {
  return file.HasTop && file.HasBottom ? side : file.HasBottom ? TBoardSide::Bottom : TBoardSide::Top;
}

bool MayBeInches(const TPlacementFile& file, TBoardSide side) {
  if (file.UnitStated || file.Unit != TLengthUnit::Millimetre) return false;
  constexpr TFixed kLimit = 25 * kFixedPerMillimetre;
  const TBoardSide imported = ImportedSide(file, side);
  return std::all_of(file.Parts.begin(), file.Parts.end(), [&](const TPlacementPart& part) {
    return part.Side != imported || (part.X > -kLimit && part.X < kLimit && part.Y > -kLimit && part.Y < kLimit);
  });
}

TPlacementImport ImportPlacements(const TPlacementFile& file, TBoardSide side,
                                  const TRotationCorrections* corrections, const TBottomRule& bottom,
                                  const TNozzleRules* nozzles) {
  TPlacementImport import;
  import.Side = ImportedSide(file, side);
  std::vector<const TPlacementPart*> parts;
  std::vector<TFixed> xs, ys, angles;
  for (const TPlacementPart& part : file.Parts) {
    if (part.Side != import.Side) continue;
    parts.push_back(&part);
    xs.push_back(part.X);
    ys.push_back(part.Y);
    angles.push_back(part.Angle);
  }
  if (import.Side == TBoardSide::Bottom) {
    import.Turn = bottom.Turn;
    import.View = FindBottomView(file, bottom.View);
    TurnBottomSide(import.View.View, import.Turn, xs, ys, angles);
  }
  if (corrections) {
    import.Corrections = corrections->Name;
    import.CorrectionWarnings = corrections->Warnings;
    import.Corrected = CorrectParts(*corrections, parts, xs, ys, angles);
  }
  import.ShiftX = ShiftToOrigin(xs);
  import.ShiftY = ShiftToOrigin(ys);

  import.Rows.reserve(parts.size());
  for (size_t i = 0; i < parts.size(); ++i) {
    const TPlacementPart& part = *parts[i];
    const bool fiducial = IsFiducialPart(part.Reference, part.Value, part.Package);
    const bool notPlaced = !fiducial && IsNotPlacedValue(part.Value);
    import.Fiducials += fiducial;
    import.NotPlaced += notPlaced;
    import.Rows.push_back({CellText(part.Reference), "", "", FixedToText(xs[i]), FixedToText(ys[i]),
                           AngleToText(angles[i]), fiducial || notPlaced ? "1" : "0",
                           CommentCell(part.Value, part.Package)});
  }
  if (nozzles) {
    import.Nozzles = nozzles->Name;
    TNozzleRuleLookup lookup(*nozzles);
    for (std::vector<std::string>& row : import.Rows) {
      const std::string* nozzle = lookup.Nozzle(row[kComponentCommentColumn]);
      if (!nozzle) continue;
      row[kComponentNozzleColumn] = *nozzle;
      ++import.NozzlesByRule;
    }
  }
  return import;
}

std::string ImportSummary(const TPlacementFile& file, const TPlacementImport& import) {
  std::string text = "Импортировано строк: " + Count(import.Rows.size()) + " (формат: " + file.Format + ")\n";
  text += "Единицы: " + UnitName(file.Unit) + (file.UnitStated ? " (указаны в файле)\n" : " (в файле не указаны)\n");
  if (file.HasTop && file.HasBottom)
    text += import.Side == TBoardSide::Top ? "В файле обе стороны платы; взята верхняя\n"
                                           : "В файле обе стороны платы; взята нижняя\n";
  if (import.Side == TBoardSide::Bottom) text += BottomRuleLine(file, import.Turn, import.View) + "\n";
  text += "Помечено пропуском: " + Count(import.Fiducials + import.NotPlaced) + " (реперные знаки: " +
          Count(import.Fiducials) + ", не устанавливаются: " + Count(import.NotPlaced) + ")\n";
  if (!file.BadLines.empty()) {
    text += "Не прочитаны строки (" + Count(file.BadLines.size()) + "): ";
    for (size_t i = 0; i < std::min(file.BadLines.size(), kListedBadLines); ++i)
      text += (i ? ", " : "") + Count(file.BadLines[i]);
    if (file.BadLines.size() > kListedBadLines)
      text += " и ещё " + Count(file.BadLines.size() - kListedBadLines);
    text += "\n";
  }
  if (!import.Corrections.empty()) {
    text += "Поправки поворота: " + import.Corrections + ", исправлено деталей: " + Count(import.Corrected) +
            " из " + Count(import.Rows.size()) + "\n";
    for (const std::string& warning : import.CorrectionWarnings) text += warning + "\n";
  }
  if (!import.Nozzles.empty())
    text += "Сопло по правилам: " + RowCountText(import.NozzlesByRule) + "\n";
  std::string shift;
  if (import.ShiftX != 0) shift += "X на " + FixedToText(import.ShiftX) + " мм";
  if (import.ShiftY != 0) shift += (shift.empty() ? "Y на " : ", Y на ") + FixedToText(import.ShiftY) + " мм";
  return text + "Сдвиг координат: " + (shift.empty() ? "нет" : shift) + "\n";
}
