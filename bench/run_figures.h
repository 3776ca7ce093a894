// The steps of a benchmark that times the editor's own network: a step timed
// until the pending messages (painting included) are handled, and the
// figures of several runs, each a process of its own, gathered for medians.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "bench/bare_list_view.h"
#include "bench/self_run.h"

inline double Timed(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  PumpMessages();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// ZR_BENCH_RUNS, or 5.
inline int BenchRuns() {
  const char* n = std::getenv("ZR_BENCH_RUNS");
  return n ? std::max(1, std::atoi(n)) : 5;
}

// Runs this program `runs` times with `words`; each run writes `count`
// numbers, separated by blanks, into the file `out`. Figure i of every run
// goes to column i. Empty when a run fails or writes fewer numbers.
inline std::vector<std::vector<double>> RunFigures(int runs, const std::string& words, const std::string& out,
                                                   size_t count) {
  std::vector<std::vector<double>> columns(count);
  for (int run = 0; run < runs; ++run) {
    if (!RunSelf(words)) return {};
    FILE* file = std::fopen(out.c_str(), "r");
    if (!file) return {};
    for (std::vector<double>& column : columns) {
      double figure = 0;
      if (std::fscanf(file, "%lf", &figure) != 1) {
        std::fclose(file);
        return {};
      }
      column.push_back(figure);
    }
    std::fclose(file);
  }
  std::remove(out.c_str());
  return columns;
}

// What one run writes for RunFigures: exit code 0 when written.
inline int WriteFigures(const std::string& out, std::initializer_list<double> figures) {
  FILE* file = std::fopen(out.c_str(), "w");
  if (!file) return 1;
  for (double figure : figures) std::fprintf(file, "%f ", figure);
  std::fclose(file);
  return 0;
}
