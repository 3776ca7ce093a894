// The built program, started as a user would start it: the information
// switch, and every other command line, which starts the editor.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/job_file.h"
#include "tests/support/files.h"
#include "tests/support/program.h"
#include "tests/support/temp_dir.h"
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
// then starts without a file. A switch meant for another program is no file
// name unless a file has that name: the editor starts without a word.
TEST(ProgramStart, AnyOtherCommandLineStartsTheEditorWhichEndsWithCodeZero) {
  TTempDir temp;
  WriteWholeFile(temp.File("-x"), WriteJobFile(JobTables{}));
  const std::string title = "ZR780K Editor";
  struct TRun {
    std::string Arguments, Missing, Title;  // Missing: the file the box names, if any
  };
  const TRun runs[] = {{"/IH", "", title},
                       {"/ihx", "", title},
                       {"-ih", "", title},
                       {"-x", "", "-x - " + title},
                       {"job.CSV /ih", "job.CSV", title},
                       {"\"no such.CSV\"", "no such.CSV", title},
                       {"/a1", "/a1", title},
                       {"", "", title}};
  for (const TRun& expected : runs) {
    SCOPED_TRACE(expected.Arguments);
    TProgramRun run(ZR_EDITOR_EXE, expected.Arguments, temp.Path);  // the folder that holds -x
    ASSERT_TRUE(run.Started) << ZR_EDITOR_EXE;
    if (!expected.Missing.empty()) {
      HWND box = run.Find("#32770", "File stream Error");
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "File <" + expected.Missing + "> not found!");
      SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
    HWND form = run.Find("obj_Form", expected.Title);
    ASSERT_NE(form, nullptr);
    DWORD_PTR ignored = 0;
    ASSERT_NE(SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, 15000, &ignored), 0) << "the start is over";
    EXPECT_EQ(run.Find("#32770", "", 0), nullptr) << "no box";
    PostMessageA(form, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.ExitCode(), 0);
    EXPECT_FALSE(IsWindow(form));
  }
}

}  // namespace
