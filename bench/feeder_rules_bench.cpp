// "Распределить" and "Проверить" as the command-line program runs them, on a
// generated job of 50,000 component rows and 200 feeders: the file read,
// the feeders assigned and the file written; the file read and checked. The
// plain read alone is printed beside them for scale, and the assignment
// again with a table of 30 nozzle rules.
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
#include "bench/feeder_job.h"
#include "bench/nozzle_rules_table.h"

namespace {

using namespace feeder_job;

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
  const TNozzleRules nozzles = BenchNozzleRules();
  for (bool distinct : {false, true}) {
    const std::string bytes = GeneratedJob(distinct);
    size_t changed = 0, findings = 0;
    std::printf("%zu component rows, %zu feeders, %zu bytes, %s comments, %d runs\n", kComponents,
                kFeeders + kSpecialFeeders, bytes.size(), distinct ? "all different" : "repeating", runs);
    Print("read", Time(runs, [&] { changed += ReadJobFile(bytes).Components.size() > 0; }));
    std::string written;
    size_t byRule = 0;
    const auto assign = [&](const TNozzleRules* rules) {
      return Time(runs, [&] {
        JobTables job = ReadJobFile(bytes);
        const TFeederAssignment assignment = AssignFeeders(job, rules);
        ApplyAssignment(job, assignment);
        written = WriteJobFile(job);
        changed = assignment.FeedersGiven;
        byRule = assignment.NozzlesByRule;
      });
    };
    const TFigures plain = assign(nullptr);
    Print("read + assign + write", plain);
    const TFigures ruled = assign(&nozzles);
    Print("the same, 30 nozzle rules", ruled);
    const JobTables job = ReadJobFile(bytes);
    const TFigures alone = Time(runs, [&] { changed = AssignFeeders(job).FeedersGiven; });
    Print("assign alone", alone);
    const TFigures aloneRuled = Time(runs, [&] { byRule = AssignFeeders(job, &nozzles).NozzlesByRule; });
    Print("assign alone, 30 nozzle rules", aloneRuled);
    Print("read + check", Time(runs, [&] { findings = CheckJob(ReadJobFile(bytes)).size(); }));
    std::printf("  (%zu rows got a feeder, %zu a nozzle by rule; with the rules %.2fx read + assign + write, "
                "%.2fx the assignment alone; %zu findings; %zu bytes written)\n",
                changed, byRule, ruled.Median / plain.Median, aloneRuled.Median / alone.Median, findings,
                written.size());
  }
  return 0;
}
