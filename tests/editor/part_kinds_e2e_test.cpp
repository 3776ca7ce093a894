// "Детали по видам…" in the built editor on a board's job (KiCad 7, its top
// side imported), driven from outside as a user would: F8, the cell
// editor's keys, the question about a missing feeder, Ctrl+Z in the main
// window; and what the tables and the window show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/part_kinds.h"
#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "tests/editor/screen_shot.h"
#include "tests/support/wait.h"
#include "tests/support/window_text.h"

namespace {

// The editor's visible top-level window with that caption.
HWND FindCaptioned(TEditorDriver& editor, const std::string& caption) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT)) {
      DWORD process = 0;
      GetWindowThreadProcessId(w, &process);
      if (process == editor.Program.Info.dwProcessId && IsWindowVisible(w) && WindowText(w) == caption) found = w;
    }
    return found != nullptr;
  });
  return found;
}

HWND ListIn(HWND window) {
  HWND found = nullptr;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        if (lstrcmpiA(WindowClass(child).c_str(), "obj_SysListView32") != 0) return TRUE;
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The window's lines as job/ makes them from the tables: "Вид" to "Сопло".
JobTable ExpectedLines(const JobTables& job) {
  JobTable lines;
  for (const TPartKind& k : PartKinds(job))
    lines.push_back({k.Kind, std::to_string(k.Place), std::to_string(k.PerPanel), k.Skip, k.Feeder, k.Nozzle});
  return lines;
}

JobTable ShownLines(TEditorDriver& editor, HWND list) {
  JobTable lines = editor.Rows(list);
  for (JobRow& line : lines) line.resize(6);
  return lines;
}

// Opens the cell editor on the current line (the focus goes to "Питатель"),
// types the feeder and presses Enter.
void GiveFeeder(TEditorDriver& editor, HWND list, const std::string& feeder) {
  editor.PressKeysInActive({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return TEditorDriver::CellBoxes(list).size() == 7; }));
  HWND box = TEditorDriver::CellBoxes(list)[4];
  ASSERT_TRUE(WaitUntil([&] { return editor.HasFocus(box); }));
  TEditorDriver::SendText(box, feeder);
  editor.PressKeysInActive({VK_RETURN});
}

// The board's job opened and given its feeders by "Распределить"; the
// tables then.
bool OpenDistributed(TEditorDriver& editor, JobTables& distributed) {
  if (!editor.Started() || !editor.Open(JobSamplePath("board.CSV"))) return false;
  editor.Command(TEditorDriver::kDistribute);
  if (!editor.AnswerBox("Распределить")) return false;
  distributed = editor.Tables();
  return true;
}

TEST(PartKindsRun, AKindGivenAFeederIsOneChangeWithItsFeederRowAndOneUndoTakesItBack) {
  TEditorDriver editor;
  JobTables distributed;
  ASSERT_TRUE(OpenDistributed(editor, distributed));

  editor.PressKeys({VK_F8});
  HWND window = FindCaptioned(editor, "Детали задания");
  ASSERT_NE(window, nullptr);
  HWND list = ListIn(window);
  ASSERT_NE(list, nullptr);
  const JobTable lines = ExpectedLines(distributed);
  ASSERT_TRUE(editor.WaitRows(list, static_cast<int>(lines.size())));
  const char* captions[] = {"Вид", "Ставить", "На панель", "Пропуск", "Питатель", "Сопло", "Позиции"};
  for (int c = 0; c < 7; ++c) EXPECT_EQ(editor.ColumnCaption(list, c), captions[c]);
  EXPECT_EQ(ShownLines(editor, list), lines);
  ASSERT_TRUE(editor.Sync());
  EXPECT_TRUE(TScreenShot::Of(window).Save(ZR_SHOT_DIR "/editor-part-kinds.bmp"));

  // The first line is the largest kind with no feeder. Feeder 7 is in no
  // table: Отмена changes nothing, Да adds it with the kind's comment.
  const TPartKind first = PartKinds(distributed).front();
  ASSERT_TRUE(first.NeedsFeeder);
  GiveFeeder(editor, list, "7");
  EXPECT_EQ(editor.AnswerBox("Детали задания", IDCANCEL), "Питателя 7 нет. Добавить его в таблицу питателей?");
  EXPECT_EQ(editor.Tables(), distributed);
  EXPECT_EQ(editor.Cell(list, 0, 4), "");
  GiveFeeder(editor, list, "7");
  ASSERT_TRUE(editor.AnswerBox("Детали задания", IDYES).has_value());
  JobTables given = distributed;
  for (size_t r : first.Rows) given.Components[r][kComponentFeederColumn] = "7";
  JobRow feeder7(kFeederColumns);
  feeder7[kFeederNumberColumn] = "7", feeder7[kFeederCommentColumn] = first.Kind;
  given.Feeders.push_back(feeder7);
  EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == given; }));
  EXPECT_EQ(editor.Tables(), given);
  // The window follows: the kind has its feeder and goes below the kinds
  // that need one.
  EXPECT_TRUE(WaitUntil([&] { return ShownLines(editor, list) == ExpectedLines(given); }));

  // Feeder 6 exists with no comment: it takes the next kind's (now on the
  // first line), no question.
  const TPartKind second = PartKinds(given).front();
  GiveFeeder(editor, list, "6");
  JobTables commented = given;
  for (size_t r : second.Rows) commented.Components[r][kComponentFeederColumn] = "6";
  commented.Feeders[5][kFeederCommentColumn] = second.Kind;
  EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == commented; }));
  EXPECT_EQ(editor.Tables(), commented);

  // Enter on "Вид" selects the kind's first row in the component table.
  // After a kind is given its feeder, the line where it stood is current,
  // and editing goes on there: Escape leaves it first.
  editor.PressKeysInActive({VK_ESCAPE});
  ASSERT_TRUE(WaitUntil([&] { return TEditorDriver::CellBoxes(list).empty(); }));
  editor.PressKeysInActive({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return TEditorDriver::CellBoxes(list).size() == 7; }));
  for (int i = 0; i < 4; ++i) editor.PressKeysInActive({VK_SHIFT, VK_TAB});
  ASSERT_TRUE(WaitUntil([&] { return editor.HasFocus(TEditorDriver::CellBoxes(list)[0]); }));
  editor.PressKeysInActive({VK_RETURN});
  HWND components = editor.Table(kComponentColumns);
  const int pickedRow = static_cast<int>(PartKinds(commented).front().Rows.front());
  EXPECT_TRUE(WaitUntil([&] { return TEditorDriver::SelectedRow(components) == pickedRow; }));

  // One Ctrl+Z in the main window for each change.
  ASSERT_TRUE(editor.ClickRow(components, pickedRow));
  editor.PressKeys({VK_CONTROL, 'Z'});
  EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == given; }));
  editor.PressKeys({VK_CONTROL, 'Z'});
  EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == distributed; }));
  EXPECT_EQ(editor.Tables(), distributed);
  EXPECT_TRUE(WaitUntil([&] { return ShownLines(editor, list) == lines; }));
}

// Two kinds selected with Shift and an arrow, one line edited: both take the
// nozzle and the feeder typed in one change, asked about once, and one Ctrl+Z
// in the main window takes it all back.
TEST(PartKindsRun, SeveralKindsTakeOneCommitAsOneChange) {
  TEditorDriver editor;
  JobTables distributed;
  ASSERT_TRUE(OpenDistributed(editor, distributed));
  const std::vector<TPartKind> kinds = PartKinds(distributed);
  ASSERT_GE(kinds.size(), 3u);

  editor.PressKeys({VK_F8});
  HWND window = FindCaptioned(editor, "Детали задания");
  ASSERT_NE(window, nullptr);
  HWND list = ListIn(window);
  ASSERT_TRUE(editor.WaitRows(list, static_cast<int>(kinds.size())));
  ASSERT_TRUE(WaitUntil([&] { return editor.HasFocus(list); }));
  editor.PressKeysInActive({VK_SHIFT, VK_DOWN});
  ASSERT_TRUE(WaitUntil([&] { return SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) == 2; }));

  // The line edited is the second, the current one: the feeder row added
  // takes the first kind's comment all the same.
  editor.PressKeysInActive({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return TEditorDriver::CellBoxes(list).size() == 7; }));
  ASSERT_TRUE(WaitUntil([&] { return editor.HasFocus(TEditorDriver::CellBoxes(list)[4]); }));
  TEditorDriver::SendText(TEditorDriver::CellBoxes(list)[4], "77");
  TEditorDriver::SendText(TEditorDriver::CellBoxes(list)[5], "9");
  editor.PressKeysInActive({VK_RETURN});
  EXPECT_EQ(editor.AnswerBox("Детали задания", IDYES), "Питателя 77 нет. Добавить его в таблицу питателей?");
  JobTables given = distributed;
  for (size_t k : {0, 1})
    for (size_t r : kinds[k].Rows) {
      given.Components[r][kComponentFeederColumn] = "77";
      given.Components[r][kComponentNozzleColumn] = "9";
    }
  JobRow feeder77(kFeederColumns);
  feeder77[kFeederNumberColumn] = "77", feeder77[kFeederCommentColumn] = kinds[0].Kind;
  given.Feeders.push_back(feeder77);
  EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == given; }));
  EXPECT_EQ(editor.Tables(), given);
  EXPECT_TRUE(WaitUntil([&] { return ShownLines(editor, list) == ExpectedLines(given); }));

  editor.PressKeysInActive({VK_ESCAPE});
  ASSERT_TRUE(WaitUntil([&] { return TEditorDriver::CellBoxes(list).empty(); }));
  ASSERT_TRUE(editor.ClickRow(editor.Table(kComponentColumns), 0));
  editor.PressKeys({VK_CONTROL, 'Z'});
  EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == distributed; }));
  EXPECT_EQ(editor.Tables(), distributed);
}

}  // namespace
