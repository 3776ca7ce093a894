#include "job/placement_columns.h"

#include <cctype>
#include <cstring>

namespace {

struct TKnownName {
  const char* Canonical;
  TPartField Field;
  int Rank;
};

constexpr TKnownName kKnownNames[] = {
    {"designator", TPartField::Reference, 0}, {"refdes", TPartField::Reference, 0},
    {"ref", TPartField::Reference, 0},        {"reference", TPartField::Reference, 0},
    {"refdesignator", TPartField::Reference, 0}, {"partid", TPartField::Reference, 1},
    {"part", TPartField::Reference, 2},       {"name", TPartField::Reference, 3},
    {"x", TPartField::X, 0},                  {"posx", TPartField::X, 0},
    {"centerx", TPartField::X, 0},            {"centrex", TPartField::X, 0},
    {"midx", TPartField::X, 0},               {"xpos", TPartField::X, 0},
    {"locationx", TPartField::X, 0},          {"xloc", TPartField::X, 0},
    {"refx", TPartField::X, 1},               {"padx", TPartField::X, 2},
    {"y", TPartField::Y, 0},                  {"posy", TPartField::Y, 0},
    {"centery", TPartField::Y, 0},            {"centrey", TPartField::Y, 0},
    {"midy", TPartField::Y, 0},               {"ypos", TPartField::Y, 0},
    {"locationy", TPartField::Y, 0},          {"yloc", TPartField::Y, 0},
    {"refy", TPartField::Y, 1},               {"pady", TPartField::Y, 2},
    {"rot", TPartField::Rotation, 0},         {"rotation", TPartField::Rotation, 0},
    {"angle", TPartField::Rotation, 0},       {"rotate", TPartField::Rotation, 0},
    {"orientation", TPartField::Rotation, 1}, {"side", TPartField::Side, 0},
    {"layer", TPartField::Side, 0},           {"tb", TPartField::Side, 0},
    {"topbottom", TPartField::Side, 0},       {"value", TPartField::Value, 0},
    {"val", TPartField::Value, 0},            {"comment", TPartField::Value, 1},
    {"package", TPartField::Package, 0},      {"footprint", TPartField::Package, 0},
    {"pattern", TPartField::Package, 0},      {"case", TPartField::Package, 1},
    // PcbXY's package; elsewhere (Altium's) the part's description, which a
    // footprint's name outranks.
    {"description", TPartField::Package, 2},
};

// Columns that hold nothing the import takes but whose names have spaces.
constexpr const char* kOtherNames[] = {"footprintdescription", "componentkind", "pincount",
                                       "componentdescription"};

const TKnownName* FindKnown(const std::string& canonical) {
  for (const TKnownName& known : kKnownNames)
    if (canonical == known.Canonical) return &known;
  return nullptr;
}

// The unit in brackets at the end of a name, and the name before it.
TLengthUnit CutUnit(std::string_view& name) {
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  if (name.empty() || (name.back() != ')' && name.back() != ']')) return TLengthUnit::Unknown;
  const size_t open = name.find_last_of("([");
  if (open == std::string_view::npos) return TLengthUnit::Unknown;
  const TLengthUnit unit = UnitNamed(name.substr(open + 1, name.size() - open - 2));
  if (unit != TLengthUnit::Unknown) name = name.substr(0, open);
  return unit;
}

}  // namespace

std::string CanonicalColumnName(std::string_view name) {
  CutUnit(name);
  std::string canonical;
  for (char c : name)
    if (!std::strchr(" \t\"'-_./", c) && c != '\0')
      canonical += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return canonical;
}

TColumnName RecogniseColumnName(std::string_view name) {
  std::string_view bare = name;
  TColumnName column;
  column.Unit = CutUnit(bare);
  if (const TKnownName* known = FindKnown(CanonicalColumnName(bare))) {
    column.Field = known->Field;
    column.Rank = known->Rank;
  }
  return column;
}

bool IsKnownColumnName(std::string_view name) {
  const std::string canonical = CanonicalColumnName(name);
  if (FindKnown(canonical)) return true;
  for (const char* other : kOtherNames)
    if (canonical == other) return true;
  return false;
}

TColumnMap MapColumns(const std::vector<std::string>& names) {
  TColumnMap map;
  map.Index.fill(-1);
  map.Unit.fill(TLengthUnit::Unknown);
  std::array<int, kPartFieldCount> rank;
  for (size_t i = 0; i < names.size(); ++i) {
    const TColumnName column = RecogniseColumnName(names[i]);
    if (column.Field == TPartField::None) continue;
    const size_t f = static_cast<size_t>(column.Field);
    if (map.Index[f] >= 0 && rank[f] <= column.Rank) continue;
    map.Index[f] = static_cast<int>(i);
    map.Unit[f] = column.Unit;
    rank[f] = column.Rank;
  }
  return map;
}
