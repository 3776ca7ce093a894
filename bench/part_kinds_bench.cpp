// "Детали задания" in the editor's own network against opening the same job,
// side by side in one run: the 50,000-row job of the job commands benchmark
// (bench/feeder_job.h) with every fifth row made one kind, 10,000 rows on
// feeder 3.
//
// The schema is built and switched on as the program does. The open enters
// where the open dialog hands on the chosen name, the window where the menu
// router hands on its item; a feeder is given to the large kind where the
// cell editor reports the line it wrote back, and undone where Ctrl+Z
// enters, with the window open (a job this large is not read again after
// the undo: the window says it is out of date). Each time runs
// until the pending messages (painting included) are handled. Per run, in a
// process of its own, the job is opened into an empty editor.
//
//   bench_part_kinds                  prints the figures
//   ZR_BENCH_RUNS=n bench_part_kinds  n runs (default 5)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bare_list_view.h"
#include "bench/feeder_job.h"
#include "bench/menu_output.h"
#include "bench/run_figures.h"
#include "bench/self_run.h"
#include "components/processing/index_to_chanel.h"
#include "components/processing/open_dialog.h"
#include "components/visual/hot_keys.h"
#include "components/visual/part_kinds_window.h"
#include "components/visual/placement_view.h"
#include "components/visual/string_table.h"
#include "core/event.h"
#include "editor/schema.h"
#include "tests/support/files.h"
#include "toolkit/list_edit.h"
#include "toolkit/list_view.h"

namespace {


constexpr size_t kLargeKindEvery = 5;
constexpr char kLargeKind[] = "100n 0402 X7R";

std::string BenchJob() {
  JobTables job = ReadJobFile(feeder_job::GeneratedJob(false));
  for (size_t r = 0; r < job.Components.size(); r += kLargeKindEvery) {
    job.Components[r][kComponentCommentColumn] = kLargeKind;
    job.Components[r][kComponentFeederColumn] = "3";
    job.Components[r][kComponentSkipColumn] = "0";
  }
  return WriteJobFile(job);
}

// One run in this process: the job opened, the window shown, feeder 5 given
// to the large kind and undone; the times written to `out`.
int RunOnce(const std::string& path, const std::string& out) {
  SchemaInstance = new TClassMainForm_C7FA30(nullptr);
  TClassMainForm_C7FA30* s = SchemaInstance;
  SwitchOnNetwork(s->MainForm);
  PumpMessages();
  const double open = Timed([&] { FireStr(s->OpenJobDialog->OnChosen, path); });
  const double show = Timed([&] { FireNull(MenuOutputTo(s, s->PartKindsWindow)); });
  TVMPartKindsWindow* window = s->PartKindsWindow;
  TListView* list = window->List();
  if (!list) return 1;
  const std::vector<TPartKind>& kinds = window->Kinds();
  const auto large = std::find_if(kinds.begin(), kinds.end(), [](const TPartKind& k) { return k.Kind == kLargeKind; });
  if (large == kinds.end() || large->Rows.size() != feeder_job::kComponents / kLargeKindEvery) return 1;
  const auto line = static_cast<int32_t>(large - kinds.begin());
  const size_t largeRows = large->Rows.size();
  const double give = Timed([&] {
    ListSetCellText(list, line, TVMPartKindsWindow::kFeeder, "5");
    SendMessageA(list->Handle, kMsgCellChanged, static_cast<WPARAM>(line), 0);
  });
  const bool given = ListGetCellText(s->ComponentTable->ListView(), 0, kComponentFeederColumn) == "5";
  const double undo = Timed([&] { FireNull(s->UndoKeys->OnKey[0]); });
  const bool undone = ListGetCellText(s->ComponentTable->ListView(), 0, kComponentFeederColumn) == "3";
  // The large kind alone selected: its rows ringed on every board of the view.
  ListView_SetItemState(list->Handle, -1, 0, LVIS_SELECTED);
  PumpMessages();
  const double ring = Timed([&] { ListView_SetItemState(list->Handle, line, LVIS_SELECTED, LVIS_SELECTED); });
  const bool ringed = s->PlacementView->RingedRows().size() == largeRows;
  const double kindCount = static_cast<double>(window->Kinds().size());
  return WriteFigures(out, {open, show, give, undo, kindCount, given && undone && ringed ? 1.0 : 0.0, ring});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--once") return RunOnce(argv[2], argv[3]);
  const int runs = BenchRuns();
  const std::string path = "bench_part_kinds.CSV", out = "bench_part_kinds.txt";
  WriteWholeFile(path, BenchJob());
  // open, shown, given, undone, kinds, 1 when the feeder was given and undone
  // and the kind ringed, ringed
  const std::vector<std::vector<double>> figures = RunFigures(runs, "--once " + path + " " + out, out, 7);
  std::remove(path.c_str());
  if (figures.empty() || *std::min_element(figures[5].begin(), figures[5].end()) != 1) return 1;
  const std::vector<double>& open = figures[0];
  const std::vector<double>& show = figures[1];
  const std::vector<double>& give = figures[2];
  const std::vector<double>& undo = figures[3];
  const auto kinds = static_cast<size_t>(figures[4].front());

  const double openMs = Median(open), showMs = Median(show), giveMs = Median(give), undoMs = Median(undo);
  std::printf("%zu component rows, %zu kinds, %d runs, each a process of its own (medians)\n", feeder_job::kComponents,
              kinds, runs);
  std::printf("  open the job                    %8.1f ms\n", openMs);
  std::printf("  Детали задания shown            %8.1f ms   %.2f x open\n", showMs, showMs / openMs);
  std::printf("  a feeder to 10,000 rows         %8.1f ms   %.2f x open\n", giveMs, giveMs / openMs);
  std::printf("  its undo (Ctrl+Z)               %8.1f ms   %.2f x open\n", undoMs, undoMs / openMs);
  std::printf("  the feeder and its undo         %8.1f ms   %.2f x open\n", giveMs + undoMs, (giveMs + undoMs) / openMs);
  const double ringMs = Median(figures[6]);
  std::printf("  the kind selected, ringed       %8.1f ms   %.2f x open\n", ringMs, ringMs / openMs);
  return 0;
}
