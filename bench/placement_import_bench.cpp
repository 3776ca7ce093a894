// The command-line import of a 50,000-row placement file (generated in a
// temporary folder). Each run starts zr780k-job as a child process and times the whole
// of it (start, read, import, write); median, lowest and highest of the runs.
// The in-process read and import are timed apart.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/placement_file_generator.h"
#include "job/placement_import.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using TClock = std::chrono::steady_clock;

constexpr int kRows = 50000;

double RunSeconds(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const auto start = TClock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", argv[0]);
    std::exit(1);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  const double seconds = std::chrono::duration<double>(TClock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "zr780k-job failed\n");
    std::exit(1);
  }
  return seconds;
}

}  // namespace

int main() {
  const char* runsText = std::getenv("ZR_BENCH_RUNS");
  const int runs = runsText ? std::max(1, std::atoi(runsText)) : 5;
  const fs::path dir = fs::temp_directory_path() / ("zr-bench-import-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const std::string input = (dir / "board.pos").string(), output = (dir / "board.CSV").string();
  const std::string bytes = MakePlacementFile(kRows);
  std::ofstream(input, std::ios::binary) << bytes;

  std::vector<double> times;
  for (int r = 0; r < runs; ++r) times.push_back(RunSeconds({ZR_JOB_PROGRAM, "import", input, "-o", output}));
  std::sort(times.begin(), times.end());

  const auto start = TClock::now();
  const TPlacementFile file = ReadPlacementFile(bytes, input);
  const auto read = TClock::now();
  const TPlacementImport import = ImportPlacements(file, TBoardSide::Top);
  const auto done = TClock::now();

  std::printf("placement file: %d rows, %zu bytes (KiCad text form, both sides); %zu top rows imported\n", kRows,
              bytes.size(), import.Rows.size());
  std::printf("zr780k-job import as a child process, %d runs: median %.3f s, lowest %.3f s, highest %.3f s\n",
              runs, times[times.size() / 2], times.front(), times.back());
  std::printf("in process: read %.3f s, import %.3f s\n", std::chrono::duration<double>(read - start).count(),
              std::chrono::duration<double>(done - read).count());
  fs::remove_all(dir);
  return 0;
}
