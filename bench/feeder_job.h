// A generated job of 50,000 component rows and 200 feeders for the
// benchmarks of "Распределить" and "Проверить": feeders holding a value and
// a package, components whose comments hold those words. Every fourth row
// has its feeder already, every tenth names a feeder that is gone; one in
// twenty is skipped. A few part kinds have no feeder.
#pragma once

#include <iterator>
#include <string>

#include "job/job_file.h"

namespace feeder_job {

constexpr size_t kComponents = 50000;
constexpr size_t kFeeders = 150;
constexpr size_t kSpecialFeeders = 50;

const char* const kPackages[] = {"0402", "0603", "0805", "1206", "SOT23", "SOIC8", "QFP44", "ЧИП"};

// The words a feeder holds: a value and a package.
inline std::string PartComment(size_t kind) {
  return std::to_string(kind % 97 + 1) + "k " + kPackages[kind % std::size(kPackages)];
}

inline JobRow FeederRow(size_t columns, size_t number, size_t commentColumn) {
  JobRow row(columns, "1");
  row[kFeederNumberColumn] = std::to_string(number);
  row[kFeederSkipColumn] = number % 50 == 0 ? "1" : "0";
  row[commentColumn] = PartComment(number);
  return row;
}

// With `distinctComments` every row's comment is different, so matching
// each row against every feeder is not hidden by comments seen before.
inline std::string GeneratedJob(bool distinctComments) {
  JobTables job;
  for (size_t f = 1; f <= kFeeders; ++f) job.Feeders.push_back(FeederRow(kFeederColumns, f, kFeederCommentColumn));
  for (size_t f = kFeeders + 1; f <= kFeeders + kSpecialFeeders; ++f)
    job.SpecialFeeders.push_back(FeederRow(kSpecialFeederColumns, f, kSpecialFeederCommentColumn));
  for (size_t b = 0; b < 20; ++b) job.Boards.push_back({std::to_string(b + 1), std::to_string(b * 60), "0", "0"});
  for (size_t r = 0; r < kComponents; ++r) {
    const size_t kind = r * 7919 % 230 + 1;
    std::string comment = PartComment(kind);
    comment += " 5%";
    if (distinctComments) comment += " n" + std::to_string(r);
    const std::string feeder = r % 4 == 0 ? std::to_string(kind) : r % 10 == 1 ? "999" : "";
    job.Components.push_back({"R" + std::to_string(r + 1), r % 3 == 0 ? "" : std::to_string(r % 4 + 1), feeder,
                              std::to_string(r % 300) + ".25", std::to_string(r % 200) + ".5",
                              std::to_string(r % 4 * 90), r % 20 == 0 ? "1" : "0", comment});
  }
  return WriteJobFile(job);
}

}  // namespace feeder_job
