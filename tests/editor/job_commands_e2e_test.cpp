// "Распределить", "Проверить", "Панель плат…" and "Питатели из задания…" in
// the built editor, driven from outside as a user would: the menu, the
// dialogs and boxes, the keys, and what the tables, the findings window and
// the panel window show.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "job/job_file.h"
#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "tests/editor/screen_shot.h"
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

// Rows of one part kind with no feeder are one finding; Enter on it selects
// the first of them.
TEST(JobCommandsRun, AGroupedFindingNamesItsRowsAndEnterSelectsTheFirst) {
  TTempDir temp;
  JobTables job = ReadJobFile(ReadWholeFile(JobSamplePath("feeders.CSV")));
  job.Components = {SplitRow("R1,1,1,10,10,0,0,0603 10k", kComponentColumns),
                    SplitRow("C1,1,,20,10,0,0,100n 0603", kComponentColumns),
                    SplitRow("C2,1,2,30,10,0,0,100n 0603", kComponentColumns),
                    SplitRow("C3,1,,40,10,0,0,100N; 0603", kComponentColumns),
                    SplitRow("C5,1,,50,10,0,0,100n  0603", kComponentColumns)};
  const std::string path = temp.File("kinds.CSV");
  WriteWholeFile(path, WriteJobFile(job));

  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(path));
  editor.Command(TEditorDriver::kCheck);
  HWND window = FindCaptioned(editor, "Проверка задания");
  ASSERT_NE(window, nullptr);
  HWND list = ListIn(window);
  ASSERT_TRUE(editor.WaitRows(list, 1));
  ASSERT_EQ(editor.Rows(list),
            std::vector<JobRow>({{"ошибка", "Компоненты", "2", "Питатель",
                                  "Питатель: пустая ячейка — 3 строки: C1, C3, C5"}}));
  std::vector<std::string> labels;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        reinterpret_cast<std::vector<std::string>*>(param)->push_back(WindowText(child));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&labels));
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Ошибок: 3, предупреждений: 0"), labels.end());

  HWND components = editor.Table(kComponentColumns);
  ASSERT_NE(TEditorDriver::SelectedRow(components), 1);
  PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(WaitUntil([&] { return TEditorDriver::SelectedRow(components) == 1; }));
}

// The feeders of another job in place of the job's own: a file that is no
// job file is told and changes nothing; a job's two feeder tables come as
// one change, told in a box, that one Ctrl+Z takes back.
TEST(JobCommandsRun, FeedersFromAnotherJobReplaceBothFeederTablesAsOneChange) {
  constexpr char kCaption[] = "Питатели из задания";
  TTempDir temp;
  const std::string notAJob = temp.File("parts.csv");
  WriteWholeFile(notAJob, "Designator,X,Y\r\nR1,1,2\r\n");
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(JobSamplePath("panel.CSV")));
  const JobTables opened = editor.Tables();

  ASSERT_TRUE(editor.ChooseFile(TEditorDriver::kFeedersFromJob, kCaption, WindowsPath(notAJob)));
  EXPECT_EQ(editor.AnswerBox(kCaption),
            "Файл parts.csv — не файл задания: в нём нет таблиц питателей.\r\nПитатели задания не изменились.");
  EXPECT_EQ(editor.Tables(), opened);
  EXPECT_EQ(editor.Text(editor.Form), "panel.CSV - ZR780K Editor");

  ASSERT_TRUE(editor.ChooseFile(TEditorDriver::kFeedersFromJob, kCaption, WindowsPath(JobSamplePath("feeders.CSV"))));
  EXPECT_EQ(editor.AnswerBox(kCaption), "Питателей: 3, особых питателей: 1 — из feeders.CSV");
  const JobTables other = ReadJobFile(ReadWholeFile(JobSamplePath("feeders.CSV")));
  JobTables replaced = opened;
  replaced.Feeders = other.Feeders;
  replaced.SpecialFeeders = other.SpecialFeeders;
  ASSERT_TRUE(editor.WaitRows(editor.Table(kFeederColumns), 3));
  EXPECT_EQ(editor.Tables(), replaced);
  EXPECT_EQ(editor.WaitTitle("*panel.CSV - ZR780K Editor"), "*panel.CSV - ZR780K Editor");

  ASSERT_TRUE(editor.ClickRow(editor.Table(kComponentColumns), 0));
  editor.PressKeys({VK_CONTROL, 'Z'});
  EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == opened; }));
  EXPECT_EQ(editor.Tables(), opened);
  EXPECT_EQ(editor.WaitTitle("panel.CSV - ZR780K Editor"), "panel.CSV - ZR780K Editor");
}

// The edit boxes of a window, top to bottom.
std::vector<HWND> FieldsOf(HWND window) {
  std::vector<HWND> fields;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM param) -> BOOL {
        const std::string name = WindowClass(child);
        if (lstrcmpiA(name.c_str(), "Edit") == 0 || lstrcmpiA(name.c_str(), "obj_EDIT") == 0)
          reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&fields));
  auto top = [](HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r.top;
  };
  std::sort(fields.begin(), fields.end(), [&](HWND a, HWND b) { return top(a) < top(b); });
  return fields;
}

// Types digits and minus signs as keys (the same on any keyboard layout),
// then presses `end` (Tab to the next field, Enter for OK).
void Type(TEditorDriver& editor, const std::string& text, WORD end) {
  for (char c : text) editor.PressKeysInActive({c == '-' ? static_cast<WORD>(VK_OEM_MINUS) : static_cast<WORD>(c)});
  editor.PressKeysInActive({end});
}

TEST(JobCommandsRun, PanelFillsTheBoardTableAsOneChangeAndABadFieldKeepsTheWindow) {
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(JobSamplePath("panel.CSV")));
  const JobTables opened = editor.Tables();
  ASSERT_EQ(opened.Boards.size(), 4u);
  HWND boards = editor.Table(kBoardColumns);

  // Действия → Панель плат… by keys: the menu bar, its second menu, its third item.
  editor.PressKeys({VK_F10});
  for (WORD key : {VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) editor.PressKeysInActive({key});
  HWND window = FindCaptioned(editor, "Панель плат");
  ASSERT_NE(window, nullptr);
  const std::vector<HWND> fields = FieldsOf(window);
  ASSERT_EQ(fields.size(), 7u);
  EXPECT_FALSE(IsWindowEnabled(editor.Form)) << "the main window waits for the panel";
  ASSERT_TRUE(WaitUntil([&] { return editor.HasFocus(fields[0]); }));

  // Each field typed over (its text is selected on entry), Tab to the next;
  // board 9 of a 2 x 3 panel is told by the field's name.
  const char* values[] = {"2", "3", "100", "100", "-10", "5"};
  for (const char* value : values) Type(editor, value, VK_TAB);
  Type(editor, "9", VK_TAB);
  // Typed keys come after the messages sent: wait for them to arrive.
  ASSERT_TRUE(WaitUntil([&] { return TEditorDriver::Text(fields[6]) == "9" && !editor.HasFocus(fields[6]); }));
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_TRUE(TScreenShot::Of(window).Save(ZR_SHOT_DIR "/editor-panel-window.bmp"));
  editor.PressKeysInActive({VK_RETURN});
  EXPECT_EQ(editor.AnswerBox("Панель плат"), "Пропустить платы: платы 9 нет: номера от 1 до 6");
  EXPECT_TRUE(IsWindowVisible(window)) << "the window stays";
  EXPECT_TRUE(WaitUntil([&] { return editor.HasFocus(fields[6]); })) << "with the wrong field focused";
  EXPECT_EQ(editor.Tables(), opened);

  Type(editor, "4", VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }));
  JobTables panel = opened;
  panel.Boards = {{"1", "-10", "5", "0"}, {"2", "90", "5", "0"},   {"3", "-10", "105", "0"},
                  {"4", "90", "105", "1"}, {"5", "-10", "205", "0"}, {"6", "90", "205", "0"}};
  ASSERT_TRUE(editor.WaitRows(boards, 6));
  EXPECT_EQ(editor.Tables(), panel);
  EXPECT_TRUE(IsWindowEnabled(editor.Form));
  EXPECT_EQ(editor.WaitTitle("*panel.CSV - ZR780K Editor"), "*panel.CSV - ZR780K Editor");
  ASSERT_TRUE(editor.Sync());
  EXPECT_TRUE(TScreenShot::Of(editor.Form).Save(ZR_SHOT_DIR "/editor-panel.bmp"));

  // One Ctrl+Z brings the old boards back, Ctrl+Y the panel again.
  editor.PressKeys({VK_CONTROL, 'Z'});
  EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == opened; }));
  EXPECT_EQ(editor.Tables(), opened);
  EXPECT_EQ(editor.WaitTitle("panel.CSV - ZR780K Editor"), "panel.CSV - ZR780K Editor");
  editor.PressKeys({VK_CONTROL, 'Y'});
  EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == panel; }));

  // Shown again, the window holds the last panel; Esc changes nothing.
  editor.Command(TEditorDriver::kPanel);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) && editor.HasFocus(fields[0]); }));
  EXPECT_EQ(TEditorDriver::Text(fields[1]), "3");
  EXPECT_EQ(TEditorDriver::Text(fields[6]), "4");
  Type(editor, "7", VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }));
  ASSERT_TRUE(editor.Sync());
  EXPECT_EQ(editor.Tables(), panel);
}

}  // namespace
