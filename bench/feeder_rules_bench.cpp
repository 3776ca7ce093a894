// "Распределить" and "Проверить" as the command-line program runs them, on a
// generated job of 50,000 component rows and 200 feeders: the file read,
// the feeders assigned and the file written; the file read and checked. The
// plain read alone is printed beside them for scale.
//
// Two jobs: one whose comments repeat as a panel's do (a few hundred part
// kinds), and one in which every comment is different, so that matching
// each row against every feeder is not hidden by comments seen before.
//
//   bench_feeder_rules                  prints the figures
//   ZR_BENCH_RUNS=n bench_feeder_rules  n runs per figure (default 7)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "job/feeder_assign.h"
#include "job/job_check.h"
#include "job/job_file.h"

namespace {

constexpr size_t kComponents = 50000;
constexpr size_t kFeeders = 150;
constexpr size_t kSpecialFeeders = 50;

const char* const kPackages[] = {"0402", "0603", "0805", "1206", "SOT23", "SOIC8", "QFP44", "ЧИП"};

// The words a feeder holds: a value and a package.
std::string PartComment(size_t kind) {
  return std::to_string(kind % 97 + 1) + "k " + kPackages[kind % std::size(kPackages)];
}

JobRow FeederRow(size_t columns, size_t number, size_t commentColumn) {
  JobRow row(columns, "1");
  row[kFeederNumberColumn] = std::to_string(number);
  row[kFeederSkipColumn] = number % 50 == 0 ? "1" : "0";
  row[commentColumn] = PartComment(number);
  return row;
}

// Every fourth row has its feeder already, every tenth names a feeder that
// is gone; one in twenty is skipped. A few part kinds have no feeder.
std::string GeneratedJob(bool distinctComments) {
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

struct TFigures {
  double Median, Min, Max;
};

TFigures Time(int runs, const std::function<void()>& work) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms.front(), ms.back()};
}

void Print(const char* what, const TFigures& f) {
  std::printf("  %-34s median %8.1f ms   min %8.1f   max %8.1f\n", what, f.Median, f.Min, f.Max);
}

}  // namespace

int main() {
  int runs = 7;
  if (const char* n = std::getenv("ZR_BENCH_RUNS")) runs = std::max(1, std::atoi(n));
  for (bool distinct : {false, true}) {
    const std::string bytes = GeneratedJob(distinct);
    size_t changed = 0, findings = 0;
    std::printf("%zu component rows, %zu feeders, %zu bytes, %s comments, %d runs\n", kComponents,
                kFeeders + kSpecialFeeders, bytes.size(), distinct ? "all different" : "repeating", runs);
    Print("read", Time(runs, [&] { changed += ReadJobFile(bytes).Components.size() > 0; }));
    std::string written;
    Print("read + assign + write", Time(runs, [&] {
            JobTables job = ReadJobFile(bytes);
            const TFeederAssignment assignment = AssignFeeders(job);
            ApplyAssignment(job, assignment);
            written = WriteJobFile(job);
            changed = assignment.Changes.size();
          }));
    Print("read + check", Time(runs, [&] { findings = CheckJob(ReadJobFile(bytes)).size(); }));
    std::printf("  (%zu rows got a feeder; %zu findings; %zu bytes written)\n", changed, findings, written.size());
  }
  return 0;
}
