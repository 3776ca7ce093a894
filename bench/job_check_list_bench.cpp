// "Проверить" in the editor's own network down to its list in the findings
// window, against opening the same job: the generated job of 50,000
// component rows and 200 feeders (bench/feeder_job.h), where thousands of
// rows have no feeder or no nozzle.
//
// The schema is built and switched on as the program does; the open enters
// where the open dialog hands on the chosen name, the check where the menu
// router hands on its item, so the check, the window and its list are the
// program's own. Each time runs until the pending messages (painting of
// the list included) are handled. Per run, in a process of its own: the
// open, the first check (which makes the window) and a second one (the
// window's list filled again), with the lines the list shows.
//
//   bench_job_check_list                  prints the figures
//   ZR_BENCH_RUNS=n bench_job_check_list  n runs (default 5)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/bare_list_view.h"
#include "bench/feeder_job.h"
#include "bench/self_run.h"
#include "components/processing/index_to_chanel.h"
#include "components/processing/open_dialog.h"
#include "components/visual/findings_window.h"
#include "components/visual/string_table.h"
#include "core/event.h"
#include "editor/schema.h"
#include "bench/menu_output.h"
#include "tests/support/files.h"

namespace {

using Clock = std::chrono::steady_clock;

double Timed(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  PumpMessages();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

// One run in this process; the times and counts written to `out`.
int RunOnce(const std::string& path, const std::string& out) {
  SchemaInstance = new TClassMainForm_C7FA30(nullptr);
  TClassMainForm_C7FA30* s = SchemaInstance;
  SwitchOnNetwork(s->MainForm);
  PumpMessages();
  const double open = Timed([&] { FireStr(s->OpenJobDialog->OnChosen, path); });
  const int rows = s->ComponentTable->RowCount();
  const double first = Timed([&] { FireNull(MenuOutputTo(s, s->JobCheck)); });
  const double again = Timed([&] { FireNull(MenuOutputTo(s, s->JobCheck)); });
  const size_t lines = s->FindingsWindow->Findings().size();
  FILE* file = std::fopen(out.c_str(), "w");
  if (!file) return 1;
  std::fprintf(file, "%f %f %f %d %zu\n", open, first, again, rows, lines);
  std::fclose(file);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--once") return RunOnce(argv[2], argv[3]);
  int runs = 5;
  if (const char* n = std::getenv("ZR_BENCH_RUNS")) runs = std::max(1, std::atoi(n));
  const std::string path = "bench_job_check_list.CSV", out = "bench_job_check_list.txt";
  WriteWholeFile(path, feeder_job::GeneratedJob(false));

  std::vector<double> open, first, again;
  int rows = 0;
  size_t lines = 0;
  for (int run = 0; run < runs; ++run) {
    if (!RunSelf("--once " + path + " " + out)) return 1;
    FILE* file = std::fopen(out.c_str(), "r");
    if (!file) return 1;
    double o = 0, f = 0, a = 0;
    const int read = std::fscanf(file, "%lf %lf %lf %d %zu", &o, &f, &a, &rows, &lines);
    std::fclose(file);
    if (read != 5) return 1;
    open.push_back(o), first.push_back(f), again.push_back(a);
  }
  std::remove(path.c_str());
  std::remove(out.c_str());

  const double openMs = Median(open), firstMs = Median(first), againMs = Median(again);
  std::printf("%d component rows, %d runs, each a process of its own (medians)\n", rows, runs);
  std::printf("  open the job              %8.1f ms\n", openMs);
  std::printf("  Проверить, window made    %8.1f ms   %.2f x open\n", firstMs, firstMs / openMs);
  std::printf("  Проверить again           %8.1f ms   %.2f x open\n", againMs, againMs / openMs);
  std::printf("  lines in the findings list: %zu\n", lines);
  return 0;
}
