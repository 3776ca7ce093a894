// The columns of a placement file's header: which field of a part each
// names, by the names design tools write ("Designator", "Center-X(mil)",
// "Mid X", "PosX", "X (mm)", "Rotate", "Layer", ...), and the unit a name
// carries.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "job/decimal_text.h"

enum class TPartField : uint8_t { Reference, X, Y, Rotation, Side, Value, Package, None };
inline constexpr size_t kPartFieldCount = 7;

// What a header name says. Where a file names a field in several columns
// the lowest rank wins: the centre over the reference point over the pad
// ("Center-X", then "Ref X", then "Pad X"), "Designator" over "Name".
struct TColumnName {
  TPartField Field = TPartField::None;
  int Rank = 0;
  TLengthUnit Unit = TLengthUnit::Unknown;  // from "(mm)", "(mil)", "(in)"
};

// The name's letters and digits in lower case, without quotes, spaces, "-",
// "_", "." and "/", and without a unit in brackets at its end: "Center-X(mil)"
// is "centerx", "T/B" is "tb".
std::string CanonicalColumnName(std::string_view name);

TColumnName RecogniseColumnName(std::string_view name);

// True for names of any column some tool writes, those that carry nothing
// the import takes ("Footprint Description") included: a header padded with
// spaces is cut into names by them.
bool IsKnownColumnName(std::string_view name);

// The column of each field in one header (-1 when none), and its unit.
struct TColumnMap {
  std::array<int, kPartFieldCount> Index;
  std::array<TLengthUnit, kPartFieldCount> Unit;

  int operator[](TPartField field) const { return Index[static_cast<size_t>(field)]; }
  bool HasPosition() const { return (*this)[TPartField::X] >= 0 && (*this)[TPartField::Y] >= 0; }
};

TColumnMap MapColumns(const std::vector<std::string>& names);
