// The command-line import of a 50,000-row placement file (generated in a
// temporary folder). Each run starts zr780k-job as a child process and times the whole
// of it (start, read, import, write); median, lowest and highest of the runs.
// The in-process read and import are timed apart, and the import again with
// a table of 20 rotation corrections: over 40 packages as boards have them,
// and over a package of its own for every part (no package searched once
// for many parts). Last, the import with a table of 30 nozzle rules against
// none, over the same 40 packages.
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
#include <iterator>
#include <string>
#include <vector>

#include "bench/nozzle_rules_table.h"
#include "bench/placement_file_generator.h"
#include "job/placement_import.h"
#include "job/rotation_corrections.h"

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

// The median of `runs` imports.
double ImportSeconds(const TPlacementFile& file, const TRotationCorrections* corrections, int runs,
                     size_t& corrected, const TNozzleRules* nozzles = nullptr) {
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) {
    const auto start = TClock::now();
    const TPlacementImport import = ImportPlacements(file, TBoardSide::Top, corrections, {}, nozzles);
    times.push_back(std::chrono::duration<double>(TClock::now() - start).count());
    corrected = nozzles ? import.NozzlesByRule : import.Corrected;
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// The file's parts given packages of a board: those the sample table names
// and others it does not; `distinct` makes each part's package its own.
TPlacementFile WithPackages(TPlacementFile file, bool distinct) {
  static const char* const kPackages[] = {
      "SOT-23", "SOT-23-5", "SOT-223-3_TabPin2", "SOT-89-3", "SOIC-8_3.9x4.9mm_P1.27mm", "SOP-8_3.9x4.9mm",
      "TSSOP-20_4.4x6.5mm_P0.65mm", "MSOP-8_3x3mm_P0.65mm", "QFN-32-1EP_5x5mm_P0.5mm", "DFN-8-1EP_2x2mm",
      "LQFP-48_7x7mm_P0.5mm", "TQFP-32_7x7mm_P0.8mm", "D_SOD-123", "D_SOD-323", "D_SMA", "D_SMB",
      "CP_Elec_6.3x5.4", "TO-252-2", "USB_C_Receptacle_XKB_U262", "Crystal_SMD_3225-4Pin_3.2x2.5mm",
      "R_0402_1005Metric", "R_0603_1608Metric", "R_0805_2012Metric", "R_1206_3216Metric", "C_0402_1005Metric",
      "C_0603_1608Metric", "C_0805_2012Metric", "C_1206_3216Metric", "L_0603_1608Metric", "LED_0603_1608Metric",
      "LED_0805_2012Metric", "Fuse_1206_3216Metric", "TestPoint_Pad_1.0x1.0mm", "Fiducial_1mm_Mask2mm",
      "PinHeader_1x04_P2.54mm", "SW_SPST_TL3342", "Buzzer_12x9.5RM7.6", "BatteryHolder_CR2032",
      "Inductor_SMD_4x4mm", "JST_PH_B2B-PH-K_1x02"};
  constexpr size_t kCount = sizeof kPackages / sizeof kPackages[0];
  for (size_t i = 0; i < file.Parts.size(); ++i) {
    file.Parts[i].Package = kPackages[i % kCount];
    if (distinct) file.Parts[i].Package += "_" + std::to_string(i);
  }
  return file;
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

  TRotationCorrections corrections;
  std::string error;
  std::ifstream tableFile(ZR_CORRECTIONS_TABLE, std::ios::binary);
  const std::string tableBytes{std::istreambuf_iterator<char>(tableFile), std::istreambuf_iterator<char>()};
  if (!ReadRotationCorrections(tableBytes, ZR_CORRECTIONS_TABLE, corrections, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const TPlacementFile board = WithPackages(file, false), distinct = WithPackages(file, true);
  size_t corrected = 0;
  const double plain = ImportSeconds(board, nullptr, runs, corrected);
  const double ruled = ImportSeconds(board, &corrections, runs, corrected);
  const size_t boardCorrected = corrected;
  const double worst = ImportSeconds(distinct, &corrections, runs, corrected);
  const size_t worstCorrected = corrected;
  const TNozzleRules nozzles = BenchNozzleRules();
  const double unruled = ImportSeconds(board, nullptr, runs, corrected);
  const double nozzled = ImportSeconds(board, nullptr, runs, corrected, &nozzles);

  std::printf("placement file: %d rows, %zu bytes (KiCad text form, both sides); %zu top rows imported\n", kRows,
              bytes.size(), import.Rows.size());
  std::printf("zr780k-job import as a child process, %d runs: median %.3f s, lowest %.3f s, highest %.3f s\n",
              runs, times[times.size() / 2], times.front(), times.back());
  std::printf("in process: read %.3f s, import %.3f s\n", std::chrono::duration<double>(read - start).count(),
              std::chrono::duration<double>(done - read).count());
  std::printf("import of 40 packages (medians): no corrections %.3f s; %zu rules %.3f s (%zu parts corrected, %.2fx)\n",
              plain, corrections.Rules.size(), ruled, boardCorrected, ruled / plain);
  std::printf("import of a package of its own for every part with %zu rules: %.3f s (%zu corrected, %.2fx)\n",
              corrections.Rules.size(), worst, worstCorrected, worst / plain);
  std::printf("import of 40 packages (medians): no nozzle rules %.3f s; %zu nozzle rules %.3f s "
              "(%zu rows given a nozzle, %.2fx)\n",
              unruled, nozzles.Rules.size(), nozzled, corrected, nozzled / unruled);
  fs::remove_all(dir);
  return 0;
}
