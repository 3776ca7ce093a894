// Rows of 8 cells added per second to a string table through its AddRow
// action (fired through the live dispatcher, as the open chain does), against
// a minimal loop that inserts the same cells with LVM_INSERTITEM and
// LVM_SETITEMTEXT into a bare list view, in the same run and the same form.
//
// The last column shows the rate of the last 1000 rows of each fill against
// its first 1000: appending must not slow down as the table grows.
//
// Then the same rows as one change: AddRows against as many AddRow calls,
// and the undo and redo of that change (each must cost in proportion to the
// rows: the time per row stays as the table grows).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "components/visual/string_table.h"
#include "core/component.h"
#include "core/event.h"
#include "bench/bare_list_view.h"
#include "toolkit/app_window.h"
#include "toolkit/list_view.h"

namespace {

constexpr int kColumns = 8;
constexpr int kEdgeRows = 1000;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// Rows shaped like a component table's: name, nozzle, feeder, X, Y, angle,
// skip, comment.
std::vector<std::vector<std::string>> MakeRows(int count) {
  std::vector<std::vector<std::string>> rows;
  rows.reserve(static_cast<size_t>(count));
  for (int r = 0; r < count; ++r) {
    rows.push_back({"C" + std::to_string(r + 1), std::to_string(r % 4 + 1), std::to_string(r % 60 + 1),
                    std::to_string(10 + r % 300) + "." + std::to_string(r % 100),
                    std::to_string(20 + r % 200) + "." + std::to_string(r % 97), std::to_string(r % 4 * 90),
                    r % 10 ? "0" : "1", "0805 100nF"});
  }
  return rows;
}

std::string JoinRow(const std::vector<std::string>& cells) {
  std::string line;
  for (size_t c = 0; c < cells.size(); ++c) line += (c ? "," : "") + cells[c];
  return line;
}

struct TFill {
  double Total = 0;  // seconds for all rows
  double First = 0;  // seconds for the first kEdgeRows rows
  double Last = 0;   // seconds for the last kEdgeRows rows
};

// Times `add(r)` for rows 0 .. count - 1.
template <class Add>
TFill TimeFill(int count, Add add) {
  TFill fill;
  const auto start = Clock::now();
  auto lastStart = start;
  for (int r = 0; r < count; ++r) {
    if (r == count - kEdgeRows) lastStart = Clock::now();
    add(r);
    if (r == kEdgeRows - 1) fill.First = Seconds(start, Clock::now());
  }
  const auto end = Clock::now();
  fill.Total = Seconds(start, end);
  fill.Last = Seconds(lastStart, end);
  return fill;
}

template <class Run>
TFill Best(int runs, Run run) {
  TFill best{1e12, 0, 0};
  for (int i = 0; i < runs; ++i) {
    TFill fill = run();
    if (fill.Total < best.Total) best = fill;
  }
  return best;
}

// Keeps the last change the table reported.
struct TEditKeeper : TVMComponent {
  std::string Record;
  void Keep(TData& data, uint16_t) { Record = ValueToStr(data); }
};

// Seconds for `run`, the list view brought up to date at its end (as when
// the message is done), best of 3; `reset` runs before each, untimed.
template <class Reset, class Run>
double BestTime(TvmStringTableMT* table, Reset reset, Run run) {
  double best = 1e12;
  for (int i = 0; i < 3; ++i) {
    reset();
    PumpMessages();
    const auto start = Clock::now();
    run();
    ListResumeRedraw(table->ListView());
    best = std::min(best, Seconds(start, Clock::now()));
  }
  return best;
}

void BenchOneChange(TvmStringTableMT* table, const std::vector<int>& counts) {
  TEditKeeper keeper;
  table->OnEdit = MakeEvent<&TEditKeeper::Keep>(&keeper);
  TVM_Event addRow = MakeEvent<&TvmStringTableMT::AddRow>(table);
  TVM_Event addRows = MakeEvent<&TvmStringTableMT::AddRows>(table, TvmStringTableMT::kAddRowsPoint);
  TVM_Event undo = MakeEvent<&TvmStringTableMT::UndoEdit>(table);
  TVM_Event redo = MakeEvent<&TvmStringTableMT::RedoEdit>(table);
  std::printf("\nthe rows as one change (best of 3, seconds)\n");
  std::printf("%8s %10s %10s %12s %10s %10s %14s\n", "rows", "AddRow", "AddRows", "AddRows/Row", "undo",
              "redo", "undo us/row");
  for (int count : counts) {
    const auto rows = MakeRows(count);
    std::vector<std::string> lines;
    std::string text;
    for (const auto& row : rows) {
      lines.push_back(JoinRow(row));
      text += lines.back() + "\r\n";
    }
    auto clear = [&] { ListClear(table->ListView()); };
    const double single = BestTime(table, clear, [&] {
      for (const std::string& line : lines) FireStr(addRow, line);
    });
    const double batch = BestTime(table, clear, [&] { FireStr(addRows, text); });
    const std::string record = keeper.Record;
    const double undone = BestTime(table, [&] { if (table->RowCount() == 0) FireStr(redo, record); },
                                   [&] { FireStr(undo, record); });
    const double redone = BestTime(table, [&] { if (table->RowCount() != 0) FireStr(undo, record); },
                                   [&] { FireStr(redo, record); });
    if (table->RowCount() != count) std::printf("unexpected row count %d\n", table->RowCount());
    std::printf("%8d %10.3f %10.3f %12.2f %10.3f %10.3f %14.1f\n", count, single, batch, batch / single, undone,
                redone, undone * 1e6 / count);
    std::fflush(stdout);
  }
  table->OnEdit = {};
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> counts;
  for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
  if (counts.empty()) counts = {1000, 10000, 50000};
  TControl* form = CreateFormWindow(nullptr, "string table bench");
  form->SetBoundsRect(RECT{0, 0, 1400, 600});
  form->VisibleSet = 1;
  form->CreateWindowNow();

  auto* table = new TvmStringTableMT(form);
  table->Left = 10, table->Top = 10, table->Width = 640, table->Height = 500;
  table->Font = MakeFont("MS Sans Serif", 8, 0, 0, 1);
  table->Color = static_cast<int32_t>(0xFF000005);
  table->SetColumns("Компонент\r\nСопло\r\nПитатель\r\nX\r\nY\r\nУгол\r\nПропуск\r\nКоммент");
  table->Init();
  HWND bare = CreateBareListView(form->Handle, RECT{700, 10, 1340, 510}, kColumns);
  StartDispatch();
  TVM_Event addRow = MakeEvent<&TvmStringTableMT::AddRow>(table);
  PumpMessages();

  std::printf("rows of %d cells added per second (best of 3; the bare loop, which paints every row,\n"
              "at 1000 rows only; both list views visible)\n", kColumns);
  std::printf("%8s %12s %14s %12s %10s %12s %18s\n", "rows", "bare loop", "bare, no draw", "AddRow",
              "vs bare", "vs no draw", "AddRow last/first");
  for (int count : counts) {
    const auto rows = MakeRows(count);
    std::vector<std::string> lines;
    for (const auto& row : rows) lines.push_back(JoinRow(row));
    auto fillBare = [&] {
      for (int r = 0; r < count; ++r) InsertBareRow(bare, r, rows[static_cast<size_t>(r)].data(), kColumns);
    };
    auto clearBare = [&] {
      SendMessageA(bare, LVM_DELETEALLITEMS, 0, 0);
      PumpMessages();
    };

    // The plain loop paints every row, under a hundred rows a second: it
    // runs at 1,000 rows only.
    const TFill bareFill = count > 1000 ? TFill{} : Best(3, [&] {
      clearBare();
      return TimeFill(count, [&](int r) { InsertBareRow(bare, r, rows[static_cast<size_t>(r)].data(), kColumns); });
    });
    // The same loop with painting and scroll bars switched off around it, as
    // a program that knows it adds many rows would do.
    const TFill quietFill = Best(3, [&] {
      clearBare();
      const auto start = Clock::now();
      SendMessageA(bare, WM_SETREDRAW, FALSE, 0);
      fillBare();
      SendMessageA(bare, WM_SETREDRAW, TRUE, 0);
      return TFill{Seconds(start, Clock::now()), 0, 0};
    });
    // Each AddRow is one message's worth of work; the list view catches up
    // with its scroll bars when the message is done, which is timed too.
    const TFill tableFill = Best(3, [&] {
      ListClear(table->ListView());
      PumpMessages();
      const auto start = Clock::now();
      TFill fill = TimeFill(count, [&](int r) { FireStr(addRow, lines[static_cast<size_t>(r)]); });
      ListResumeRedraw(table->ListView());
      fill.Total = Seconds(start, Clock::now());
      return fill;
    });
    if (table->RowCount() != count) std::printf("unexpected row count %d\n", table->RowCount());
    const double edge = count > kEdgeRows ? tableFill.First / tableFill.Last : 1.0;
    const std::string bareRate =
        bareFill.Total > 0 ? std::to_string(static_cast<int>(count / bareFill.Total)) : "-";
    char vsBare[16] = "-";
    if (bareFill.Total > 0) std::snprintf(vsBare, sizeof vsBare, "%.2f", bareFill.Total / tableFill.Total);
    std::printf("%8d %12s %14.0f %12.0f %10s %12.2f %18.2f\n", count, bareRate.c_str(), count / quietFill.Total,
                count / tableFill.Total, vsBare, quietFill.Total / tableFill.Total, edge);
    std::fflush(stdout);
    PumpMessages();
  }
  std::printf("vs ... = AddRow rows per second / that loop's rows per second\n");
  BenchOneChange(table, counts);
  DestroyWindow(bare);
  delete table;
  form->Free();
  return 0;
}
