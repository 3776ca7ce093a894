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

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bare_list_view.h"
#include "bench/feeder_job.h"
#include "bench/run_figures.h"
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
  return WriteFigures(out, {open, first, again, static_cast<double>(rows), static_cast<double>(lines)});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--once") return RunOnce(argv[2], argv[3]);
  const int runs = BenchRuns();
  const std::string path = "bench_job_check_list.CSV", out = "bench_job_check_list.txt";
  WriteWholeFile(path, feeder_job::GeneratedJob(false));
  // open, first check, second check, component rows, lines in the list
  const std::vector<std::vector<double>> figures = RunFigures(runs, "--once " + path + " " + out, out, 5);
  std::remove(path.c_str());
  if (figures.empty()) return 1;
  const std::vector<double>& open = figures[0];
  const std::vector<double>& first = figures[1];
  const std::vector<double>& again = figures[2];
  const auto rows = static_cast<int>(figures[3].front());
  const auto lines = static_cast<size_t>(figures[4].front());

  const double openMs = Median(open), firstMs = Median(first), againMs = Median(again);
  std::printf("%d component rows, %d runs, each a process of its own (medians)\n", rows, runs);
  std::printf("  open the job              %8.1f ms\n", openMs);
  std::printf("  Проверить, window made    %8.1f ms   %.2f x open\n", firstMs, firstMs / openMs);
  std::printf("  Проверить again           %8.1f ms   %.2f x open\n", againMs, againMs / openMs);
  std::printf("  lines in the findings list: %zu\n", lines);
  return 0;
}
