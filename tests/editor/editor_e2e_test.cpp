// The built editor, started and driven from outside as a user would drive it:
// its window, opening and saving every sample job file through the real
// dialogs, the component search, the help box and the commands that do
// nothing.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "job/job_file.h"
#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "tests/support/temp_dir.h"
#include "tests/support/window_text.h"

namespace {

// Every top-level window the editor shows, visible or not.
int TopLevelWindows(DWORD process) {
  struct TCount {
    DWORD Process;
    int Count;
  } count{process, 0};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* c = reinterpret_cast<TCount*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == c->Process && IsWindowVisible(window)) ++c->Count;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.Count;
}

TEST(EditorRun, StartsWithFourEmptyTablesTheSearchBoxAndItsCaption) {
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  HWND feeders = editor.Table(kFeederColumns);
  HWND specials = editor.Table(kSpecialFeederColumns);
  HWND boards = editor.Table(kBoardColumns);
  HWND components = editor.Table(kComponentColumns);
  ASSERT_TRUE(feeders && specials && boards && components);
  for (HWND table : {feeders, specials, boards, components}) EXPECT_EQ(editor.RowCount(table), 0);
  EXPECT_EQ(editor.ColumnCaption(feeders, 0), "№ Питателя");
  EXPECT_EQ(editor.ColumnCaption(feeders, 9), "Размер по X");
  EXPECT_EQ(editor.ColumnCaption(specials, 19), "Чипов по Х");
  EXPECT_EQ(editor.ColumnCaption(specials, 23), "Коммент");
  EXPECT_EQ(editor.ColumnCaption(boards, 0), "№платы");
  EXPECT_EQ(editor.ColumnCaption(components, 5), "Угол");

  // Feeders across the top, special feeders below, components down the
  // left, the board table and the search box at their own places; aligned
  // controls keep the form's margin of 2 pixels around each.
  const int m = 2;
  RECT client{};
  GetClientRect(editor.Form, &client);
  RECT f = WindowBoundsIn(feeders, editor.Form), s = WindowBoundsIn(specials, editor.Form);
  RECT c = WindowBoundsIn(components, editor.Form), b = WindowBoundsIn(boards, editor.Form);
  EXPECT_EQ(f.left, m);
  EXPECT_EQ(f.top, m);
  EXPECT_EQ(f.right, client.right - m);
  EXPECT_EQ(f.bottom - f.top, 165);
  EXPECT_EQ(s.top, f.bottom + m);
  EXPECT_EQ(s.right, client.right - m);
  EXPECT_EQ(s.bottom - s.top, 182);
  EXPECT_EQ(c.left, m);
  EXPECT_EQ(c.top, s.bottom + m);
  EXPECT_EQ(c.bottom, client.bottom - m);
  EXPECT_EQ(c.right - c.left, 642);
  EXPECT_EQ(b.left, 740);
  EXPECT_EQ(b.top, 347);
  EXPECT_EQ(b.right - b.left, 302);

  HWND search = editor.SearchBox();
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(editor.Text(search), "Edit");
  EXPECT_EQ(WindowBoundsIn(search, editor.Form).left, 650);
  int visibleLabels = 0;
  std::vector<std::string> hidden;
  for (HWND label : editor.Children("Static")) {
    if (IsWindowVisible(label)) {
      ++visibleLabels;
      EXPECT_EQ(editor.Text(label), "Поиск компонентов");
    } else {
      hidden.push_back(editor.Text(label));
    }
  }
  EXPECT_EQ(visibleLabels, 1);
  ASSERT_EQ(hidden.size(), 2u);
  EXPECT_EQ(hidden[0], "1");
  EXPECT_EQ(hidden[1].find("http://"), 0u);
}

class SampleRoundTrip : public ::testing::TestWithParam<std::string> {};

// Open into an empty editor, then save: the tables show what the file's rows
// hold, and the saved bytes are those of NAME.saved.
TEST_P(SampleRoundTrip, OpensIntoTheTablesAndSavesTheExpectedBytes) {
  const std::string name = GetParam();
  const std::string saved = ReadWholeFile(JobSamplePath(name + ".saved"));
  TTempDir temp;
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());

  ASSERT_TRUE(editor.Open(JobSamplePath(name)));
  EXPECT_EQ(editor.Tables(), ReadJobFile(ReadWholeFile(JobSamplePath(name))));

  // Tables that would not read back the same (rows holding header lines,
  // from a file without the maker line) are asked about; Yes saves them.
  const std::string out = temp.File("out.CSV");
  ASSERT_TRUE(editor.Save(out));
  if (!TablesFitJobFormat(editor.Tables())) {
    ASSERT_TRUE(editor.AnswerBox("Сохранение файла", IDYES));
  }
  EXPECT_EQ(ReadWholeFile(out), saved);
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
  std::string name;
  for (char c : info.param) name += isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}
INSTANTIATE_TEST_SUITE_P(Samples, SampleRoundTrip, ::testing::ValuesIn(JobSampleNames()), TestName);

// The file read is closed at once: saving over it works, and opening it
// again appends its rows after the ones already there. A missing file gets
// its message and changes nothing, and a cancelled dialog changes nothing.
TEST(EditorRun, SavesOverTheOpenedFileAndAppendsOnASecondOpen) {
  // A sample that saving changes, so that a write that did not happen shows.
  const std::string original = ReadWholeFile(JobSamplePath("ragged.CSV"));
  const std::string saved = ReadWholeFile(JobSamplePath("ragged.CSV.saved"));
  ASSERT_NE(original, saved);
  TTempDir temp;
  const std::string job = temp.File("job.CSV");
  WriteWholeFile(job, original);
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());

  ASSERT_TRUE(editor.Open(job));
  ASSERT_TRUE(editor.Save(job, true));
  EXPECT_EQ(ReadWholeFile(job), saved);

  ASSERT_TRUE(editor.Open(job));
  JobTables twice = ReadJobFile(original);
  const JobTables again = ReadJobFile(saved);
  auto append = [](JobTable& all, const JobTable& more) { all.insert(all.end(), more.begin(), more.end()); };
  append(twice.Feeders, again.Feeders);
  append(twice.SpecialFeeders, again.SpecialFeeders);
  append(twice.Boards, again.Boards);
  append(twice.Components, again.Components);
  EXPECT_EQ(editor.Tables(), twice);

  const std::string missing = temp.File("missing.CSV");
  ASSERT_TRUE(editor.ChooseFile(TEditorDriver::kOpen, "Open Dialog", missing));
  HWND box = editor.FindDialog("File stream Error");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TEditorDriver::Text(GetDlgItem(box, 0xFFFF)), "File <" + missing + "> not found!");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(TEditorDriver::WaitGone(box));
  ASSERT_TRUE(editor.ChooseFile(TEditorDriver::kOpen, "Open Dialog", "", IDCANCEL));
  ASSERT_TRUE(editor.ChooseFile(TEditorDriver::kSave, "Save Dialog", "", IDCANCEL));
  EXPECT_EQ(editor.Tables(), twice);
}

// Each Enter selects the next component row whose line holds the text, in
// any letter case; after the last match the selection clears and the search
// starts again from the first row. The text stays in the box.
TEST(EditorRun, EnterInTheSearchBoxSelectsTheNextMatchingComponentRow) {
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  // An Enter before any file is open finds nothing and moves nothing on.
  ASSERT_TRUE(editor.Search("R1"));
  ASSERT_TRUE(editor.Open(JobSamplePath("basic.CSV")));
  HWND components = editor.Table(kComponentColumns);
  ASSERT_EQ(editor.RowCount(components), 5);

  ASSERT_TRUE(editor.Search("R1"));
  EXPECT_EQ(editor.SelectedRow(components), 0);
  EXPECT_EQ(editor.Text(editor.SearchBox()), "R1");
  ASSERT_TRUE(editor.Search(""));
  EXPECT_EQ(editor.SelectedRow(components), -1) << "an empty text matches nothing";

  // "резистор 1к" stands in rows 1 and 4.
  for (int expected : {1, 4, -1, 1}) {
    ASSERT_TRUE(editor.Search("РЕЗИСТОР 1К"));
    EXPECT_EQ(editor.SelectedRow(components), expected);
  }
  EXPECT_EQ(editor.Text(editor.SearchBox()), "РЕЗИСТОР 1К");
  // A text spanning two cells matches the row line.
  ASSERT_TRUE(editor.Search("270,0"));
  EXPECT_EQ(editor.SelectedRow(components), 2);
}

// A double click on the current row opens its cells for editing; Enter
// writes the edited text into the table, and Save writes the table.
TEST(EditorRun, AnEditedCellIsShownAndSaved) {
  TTempDir temp;
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(JobSamplePath("basic.CSV")));
  HWND components = editor.Table(kComponentColumns);
  ASSERT_TRUE(editor.Search("D3"));
  ASSERT_EQ(editor.SelectedRow(components), 2);

  // Every column is 80 pixels wide: x = 600 lies in column 7, "Коммент".
  RECT header{};
  GetWindowRect(reinterpret_cast<HWND>(SendMessageA(components, LVM_GETHEADER, 0, 0)), &header);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(components, WM_LBUTTONDBLCLK, MK_LBUTTON,
                      MAKELPARAM(600, header.bottom - header.top + 4), SMTO_NORMAL, 10000, &ignored);
  std::vector<HWND> boxes = TEditorDriver::EditBoxes(components);
  ASSERT_EQ(boxes.size(), kComponentColumns);
  EXPECT_EQ(TEditorDriver::Text(boxes[7]), "резистор 22 Ом");
  TEditorDriver::SendText(boxes[7], "диод");
  SendMessageTimeoutA(boxes[7], WM_KEYDOWN, VK_RETURN, 0x001C0001, SMTO_NORMAL, 10000, &ignored);

  JobTables expected = ReadJobFile(ReadWholeFile(JobSamplePath("basic.CSV")));
  expected.Components[2][7] = "диод";
  const std::string out = temp.File("edited.CSV");
  ASSERT_TRUE(editor.Save(out));  // handled after the edit's write-back
  EXPECT_EQ(editor.Tables(), expected);
  EXPECT_EQ(ReadWholeFile(out), WriteJobFile(expected));

  // Saved while the row's boxes are still open: the file holds what is typed,
  // and the saved document shows no unsaved change.
  SendMessageTimeoutA(components, WM_LBUTTONDBLCLK, MK_LBUTTON,
                      MAKELPARAM(600, header.bottom - header.top + 4), SMTO_NORMAL, 10000, &ignored);
  boxes = TEditorDriver::EditBoxes(components);
  ASSERT_EQ(boxes.size(), kComponentColumns);
  TEditorDriver::SendText(boxes[7], "стабилитрон");
  expected.Components[2][7] = "стабилитрон";
  const std::string whileEditing = temp.File("while-editing.CSV");
  ASSERT_TRUE(editor.Save(whileEditing));
  EXPECT_EQ(ReadWholeFile(whileEditing), WriteJobFile(expected));
  EXPECT_EQ(editor.WaitTitle("while-editing.CSV - ZR780K Editor"), "while-editing.CSV - ZR780K Editor");
}

// "Помощь" shows its question; No ends it there. "УП" does nothing at all.
TEST(EditorRun, HelpAnsweredNoAndTheUnlinkedCommandsChangeNothing) {
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(JobSamplePath("basic.CSV")));
  const JobTables before = editor.Tables();
  const int windows = TopLevelWindows(editor.Program.Info.dwProcessId);

  editor.Command(TEditorDriver::kHelp);
  HWND box = editor.FindDialog("Перейти на страницу форума?");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(TEditorDriver::Text(GetDlgItem(box, 0xFFFF)).rfind("Программа на стадии разработки", 0), 0u);
  EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
  EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
  PostMessageA(box, WM_COMMAND, IDNO, 0);
  ASSERT_TRUE(TEditorDriver::WaitGone(box));
  ASSERT_TRUE(editor.Sync());
  EXPECT_EQ(TopLevelWindows(editor.Program.Info.dwProcessId), windows) << "No opens nothing";

  ASSERT_TRUE(editor.CommandNow(TEditorDriver::kProgram));
  EXPECT_EQ(TopLevelWindows(editor.Program.Info.dwProcessId), windows);
  EXPECT_EQ(editor.Tables(), before);
  EXPECT_EQ(WaitForSingleObject(editor.Program.Info.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

}  // namespace
