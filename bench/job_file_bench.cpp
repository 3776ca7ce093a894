// Opening, saving and searching generated job files of 1,000, 10,000 and
// 50,000 component rows in the editor, against a minimal program that does
// the same work with nothing in between, side by side in one run.
//
// The editor side is the program's own network: the schema is built and
// switched on as the program does, the chosen file name enters the open
// chain where the open dialog hands it on, the save name where the save
// dialog does, and the search text where Enter in the search box does. So
// every link, string table and list view is the program's own.
//
// The minimal program reads the file, splits it (with the job file module)
// and fills four list views of the same shape with painting switched off;
// it saves by reading the cells back from the list views and writing the
// same bytes in one go; its search is one read of every row line of the
// component list view, then the last row made current and shown, as the
// editor shows a match. Making a row current costs a visible list view
// several milliseconds under Wine whatever the row count, so with few rows
// that part outweighs the read.
//
// Each run of either program is a process of its own (so that its peak
// memory is its own), the two alternating; every figure is the median of
// the runs, with the lowest and highest run beside it. Times run until the
// rows are on the screen (the pending messages, painting included, are
// handled); the open and the save are also given in processor time, which a
// busy machine does not stretch.
//
//   bench_job_file                  runs both programs and prints the figures
//   ZR_BENCH_RUNS=n bench_job_file  n runs of each program per size (default 5)
//   ZR_BENCH_ROWS=n bench_job_file  one size only
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench/bare_list_view.h"
#include "bench/self_run.h"
#include "components/processing/open_dialog.h"
#include "components/processing/save_dialog.h"
#include "components/visual/edit.h"
#include "components/visual/main_form.h"
#include "components/visual/string_table.h"
#include "core/event.h"
#include "job/job_file.h"
#include "editor/schema.h"
#include "tests/editor/job_generator.h"
#include "toolkit/list_view.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A text no generated cell can hold (the cells have no "l", "s" or "t" in
// either case): put into the last component row only, it makes the search
// read every row.
constexpr char kLastRowMark[] = "ZZLAST";

// A panel's job: its feeders, a few special feeders, the boards of the
// panel, and `components` placements, the last one marked.
std::string MakeJobFile(size_t components) {
  std::mt19937 rng(780);
  JobTables tables{RandomJobTable(rng, kFeederColumns, 60), RandomJobTable(rng, kSpecialFeederColumns, 6),
                   RandomJobTable(rng, kBoardColumns, 24), RandomJobTable(rng, kComponentColumns, components)};
  tables.Components.back()[0] = kLastRowMark;
  return WriteJobFile(tables);
}

std::string ReadWhole(const std::string& path) {
  std::string bytes;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  bytes.resize(GetFileSize(file, nullptr));
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  CloseHandle(file);
  return bytes;
}

void WriteWhole(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// Processor time this process has used so far, in ms. Unlike the wall
// clock it does not grow while other programs hold the processor, so on a
// busy shared machine it tells whether a slower run did more work.
double CpuMs() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  auto ms = [](const FILETIME& t) {
    return static_cast<double>((uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime) / 10000.0;
  };
  return ms(kernel) + ms(user);
}

// Peak working set and peak private bytes of this process, in MB.
void PeakMemory(double& workingSet, double& privateBytes) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  workingSet = counters.PeakWorkingSetSize / 1048576.0;
  privateBytes = counters.PeakPagefileUsage / 1048576.0;
}

// One run's figures, as a child process reports them.
struct TRun {
  double OpenMs = 0, SaveMs = 0, SearchMs = 0, ReadMs = 0, PeakMb = 0, PrivateMb = 0;
  double ShowMs = 0;  // the minimal program: selecting and showing the found row
  double OpenCpuMs = 0, SaveCpuMs = 0;  // processor time of the open and the save
  int Found = -1;
};

void Report(const std::string& out, const TRun& run) {
  FILE* file = std::fopen(out.c_str(), "w");
  if (!file) return;
  std::fprintf(file, "%f %f %f %f %f %f %d %f %f %f\n", run.OpenMs, run.SaveMs, run.SearchMs, run.ReadMs, run.PeakMb,
               run.PrivateMb, run.Found, run.OpenCpuMs, run.SaveCpuMs, run.ShowMs);
  std::fclose(file);
}

// --- The editor ---------------------------------------------------------------------

TRun RunEditor(const std::string& path, const std::string& savePath) {
  SchemaInstance = new TClassMainForm_C7FA30(nullptr);
  TClassMainForm_C7FA30* s = SchemaInstance;
  SwitchOnNetwork(s->MainForm);
  PumpMessages();
  TRun run;

  auto start = Clock::now();
  double cpu = CpuMs();
  FireStr(s->OpenJobDialog->OnChosen, path);
  PumpMessages();
  run.OpenMs = MsSince(start);
  run.OpenCpuMs = CpuMs() - cpu;
  PeakMemory(run.PeakMb, run.PrivateMb);

  start = Clock::now();
  cpu = CpuMs();
  FireStr(s->SaveJobDialog->OnChosen, savePath);
  PumpMessages();
  run.SaveMs = MsSince(start);
  run.SaveCpuMs = CpuMs() - cpu;

  // The search reads the rows through the table's array; one read of every
  // row line through it is what the search is held against.
  TData arrayValue;
  s->ComponentTable->Array(arrayValue, 0);
  auto* rows = static_cast<TArrayAccess*>(arrayValue.ObjValue);
  start = Clock::now();
  const int32_t count = rows->Count();
  for (int32_t i = 0; i < count; ++i) {
    TData index, line;
    SetIntValue(index, i);
    rows->Get(index, line);
  }
  run.ReadMs = MsSince(start);

  start = Clock::now();
  FireStr(s->SearchEdit->OnEnter, kLastRowMark);
  PumpMessages();
  run.SearchMs = MsSince(start);
  run.Found = ListCurrentRow(s->ComponentTable->ListView()) == count - 1 ? count - 1 : -1;
  return run;
}

// --- The minimal program ----------------------------------------------------------------

HWND CreateMinimalWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZrMinimalJobEditor";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  RegisterClassA(&wc);
  return CreateWindowExA(0, wc.lpszClassName, "minimal", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1500, 936, nullptr,
                         nullptr, wc.hInstance, nullptr);
}

void FillBare(HWND lv, const JobTable& table) {
  SendMessageA(lv, WM_SETREDRAW, FALSE, 0);
  for (size_t r = 0; r < table.size(); ++r)
    InsertBareRow(lv, static_cast<int>(r), table[r].data(), static_cast<int>(table[r].size()));
  SendMessageA(lv, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(lv, nullptr, TRUE);
}

std::string BareCell(HWND lv, int row, int col) {
  std::string text(256, '\0');
  LVITEMA item{};
  item.iSubItem = col;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  text.resize(static_cast<size_t>(SendMessageA(lv, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                               reinterpret_cast<LPARAM>(&item))));
  return text;
}

JobTable ReadBare(HWND lv, size_t columns) {
  JobTable table(static_cast<size_t>(SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0)), JobRow(columns));
  for (size_t r = 0; r < table.size(); ++r)
    for (size_t c = 0; c < columns; ++c) table[r][c] = BareCell(lv, static_cast<int>(r), static_cast<int>(c));
  return table;
}

TRun RunMinimal(const std::string& path, const std::string& savePath) {
  HWND window = CreateMinimalWindow();
  HWND feeders = CreateBareListView(window, RECT{0, 0, 1492, 165}, kFeederColumns);
  HWND specials = CreateBareListView(window, RECT{0, 165, 1492, 347}, kSpecialFeederColumns);
  HWND components = CreateBareListView(window, RECT{0, 347, 642, 902}, kComponentColumns);
  HWND boards = CreateBareListView(window, RECT{740, 347, 1042, 414}, kBoardColumns);
  PumpMessages();
  TRun run;

  auto start = Clock::now();
  double cpu = CpuMs();
  const JobTables tables = ReadJobFile(ReadWhole(path));
  FillBare(feeders, tables.Feeders);
  FillBare(specials, tables.SpecialFeeders);
  FillBare(boards, tables.Boards);
  FillBare(components, tables.Components);
  PumpMessages();
  run.OpenMs = MsSince(start);
  run.OpenCpuMs = CpuMs() - cpu;
  PeakMemory(run.PeakMb, run.PrivateMb);

  start = Clock::now();
  cpu = CpuMs();
  const JobTables shown{ReadBare(feeders, kFeederColumns), ReadBare(specials, kSpecialFeederColumns),
                        ReadBare(boards, kBoardColumns), ReadBare(components, kComponentColumns)};
  WriteWhole(savePath, WriteJobFile(shown));
  run.SaveMs = MsSince(start);
  run.SaveCpuMs = CpuMs() - cpu;

  start = Clock::now();
  const int count = static_cast<int>(SendMessageA(components, LVM_GETITEMCOUNT, 0, 0));
  for (int r = 0; r < count; ++r) {
    std::string line;
    for (size_t c = 0; c < kComponentColumns; ++c) line += (c ? "," : "") + BareCell(components, r, static_cast<int>(c));
  }
  run.ReadMs = MsSince(start);
  // Then the match is shown as the editor shows it: the row made current
  // (focused and selected) and scrolled into view.
  const auto showStart = Clock::now();
  LVITEMA current{};
  current.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
  current.state = LVIS_FOCUSED | LVIS_SELECTED;
  SendMessageA(components, LVM_SETITEMSTATE, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(&current));
  SendMessageA(components, LVM_ENSUREVISIBLE, static_cast<WPARAM>(count - 1), FALSE);
  PumpMessages();
  run.ShowMs = MsSince(showStart);
  run.SearchMs = MsSince(start);
  run.Found = count - 1;
  DestroyWindow(window);
  return run;
}

// --- The driver -----------------------------------------------------------------------------

std::string TempFolder() {
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  std::string path = std::string(folder) + "zr-job-bench-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(path.c_str(), nullptr);
  return path + "\\";
}

bool RunChild(const std::string& mode, const std::string& path, const std::string& savePath,
              const std::string& out, TRun& run) {
  DeleteFileA(out.c_str());
  if (!RunSelf(mode + " \"" + path + "\" \"" + savePath + "\" \"" + out + "\"")) return false;
  FILE* file = std::fopen(out.c_str(), "r");
  if (!file) return false;
  const int fields = std::fscanf(file, "%lf %lf %lf %lf %lf %lf %d %lf %lf %lf", &run.OpenMs, &run.SaveMs,
                                 &run.SearchMs, &run.ReadMs, &run.PeakMb, &run.PrivateMb, &run.Found,
                                 &run.OpenCpuMs, &run.SaveCpuMs, &run.ShowMs);
  std::fclose(file);
  return fields == 10;
}

// Median, lowest and highest of one figure over the runs.
struct TSpread {
  double Median = 0, Low = 0, High = 0;
};

template <class Field>
TSpread Spread(const std::vector<TRun>& runs, Field field) {
  std::vector<double> values;
  for (const TRun& run : runs) values.push_back(field(run));
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.front(), values.back()};
}

std::string Show(const TSpread& s, const char* unit) {
  char text[96];
  std::snprintf(text, sizeof text, "%9.1f %s (%.1f-%.1f)", s.Median, unit, s.Low, s.High);
  return text;
}

int Drive() {
  std::vector<size_t> sizes{1000, 10000, 50000};
  if (const char* only = std::getenv("ZR_BENCH_ROWS")) sizes = {static_cast<size_t>(std::atoi(only))};
  int runs = 5;
  if (const char* n = std::getenv("ZR_BENCH_RUNS")) runs = std::max(1, std::atoi(n));
  const std::string folder = TempFolder();
  std::printf("open, save and search of generated job files: the editor against a minimal program\n"
              "(median of %d runs each, lowest-highest in brackets; times until shown)\n\n", runs);
  std::map<size_t, double> openPerRow, openCpuPerRow;
  bool ok = true;
  for (size_t components : sizes) {
    const std::string job = MakeJobFile(components);
    const std::string path = folder + "job.CSV";
    WriteWhole(path, job);
    const JobTables tables = ReadJobFile(job);
    const size_t rows =
        tables.Feeders.size() + tables.SpecialFeeders.size() + tables.Boards.size() + tables.Components.size();
    std::vector<TRun> editor, minimal;
    for (int i = 0; i < runs; ++i) {
      TRun e, m;
      const std::string editorSaved = folder + "editor.CSV", minimalSaved = folder + "minimal.CSV";
      if (!RunChild("--editor", path, editorSaved, folder + "editor.out", e) ||
          !RunChild("--minimal", path, minimalSaved, folder + "minimal.out", m)) {
        std::printf("%zu rows: a run did not report (it failed, or did not end within %lu s)\n", components,
                    kSelfRunTimeoutMs / 1000);
        return 1;
      }
      const std::string saved = ReadWhole(editorSaved);
      if (saved != job || ReadWhole(minimalSaved) != job) {
        std::printf("%zu rows: the saved file differs from the opened one\n", components);
        ok = false;
      }
      if (e.Found != static_cast<int>(components) - 1) {
        std::printf("%zu rows: the search did not select the last row\n", components);
        ok = false;
      }
      editor.push_back(e);
      minimal.push_back(m);
    }
    auto spread = [](const std::vector<TRun>& runs, double TRun::*field) {
      return Spread(runs, [field](const TRun& r) { return r.*field; });
    };
    // One figure: the editor's and the minimal program's spread, and the
    // ratio of their medians.
    auto line = [&](const char* what, double TRun::*field, const char* unit) {
      const TSpread e = spread(editor, field), m = spread(minimal, field);
      std::printf("  %-30s %-34s %-34s %5.2fx\n", what, Show(e, unit).c_str(), Show(m, unit).c_str(),
                  e.Median / m.Median);
    };
    openPerRow[components] = spread(editor, &TRun::OpenMs).Median / static_cast<double>(rows);
    openCpuPerRow[components] = spread(editor, &TRun::OpenCpuMs).Median / static_cast<double>(rows);
    std::printf("%zu component rows (%zu rows in all, %zu bytes)\n", components, rows, job.size());
    std::printf("  %-30s %-34s %-34s %s\n", "", "editor", "minimal", "ratio");
    line("open", &TRun::OpenMs, "ms");
    line("save", &TRun::SaveMs, "ms");
    line("open, processor time", &TRun::OpenCpuMs, "ms");
    line("save, processor time", &TRun::SaveCpuMs, "ms");
    line("peak working set", &TRun::PeakMb, "MB");
    line("peak private bytes", &TRun::PrivateMb, "MB");
    line("search, match in the last row", &TRun::SearchMs, "ms");
    const TSpread search = spread(editor, &TRun::SearchMs), read = spread(editor, &TRun::ReadMs);
    std::printf("  %-30s %-34s %-34s %5.2fx\n", "read of every component row", Show(read, "ms").c_str(), "",
                search.Median / read.Median);
    std::printf("  %-30s %-34s %-34s\n", "  of it: show the found row", "", Show(spread(minimal, &TRun::ShowMs), "ms").c_str());
    std::printf("    (the minimal program's search: one read of every row line, then the found row made current\n"
                "     and shown; the ratio in the read line: the search against the editor's own read of every row line)\n\n");
    std::fflush(stdout);
  }
  if (openPerRow.size() > 1) {
    const double first = openPerRow.begin()->second, last = openPerRow.rbegin()->second;
    std::printf("open time per row, %zu-row file against %zu-row file: %.2fx\n", openPerRow.rbegin()->first,
                openPerRow.begin()->first, last / first);
    std::printf("open processor time per row, likewise: %.2fx\n",
                openCpuPerRow.rbegin()->second / openCpuPerRow.begin()->second);
  }
  DeleteFileA((folder + "job.CSV").c_str());
  DeleteFileA((folder + "editor.CSV").c_str());
  DeleteFileA((folder + "minimal.CSV").c_str());
  DeleteFileA((folder + "editor.out").c_str());
  DeleteFileA((folder + "minimal.out").c_str());
  RemoveDirectoryA(folder.c_str());
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5) {
    const std::string mode = argv[1];
    const TRun run = mode == "--editor" ? RunEditor(argv[2], argv[3]) : RunMinimal(argv[2], argv[3]);
    Report(argv[4], run);
    return 0;
  }
  return Drive();
}
