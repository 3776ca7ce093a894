#include "core/convert.h"

#include <cmath>
#include <cstdio>

std::string IntToText(int32_t value) {
  char digits[12];
  int n = 0;
  // Work on the unsigned magnitude so that the smallest value needs no care.
  uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::string text;
  text.reserve(n + 1);
  if (value < 0) text += '-';
  while (n > 0) text += digits[--n];
  return text;
}

int32_t TextToInt(const std::string& text) {
  if (text.empty()) return 0;
  size_t i = 0;
  bool negative = false;
  if (text[0] == '-') {
    negative = true;
    i = 1;
  } else if (text[0] == '+') {
    i = 1;
  }
  uint32_t result = 0;  // wraps on overflow, as the format allows
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    result = result * 10u + static_cast<uint32_t>(text[i] - '0');
  if (negative) result = 0u - result;
  return static_cast<int32_t>(result);
}

int32_t RoundToInt(double value) {
  // llrint rounds with the current (nearest, ties to even) mode; out-of-range
  // values give the integer-indefinite pattern, whose low 32 bits are kept.
  long long rounded = std::llrint(static_cast<long double>(value));
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<unsigned long long>(rounded)));
}

std::string RealToText(double value) {
  if (value == 0.0) return "0";
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

  const bool negative = value < 0;
  long double x = std::fabs(static_cast<long double>(value));
  int exponent = 15;
  while (x < 5000000000000.0L) {
    x *= 10;
    --exponent;
  }
  if (exponent == 15) {
    while (x >= 10000000000000.0L) {
      x /= 10;
      ++exponent;
    }
  }
  long double digitsValue;
  for (;;) {
    digitsValue = std::nearbyint(x);
    if (digitsValue >= 100000000000000.0L) break;
    x *= 10;
    --exponent;
  }
  char digits[16];
  std::snprintf(digits, sizeof digits, "%015llu", static_cast<unsigned long long>(digitsValue));

  std::string text;
  if (exponent <= 0) {
    text = "0.";
    text.append(static_cast<size_t>(-exponent), '0');
    text += digits;
  } else if (exponent <= 14) {
    text.assign(digits, static_cast<size_t>(exponent));
    text += '.';
    text += digits + exponent;
  } else {
    text = digits;
    text.append(static_cast<size_t>(exponent - 15), '0');
    return negative ? "-" + text : text;
  }
  while (text.size() > 1 && text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return negative ? "-" + text : text;
}

long double PowerOfTen(long double base, int32_t n) {
  if (n == 0) return 1.0L;
  int64_t count = n;
  if (count < 0) {
    base = 1.0L / base;
    count = -count;
  }
  // Huge counts only ever reach an infinity or zero; let the library say which
  // instead of looping billions of times.
  if (count > 100000) return std::pow(base, static_cast<long double>(count));
  long double result = 1.0L;
  for (int64_t i = 0; i < count; ++i) {
    result *= base;
    if (result == 0.0L || std::isinf(result)) break;
  }
  return result;
}

double TextToReal(const std::string& text) {
  if (text.empty()) return 0.0;
  size_t i = 0;
  const bool negative = text[0] == '-';
  if (negative) i = 1;
  double result = 0.0;
  double scale = 1.0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      const int digit = c - '0';
      if (!point) {
        result = static_cast<double>(static_cast<long double>(result) * 10 + digit);
      } else {
        scale = static_cast<double>(static_cast<long double>(scale) * 0.1L);
        result = static_cast<double>(result + static_cast<long double>(digit) * scale);
      }
    } else if (c == '.') {
      if (point) break;
      point = true;
    } else if (c == 'E' || c == 'e') {
      const int32_t n = TextToInt(text.substr(i + 1));
      // Zero stays zero whatever the exponent (0 times infinity is no number).
      if (result != 0.0)
        result = static_cast<double>(static_cast<long double>(result) * PowerOfTen(10.0L, n));
      break;
    }
  }
  return negative ? -result : result;
}

std::string CutToken(std::string& s, char delimiter) {
  const size_t at = s.find(delimiter);
  if (at == std::string::npos) return s;
  std::string token = s.substr(0, at);
  s.erase(0, at + 1);
  return token;
}

int32_t FindFrom(const std::string& sub, const std::string& s, int32_t from) {
  if (sub.empty()) return 0;
  if (from < 1) from = 1;
  if (static_cast<size_t>(from) > s.size()) return 0;
  const size_t at = s.find(sub, static_cast<size_t>(from - 1));
  return at == std::string::npos ? 0 : static_cast<int32_t>(at + 1);
}
