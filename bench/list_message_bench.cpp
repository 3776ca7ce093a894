// What one list-view message costs through the toolkit, step by step, against
// the same message sent to a bare list view, both with painting off. The
// toolkit's list view is a string table's (cell editor in front of the
// window procedure, the table's handlers attached, notifications forwarded
// through the form), so the figures are those of a job file's rows.
//
// Each figure is the median of several rounds of many calls, in microseconds
// per call.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench/bare_list_view.h"
#include "components/visual/string_table.h"
#include "core/event.h"
#include "toolkit/app_window.h"
#include "toolkit/control.h"
#include "toolkit/list_view.h"

namespace {

constexpr int kColumns = 8;
constexpr int kRows = 2000;
constexpr int kRounds = 7;

// Median over kRounds of the time per call of `step(i)` for i < calls.
template <class Step>
double MicrosPerCall(int calls, Step step) {
  std::vector<double> rounds;
  for (int r = 0; r < kRounds; ++r) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) step(i);
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    rounds.push_back(elapsed.count() / calls);
  }
  std::sort(rounds.begin(), rounds.end());
  return rounds[rounds.size() / 2];
}

void SetBareText(HWND lv, int row, int col, const std::string& text) {
  LVITEMA item{};
  item.iSubItem = col;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(lv, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string GetBareText(HWND lv, int row, int col) {
  char buffer[100];
  LVITEMA item{};
  item.iSubItem = col;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  SendMessageA(lv, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

// Every message a window of this thread receives while counting is on, by
// receiver and message: what one row costs in messages, whatever each costs
// in time.
struct TMessageTally {
  HWND List = nullptr, Parent = nullptr;
  std::map<std::pair<int, UINT>, int> Counts;  // (0 list, 1 its parent, 2 other; message)
  int Total = 0;
};
TMessageTally* Tally = nullptr;

LRESULT CALLBACK CountMessage(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && Tally) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    const int to = sent->hwnd == Tally->List ? 0 : sent->hwnd == Tally->Parent ? 1 : 2;
    ++Tally->Counts[{to, sent->message}];
    ++Tally->Total;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Counts the messages `rows` calls of `addRow` send and prints them per row.
template <class AddRow>
void ReportMessages(const char* what, HWND list, int rows, AddRow addRow) {
  TMessageTally tally;
  tally.List = list;
  tally.Parent = GetParent(list);
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &CountMessage, nullptr, GetCurrentThreadId());
  Tally = &tally;
  for (int i = 0; i < rows; ++i) addRow(i);
  Tally = nullptr;
  UnhookWindowsHookEx(hook);
  std::printf("%-44s %9.2f  (", what, static_cast<double>(tally.Total) / rows);
  const char* receivers[] = {"list", "parent", "other"};
  for (const auto& [key, count] : tally.Counts)
    std::printf(" %s 0x%04X: %.2f", receivers[key.first], key.second, static_cast<double>(count) / rows);
  std::printf(" )\n");
}

void Report(const char* step, double toolkit, double bare) {
  if (bare > 0)
    std::printf("%-44s %9.2f %9.2f %8.2fx\n", step, toolkit, bare, toolkit / bare);
  else
    std::printf("%-44s %9.2f %9s %9s\n", step, toolkit, "", "");
}

}  // namespace

int main() {
  TControl* form = CreateFormWindow(nullptr, "list message bench");
  form->SetBoundsRect(RECT{0, 0, 1400, 600});
  form->VisibleSet = 1;
  form->CreateWindowNow();
  auto* table = new TvmStringTableMT(form);
  table->Left = 10, table->Top = 10, table->Width = 640, table->Height = 500;
  table->SetColumns("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh");
  table->Init();
  TListView* lv = table->ListView();
  HWND bare = CreateBareListView(form->Handle, RECT{700, 10, 1340, 510}, kColumns);
  StartDispatch();
  PumpMessages();

  const std::string cell = "12.25";
  const std::string line = "C1,1,2,10.5,20.25,90,0,0805 100nF";
  const std::vector<std::string> cells{"C1", "1", "2", "10.5", "20.25", "90", "0", "0805 100nF"};
  SendMessageA(bare, WM_SETREDRAW, FALSE, 0);
  ListDeferRedraw(lv);
  for (int r = 0; r < kRows; ++r) {
    ListInsertRow(lv, r, cells[0]);
    for (int c = 1; c < kColumns; ++c) ListSetCellText(lv, r, c, cells[c]);
    InsertBareRow(bare, r, cells.data(), kColumns);
  }

  std::printf("microseconds per call (median of %d rounds of %d calls; painting off)\n", kRounds, kRows);
  std::printf("%-44s %9s %9s %9s\n", "step", "toolkit", "bare", "ratio");
  // What every message cost the toolkit when its object was read from a
  // window property.
  SetPropA(lv->Handle, "bench", lv);
  Report("GetPropA on the list view window", MicrosPerCall(kRows, [&](int) { GetPropA(lv->Handle, "bench"); }), 0);
  RemovePropA(lv->Handle, "bench");
  Report("SendMessageA(WM_NULL)",
         MicrosPerCall(kRows, [&](int) { SendMessageA(lv->Handle, WM_NULL, 0, 0); }),
         MicrosPerCall(kRows, [&](int) { SendMessageA(bare, WM_NULL, 0, 0); }));
  Report("LVM_GETITEMCOUNT (ListRowCount)", MicrosPerCall(kRows, [&](int) { ListRowCount(lv); }),
         MicrosPerCall(kRows, [&](int) { SendMessageA(bare, LVM_GETITEMCOUNT, 0, 0); }));
  Report("LVM_SETITEMTEXTA (ListSetCellText)",
         MicrosPerCall(kRows, [&](int i) { ListSetCellText(lv, i, 3, cell); }),
         MicrosPerCall(kRows, [&](int i) { SetBareText(bare, i, 3, cell); }));
  Report("LVM_SETITEMA, a later column (ListSetCell)",
         MicrosPerCall(kRows, [&](int i) { ListSetCell(lv, i, 3, cell); }), 0);
  Report("LVM_SETITEMA, the first column (ListSetCell)",
         MicrosPerCall(kRows, [&](int i) { ListSetCell(lv, i, 0, cell); }), 0);
  Report("LVM_GETITEMA (ListGetCellText)", MicrosPerCall(kRows, [&](int i) { ListGetCellText(lv, i, 3); }),
         MicrosPerCall(kRows, [&](int i) { GetBareText(bare, i, 3); }));
  Report("row line of 8 cells (RowLine)", MicrosPerCall(kRows, [&](int i) { table->RowLine(i); }),
         MicrosPerCall(kRows, [&](int i) {
           std::string joined;
           for (int c = 0; c < kColumns; ++c) joined += GetBareText(bare, i, c) + ",";
         }));
  Report("ListSetCurrentRow (per row of the table)", MicrosPerCall(20, [&](int i) { ListSetCurrentRow(lv, kRows - 1 - i); }) / kRows, 0);
  Report("ListCurrentRow, none selected (per row)", MicrosPerCall(20, [&](int i) { ListSetCurrentRow(lv, -1); ListCurrentRow(lv); }) / kRows, 0);
  SendMessageA(bare, LVM_DELETEALLITEMS, 0, 0);
  ListClear(lv);
  ListDeferRedraw(lv);
  TVM_Event addRow = MakeEvent<&TvmStringTableMT::AddRow>(table);
  int bareRows = 0;
  Report("row of 8 cells (AddRow / insert + 7 texts)", MicrosPerCall(kRows / kRounds, [&](int) {
           FireStr(addRow, line);
         }),
         MicrosPerCall(kRows / kRounds, [&](int) { InsertBareRow(bare, bareRows++, cells.data(), kColumns); }));
  Report("row of 8 cells (ListInsertRow + 7 ListSetCellText)", MicrosPerCall(kRows / kRounds, [&](int) {
           const int r = ListInsertRow(lv, INT32_MAX, cells[0]);
           for (int c = 1; c < kColumns; ++c) ListSetCellText(lv, r, c, cells[c]);
         }),
         MicrosPerCall(kRows / kRounds, [&](int) { InsertBareRow(bare, bareRows++, cells.data(), kColumns); }));
  std::printf("\nmessages sent per row (by receiver and message, per row)\n");
  ReportMessages("row of 8 cells (AddRow)", lv->Handle, kRows / kRounds, [&](int) { FireStr(addRow, line); });
  ReportMessages("row of 8 cells (bare)", bare, kRows / kRounds,
                 [&](int) { InsertBareRow(bare, bareRows++, cells.data(), kColumns); });
  ListResumeRedraw(lv);
  SendMessageA(bare, WM_SETREDRAW, TRUE, 0);
  DestroyWindow(bare);
  delete table;
  form->Free();
  return 0;
}
