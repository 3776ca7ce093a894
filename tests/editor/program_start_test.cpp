// The built program, started as a user would start it: the information
// switch, and every other command line, which starts the editor.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/program.h"
#include "tests/support/window_text.h"

namespace {

TEST(ProgramStart, TheInfoSwitchShowsTheBoxAndEndsWithoutAWindow) {
  for (const std::string arguments : {"/ih", "\"/ih\"", "/ih job.CSV"}) {
    SCOPED_TRACE(arguments);
    TProgramRun run(ZR_EDITOR_EXE, arguments);
    ASSERT_TRUE(run.Started) << ZR_EDITOR_EXE;
    HWND box = run.Find("#32770", "Volmar Info");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "Сделано в Volmar.");
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "one OK button only";
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner";
    EXPECT_EQ(run.Find("obj_Form", "", 0), nullptr) << "no editor window";
    EXPECT_EQ(run.Find("obj_App", "", 0), nullptr);
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(run.ExitCode(), 0);
  }
}

// Any other first argument names a job file to open: one that does not
// exist gets the message the open dialog's choice would get, and the editor
// then starts without a file.
TEST(ProgramStart, AnyOtherCommandLineStartsTheEditorWhichEndsWithCodeZero) {
  const std::pair<std::string, std::string> runs[] = {
      {"/IH", "/IH"}, {"/ihx", "/ihx"}, {"job.CSV /ih", "job.CSV"}, {"\"no such.CSV\"", "no such.CSV"}, {"", ""}};
  for (const auto& [arguments, file] : runs) {
    SCOPED_TRACE(arguments);
    TProgramRun run(ZR_EDITOR_EXE, arguments);
    ASSERT_TRUE(run.Started) << ZR_EDITOR_EXE;
    if (!file.empty()) {
      HWND box = run.Find("#32770", "File stream Error");
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "File <" + file + "> not found!");
      SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
    HWND form = run.Find("obj_Form", "ZR780K Editor");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(run.Find("#32770", "Volmar Info", 0), nullptr);
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.ExitCode(), 0);
    EXPECT_FALSE(IsWindow(form));
  }
}

}  // namespace
