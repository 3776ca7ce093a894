// The built program, started as a user would start it: the information
// switch, and every other command line, which starts the editor.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The program's path as Windows sees it (Wine maps the root to Z:).
std::string EditorPath() {
  std::string path = ZR_EDITOR_EXE;
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

struct TFind {
  DWORD Process;
  std::string Class;
  std::string Caption;
  HWND Found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* find = reinterpret_cast<TFind*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == find->Process && ClassOf(window) == find->Class &&
      (find->Caption.empty() || TextOf(window) == find->Caption) && IsWindowVisible(window)) {
    find->Found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindWindowOf(DWORD process, const std::string& className, const std::string& caption,
                  DWORD timeoutMs) {
  const DWORD end = GetTickCount() + timeoutMs;
  do {
    TFind find{process, className, caption};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&find));
    if (find.Found) return find.Found;
    Sleep(50);
  } while (GetTickCount() < end);
  return nullptr;
}

// One run of the program with the given arguments.
class TProgramRun {
 public:
  explicit TProgramRun(const std::string& arguments) {
    std::string commandLine = "\"" + EditorPath() + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    Started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &Info) != 0;
  }
  ~TProgramRun() {
    if (!Started) return;
    if (WaitForSingleObject(Info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(Info.hProcess, 99);
    CloseHandle(Info.hThread);
    CloseHandle(Info.hProcess);
  }
  TProgramRun(const TProgramRun&) = delete;
  TProgramRun& operator=(const TProgramRun&) = delete;

  HWND Find(const std::string& className, const std::string& caption, DWORD timeoutMs = 15000) {
    return FindWindowOf(Info.dwProcessId, className, caption, timeoutMs);
  }
  // The exit code, or -1 when the program did not end in time.
  long ExitCode(DWORD timeoutMs = 15000) {
    if (WaitForSingleObject(Info.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(Info.hProcess, &code);
    return static_cast<long>(code);
  }

  bool Started = false;
  PROCESS_INFORMATION Info{};
};

TEST(ProgramStart, TheInfoSwitchShowsTheBoxAndEndsWithoutAWindow) {
  for (const std::string arguments : {"/ih", "\"/ih\"", "/ih job.CSV"}) {
    SCOPED_TRACE(arguments);
    TProgramRun run(arguments);
    ASSERT_TRUE(run.Started) << EditorPath();
    HWND box = run.Find("#32770", "Volmar Info");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), "Сделано в Volmar.");
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "one OK button only";
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner";
    EXPECT_EQ(run.Find("obj_Form", "", 0), nullptr) << "no editor window";
    EXPECT_EQ(run.Find("obj_App", "", 0), nullptr);
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(run.ExitCode(), 0);
  }
}

TEST(ProgramStart, AnyOtherCommandLineStartsTheEditorWhichEndsWithCodeZero) {
  for (const std::string arguments : {"/IH", "/ihx", "job.CSV /ih", ""}) {
    SCOPED_TRACE(arguments);
    TProgramRun run(arguments);
    ASSERT_TRUE(run.Started) << EditorPath();
    HWND form = run.Find("obj_Form", "ZR780K Editor");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(run.Find("#32770", "Volmar Info", 0), nullptr);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.ExitCode(), 0);
    EXPECT_FALSE(IsWindow(form));
  }
}

}  // namespace
