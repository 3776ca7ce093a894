// Runs the benchmark program itself once more, as a process of its own, so
// that every measured run starts from a fresh process (an editor opening a
// job adds to the rows it already has).
#pragma once

#include <windows.h>

#include <string>

// A run that waits for an answer nobody gives (a message box it was not
// expected to show) would hold the whole benchmark: it is ended then.
inline constexpr DWORD kSelfRunTimeoutMs = 5 * 60 * 1000;

// Starts this program with `words` after its own name and waits for it. True
// when it ended within the time and with exit code 0.
inline bool RunSelf(const std::string& words) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = "\"" + std::string(self) + "\" " + words;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  const bool ended = WaitForSingleObject(process.hProcess, kSelfRunTimeoutMs) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(process.hProcess, 1);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ended && code == 0;
}
