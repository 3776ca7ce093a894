// Importing a 50,000-row placement file into the editor against opening a
// job file that holds the same component rows, side by side in one run.
//
// Both sides are the program's own network: the schema is built and switched
// on as the program does; the open gets the job file's name where the open
// dialog hands it on, the import the placement file's name where the import
// dialog does. The import's side question is answered Yes (top) and its
// summary OK by a hook on this thread, as a user would. Times run from the
// name chosen until the rows are on the screen (the pending messages,
// painting included, are handled).
//
// Each run is a process of its own, the two alternating; the figures are the
// median of the runs, with the lowest and highest beside it.
//
//   bench_editor_import                  runs both and prints the figures
//   ZR_BENCH_RUNS=n bench_editor_import  n runs of each (default 5)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bare_list_view.h"
#include "bench/placement_file_generator.h"
#include "bench/self_run.h"
#include "components/processing/open_dialog.h"
#include "components/visual/string_table.h"
#include "core/event.h"
#include "editor/schema.h"
#include "job/job_file.h"
#include "job/placement_import.h"
#include "tests/support/answerers.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr long long kRows = 50000;

void WriteWhole(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// One run in this process: the open or the import of `path`; writes the
// time in ms and the component rows shown to `out`.
int RunOne(bool import, const std::string& path, const std::string& out) {
  SchemaInstance = new TClassMainForm_C7FA30(nullptr);
  TClassMainForm_C7FA30* s = SchemaInstance;
  SwitchOnNetwork(s->MainForm);
  PumpMessages();
  TDialogAnswerer answerer;
  answerer.Press(IDYES);  // the side question: top
  answerer.Press(IDOK);   // the summary
  const auto start = Clock::now();
  FireStr(import ? s->ImportDialog->OnChosen : s->OpenJobDialog->OnChosen, path);
  PumpMessages();
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  FILE* file = std::fopen(out.c_str(), "w");
  if (!file) return 1;
  std::fprintf(file, "%f %d\n", ms, s->ComponentTable->RowCount());
  std::fclose(file);
  return 0;
}

bool RunChild(const std::string& mode, const std::string& path, const std::string& out, double& ms, int& rows) {
  DeleteFileA(out.c_str());
  if (!RunSelf(mode + " \"" + path + "\" \"" + out + "\"")) return false;
  FILE* file = std::fopen(out.c_str(), "r");
  if (!file) return false;
  const bool read = std::fscanf(file, "%lf %d", &ms, &rows) == 2;
  std::fclose(file);
  return read;
}

struct TSpread {
  double Median, Low, High;
};
TSpread Spread(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.front(), values.back()};
}

int Drive() {
  int runs = 5;
  if (const char* n = std::getenv("ZR_BENCH_RUNS")) runs = std::max(1, std::atoi(n));
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "zr-import-bench-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string placementPath = folder + "\\board.pos", jobPath = folder + "\\board.CSV";
  const std::string out = folder + "\\run.out";

  // The job holds exactly the rows the import gives.
  const std::string placement = MakePlacementFile(kRows);
  const TPlacementImport import = ImportPlacements(ReadPlacementFile(placement, placementPath), TBoardSide::Top);
  JobTables job;
  job.Components = import.Rows;
  WriteWhole(placementPath, placement);
  WriteWhole(jobPath, WriteJobFile(job));
  const int expectedRows = static_cast<int>(import.Rows.size());

  std::vector<double> imports, opens;
  for (int i = 0; i < runs; ++i) {
    double importMs = 0, openMs = 0;
    int importRows = 0, openRows = 0;
    if (!RunChild("--import", placementPath, out, importMs, importRows) ||
        !RunChild("--open", jobPath, out, openMs, openRows)) {
      std::printf("a run did not report (it failed, or did not end within %lu s)\n", kSelfRunTimeoutMs / 1000);
      return 1;
    }
    if (importRows != expectedRows || openRows != expectedRows) {
      std::printf("rows shown: import %d, open %d, expected %d\n", importRows, openRows, expectedRows);
      return 1;
    }
    imports.push_back(importMs);
    opens.push_back(openMs);
  }
  const TSpread i = Spread(imports), o = Spread(opens);
  std::printf("placement file: %lld rows, %zu bytes (KiCad text form, both sides); %d top rows imported\n"
              "(median of %d runs each, lowest-highest in brackets; times until shown)\n",
              kRows, placement.size(), expectedRows, runs);
  std::printf("  import into the editor   %9.1f ms (%.1f-%.1f)\n", i.Median, i.Low, i.High);
  std::printf("  open of the same rows    %9.1f ms (%.1f-%.1f)\n", o.Median, o.Low, o.High);
  std::printf("  import / open            %9.2fx (target: at most 1.5x)\n", i.Median / o.Median);
  DeleteFileA(placementPath.c_str());
  DeleteFileA(jobPath.c_str());
  DeleteFileA(out.c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4) return RunOne(std::string(argv[1]) == "--import", argv[2], argv[3]);
  return Drive();
}
