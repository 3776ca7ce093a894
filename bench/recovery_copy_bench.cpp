// The recovery copy of unsaved changes in the editor's own network, on the
// 50,000-row job of the job commands benchmark (bench/feeder_job.h),
// against a save of the same job.
//
// The schema is built and switched on as the program does; the job is
// opened where the open dialog hands on the chosen name, saved where the
// save dialog hands on its name. Then a copy is written at once: the time of
// reading the tables whole, and the time the writer thread's part takes (the
// bytes made of the rows, the file written). Then one is written as its timer writes it, the tables read
// a slice at a time; meanwhile a thread of the benchmark posts a message to
// a window of the window's thread every millisecond, and the longest wait
// of one of them for its handling is the window's longest pause while the
// copy is written; against the longest such wait in a second with no copy
// (what the machine itself adds). Per run, in a process of its own, which removes its copy
// at the end (a copy left would be asked about at the next run's start).
//
//   bench_recovery_copy                  prints the figures
//   ZR_BENCH_RUNS=n bench_recovery_copy  n runs (default 5)
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "bench/feeder_job.h"
#include "bench/run_figures.h"
#include "bench/self_run.h"
#include "components/processing/change_recovery.h"
#include "components/processing/open_dialog.h"
#include "components/processing/save_dialog.h"
#include "core/event.h"
#include "editor/schema.h"
#include "job/recovery_copy.h"
#include "tests/support/files.h"

namespace {

using TClock = std::chrono::steady_clock;

constexpr UINT kStampMessage = WM_APP + 1;
std::atomic<int64_t> LongestWaitUs{0};

// Each stamped message: how long it waited.
LRESULT CALLBACK StampWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kStampMessage) return DefWindowProcA(window, message, wParam, lParam);
  const int64_t now = TClock::now().time_since_epoch().count();
  const int64_t waited = std::chrono::duration_cast<std::chrono::microseconds>(TClock::duration(now - lParam)).count();
  LongestWaitUs = std::max<int64_t>(LongestWaitUs, waited);
  return 0;
}

HWND MakeStampWindow() {
  WNDCLASSA type{};
  type.lpfnWndProc = &StampWindow;
  type.hInstance = GetModuleHandleA(nullptr);
  type.lpszClassName = "bench_stamp";
  RegisterClassA(&type);
  return CreateWindowA("bench_stamp", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, type.hInstance, nullptr);
}

// One run: the job opened and saved, then the copy written while the
// window's messages are timed; the figures written to `out`.
int RunOnce(const std::string& path, const std::string& out) {
  SchemaInstance = new TClassMainForm_C7FA30(nullptr);
  TClassMainForm_C7FA30* s = SchemaInstance;
  TVMChangeRecovery* recovery = s->ChangeRecovery;
  char folder[MAX_PATH];
  GetFullPathNameA("bench_recovery_copies", MAX_PATH, folder, nullptr);
  recovery->Folder = folder;
  SwitchOnNetwork(s->MainForm);
  PumpMessages();
  const double open = Timed([&] { FireStr(s->OpenJobDialog->OnChosen, path); });
  const double save = Timed([&] { FireStr(s->SaveJobDialog->OnChosen, "bench_recovery_saved.CSV"); });
  TData unsaved = IntValue(1);
  recovery->Changed(unsaved, 0);

  // A first copy at once, for the time of reading the tables whole, then
  // its bytes made of the rows and its file written again, as the writer
  // thread does.
  const double made = Timed([&] { recovery->WriteCopy(); });
  recovery->Flush();
  const std::string first = ReadWholeFile(std::string(folder) + "\\" + recovery->Owner() + "-1.zrr");
  const std::string again = std::string(folder) + "\\again.zrr";
  TRecoveryCopy parsed;
  std::string error;
  ParseRecoveryCopy(first, parsed, error);
  const JobTables rows = ReadJobFile(parsed.JobBytes);
  const double written = Timed([&] {
    parsed.JobBytes = WriteJobFile(rows);
    WriteRecoveryFile(again + ".tmp", again, again + ".old", FormatRecoveryCopy(parsed));
  });
  std::remove(again.c_str());

  // Then one as the timer writes it, a slice at a time, while stamped
  // messages come every millisecond.
  HWND stamps = MakeStampWindow();
  std::atomic<bool> posting{true};
  std::thread poster([&] {
    while (posting) {
      PostMessageA(stamps, kStampMessage, 0, static_cast<LPARAM>(TClock::now().time_since_epoch().count()));
      Sleep(1);
    }
  });
  // The same wait for a second with no copy: what the machine itself adds.
  PumpMessages();
  LongestWaitUs = 0;
  for (const auto idle = TClock::now(); TClock::now() - idle < std::chrono::seconds(1);) {
    PumpMessages();
    WaitMessage();
  }
  const double idlePause = static_cast<double>(LongestWaitUs) / 1000.0;
  LongestWaitUs = 0;
  recovery->Delay = 10;
  const double sliced = Timed([&] {
    recovery->Changed(unsaved, 0);
    // Until the writer has put the copy in place, the window's thread only
    // handles its messages.
    const std::string copy = std::string(folder) + "\\" + recovery->Owner() + "-2.zrr";
    while (recovery->CopyDue() || GetFileAttributesA(copy.c_str()) == INVALID_FILE_ATTRIBUTES) {
      PumpMessages();
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
  });
  recovery->Flush();
  posting = false;
  poster.join();
  PumpMessages();
  const double pause = static_cast<double>(LongestWaitUs) / 1000.0;

  std::string copy = ReadWholeFile(std::string(folder) + "\\" + recovery->Owner() + "-2.zrr");
  const double size = static_cast<double>(copy.size());
  const bool whole = copy.find(ReadWholeFile("bench_recovery_saved.CSV")) != std::string::npos;
  std::remove("bench_recovery_saved.CSV");
  // The run's copy goes, so that the next run's start has none to ask about.
  TData none;
  recovery->Discard(none, 0);
  return WriteFigures(out, {open, save, made, written, pause, size, whole ? 1.0 : 0.0, sliced, idlePause});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--once") return RunOnce(argv[2], argv[3]);
  const int runs = BenchRuns();
  const std::string path = "bench_recovery_copy.CSV", out = "bench_recovery_copy.txt";
  WriteWholeFile(path, feeder_job::GeneratedJob(false));
  // open, save, copy made, copy written, longest pause, copy size, 1 when
  // the copy holds what the save wrote
  const std::vector<std::vector<double>> figures = RunFigures(runs, "--once " + path + " " + out, out, 9);
  std::remove(path.c_str());
  if (figures.empty() || *std::min_element(figures[6].begin(), figures[6].end()) != 1) return 1;
  const double openMs = Median(figures[0]), saveMs = Median(figures[1]);
  const double madeMs = Median(figures[2]), writtenMs = Median(figures[3]), pauseMs = Median(figures[4]);
  std::printf("%zu component rows, a copy of %.0f bytes, %d runs, each a process of its own (medians)\n",
              feeder_job::kComponents, figures[5].front(), runs);
  std::printf("  open the job                        %8.1f ms\n", openMs);
  std::printf("  save the job                        %8.1f ms   %.2f x open\n", saveMs, saveMs / openMs);
  const double slicedMs = Median(figures[7]);
  std::printf("  copy: tables read whole at once     %8.1f ms   %.2f x save\n", madeMs, madeMs / saveMs);
  std::printf("  copy: bytes and file (writer thread) %7.1f ms   %.2f x save\n", writtenMs, writtenMs / saveMs);
  std::printf("  copy as the timer writes it         %8.1f ms   %.2f x save (read in slices)\n", slicedMs,
              slicedMs / saveMs);
  std::printf("  longest pause of the window then    %8.1f ms   %.2f x save\n", pauseMs, pauseMs / saveMs);
  std::printf("  the same wait with no copy (1 s)    %8.1f ms\n", Median(figures[8]));
  return 0;
}
