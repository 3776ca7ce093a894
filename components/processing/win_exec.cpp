#include "components/processing/win_exec.h"

#include <windows.h>
#include <shellapi.h>

namespace {

intptr_t SystemShellOpen(void* owner, const char* verb, const char* file, const char* params,
                         const char* folder, int32_t showCmd) {
  return reinterpret_cast<intptr_t>(
      ShellExecuteA(static_cast<HWND>(owner), verb, file, params, folder, showCmd));
}

}  // namespace

TShellOpenProc ShellOpenProc = SystemShellOpen;

TVMWinExec::TVMWinExec() { Runner = MakeMethod<&TVMWinExec::RunCommandLine>(this); }

TVMWinExec::~TVMWinExec() {
  if (!Running) return;
  TerminateProcess(ProcessHandle, 0);
  CloseHandle(ThreadHandle);
  CloseHandle(ProcessHandle);
}

void TVMWinExec::ShellOpen(TData& data, uint16_t index) {
  const std::string file = FetchStr(data, FileNameInput, FileName);
  const std::string params = FetchStr(data, ParamsInput, Params);
  ShellOpenProc(nullptr, "open", file.c_str(), params.c_str(), nullptr, ShowCmd);
}

void TVMWinExec::RunCommandLine(const std::string& file, const std::string& params) {
  const std::string commandLine = file + " " + params;
  if (WinExec(commandLine.c_str(), ShowCmd) > 31) FireNull(OnStarted);
}
