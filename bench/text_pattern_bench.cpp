// The patterns of a user's table: a table of 30 rules compiled, then searched
// (letters of any case) in the 50,000 different comments of the generated
// job, every rule in every comment, as a table of nozzle rules would be
// without a cache. The program's own matcher beside the standard library's
// backtracking one, which it replaced.
//
//   bench_text_pattern                  prints the figures
//   ZR_BENCH_RUNS=n bench_text_pattern  n runs per figure (default 5)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "bench/feeder_job.h"
#include "job/text_pattern.h"

namespace {

const char* const kRules[] = {
    "0201",        "0402",          "0603",         "0805",           "1206",         "1210",
    "^C_0402",     "^R_0603",       "SOT-?23",      "SOT-?23-[56]",   "SOT-?223",     "SOD-?123",
    "SOIC-?\\d+",  "TSSOP-?\\d+",   "MSOP-\\d+",    "QFN-\\d+",       "(?:L|T)QFP",   "QFP\\d{2,3}",
    "DFN\\d",      "SMA|SMB|SMC",   "LED_\\d{4}",   "ЧИП",            "[0-9]+k 0603", "\\d+n[Ff]",
    "^1\\d?k ",    "Crystal.*SMD",  "USB.*Micro",   "(?:TO|DPAK)-\\d", "SOT-?89",     "WS2812",
};

double Milliseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(int runs, const std::function<void()>& work) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) ms.push_back(Milliseconds(work));
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

}  // namespace

int main() {
  int runs = 5;
  if (const char* n = std::getenv("ZR_BENCH_RUNS")) runs = std::max(1, std::atoi(n));
  std::vector<std::string> comments;
  for (size_t r = 0; r < feeder_job::kComponents; ++r)
    comments.push_back(feeder_job::PartComment(r * 7 % 1000) + " n" + std::to_string(r));
  std::printf("%zu rules, %zu comments, %d runs, median ms\n", std::size(kRules), comments.size(), runs);

  size_t found = 0;
  std::vector<TTextPattern> own(std::size(kRules));
  const double ownCompile = Median(runs, [&] {
    std::string error;
    for (size_t i = 0; i < own.size(); ++i)
      if (!own[i].Compile(kRules[i], true, error)) std::printf("refused %s: %s\n", kRules[i], error.c_str());
  });
  const double ownSearch = Median(runs, [&] {
    found = 0;
    for (const std::string& comment : comments)
      for (const TTextPattern& rule : own) found += rule.Search(comment);
  });
  std::printf("  own matcher       compile %8.3f   search %8.1f   (%zu found)\n", ownCompile, ownSearch, found);

  std::vector<std::regex> standard(std::size(kRules));
  const double standardCompile = Median(runs, [&] {
    for (size_t i = 0; i < standard.size(); ++i)
      standard[i] = std::regex(kRules[i], std::regex::ECMAScript | std::regex::icase);
  });
  const double standardSearch = Median(runs, [&] {
    found = 0;
    for (const std::string& comment : comments)
      for (const std::regex& rule : standard) found += std::regex_search(comment, rule);
  });
  std::printf("  standard library  compile %8.3f   search %8.1f   (%zu found)\n", standardCompile, standardSearch,
              found);
  return 0;
}
