// A generated placement file for the import benchmarks: a KiCad position
// file in its padded text form (fields found by the header's column
// positions, the slowest form to read), parts on both sides, some values
// blank.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>

inline std::string PaddedField(std::string text, size_t width) {
  text.resize(std::max(width, text.size() + 1), ' ');
  return text;
}

inline std::string ThousandthsText(long long thousandths) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", thousandths / 1000.0);
  return text;
}

inline std::string MakePlacementFile(long long rows) {
  std::string text = "## Unit = mm, Angle = deg.\n## Side : All\n";
  text += "# Ref    Val    Package   PosX      PosY      Rot     Side\n";
  for (long long i = 0; i < rows; ++i) {
    text += PaddedField("R" + std::to_string(i), 9) + PaddedField(i % 97 == 0 ? "" : "10k", 7) +
            PaddedField("R0603", 10);
    text += PaddedField(ThousandthsText((i * 7919) % 300000 - 20000), 10) +
            PaddedField(ThousandthsText((i * 104729) % 200000 - 5000), 10);
    text += PaddedField(ThousandthsText((i % 8) * 45000), 8) + (i % 5 ? "top" : "bottom") + "\n";
  }
  return text + "## End\n";
}
