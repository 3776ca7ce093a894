// A cell of a row, read safely: rows built by hand may be short.
#pragma once

#include <string>

#include "job/job_file.h"

inline const std::string& JobCell(const JobRow& row, size_t column) {
  static const std::string empty;
  return column < row.size() ? row[column] : empty;
}
