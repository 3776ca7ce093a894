#include "job/decimal_text.h"

#include <cctype>

#include "job/text_decoding.h"

namespace {

// Digits past these are dropped: the product below stays within 128 bits
// (10^24 times at most 2.54 * 10^10).
constexpr int kMaxIntegerDigits = 12;
constexpr int kMaxFractionDigits = 12;
constexpr TFixed kFixedPerHundredth = 10'000'000;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool IsLetterOrQuote(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '"'; }

// Where the letters (or the inch mark) after a field's number begin.
size_t UnitStart(std::string_view field) {
  size_t end = field.size();
  while (end > 0 && IsLetterOrQuote(field[end - 1])) --end;
  return end;
}

// Signed count of hundredths, halves away from zero.
int64_t Hundredths(TFixed value) {
  const bool negative = value < 0;
  const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : value;
  uint64_t h = magnitude / kFixedPerHundredth;
  if (magnitude % kFixedPerHundredth >= kFixedPerHundredth / 2) ++h;
  return negative ? -static_cast<int64_t>(h) : static_cast<int64_t>(h);
}

std::string HundredthsToText(int64_t h) {
  std::string text = h < 0 ? "-" : "";
  const uint64_t magnitude = h < 0 ? 0 - static_cast<uint64_t>(h) : h;
  text += std::to_string(magnitude / 100);
  const unsigned fraction = magnitude % 100;
  if (fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}

}  // namespace

bool ReadDecimal(std::string_view text, bool commaIsPoint, TFixed perUnit, TFixed& value) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  __int128 digits = 0;
  int integerDigits = 0, fractionDigits = 0;
  bool point = false, any = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      any = true;
      if (!point) {
        if (digits == 0 && c == '0') continue;
        if (++integerDigits > kMaxIntegerDigits) return false;
        digits = digits * 10 + (c - '0');
      } else if (fractionDigits < kMaxFractionDigits) {
        digits = digits * 10 + (c - '0');
        ++fractionDigits;
      }
    } else if ((c == '.' || (commaIsPoint && c == ',')) && !point) {
      point = true;
    } else {
      return false;
    }
  }
  if (!any) return false;
  __int128 scaled = digits * perUnit;
  for (int d = 0; d < fractionDigits; ++d) scaled /= 10;
  if (scaled > kFixedLimit) return false;
  value = static_cast<TFixed>(negative ? -scaled : scaled);
  return true;
}

TLengthUnit UnitNamed(std::string_view name) {
  const std::string lower = AsciiLower(Trimmed(name));
  if (lower == "mm") return TLengthUnit::Millimetre;
  if (lower == "mil" || lower == "mils") return TLengthUnit::Mil;
  if (lower == "in" || lower == "inch" || lower == "inches" || lower == "\"") return TLengthUnit::Inch;
  return TLengthUnit::Unknown;
}

TLengthUnit WrittenUnit(std::string_view field) {
  field = Trimmed(field);
  const size_t end = UnitStart(field);
  return end < field.size() ? UnitNamed(field.substr(end)) : TLengthUnit::Unknown;
}

bool ReadLength(std::string_view field, TLengthUnit unit, bool commaIsPoint, TFixed& millimetres) {
  field = Trimmed(field);
  const size_t end = UnitStart(field);
  if (end < field.size()) {
    unit = UnitNamed(field.substr(end));
    if (unit == TLengthUnit::Unknown) return false;
    field = Trimmed(field.substr(0, end));
  }
  TFixed perUnit = kFixedPerMillimetre;
  if (unit == TLengthUnit::Mil) perUnit = kFixedPerMillimetre * 254 / 10000;
  if (unit == TLengthUnit::Inch) perUnit = kFixedPerMillimetre * 254 / 10;
  return ReadDecimal(field, commaIsPoint, perUnit, millimetres);
}

bool ReadAngle(std::string_view field, bool commaIsPoint, TFixed& degrees) {
  field = Trimmed(field);
  if (field.size() > 3 && field.substr(field.size() - 3) == "deg") field = Trimmed(field.substr(0, field.size() - 3));
  return ReadDecimal(field, commaIsPoint, kFixedPerDegree, degrees);
}

TFixed NormalisedAngle(TFixed degrees) {
  constexpr TFixed kTurn = 360 * kFixedPerDegree, kHalfTurn = 180 * kFixedPerDegree;
  degrees %= kTurn;
  if (degrees <= -kHalfTurn) degrees += kTurn;
  if (degrees > kHalfTurn) degrees -= kTurn;
  return degrees;
}

std::string FixedToText(TFixed value) { return HundredthsToText(Hundredths(value)); }

std::string AngleToText(TFixed degrees) {
  const int64_t h = Hundredths(NormalisedAngle(degrees));
  return HundredthsToText(h == -18000 ? 18000 : h);
}
