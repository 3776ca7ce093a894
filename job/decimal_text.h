// Numbers of placement files, kept exact. A binary double holds few decimal
// fractions (3.175 is 3.17499...), so a length or an angle is an integer
// count of billionths of a millimetre (of a degree) from the text on: unit
// change, mirroring and shifting add and subtract such counts, and the one
// rounding to 2 decimals (halves away from zero) comes when the cell is
// written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Billionths of a millimetre, or of a degree.
using TFixed = int64_t;
inline constexpr TFixed kFixedPerMillimetre = 1'000'000'000;
inline constexpr TFixed kFixedPerDegree = 1'000'000'000;
// Larger values (100 km) are no board's: such a number is not read.
inline constexpr TFixed kFixedLimit = 100'000'000 * kFixedPerMillimetre;

enum class TLengthUnit : uint8_t { Unknown, Millimetre, Mil, Inch };

// "12", "-3.05", "+.5", "7." and, when `commaIsPoint`, "12,5": an optional
// sign, digits with at most one decimal point, nothing else (no spaces, no
// exponent). The value times `perUnit` (fixed counts per unit of the text),
// digits below a billionth dropped. False, `value` untouched, when the text
// is no such number or beyond kFixedLimit.
bool ReadDecimal(std::string_view text, bool commaIsPoint, TFixed perUnit, TFixed& value);

// A unit written after a number or in a column name: "mm", "mil", "mils",
// "in", "inch", "inches", "\"" (any case); Unknown for anything else.
TLengthUnit UnitNamed(std::string_view name);

// The unit written after the number of a field ("58.674mm", "2310 mil"),
// Unknown when none is or it is no unit.
TLengthUnit WrittenUnit(std::string_view field);

// A length in millimetres from a field such as "3.175", "58.674mm",
// "2310 mil" or "0,125in": a unit written after the number wins, else
// `unit`, else millimetres. Surrounding spaces are ignored.
bool ReadLength(std::string_view field, TLengthUnit unit, bool commaIsPoint, TFixed& millimetres);

// An angle in degrees from a field ("90", "-45.5", "270 deg").
bool ReadAngle(std::string_view field, bool commaIsPoint, TFixed& degrees);

// The angle turned into (-180, 180].
TFixed NormalisedAngle(TFixed degrees);

// Rounded to 2 decimals, halves away from zero, in the shortest form:
// "12.5", "7", "-3.05"; a value that rounds to zero is "0".
std::string FixedToText(TFixed value);

// The same for an angle in (-180, 180]; one that rounds to -180 is "180".
std::string AngleToText(TFixed degrees);
