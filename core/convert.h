// Locale-free number/text conversions and the two text helpers the
// components use to take strings apart. Strings are Windows-1251 bytes;
// positions count bytes from 1.
#pragma once

#include <cstdint>
#include <string>

std::string IntToText(int32_t value);
int32_t TextToInt(const std::string& text);
// At most 15 significant digits, never an exponent. Infinities give "INF" or
// "-INF" and a NaN gives "NAN".
std::string RealToText(double value);
// Exponents that overflow a double give an infinity of the number's sign;
// those that underflow give 0.
double TextToReal(const std::string& text);
int32_t RoundToInt(double value);
long double PowerOfTen(long double base, int32_t n);
std::string CutToken(std::string& s, char delimiter);
int32_t FindFrom(const std::string& sub, const std::string& s, int32_t from);
