// The built program run as a child process, the way a user starts it, and
// its windows found from outside.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/wait.h"
#include "tests/support/window_text.h"
#include "tests/support/wine_paths.h"

class TProgramRun {
 public:
  // Starts the program (a Unix or a Windows path) with the arguments, in
  // `folder` (empty: this process's current folder).
  TProgramRun(const std::string& program, const std::string& arguments, const std::string& folder = "") {
    std::string commandLine = "\"" + WindowsPath(program) + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    Started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.empty() ? nullptr : folder.c_str(), &startup, &Info) != 0;
  }
  // A program still running when the test ends is ended.
  ~TProgramRun() {
    if (!Started) return;
    if (WaitForSingleObject(Info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(Info.hProcess, 99);
    CloseHandle(Info.hThread);
    CloseHandle(Info.hProcess);
  }
  TProgramRun(const TProgramRun&) = delete;
  TProgramRun& operator=(const TProgramRun&) = delete;

  // A visible top-level window of the program with that class and caption
  // (any caption when empty), other than `except`, waited for; null when none
  // came in time. Two windows may share a caption (a dialog and the question
  // it asks), so the one already known can be passed over.
  HWND Find(const std::string& className, const std::string& caption, DWORD timeoutMs = 15000,
            HWND except = nullptr) const {
    TFind find{Info.dwProcessId, className, caption, except, nullptr};
    WaitUntil([&] {
      EnumWindows(&Match, reinterpret_cast<LPARAM>(&find));
      return find.Found != nullptr;
    }, timeoutMs);
    return find.Found;
  }

  // The exit code, or -1 when the program did not end in time.
  long ExitCode(DWORD timeoutMs = 15000) const {
    if (WaitForSingleObject(Info.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(Info.hProcess, &code);
    return static_cast<long>(code);
  }

  bool Started = false;
  PROCESS_INFORMATION Info{};

 private:
  struct TFind {
    DWORD Process;
    std::string Class;
    std::string Caption;
    HWND Except;
    HWND Found;
  };
  static BOOL CALLBACK Match(HWND window, LPARAM param) {
    auto* find = reinterpret_cast<TFind*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (window == find->Except || process != find->Process || WindowClass(window) != find->Class ||
        !IsWindowVisible(window))
      return TRUE;
    if (!find->Caption.empty() && WindowText(window) != find->Caption) return TRUE;
    find->Found = window;
    return FALSE;
  }
};
