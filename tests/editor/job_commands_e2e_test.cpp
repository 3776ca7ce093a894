// "Распределить" and "Проверить" in the built editor, driven from outside as
// a user would: the menu, the summary box, the keys, and what the tables
// and the findings window show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/job_file.h"
#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/support/window_text.h"

namespace {

// The editor's visible top-level window with that caption, whatever its class.
HWND FindCaptioned(TEditorDriver& editor, const std::string& caption) {
  struct TFind {
    DWORD Process;
    const std::string& Caption;
    HWND Found;
  } find{editor.Program.Info.dwProcessId, caption, nullptr};
  WaitUntil([&] {
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
          auto* f = reinterpret_cast<TFind*>(param);
          DWORD process = 0;
          GetWindowThreadProcessId(window, &process);
          if (process != f->Process || !IsWindowVisible(window) || WindowText(window) != f->Caption) return TRUE;
          f->Found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&find));
    return find.Found != nullptr;
  });
  return find.Found;
}

// The first list view inside the window.
HWND ListIn(HWND window) {
  HWND found = nullptr;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        const std::string name = WindowClass(child);
        if (lstrcmpiA(name.c_str(), "SysListView32") != 0 && lstrcmpiA(name.c_str(), "obj_SysListView32") != 0)
          return TRUE;
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST(JobCommandsRun, DistributeGivesFeedersAsOneChangeThatOneUndoTakesBack) {
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(JobSamplePath("feeders.CSV")));
  const JobTables opened = ReadJobFile(ReadWholeFile(JobSamplePath("feeders.CSV")));
  ASSERT_EQ(editor.Tables(), opened);

  editor.Command(TEditorDriver::kDistribute);
  const std::optional<std::string> summary = editor.AnswerBox("Распределить");
  ASSERT_TRUE(summary.has_value());
  EXPECT_EQ(*summary,
            "Питатель назначен: 5 строк.\r\n"
            "Свой питатель сохранили: 2 строки.\r\n"
            "Питатель не найден: 1 строка:\r\n"
            "  «разъём»: 1\r\n"
            "С пропуском, не тронуты: 1 строка.\r\n");

  // Rows that name an existing feeder, the skipped row and the one no
  // feeder fits keep every cell; an empty nozzle takes the one most used
  // with the feeder, a set nozzle stays.
  JobTables assigned = opened;
  assigned.Components[1][1] = "2", assigned.Components[1][2] = "1";  // R2: "резистор 10K 0603"
  assigned.Components[2][2] = "1";                                   // R3 named feeder 9, which is none
  assigned.Components[3][1] = "1", assigned.Components[3][2] = "2";  // C1: "0603 100n"
  assigned.Components[5][2] = "5";                                   // D1: no row named feeder 5 before
  assigned.Components[6][2] = "80";                                  // U1: a special feeder
  EXPECT_EQ(editor.Tables(), assigned);
  EXPECT_EQ(editor.WaitTitle("*feeders.CSV - ZR780K Editor"), "*feeders.CSV - ZR780K Editor");

  HWND components = editor.Table(kComponentColumns);
  ASSERT_TRUE(editor.ClickRow(components, 0));
  editor.PressKeys({VK_CONTROL, 'Z'});
  EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == opened; }));
  EXPECT_EQ(editor.Tables(), opened);
  EXPECT_EQ(editor.WaitTitle("feeders.CSV - ZR780K Editor"), "feeders.CSV - ZR780K Editor");
}

TEST(JobCommandsRun, CheckListsThePlantedErrorAndEnterSelectsItsRow) {
  TTempDir temp;
  JobTables job = ReadJobFile(ReadWholeFile(JobSamplePath("basic.CSV")));
  job.Components[3][3] = "8x9.61";  // X of Q4, row 4
  const std::string path = temp.File("planted.CSV");
  WriteWholeFile(path, WriteJobFile(job));

  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(path));
  editor.PressKeys({VK_F7});
  HWND window = FindCaptioned(editor, "Проверка задания");
  ASSERT_NE(window, nullptr);
  HWND list = ListIn(window);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(editor.WaitRows(list, 1));
  const std::vector<std::string> captions = {"Вид", "Таблица", "Строка", "Столбец", "Замечание"};
  ASSERT_EQ(TEditorDriver::ColumnCount(list), captions.size());
  for (int c = 0; c < 5; ++c) EXPECT_EQ(editor.ColumnCaption(list, c), captions[c]);
  const JobRow finding = editor.Rows(list)[0];
  EXPECT_EQ(finding[0], "ошибка");
  EXPECT_EQ(finding[1], "Компоненты");
  EXPECT_EQ(finding[2], "4");
  EXPECT_EQ(finding[3], "X");
  EXPECT_NE(finding[4].find("8x9.61"), std::string::npos) << finding[4];

  // Enter on the finding (the keys as the list view gets them) selects its
  // row in the component table.
  HWND components = editor.Table(kComponentColumns);
  ASSERT_NE(TEditorDriver::SelectedRow(components), 3);
  PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(WaitUntil([&] { return TEditorDriver::SelectedRow(components) == 3; }));
}

}  // namespace
