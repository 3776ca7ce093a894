// Rows of 8 cells added per second to the toolkit's editable list view (as a
// string table has it: cell editor attached, notifications forwarded through
// the form), against a minimal loop that inserts the same cells with plain
// LVM_INSERTITEM / LVM_SETITEMTEXT into a bare list view (in a plain window),
// in the same run. Each measurement lasts until the rows are on the screen
// (the pending messages, painting included, are processed). A second bare
// loop with the control's redraw switched off shows what the native control
// allows at best; the ratios are against it. The plain loop paints every
// row and runs at 1,000 rows only.
//
// Two toolkit patterns: the one a table's row writer uses (an empty row, then
// every cell with ListSetCell) and the one with the same messages as the
// minimal loop (ListInsertRow with the first cell, ListSetCellText for the
// rest).
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bare_list_view.h"
#include "toolkit/app_window.h"
#include "toolkit/list_edit.h"
#include "toolkit/list_view.h"

namespace {

constexpr int kColumns = 8;
constexpr uint32_t kTableOptions = kListAutoArrange | kListGridLines | kListFullRowSelect | kListInfoTip |
                                   kListUnderlineHot;

// Cells shaped like a component table's: name, nozzle, feeder, X, Y, angle,
// skip, comment.
std::vector<std::string> MakeCells(int rows) {
  std::vector<std::string> cells;
  cells.reserve(static_cast<size_t>(rows) * kColumns);
  for (int r = 0; r < rows; ++r) {
    cells.push_back("C" + std::to_string(r + 1));
    cells.push_back(std::to_string(r % 4 + 1));
    cells.push_back(std::to_string(r % 60 + 1));
    cells.push_back(std::to_string(10 + r % 300) + "." + std::to_string(r % 100));
    cells.push_back(std::to_string(20 + r % 200) + "." + std::to_string(r % 97));
    cells.push_back(std::to_string(r % 4 * 90));
    cells.push_back(r % 10 ? "0" : "1");
    cells.push_back("0805 100nF");
  }
  return cells;
}

template <class Run>
double Seconds(Run run) {
  auto start = std::chrono::steady_clock::now();
  run();
  std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return elapsed.count();
}

HWND CreateBareWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZrListViewBenchHost";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassA(&wc);
  return CreateWindowExA(0, wc.lpszClassName, "bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 720, 960, 680, nullptr,
                         nullptr, wc.hInstance, nullptr);
}

void FillBare(HWND lv, const std::vector<std::string>& cells, int rows) {
  for (int r = 0; r < rows; ++r) InsertBareRow(lv, r, &cells[static_cast<size_t>(r) * kColumns], kColumns);
}

void FillLikeRowWriter(TListView* lv, const std::vector<std::string>& cells, int rows) {
  const std::string empty;
  for (int r = 0; r < rows; ++r) {
    const std::string* row = &cells[static_cast<size_t>(r) * kColumns];
    ListInsertRow(lv, r, empty);
    for (int c = 0; c < kColumns; ++c) ListSetCell(lv, r, c, row[c]);
  }
}

void FillSameMessages(TListView* lv, const std::vector<std::string>& cells, int rows) {
  for (int r = 0; r < rows; ++r) {
    const std::string* row = &cells[static_cast<size_t>(r) * kColumns];
    ListInsertRow(lv, r, row[0]);
    for (int c = 1; c < kColumns; ++c) ListSetCellText(lv, r, c, row[c]);
  }
}

}  // namespace

int main() {
  InitCommonControls();
  TControl* form = CreateFormWindow(nullptr, "list view bench");
  form->SetBoundsRect(RECT{0, 0, 960, 700});
  form->VisibleSet = 1;
  TListView* lv = CreateEditableListView(form, kViewReport, kTableOptions, {}, {});
  lv->SetBoundsRect(RECT{10, 10, 910, 610});
  for (int c = 0; c < kColumns; ++c) ListAddColumn(lv, "col" + std::to_string(c), 80, kColumnLeft);
  form->CreateWindowNow();
  HWND host = CreateBareWindow();
  HWND bare = CreateBareListView(host, RECT{10, 10, 910, 610}, kColumns);
  PumpMessages();

  std::printf("rows of %d cells added per second, until shown (best of 3; the plain loop, which paints\n"
              "every row, at 1000 rows only; visible list views)\n", kColumns);
  std::printf("%8s %12s %12s %12s %12s %9s %9s\n", "rows", "bare loop", "bare noredr", "row writer",
              "same msgs", "ratio rw", "ratio sm");
  std::vector<int> sizes{1000, 10000, 50000};
  if (const char* only = std::getenv("ZR_BENCH_ROWS")) sizes = {std::atoi(only)};
  for (int rows : sizes) {
    const std::vector<std::string> cells = MakeCells(rows);
    auto measure = [&](auto fill, auto clear, int runs = 3) {
      double best = 1e12;
      for (int run = 0; run < runs; ++run) {
        clear();
        PumpMessages();
        best = std::min(best, Seconds([&] {
                          fill();
                          PumpMessages();
                        }));
      }
      return best;
    };
    auto clearBare = [&] { SendMessageA(bare, LVM_DELETEALLITEMS, 0, 0); };
    // The plain loop repaints after every row, under a hundred rows a
    // second: it runs at 1,000 rows only.
    const double bareSeconds = rows <= 1000 ? measure([&] { FillBare(bare, cells, rows); }, clearBare) : 0;
    const double quietSeconds = measure(
        [&] {
          SendMessageA(bare, WM_SETREDRAW, FALSE, 0);
          FillBare(bare, cells, rows);
          SendMessageA(bare, WM_SETREDRAW, TRUE, 0);
          InvalidateRect(bare, nullptr, TRUE);
        },
        clearBare);
    const double writerSeconds = measure([&] { FillLikeRowWriter(lv, cells, rows); }, [&] { ListClear(lv); });
    const double sameSeconds = measure([&] { FillSameMessages(lv, cells, rows); }, [&] { ListClear(lv); });
    std::printf("%8d %12s %12.0f %12.0f %12.0f %9.2f %9.2f\n", rows,
                bareSeconds > 0 ? std::to_string(static_cast<int>(rows / bareSeconds)).c_str() : "-",
                rows / quietSeconds, rows / writerSeconds, rows / sameSeconds, quietSeconds / writerSeconds,
                quietSeconds / sameSeconds);
    std::fflush(stdout);
  }
  std::printf("ratio = toolkit rows per second / bare loop without redraw rows per second\n");
  DestroyWindow(host);
  form->Free();
  return 0;
}
