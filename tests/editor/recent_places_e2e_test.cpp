// The built editor remembers where the user was, across starts: the recent
// jobs at the end of "Файл", the place of the main window (maximized or
// not) and of the check's window, and the widths of the tables' columns.
// Each run of the editor is a new process over the same settings folder.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"

namespace {

const std::string kTitle = TEditorDriver::kAppTitle;

std::string SettingsFile(const TTempDir& settings) { return settings.File("ZR780K Editor\\settings.ini"); }

std::string Setting(const TTempDir& settings, const char* section, const std::string& key) {
  char text[1024] = {};
  GetPrivateProfileStringA(section, key.c_str(), "", text, sizeof text, SettingsFile(settings).c_str());
  return text;
}
int IntSetting(const TTempDir& settings, const char* section, const char* key) {
  return static_cast<int>(GetPrivateProfileIntA(section, key, -1, SettingsFile(settings).c_str()));
}
void WriteSetting(const TTempDir& settings, const char* section, const std::string& key, const std::string& value) {
  CreateDirectoryA(settings.File("ZR780K Editor").c_str(), nullptr);
  WritePrivateProfileStringA(section, key.c_str(), value.c_str(), SettingsFile(settings).c_str());
}

std::vector<std::string> RecentJobs(const TTempDir& settings) {
  std::vector<std::string> jobs;
  for (int i = 1; i <= 9; ++i)
    if (std::string job = Setting(settings, "Recent", "File" + std::to_string(i)); !job.empty()) jobs.push_back(job);
  return jobs;
}

// Closes the editor as the user does and waits until it has ended (its
// settings are written by then).
bool CloseEditor(TEditorDriver& editor) {
  PostMessageA(editor.Form, WM_CLOSE, 0, 0);
  return editor.WaitExit();
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

TEST(RecentJobsRun, OpenedAndSavedJobsComeFirstAreKeptAcrossStartsAndOpenAgain) {
  TTempDir temp, settings;
  const std::string basic = ReadWholeFile(JobSamplePath("basic.CSV"));
  for (const char* name : {"a.CSV", "b.CSV"}) WriteWholeFile(temp.File(name), basic);
  // Remembered from before: the list is full, so the oldest two go.
  for (int i = 1; i <= 8; ++i) WriteSetting(settings, "Recent", "File" + std::to_string(i), temp.File("old" + std::to_string(i) + ".CSV"));

  {
    TEditorDriver editor("", settings.Path);
    ASSERT_TRUE(editor.Started());
    ASSERT_TRUE(editor.Open(temp.File("a.CSV")));
    ASSERT_TRUE(editor.Open(temp.File("b.CSV")));
    ASSERT_TRUE(editor.Save(temp.File("c.CSV")));
    ASSERT_TRUE(CloseEditor(editor));
  }
  EXPECT_EQ(RecentJobs(settings),
            (std::vector<std::string>{temp.File("c.CSV"), temp.File("b.CSV"), temp.File("a.CSV"), temp.File("old1.CSV"),
                                      temp.File("old2.CSV"), temp.File("old3.CSV"), temp.File("old4.CSV"),
                                      temp.File("old5.CSV")}));

  TEditorDriver editor("", settings.Path);
  ASSERT_TRUE(editor.Started());
  // The third item, a.CSV, after an unsaved change: the close question
  // first; Отмена keeps everything, Нет opens the job.
  ASSERT_TRUE(editor.Open(temp.File("b.CSV")));
  HWND components = editor.Table(kComponentColumns);
  ASSERT_TRUE(editor.ClickRow(components, 0));
  editor.PressKeys({VK_CONTROL, VK_DELETE});
  ASSERT_EQ(editor.WaitTitle("*b.CSV - " + kTitle), "*b.CSV - " + kTitle);
  // The list is b, c, a now.
  editor.Command(TEditorDriver::kRecentFirst + 2);
  EXPECT_EQ(editor.AnswerBox(kTitle, IDCANCEL), "Сохранить изменения?");
  EXPECT_EQ(editor.WaitTitle("*b.CSV - " + kTitle), "*b.CSV - " + kTitle);
  editor.Command(TEditorDriver::kRecentFirst + 2);
  EXPECT_EQ(editor.AnswerBox(kTitle, IDNO), "Сохранить изменения?");
  // The job opens as the open dialog opens it (its rows after those held).
  const auto namesA = [&] { return editor.Text(editor.Form).find("a.CSV - " + kTitle) != std::string::npos; };
  EXPECT_TRUE(WaitUntil(namesA)) << editor.Text(editor.Form);
  EXPECT_EQ(RecentJobs(settings).front(), temp.File("a.CSV"));

  // A job gone from the disk is told, and its item goes (a, b, c: c is third).
  DeleteFileA(temp.File("c.CSV").c_str());
  editor.Command(TEditorDriver::kRecentFirst + 2);
  EXPECT_EQ(editor.AnswerBox(kTitle, IDNO), "Сохранить изменения?");
  EXPECT_EQ(editor.AnswerBox("File stream Error"), "File <" + temp.File("c.CSV") + "> not found!");
  EXPECT_TRUE(namesA());
  const std::vector<std::string> left = RecentJobs(settings);
  ASSERT_EQ(left.size(), 7u);
  EXPECT_EQ(left[1], temp.File("b.CSV"));
  EXPECT_EQ(left[2], temp.File("old1.CSV"));
}

TEST(WindowPlacesRun, TheWindowsAndColumnsComeBackWhereTheyWereLeft) {
  TTempDir settings;
  const RECT moved{60, 50, 60 + 900, 50 + 640};
  const RECT checkMoved{300, 200, 300 + 500, 200 + 300};
  constexpr int kNameWidth = 143;  // the component table's last column, "Name"
  {
    TEditorDriver editor("", settings.Path);
    ASSERT_TRUE(editor.Started());
    SetWindowPos(editor.Form, nullptr, moved.left, moved.top, moved.right - moved.left, moved.bottom - moved.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(editor.Table(kComponentColumns), LVM_SETCOLUMNWIDTH, kComponentColumns - 1, kNameWidth);
    editor.Command(TEditorDriver::kCheck);
    HWND check = editor.FindTopLevel("obj_Form", "Проверка задания", 10000);
    ASSERT_NE(check, nullptr);
    SetWindowPos(check, nullptr, checkMoved.left, checkMoved.top, 500, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(editor.Sync());
    ASSERT_TRUE(CloseEditor(editor));
  }
  EXPECT_EQ(IntSetting(settings, "Window", "Left"), moved.left);
  EXPECT_EQ(IntSetting(settings, "Window", "Width"), 900);
  EXPECT_EQ(IntSetting(settings, "Window", "Maximized"), 0);
  EXPECT_EQ(IntSetting(settings, "Window.Check", "Top"), checkMoved.top);
  EXPECT_NE(Setting(settings, "Columns", "Components").find("," + std::to_string(kNameWidth)), std::string::npos);

  {  // Back at its place, then left maximized.
    TEditorDriver editor("", settings.Path);
    ASSERT_TRUE(editor.Started());
    EXPECT_TRUE(WaitUntil([&] { return SameRect(WindowRect(editor.Form), moved); }));
    EXPECT_EQ(SendMessageA(editor.Table(kComponentColumns), LVM_GETCOLUMNWIDTH, kComponentColumns - 1, 0), kNameWidth);
    editor.Command(TEditorDriver::kCheck);
    HWND check = editor.FindTopLevel("obj_Form", "Проверка задания", 10000);
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(SameRect(WindowRect(check), checkMoved));
    ShowWindow(editor.Form, SW_MAXIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsZoomed(editor.Form) != 0; }));
    ASSERT_TRUE(CloseEditor(editor));
  }
  EXPECT_EQ(IntSetting(settings, "Window", "Maximized"), 1);
  EXPECT_EQ(IntSetting(settings, "Window", "Left"), moved.left) << "the normal place is kept";

  {  // Maximized again; restored, at the normal place.
    TEditorDriver editor("", settings.Path);
    ASSERT_TRUE(editor.Started());
    EXPECT_TRUE(WaitUntil([&] { return IsZoomed(editor.Form) != 0; }));
    ShowWindow(editor.Form, SW_RESTORE);
    EXPECT_TRUE(WaitUntil([&] { return SameRect(WindowRect(editor.Form), moved); }));
    ASSERT_TRUE(CloseEditor(editor));
  }

  // A place no screen shows any more (a monitor gone) comes back onto the
  // screen, whole.
  WriteSetting(settings, "Window", "Left", "5000");
  WriteSetting(settings, "Window", "Top", "-3000");
  TEditorDriver editor("", settings.Path);
  ASSERT_TRUE(editor.Started());
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_TRUE(WaitUntil([&] {
    RECT r = WindowRect(editor.Form), inside{};
    return IntersectRect(&inside, &r, &work) && SameRect(inside, r);
  })) << WindowRect(editor.Form).left << "," << WindowRect(editor.Form).top;
}

}  // namespace
