// Time per row of the component read chain (hub, section finders, line
// markers, row finders, stand-in tables that keep the row lines) from the
// flattened job text, for files of 1,000, 10,000 and 100,000 component
// rows, and of the job file module's reader on the same files. Time per row
// must stay flat as files grow.
//
// Each size is measured over the same volume of text: 100 different files
// of 1,000 rows, 10 of 10,000, one of 100,000. A file is read once per
// pass, as the editor opens it, so a small file is not timed warm from the
// cache while a large one is not. The "warm" column repeats one file of
// the size and shows the cache's share.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/event.h"
#include "job/job_file.h"
#include "tests/editor/stand_in_chains.h"
#include "tests/editor/job_generator.h"

namespace {

constexpr size_t kRowsPerPass = 100000;

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

// Best of a few runs: the machine is shared, the minimum is the least noisy.
template <class Run>
double BestSeconds(int runs, Run run) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    run();
    best = std::min(best, Seconds(std::chrono::steady_clock::now() - start));
  }
  return best;
}

size_t ReadThroughChain(const std::string& flat) {
  TReadChain reader;
  TVM_Event input = reader.Input();
  FireStr(input, flat);
  return reader.FeederTable.Lines.size() + reader.SpecialFeederTable.Lines.size() +
         reader.BoardTable.Lines.size() + reader.ComponentTable.Lines.size();
}

size_t ReadThroughModule(const std::string& bytes) {
  JobTables tables = ReadJobFile(bytes);
  return tables.Feeders.size() + tables.SpecialFeeders.size() + tables.Boards.size() +
         tables.Components.size();
}

}  // namespace

int main() {
  StartDispatch();
  std::printf("%10s %6s %12s %14s %14s %14s\n", "components", "files", "bytes/file", "chain us/row",
              "warm us/row", "module us/row");
  double firstPerRow = 0, lastPerRow = 0;
  for (size_t components : {1000u, 10000u, 100000u}) {
    std::vector<std::string> files, flats;
    for (size_t i = 0; i < kRowsPerPass / components; ++i) {
      files.push_back(GeneratedJobFile(components, 780 + static_cast<unsigned>(i)));
      flats.push_back(FlattenJobText(files.back()));
    }
    size_t rows = 0, warmRows = 0, moduleRows = 0;
    double chain = BestSeconds(5, [&] {
      rows = 0;
      for (const std::string& flat : flats) rows += ReadThroughChain(flat);
    });
    double warm = BestSeconds(5 * static_cast<int>(flats.size()),
                              [&] { warmRows = ReadThroughChain(flats[0]); });
    double module = BestSeconds(5, [&] {
      moduleRows = 0;
      for (const std::string& bytes : files) moduleRows += ReadThroughModule(bytes);
    });
    const double perRow = chain / static_cast<double>(rows) * 1e6;
    if (firstPerRow == 0) firstPerRow = perRow;
    lastPerRow = perRow;
    std::printf("%10zu %6zu %12zu %14.3f %14.3f %14.3f\n", components, files.size(),
                files[0].size(), perRow, warm / static_cast<double>(warmRows) * 1e6,
                module / static_cast<double>(moduleRows) * 1e6);
  }
  std::printf("chain time per row, 100,000-row file against 1,000-row files: %.2fx\n",
              lastPerRow / firstPerRow);
  return 0;
}
