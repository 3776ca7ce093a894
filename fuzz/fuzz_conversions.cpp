// TextToInt, TextToReal and RealToText on arbitrary bytes: no crash, and the
// written text never holds an exponent or more than 15 significant digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/convert.h"

namespace {

void CheckRealText(double value) {
  const std::string text = RealToText(value);
  if (std::isnan(value) || std::isinf(value)) return;
  int significant = 0;
  bool leading = true;
  for (char c : text) {
    if (c == 'e' || c == 'E') std::abort();
    if (c >= '0' && c <= '9') {
      if (c != '0') leading = false;
      if (!leading) ++significant;
    } else if (c != '-' && c != '.') {
      std::abort();
    }
  }
  // Trailing zeros of an integer text are padding, not significant digits.
  size_t end = text.find('.') == std::string::npos ? text.find_last_not_of('0') : text.size() - 1;
  int padding = static_cast<int>(text.size() - 1 - end);
  if (significant - padding > 15) std::abort();
  // Reading the text back gives nearly the value (digit-by-digit reading
  // rounds at every digit; 15 digits of the largest doubles overflow).
  const double back = TextToReal(text);
  if (std::isinf(back) && std::fabs(value) > 1e308) return;
  if (std::fabs(back - value) > std::fabs(value) * 1e-12 + 1e-300) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  (void)TextToInt(text);
  CheckRealText(TextToReal(text));
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckRealText(raw);
  }
  return 0;
}
