// "Распределить", "Проверить", a panel of 32 boards (8 x 4, the most a
// panel usually holds; then its undo) and one of 2,500 boards (50 x 50, a
// panel typed by mistake; then the placement view repainted ten times and
// its undo) in the editor's own network, each against opening the same job,
// side by side in one run: a generated job of 50,000 component rows and 200
// feeders (bench/feeder_job.h).
//
// The schema is built and switched on as the program does. The open enters
// where the open dialog hands on the chosen name; the two commands where
// the menu router hands on their items (the panel where its window hands on
// the rows, and its undo where Ctrl+Z enters), so every link, table and
// window they reach is the program's own. Only the summary box is left out: it is
// modal and waits for the user, so the summary is taken as it is fired.
// Each time runs until the pending messages (painting included) are
// handled, so a panel's time holds the placement view's first paint of it.
// Per run, in a process of its own, the job is opened into an empty editor,
// checked, assigned, made a panel, the panel undone, made the large panel,
// repainted, and that undone.
//
//   bench_job_commands                  prints the figures
//   ZR_BENCH_RUNS=n bench_job_commands  n runs (default 5)
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
#include "bench/menu_output.h"
#include "bench/self_run.h"
#include "components/processing/feeder_assign.h"
#include "components/processing/index_to_chanel.h"
#include "components/processing/open_dialog.h"
#include "components/processing/undo_journal.h"
#include "components/visual/hot_keys.h"
#include "components/visual/panel_window.h"
#include "components/visual/placement_view.h"
#include "components/visual/string_table.h"
#include "core/event.h"
#include "editor/schema.h"
#include "job/board_panel.h"

namespace {

using Clock = std::chrono::steady_clock;

// The large panel is repainted this many times; the median is its figure.
constexpr int kRepaints = 10;

// Receives the summary in place of the modal box.
class TSummaryTaker : public TVMComponent {
 public:
  std::string Last;
  void Take(TData& data, uint16_t index) { Last = ValueToStr(data); }
};

double Timed(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  PumpMessages();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time of this thread, in milliseconds. On a shared machine
// the wall clock also counts the time spent waiting for a processor; this
// counts the work alone (in steps of the system's clock tick).
double ThreadMs() {
  FILETIME created, ended, kernel, user;
  if (!GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user)) return 0;
  const auto ms = [](FILETIME t) { return ((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4; };
  return ms(kernel) + ms(user);
}

struct TFigures {
  std::vector<double> Ms;
  double Median() {
    std::sort(Ms.begin(), Ms.end());
    return Ms[Ms.size() / 2];
  }
};

void WriteWhole(const std::string& path, const std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

}  // namespace

// The rows of a panel of columns x rows boards 25 mm apart, as its window
// hands them on.
std::string PanelRows(int32_t columns, int32_t rows) {
  TBoardPanel panel;
  panel.Columns = columns;
  panel.Rows = rows;
  panel.PitchX = panel.PitchY = 25 * kFixedPerMillimetre;
  std::string lines;
  for (const JobRow& row : PanelBoardRows(panel)) lines += row[0] + "," + row[1] + "," + row[2] + "," + row[3] + "\r\n";
  return lines;
}

// One run in this process: the job opened, checked, assigned, made a panel
// and the panel undone; the five times written to `out`.
int RunOnce(const std::string& path, const std::string& out) {
  SchemaInstance = new TClassMainForm_C7FA30(nullptr);
  TClassMainForm_C7FA30* s = SchemaInstance;
  TSummaryTaker summary;
  s->FeederAssign->OnSummary = MakeEvent<&TSummaryTaker::Take>(&summary);
  SwitchOnNetwork(s->MainForm);
  PumpMessages();
  const double open = Timed([&] { FireStr(s->OpenJobDialog->OnChosen, path); });
  const int rows = s->ComponentTable->RowCount();
  const double check = Timed([&] { FireNull(MenuOutputTo(s, s->JobCheck)); });
  const double assign = Timed([&] { FireNull(MenuOutputTo(s, s->FeederAssign)); });
  auto makePanel = [&](const std::string& rows) {
    return Timed([&] {
      FireStr(s->PanelWindow->OnRows, rows);
      FireNull(s->PanelWindow->OnApplied);
    });
  };
  auto undoLast = [&] { return Timed([&] { FireNull(s->UndoKeys->OnKey[0]); }); };
  const double panel = makePanel(PanelRows(8, 4));
  const int boards = s->BoardTable->RowCount();
  const double undo = undoLast();
  const double largePanel = makePanel(PanelRows(50, 50));
  const int largeBoards = s->BoardTable->RowCount();
  HWND view = s->PlacementView->Control->Handle;
  TFigures repaints;
  const double repaintStart = ThreadMs();
  for (int i = 0; i < kRepaints; ++i)
    repaints.Ms.push_back(Timed([&] { RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }));
  const double repaintCpu = (ThreadMs() - repaintStart) / kRepaints;
  const double repaint = repaints.Median();
  const double largeUndo = undoLast();
  FILE* file = std::fopen(out.c_str(), "w");
  if (!file) return 1;
  std::fprintf(file, "%f %f %f %f %f %f %f %f %f %d %d %d\n%s\n", open, check, assign, panel, undo, largePanel,
               repaint, repaintCpu, largeUndo, rows, boards, largeBoards, summary.Last.substr(0, summary.Last.find('\r')).c_str());
  std::fclose(file);
  return 0;
}

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--once") return RunOnce(argv[2], argv[3]);
  int runs = 5;
  if (const char* n = std::getenv("ZR_BENCH_RUNS")) runs = std::max(1, std::atoi(n));
  const std::string path = "bench_job_commands.CSV", out = "bench_job_commands.txt";
  WriteWhole(path, feeder_job::GeneratedJob(false));

  // Each run is a process of its own: the editor opens a job into the
  // tables it has, so every run starts from an empty editor.
  TFigures open, check, assign, panel, undo, largePanel, repaint, repaintCpu, largeUndo;
  int rows = 0, boards = 0, largeBoards = 0;
  char summary[512] = {};
  for (int run = 0; run < runs; ++run) {
    if (!RunSelf("--once " + path + " " + out)) return 1;
    FILE* file = std::fopen(out.c_str(), "r");
    if (!file) return 1;
    double o = 0, c = 0, a = 0, p = 0, u = 0, lp = 0, r = 0, rc = 0, lu = 0;
    if (std::fscanf(file, "%lf %lf %lf %lf %lf %lf %lf %lf %lf %d %d %d ", &o, &c, &a, &p, &u, &lp, &r, &rc, &lu, &rows,
                    &boards, &largeBoards) != 12)
      return 1;
    if (!std::fgets(summary, sizeof summary, file)) summary[0] = 0;
    std::fclose(file);
    open.Ms.push_back(o), check.Ms.push_back(c), assign.Ms.push_back(a), panel.Ms.push_back(p), undo.Ms.push_back(u);
    largePanel.Ms.push_back(lp), repaint.Ms.push_back(r), repaintCpu.Ms.push_back(rc), largeUndo.Ms.push_back(lu);
  }
  std::remove(path.c_str());
  std::remove(out.c_str());

  const double openMs = open.Median(), checkMs = check.Median(), assignMs = assign.Median();
  std::printf("%d component rows, %zu feeders, %d runs, each a process of its own (medians)\n", rows,
              feeder_job::kFeeders + feeder_job::kSpecialFeeders, runs);
  std::printf("  open the job           %8.1f ms\n", openMs);
  std::printf("  Проверить              %8.1f ms   %.2f x open\n", checkMs, checkMs / openMs);
  std::printf("  Распределить           %8.1f ms   %.2f x open\n", assignMs, assignMs / openMs);
  const double panelMs = panel.Median(), undoMs = undo.Median();
  std::printf("  Панель плат, %d плат %8.1f ms   %.2f x open\n", boards, panelMs, panelMs / openMs);
  std::printf("  its undo (Ctrl+Z)      %8.1f ms   %.2f x open\n", undoMs, undoMs / openMs);
  const double largeMs = largePanel.Median(), repaintMs = repaint.Median(), largeUndoMs = largeUndo.Median();
  std::printf("  Панель плат, %d плат %6.1f ms   %.2f x open\n", largeBoards, largeMs, largeMs / openMs);
  std::printf("  one repaint of it      %8.1f ms   %.1f ms of processor time\n", repaintMs, repaintCpu.Median());
  std::printf("  its undo (Ctrl+Z)      %8.1f ms   %.2f x open\n", largeUndoMs, largeUndoMs / openMs);
  std::printf("  summary: %s", summary);
  return 0;
}
