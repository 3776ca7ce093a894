// The built editor keeping its unsaved changes: killed hard after a change,
// its copy is offered at the next start (Да gives the changed tables, Нет
// an empty editor); after a save or Нет at the close nothing is offered; a
// copy that cannot be read is told and set aside. And "Создать", with and
// without unsaved changes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "job/job_file.h"
#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/support/wine_paths.h"

namespace {

const std::string kTitle = TEditorDriver::kAppTitle;

// Answers, in turn, the editor's boxes that come before its window shows
// (the start's questions), from a thread of its own while the driver waits
// for the window; keeps their texts.
class TStartAnswers {
 public:
  explicit TStartAnswers(std::vector<int> buttons)
      : Thread([this, buttons] {
          for (int button : buttons) {
            HWND box = nullptr;
            if (!WaitUntil([&] { return (box = FindWindowA("#32770", kTitle.c_str())) && IsWindowVisible(box); }))
              return;
            Texts.push_back(TEditorDriver::Text(GetDlgItem(box, 0xFFFF)));
            PostMessageA(box, WM_COMMAND, button, 0);
            TEditorDriver::WaitGone(box);
          }
        }) {}
  std::vector<std::string> Wait() {
    Thread.join();
    return Texts;
  }

 private:
  std::vector<std::string> Texts;
  std::thread Thread;
};

class RecoveryRun : public testing::Test {
 protected:
  void SetUp() override {
    CreateDirectoryA(AppData.c_str(), nullptr);
    WriteWholeFile(Job, Original);
    Edited.Components.erase(Edited.Components.begin());
  }

  // The copies in the recovery folder.
  std::vector<std::string> Copies() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((Folder + "\\*.zrr").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do names.push_back(entry.cFileName);
    while (FindNextFileA(find, &entry));
    FindClose(find);
    return names;
  }
  bool WaitCopies(size_t n) {
    return WaitUntil([&] { return Copies().size() == n; }, 3 * kWaitDeadlineMs);
  }
  // The job opened, its first component row removed, the copy written.
  void ChangeAndWaitForTheCopy(TEditorDriver& editor) {
    ASSERT_TRUE(editor.Started());
    ASSERT_TRUE(editor.DeleteRowByKeys(editor.Table(kComponentColumns), 0));
    EXPECT_EQ(editor.WaitTitle("*job.CSV - " + kTitle), "*job.CSV - " + kTitle);
    ASSERT_TRUE(WaitCopies(1));
  }
  static void Kill(TEditorDriver& editor) {
    TerminateProcess(editor.Program.Info.hProcess, 1);
    ASSERT_TRUE(editor.WaitExit());
  }
  // A start that asks nothing: its window shows with the empty tables.
  void ExpectAQuietStart() {
    TEditorDriver editor("", AppData);
    ASSERT_TRUE(editor.Started());
    ASSERT_TRUE(editor.Sync());
    EXPECT_EQ(editor.FindDialog(kTitle, 0), nullptr) << "asked at start";
    EXPECT_EQ(editor.Tables(), JobTables());
  }

  TTempDir Temp;
  const std::string AppData = Temp.File("appdata");
  const std::string Folder = AppData + "\\ZR780K Editor\\Recovery";
  const std::string Job = Temp.File("job.CSV");
  const std::string Original = ReadWholeFile(JobSamplePath("basic.CSV"));
  JobTables Edited = ReadJobFile(Original);
  const std::string Question = "Изменения задания " + WindowsPath(Job) + " от ";
};

TEST_F(RecoveryRun, AKilledEditorsChangesAreOfferedAndDaGivesThemBack) {
  {
    TEditorDriver editor("\"" + Job + "\"", AppData);
    ChangeAndWaitForTheCopy(editor);
    Kill(editor);
  }
  TStartAnswers answers({IDYES});
  TEditorDriver editor("", AppData);
  const std::vector<std::string> texts = answers.Wait();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].substr(0, Question.size()), Question);
  EXPECT_TRUE(texts[0].ends_with(" не были сохранены. Восстановить их?")) << texts[0];
  ASSERT_TRUE(editor.Started());
  EXPECT_EQ(editor.WaitTitle("*job.CSV - " + kTitle), "*job.CSV - " + kTitle);
  EXPECT_EQ(editor.Tables(), Edited);
  EXPECT_EQ(ReadWholeFile(Job), Original) << "the job's file is not touched";

  // The undo history starts at the recovered changes; a save proposes the
  // job's file, and takes the copy away.
  editor.PressKeys({VK_CONTROL, 'Z'});
  ASSERT_TRUE(editor.Sync());
  EXPECT_EQ(editor.Tables(), Edited);
  editor.Command(TEditorDriver::kSave);
  HWND dialog = editor.FindDialog("Save Dialog");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TEditorDriver::Text(GetDlgItem(dialog, 0x47C)), "job.CSV");
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(TEditorDriver::WaitGone(dialog));
  ASSERT_TRUE(editor.Save(Job, true));
  EXPECT_EQ(editor.WaitTitle("job.CSV - " + kTitle), "job.CSV - " + kTitle);
  EXPECT_EQ(ReadWholeFile(Job), WriteJobFile(Edited));
  EXPECT_TRUE(WaitCopies(0));
  Kill(editor);
  ExpectAQuietStart();
}

TEST_F(RecoveryRun, NetStartsEmptyAndAnUnreadableCopyIsToldAndSetAside) {
  {
    TEditorDriver editor("\"" + Job + "\"", AppData);
    ChangeAndWaitForTheCopy(editor);
    Kill(editor);
  }
  WriteWholeFile(Folder + "\\1_2-5.zrr", "ZR780K Editor recovery copy 1\r\nJob=x\r\n");
  TStartAnswers answers({IDOK, IDNO});
  TEditorDriver editor("\"" + Job + "\"", AppData);
  const std::vector<std::string> texts = answers.Wait();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Копию несохранённых изменений не удалось прочитать: заголовок копии повреждён.\r\n"
                      "Она отложена в файл " + Folder + "\\1_2-5.bad.");
  EXPECT_EQ(texts[1].substr(0, Question.size()), Question);
  ASSERT_TRUE(editor.Started());
  EXPECT_EQ(editor.WaitTitle("job.CSV - " + kTitle), "job.CSV - " + kTitle) << "the start-up file opens after";
  EXPECT_EQ(editor.Tables(), ReadJobFile(Original));
  EXPECT_TRUE(Copies().empty());
  EXPECT_EQ(ReadWholeFile(Folder + "\\1_2-5.bad"), "ZR780K Editor recovery copy 1\r\nJob=x\r\n");
}

TEST_F(RecoveryRun, NetAtTheCloseLeavesNothingToOffer) {
  {
    TEditorDriver editor("\"" + Job + "\"", AppData);
    ChangeAndWaitForTheCopy(editor);
    PostMessageA(editor.Form, WM_CLOSE, 0, 0);
    HWND question = editor.FindDialog(kTitle);
    ASSERT_NE(question, nullptr);
    PostMessageA(question, WM_COMMAND, IDNO, 0);
    ASSERT_TRUE(editor.WaitExit());
  }
  EXPECT_TRUE(Copies().empty());
  ExpectAQuietStart();
}

// A kill while a copy of a large job is being written (its temporary file
// seen in the folder) leaves a whole copy: the next start offers one, of the
// changes before or after the kill's moment, and clears what the write left.
TEST_F(RecoveryRun, AKillWhileTheCopyIsWrittenLeavesAWholeCopy) {
  constexpr int kRows = 20000;
  WriteWholeFile(Job, GeneratedJobFile(kRows, 7));
  bool caughtWriting = false;
  {
    TEditorDriver editor("\"" + Job + "\"", AppData);
    ASSERT_TRUE(editor.Started());
    HWND components = editor.Table(kComponentColumns);
    ASSERT_TRUE(WaitUntil([&] { return TEditorDriver::RowCount(components) == kRows; }, 6 * kWaitDeadlineMs));
    ASSERT_TRUE(editor.DeleteRowByKeys(components, 0));
    ASSERT_TRUE(WaitCopies(1));
    ASSERT_TRUE(editor.DeleteRowByKeys(components, 0));
    // The next copy's temporary file, or the copy itself once it is whole.
    WIN32_FIND_DATAA entry;
    WaitUntil([&] {
      HANDLE find = FindFirstFileA((Folder + "\\*-2.*").c_str(), &entry);
      if (find == INVALID_HANDLE_VALUE) return false;
      FindClose(find);
      return true;
    }, 3 * kWaitDeadlineMs);
    Kill(editor);
    caughtWriting = std::string(entry.cFileName).ends_with(".tmp");
  }
  RecordProperty("KilledWhileWriting", caughtWriting ? "yes" : "no");
  TStartAnswers answers({IDYES});
  TEditorDriver editor("", AppData);
  ASSERT_EQ(answers.Wait().size(), 1u);
  ASSERT_TRUE(editor.Started());
  const int rows = TEditorDriver::RowCount(editor.Table(kComponentColumns));
  EXPECT_TRUE(rows == kRows - 1 || rows == kRows - 2) << rows;
  EXPECT_EQ(Copies().size(), 1u) << "the recovered copy, now the running editor's";
  WIN32_FIND_DATAA entry;
  HANDLE left = FindFirstFileA((Folder + "\\*.tmp").c_str(), &entry);
  EXPECT_EQ(left, INVALID_HANDLE_VALUE) << "a half-written copy is cleared";
  if (left != INVALID_HANDLE_VALUE) FindClose(left);
}

// "Создать" empties the tables and starts a job that is no file yet; with
// unsaved changes the close question comes first.
TEST_F(RecoveryRun, SozdatEmptiesTheJobAfterTheCloseQuestion) {
  TEditorDriver editor("\"" + Job + "\"", AppData);
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Sync());
  editor.PressKeys({VK_CONTROL, 'N'});
  EXPECT_EQ(editor.WaitTitle(kTitle), kTitle) << "no changes: no question";
  EXPECT_EQ(editor.Tables(), JobTables());

  ASSERT_TRUE(editor.Open(Job));
  ASSERT_TRUE(editor.DeleteRowByKeys(editor.Table(kComponentColumns), 0));
  editor.PressKeys({VK_CONTROL, 'N'});
  ASSERT_TRUE(editor.AnswerBox(kTitle, IDCANCEL));
  EXPECT_EQ(editor.WaitTitle("*job.CSV - " + kTitle), "*job.CSV - " + kTitle);
  EXPECT_EQ(editor.Tables(), Edited);

  // Да with the save cancelled creates nothing; then Да saves first.
  editor.Command(TEditorDriver::kNew);
  ASSERT_TRUE(editor.AnswerBox(kTitle, IDYES));
  HWND dialog = editor.FindDialog("Save Dialog");
  ASSERT_NE(dialog, nullptr);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(TEditorDriver::WaitGone(dialog) && editor.Sync());
  EXPECT_EQ(editor.Tables(), Edited);
  const std::string saved = Temp.File("saved.CSV");
  editor.Command(TEditorDriver::kNew);
  ASSERT_TRUE(editor.AnswerBox(kTitle, IDYES));
  ASSERT_TRUE(editor.AnswerSaveDialog(WindowsPath(saved)));
  EXPECT_EQ(editor.WaitTitle(kTitle), kTitle);
  EXPECT_EQ(ReadWholeFile(saved), WriteJobFile(Edited));
  EXPECT_EQ(editor.Tables(), JobTables());

  // Нет discards; nothing is left to undo.
  ASSERT_TRUE(editor.Open(Job));
  ASSERT_TRUE(editor.DeleteRowByKeys(editor.Table(kComponentColumns), 0));
  editor.PressKeys({VK_CONTROL, 'N'});
  ASSERT_TRUE(editor.AnswerBox(kTitle, IDNO));
  EXPECT_EQ(editor.WaitTitle(kTitle), kTitle);
  editor.PressKeys({VK_CONTROL, 'Z'});
  ASSERT_TRUE(editor.Sync());
  EXPECT_EQ(editor.Tables(), JobTables());
  EXPECT_EQ(editor.WaitTitle(kTitle), kTitle);
  EXPECT_EQ(ReadWholeFile(Job), Original);
}

}  // namespace
