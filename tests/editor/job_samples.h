// Job files for tests and benchmarks: the sample files beside the tests and
// generated tables with random cells (empty cells, Cyrillic bytes).
#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "editor/job_file.h"

#ifndef ZR_SAMPLES_DIR
#error "ZR_SAMPLES_DIR must name the directory of the sample job files"
#endif

// The sample directory; under Windows the Unix path is reached through the
// drive that maps the root of the file system.
inline std::string JobSamplesDir() {
  std::string dir = ZR_SAMPLES_DIR;
#ifdef _WIN32
  if (!dir.empty() && dir[0] == '/') dir = "Z:" + dir;
#endif
  return dir;
}

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Names of the sample job files (each has NAME.saved beside it).
inline std::vector<std::string> JobSampleNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(JobSamplesDir())) {
    std::string name = entry.path().filename().string();
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".CSV") == 0) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

inline std::string JobSamplePath(const std::string& name) { return JobSamplesDir() + "/" + name; }

// A cell of 0 to 12 bytes: digits, Latin and Cyrillic letters, ".", "-",
// "#", blanks; a third of the cells are empty.
inline std::string RandomJobCell(std::mt19937& rng) {
  static const std::string pool =
      "0123456789.-# abcdxyzRCUQ"
      "\xC0\xC1\xC2\xC3\xDF\xE0\xE1\xE2\xE3\xFF\xA8\xB8\xB9";
  std::uniform_int_distribution<int> empty(0, 2), length(1, 12);
  std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);
  std::string cell;
  if (empty(rng) == 0) return cell;
  for (int n = length(rng); n > 0; --n) cell += pool[pick(rng)];
  return cell;
}

inline JobTable RandomJobTable(std::mt19937& rng, size_t columns, size_t rows) {
  JobTable table(rows, JobRow(columns));
  for (JobRow& row : table)
    for (std::string& cell : row) cell = RandomJobCell(rng);
  return table;
}

// Tables of 0 to maxRows rows each, kept within the format's limits.
inline JobTables RandomJobTables(std::mt19937& rng, size_t maxRows) {
  std::uniform_int_distribution<size_t> rows(0, maxRows);
  for (;;) {
    JobTables tables{RandomJobTable(rng, kFeederColumns, rows(rng)),
                     RandomJobTable(rng, kSpecialFeederColumns, rows(rng)),
                     RandomJobTable(rng, kBoardColumns, rows(rng)),
                     RandomJobTable(rng, kComponentColumns, rows(rng))};
    if (TablesFitJobFormat(tables)) return tables;
  }
}

// Job file text of `components` generated component rows (a few rows in the
// other sections), as the editor writes it.
inline std::string GeneratedJobFile(size_t components, unsigned seed) {
  std::mt19937 rng(seed);
  JobTables tables{RandomJobTable(rng, kFeederColumns, 12),
                   RandomJobTable(rng, kSpecialFeederColumns, 2),
                   RandomJobTable(rng, kBoardColumns, 4),
                   RandomJobTable(rng, kComponentColumns, components)};
  return WriteJobFile(tables);
}
