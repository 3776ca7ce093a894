// "Распределить" and "Проверить" in the built editor, driven from outside as
// a user would: the menu, the summary box, the keys, and what the tables
// and the findings window show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "job/job_file.h"
#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"

namespace {

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

}  // namespace
