#include "job/job_number.h"

#include <cmath>

#include "core/convert.h"

bool ReadCoordinate(const std::string& text, double& value) {
  size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  bool digit = false, point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  if (!digit) return false;
  const double v = TextToReal(text);
  if (!std::isfinite(v)) return false;
  value = v;
  return true;
}

bool ReadWholeNumber(const std::string& text, std::string& digits) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  const size_t first = text.find_first_not_of('0');
  digits = first == std::string::npos ? "0" : text.substr(first);
  return true;
}

bool WholeNumberLess(const std::string& a, const std::string& b) {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

bool IsSkipped(const std::string& skipCell) { return skipCell != "0"; }
