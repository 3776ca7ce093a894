// The built editor as a document editor, driven from outside with real key
// and mouse input: the file name and unsaved changes in the title, the
// shortcuts, the question before closing with unsaved changes, a file named
// on the command line or dropped on the window, row keys, undo and redo.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "job/job_file.h"
#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/support/wine_paths.h"

namespace {

const std::string kTitle = TEditorDriver::kAppTitle;

// Opens the file through the open dialog, called up with Ctrl+O.
bool OpenByKeys(TEditorDriver& editor, const std::string& path) {
  editor.PressKeys({VK_CONTROL, 'O'});
  HWND dialog = editor.FindDialog("Open Dialog");
  if (!dialog) return false;
  TEditorDriver::SendText(GetDlgItem(dialog, 0x47C), WindowsPath(path));
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  return TEditorDriver::WaitGone(dialog) && editor.Sync();
}

// The question asked when the window closes with unsaved changes.
HWND CloseAndFindQuestion(TEditorDriver& editor) {
  PostMessageA(editor.Form, WM_CLOSE, 0, 0);
  return editor.FindDialog(kTitle);
}

TEST(DocumentRun, TitleFollowsOpenEditAndSaveAndTheShortcutsWork) {
  TTempDir temp;
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  EXPECT_EQ(editor.WaitTitle(kTitle), kTitle);

  ASSERT_TRUE(OpenByKeys(editor, JobSamplePath("basic.CSV")));
  EXPECT_EQ(editor.WaitTitle("basic.CSV - " + kTitle), "basic.CSV - " + kTitle);
  JobTables expected = ReadJobFile(ReadWholeFile(JobSamplePath("basic.CSV")));
  EXPECT_EQ(editor.Tables(), expected);

  // F3 searches the search box's text again: "резистор 1к" is in rows 1 and 4.
  HWND components = editor.Table(kComponentColumns);
  TEditorDriver::SendText(editor.SearchBox(), "резистор 1к");
  for (int row : {1, 4}) {
    editor.PressKeys({VK_F3});
    EXPECT_TRUE(WaitUntil([&] { return TEditorDriver::SelectedRow(components) == row; })) << row;
  }

  // Enter on a row opens its cells; Enter in a cell commits the row.
  ASSERT_TRUE(editor.ClickRow(components, 2));
  editor.PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return TEditorDriver::CellBoxes(components).size() == kComponentColumns; }));
  TEditorDriver::SendText(TEditorDriver::CellBoxes(components)[7], "диод");
  editor.PressKeys({VK_RETURN});
  EXPECT_EQ(editor.WaitTitle("*basic.CSV - " + kTitle), "*basic.CSV - " + kTitle);

  const std::string out = temp.File("out.CSV");
  editor.PressKeys({VK_CONTROL, 'S'});
  ASSERT_TRUE(editor.AnswerSaveDialog(out));
  EXPECT_EQ(editor.WaitTitle("out.CSV - " + kTitle), "out.CSV - " + kTitle);
  expected.Components[2][7] = "диод";
  EXPECT_EQ(ReadWholeFile(out), WriteJobFile(expected));
}

TEST(DocumentRun, ClosingWithUnsavedChangesAsksYesNoOrCancel) {
  TTempDir temp;
  const std::string original = ReadWholeFile(JobSamplePath("basic.CSV"));
  const std::string job = temp.File("job.CSV");
  WriteWholeFile(job, original);
  JobTables edited = ReadJobFile(original);
  edited.Components.erase(edited.Components.begin());

  {  // Without changes the window closes at once.
    TEditorDriver editor("\"" + job + "\"");
    ASSERT_TRUE(editor.Started());
    PostMessageA(editor.Form, WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.WaitExit());
  }
  {  // Cancel keeps the window and the changes; No closes without saving.
    TEditorDriver editor("\"" + job + "\"");
    ASSERT_TRUE(editor.Started());
    ASSERT_TRUE(editor.DeleteRowByKeys(editor.Table(kComponentColumns), 0));
    HWND question = CloseAndFindQuestion(editor);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(TEditorDriver::Text(GetDlgItem(question, 0xFFFF)), "Сохранить изменения?");
    for (int button : {IDYES, IDNO, IDCANCEL}) EXPECT_NE(GetDlgItem(question, button), nullptr);
    PostMessageA(question, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(TEditorDriver::WaitGone(question));
    EXPECT_FALSE(editor.WaitExit(300)) << "Cancel keeps the window";
    EXPECT_EQ(editor.WaitTitle("*job.CSV - " + kTitle), "*job.CSV - " + kTitle);

    question = CloseAndFindQuestion(editor);
    ASSERT_NE(question, nullptr);
    PostMessageA(question, WM_COMMAND, IDNO, 0);
    EXPECT_TRUE(editor.WaitExit());
    EXPECT_EQ(ReadWholeFile(job), original);
  }
  {  // Yes saves first; a cancelled save dialog keeps the window.
    TEditorDriver editor("\"" + job + "\"");
    ASSERT_TRUE(editor.Started());
    ASSERT_TRUE(editor.DeleteRowByKeys(editor.Table(kComponentColumns), 0));
    HWND question = CloseAndFindQuestion(editor);
    ASSERT_NE(question, nullptr);
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    HWND dialog = editor.FindDialog("Save Dialog");
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(TEditorDriver::WaitGone(dialog));
    EXPECT_FALSE(editor.WaitExit(300)) << "nothing saved: the window stays";

    question = CloseAndFindQuestion(editor);
    ASSERT_NE(question, nullptr);
    PostMessageA(question, WM_COMMAND, IDYES, 0);
    const std::string saved = temp.File("saved.CSV");
    ASSERT_TRUE(editor.AnswerSaveDialog(saved));
    EXPECT_TRUE(editor.WaitExit());
    EXPECT_EQ(ReadWholeFile(saved), WriteJobFile(edited));
  }
}

// Logging off or shutting down asks as the close does: Cancel refuses the
// end, No lets it come, Yes saves first. The window stays until the end
// really comes.
TEST(DocumentRun, TheSessionsEndAsksAboutUnsavedChangesAsTheCloseDoes) {
  TTempDir temp;
  const std::string original = ReadWholeFile(JobSamplePath("basic.CSV"));
  const std::string job = temp.File("job.CSV");
  const std::string saved = temp.File("saved.CSV");
  WriteWholeFile(job, original);
  JobTables edited = ReadJobFile(original);
  edited.Components.erase(edited.Components.begin());

  TEditorDriver editor("\"" + job + "\"");
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.DeleteRowByKeys(editor.Table(kComponentColumns), 0));
  for (int button : {IDCANCEL, IDNO, IDYES}) {
    SCOPED_TRACE(button);
    LRESULT sent = 0;
    DWORD_PTR endAllowed = 0;
    std::thread session([&] {
      sent = SendMessageTimeoutA(editor.Form, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 60000,
                                 &endAllowed);
    });
    HWND question = editor.FindDialog(kTitle);
    if (question) {
      EXPECT_EQ(TEditorDriver::Text(GetDlgItem(question, 0xFFFF)), "Сохранить изменения?");
      PostMessageA(question, WM_COMMAND, button, 0);
      if (button == IDYES) {
        EXPECT_TRUE(editor.AnswerSaveDialog(saved));
      }
    }
    session.join();
    ASSERT_NE(question, nullptr);
    ASSERT_NE(sent, 0) << "the editor answered";
    EXPECT_EQ(endAllowed != 0, button != IDCANCEL);
    EXPECT_TRUE(IsWindow(editor.Form));
  }
  EXPECT_EQ(ReadWholeFile(job), original);
  EXPECT_EQ(ReadWholeFile(saved), WriteJobFile(edited));
  EXPECT_EQ(editor.WaitTitle("saved.CSV - " + kTitle), "saved.CSV - " + kTitle);
}

TEST(DocumentRun, AFileOnTheCommandLineOrDroppedOpensLikeTheDialog) {
  {
    TEditorDriver editor("\"" + WindowsPath(JobSamplePath("basic.CSV")) + "\"");
    ASSERT_TRUE(editor.Started());
    EXPECT_EQ(editor.WaitTitle("basic.CSV - " + kTitle), "basic.CSV - " + kTitle);
    EXPECT_EQ(editor.Tables(), ReadJobFile(ReadWholeFile(JobSamplePath("basic.CSV"))));
  }
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.DropFile(JobSamplePath("panel.CSV")));
  EXPECT_EQ(editor.WaitTitle("panel.CSV - " + kTitle), "panel.CSV - " + kTitle);
  ASSERT_TRUE(editor.Sync());
  EXPECT_EQ(editor.Tables(), ReadJobFile(ReadWholeFile(JobSamplePath("panel.CSV"))));
}

// Ctrl+Delete removes a row, Insert adds one below the current row and
// opens it for editing; Ctrl+Z takes the changes back one by one down to
// the open, Ctrl+Y brings them back, and the save writes the result.
TEST(DocumentRun, RowKeysUndoAndRedoAndTheSavedBytes) {
  TTempDir temp;
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(JobSamplePath("basic.CSV")));
  const JobTables opened = editor.Tables();
  HWND components = editor.Table(kComponentColumns);
  ASSERT_TRUE(editor.DeleteRowByKeys(components, 1));

  ASSERT_TRUE(editor.ClickRow(components, 0));
  editor.PressKeys({VK_INSERT});
  ASSERT_TRUE(editor.WaitRows(components, 5));
  ASSERT_TRUE(WaitUntil([&] { return TEditorDriver::CellBoxes(components).size() == kComponentColumns; }));
  ASSERT_TRUE(WaitUntil([&] { return editor.HasFocus(TEditorDriver::CellBoxes(components)[0]); }))
      << "a new row is edited from its first cell";
  TEditorDriver::SendText(TEditorDriver::CellBoxes(components)[0], "R99");
  editor.PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return editor.Cell(components, 1, 0) == "R99"; }));
  editor.PressKeys({VK_ESCAPE});  // leaves the cells: Ctrl+Z is the table's again
  ASSERT_TRUE(WaitUntil([&] { return TEditorDriver::CellBoxes(components).empty(); }));

  JobTables changed = opened;
  changed.Components.erase(changed.Components.begin() + 1);
  changed.Components.insert(changed.Components.begin() + 1, JobRow(kComponentColumns));
  changed.Components[1][0] = "R99";
  ASSERT_EQ(editor.Tables(), changed);

  editor.PressKeys({VK_CONTROL, 'Z'});  // the cell edit
  ASSERT_TRUE(WaitUntil([&] { return editor.Cell(components, 1, 0).empty(); }));
  editor.PressKeys({VK_CONTROL, 'Z'});  // the inserted row
  ASSERT_TRUE(editor.WaitRows(components, 4));
  editor.PressKeys({VK_CONTROL, 'Z'});  // the removed row
  ASSERT_TRUE(editor.WaitRows(components, 5));
  EXPECT_EQ(editor.WaitTitle("basic.CSV - " + kTitle), "basic.CSV - " + kTitle) << "back at the open";
  editor.PressKeys({VK_CONTROL, 'Z'});  // nothing before the open
  ASSERT_TRUE(editor.Sync());
  EXPECT_EQ(editor.Tables(), opened);

  for (int i = 0; i < 3; ++i) editor.PressKeys({VK_CONTROL, 'Y'});
  ASSERT_TRUE(WaitUntil([&] { return editor.Cell(components, 1, 0) == "R99"; }));
  EXPECT_EQ(editor.Tables(), changed);
  EXPECT_EQ(editor.WaitTitle("*basic.CSV - " + kTitle), "*basic.CSV - " + kTitle);

  const std::string out = temp.File("rows.CSV");
  ASSERT_TRUE(editor.Save(out));
  EXPECT_EQ(ReadWholeFile(out), WriteJobFile(changed));
}

}  // namespace
