// The built editor driven from outside where data could be lost: saves that
// cannot complete, files that cannot be read, files off the written form or
// no job files at all, cells given characters the file cannot carry, and
// tables that would not read back the same. Every failure must be told in a
// message box naming the file, and the old file and the tables must stay as
// they were.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "job/job_file.h"
#include "tests/support/clipboard.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/support/wine_paths.h"

namespace {

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return names;
}

class EditorSafety : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(editor.Started());
    ASSERT_TRUE(editor.Open(JobSamplePath("basic.CSV")));
    ASSERT_EQ(editor.Tables(), ReadJobFile(ReadWholeFile(JobSamplePath("basic.CSV"))));
  }

  // A save over `target` that must fail: one box naming the file with the
  // system's reason.
  void ExpectSaveTold(const std::string& target, bool replace) {
    ASSERT_TRUE(editor.Save(target, replace));
    const auto box = editor.AnswerBox("Сохранение файла");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->find("Файл <" + target + "> не сохранён.\n"), 0u) << *box;
    EXPECT_GT(box->size(), box->find('\n') + 2) << "no reason given";
    // A second box would be up by now: the save ran to its end inside one message.
    EXPECT_FALSE(editor.FindDialog("Сохранение файла", 0)) << "told twice";
  }
  // The old file as it was, and no file besides it in its folder.
  void ExpectKept(const std::string& target, const std::string& folder) {
    EXPECT_EQ(ReadWholeFile(target), old);
    EXPECT_EQ(FilesIn(folder).size(), 1u);
  }

  TTempDir temp;
  TEditorDriver editor;
  const std::string old = "old,job,\r\n";
};

TEST_F(EditorSafety, SaveOverAReadOnlyFileIsRefusedAndKeepsIt) {
  const std::string target = temp.File("read-only.CSV");
  WriteWholeFile(target, old);
  ASSERT_TRUE(SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
  ExpectSaveTold(target, true);
  ExpectKept(target, temp.Path);
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(EditorSafety, SaveOverAFileHeldWithoutSharingKeepsIt) {
  const std::string target = temp.File("held.CSV");
  WriteWholeFile(target, old);
  // This test is the second process that holds the file.
  HANDLE held = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ExpectSaveTold(target, true);
  CloseHandle(held);
  ExpectKept(target, temp.Path);
  // Once the file is free the same save goes through.
  ASSERT_TRUE(editor.Save(target, true));
  EXPECT_EQ(ReadWholeFile(target), ReadWholeFile(JobSamplePath("basic.CSV.saved")));
  EXPECT_EQ(FilesIn(temp.Path).size(), 1u);
}

// The dialog itself refuses a missing folder; a folder the user may not
// write to gets as far as the save (the commit test covers a missing one).
TEST_F(EditorSafety, SaveIntoAFolderThatTakesNoFilesIsTold) {
  const std::string folder = WindowsPath(ZR_UNWRITABLE_FOLDER);
  const std::string target = folder + "\\job.CSV";
  ExpectSaveTold(target, false);
  EXPECT_TRUE(FilesIn(folder).empty());
}

// A file held without sharing, and one that the file system lets nobody
// read: a box naming the file and the reason, and no table changes.
TEST_F(EditorSafety, AFileThatCannotBeReadIsToldAndChangesNothing) {
  const JobTables before = editor.Tables();
  const std::string locked = temp.File("locked.CSV");
  WriteWholeFile(locked, ReadWholeFile(JobSamplePath("basic.CSV")));
  HANDLE held = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string unreadable = WindowsPath(ZR_UNREADABLE_FILE);
  // Root reads any file whatever its mode; the test session must run
  // without that power, or this case proves nothing.
  HANDLE probe = CreateFileA(unreadable.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                             nullptr);
  if (probe != INVALID_HANDLE_VALUE) CloseHandle(probe);
  ASSERT_EQ(probe, INVALID_HANDLE_VALUE)
      << unreadable << " (mode 000) can be read: the Wine session may override file modes";

  for (const std::string& path : {locked, unreadable}) {
    SCOPED_TRACE(path);
    ASSERT_TRUE(editor.Open(path));
    const auto box = editor.AnswerBox("Открытие файла");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->find("Файл <" + path + "> не открыт.\n"), 0u) << *box;
    EXPECT_GT(box->size(), box->find('\n') + 2) << "no reason given";
    EXPECT_EQ(editor.Tables(), before);
  }
  CloseHandle(held);
}

// LF-only, CR-only and mixed twins of a sample open into the rows of the
// CR LF original, and saving writes CR LF.
TEST(EditorLineEnds, TwinsWithOtherLineEndsOpenIntoTheSameRows) {
  const std::string crlf = ReadWholeFile(JobSamplePath("blank-lines.CSV"));
  const JobTables expected = ReadJobFile(crlf);
  ASSERT_FALSE(expected.Components.empty());
  std::string lf, cr, mixed;
  size_t line = 0;
  for (size_t i = 0; i < crlf.size(); ++i) {
    if (crlf.compare(i, 2, "\r\n") != 0) {
      for (std::string* twin : {&lf, &cr, &mixed}) twin->push_back(crlf[i]);
      continue;
    }
    lf += '\n';
    cr += '\r';
    static const char* const kMixedEnds[] = {"\r", "\r\n", "\n"};  // never CR right before LF
    mixed += kMixedEnds[line++ % 3];
    ++i;
  }
  TTempDir temp;
  for (const auto& [name, bytes] : {std::pair{"lf", lf}, {"cr", cr}, {"mixed", mixed}}) {
    SCOPED_TRACE(name);
    const std::string path = temp.File(std::string(name) + ".CSV");
    WriteWholeFile(path, bytes);
    TEditorDriver editor;
    ASSERT_TRUE(editor.Started());
    ASSERT_TRUE(editor.Open(path));
    EXPECT_EQ(editor.Tables(), expected);
    const std::string out = temp.File(std::string(name) + "-saved.CSV");
    ASSERT_TRUE(editor.Save(out));
    EXPECT_EQ(ReadWholeFile(out), ReadWholeFile(JobSamplePath("blank-lines.CSV.saved")));
  }
}

// Files that are no job files: they get the rows the rules give them, and
// one beyond the size limit gets a message and changes nothing.
TEST(EditorForeignFiles, RandomImageEmptyAndOversizedFilesNeitherCrashNorHang) {
  TTempDir temp;
  std::mt19937 rng(1);
  std::string random(1 << 20, '\0');
  for (char& c : random) c = static_cast<char>(rng());
  const std::string icon = ReadWholeFile(JobSamplesDir() + "/../../../editor/zr780k.ico");
  ASSERT_FALSE(icon.empty());
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  JobTables expected;
  for (const auto& [name, bytes] : {std::pair{"empty", std::string()}, {"image", icon}, {"random", random}}) {
    SCOPED_TRACE(name);
    const std::string path = temp.File(std::string(name) + ".CSV");
    WriteWholeFile(path, bytes);
    ASSERT_TRUE(editor.Open(path, 180000));  // waits until the open has been handled
    const JobTables read = ReadJobFile(bytes);
    for (JobTable* table : {&expected.Feeders, &expected.SpecialFeeders, &expected.Boards, &expected.Components}) {
      const JobTable& more = table == &expected.Feeders          ? read.Feeders
                             : table == &expected.SpecialFeeders ? read.SpecialFeeders
                             : table == &expected.Boards         ? read.Boards
                                                                 : read.Components;
      table->insert(table->end(), more.begin(), more.end());
    }
  }
  // Rows counted in every table; cells compared where a list view holds
  // few enough of them to read across processes in reasonable time.
  EXPECT_EQ(editor.RowCount(editor.Table(kFeederColumns)), static_cast<int>(expected.Feeders.size()));
  EXPECT_EQ(editor.RowCount(editor.Table(kSpecialFeederColumns)), static_cast<int>(expected.SpecialFeeders.size()));
  EXPECT_EQ(editor.RowCount(editor.Table(kBoardColumns)), static_cast<int>(expected.Boards.size()));
  HWND components = editor.Table(kComponentColumns);
  ASSERT_EQ(editor.RowCount(components), static_cast<int>(expected.Components.size()));
  ASSERT_GT(expected.Components.size(), 1000u);
  for (int row : {0, 1, 500, static_cast<int>(expected.Components.size()) - 1})
    for (int column = 0; column < static_cast<int>(kComponentColumns); ++column)
      EXPECT_EQ(editor.Cell(components, row, column), expected.Components[row][column]) << row << "," << column;

  // Beyond the limit: sized without writing, it holds zero bytes.
  const std::string huge = temp.File("huge.CSV");
  HANDLE file = CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  SetFilePointer(file, (4 << 20) + 1, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
  ASSERT_TRUE(editor.Open(huge));
  const auto box = editor.AnswerBox("Открытие файла");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->find("Файл <" + huge + "> не открыт.\n"), 0u) << *box;
  EXPECT_NE(box->find("4 МБ"), std::string::npos) << *box;
  EXPECT_EQ(editor.RowCount(components), static_cast<int>(expected.Components.size()));
}

// Clicks the first row at client x, then double-clicks it: its cells open
// for editing.
std::vector<HWND> OpenRowForEditing(HWND table, int x) {
  RECT header{};
  GetWindowRect(reinterpret_cast<HWND>(SendMessageA(table, LVM_GETHEADER, 0, 0)), &header);
  const LPARAM at = MAKELPARAM(x, header.bottom - header.top + 4);
  DWORD_PTR ignored = 0;
  for (auto [message, keys] : {std::pair<UINT, WPARAM>{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0},
                               {WM_LBUTTONDBLCLK, MK_LBUTTON}, {WM_LBUTTONUP, 0}})
    SendMessageTimeoutA(table, message, keys, at, SMTO_NORMAL, 10000, &ignored);
  return TEditorDriver::EditBoxes(table);
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result);
  return static_cast<LRESULT>(result);
}

// "," "/" "\" typed or pasted stay out of the cell and a balloon tip says
// why; what the cell takes survives save and reopen.
TEST_F(EditorSafety, ACellRefusesWhatTheFileCannotCarryTypedOrPasted) {
  HWND components = editor.Table(kComponentColumns);
  std::vector<HWND> boxes = OpenRowForEditing(components, 600);  // column 7, "Коммент"
  ASSERT_EQ(boxes.size(), kComponentColumns);
  HWND box = boxes[7];
  const std::string before = TEditorDriver::Text(box);
  Send(box, EM_SETSEL, before.size(), static_cast<LPARAM>(before.size()));  // the caret at the end
  for (char c : {',', '/', '\\'}) {
    SCOPED_TRACE(c);
    Send(box, WM_CHAR, static_cast<unsigned char>(c));
    EXPECT_EQ(TEditorDriver::Text(box), before);
    EXPECT_NE(editor.FindTopLevel(TOOLTIPS_CLASSA, "", 5000), nullptr) << "no tip shown";
  }
  for (const char* pasted : {"1,2", "a/b", "c\\d"}) {
    SCOPED_TRACE(pasted);
    PutOnClipboard(pasted);
    Send(box, WM_PASTE, 0);
    EXPECT_EQ(TEditorDriver::Text(box), before);
  }
  PutOnClipboard(" #1.5");
  Send(box, WM_PASTE, 0);
  Send(box, WM_CHAR, 'x');
  const std::string typed = before + " #1.5x";
  EXPECT_EQ(TEditorDriver::Text(box), typed);
  Send(box, WM_KEYDOWN, VK_RETURN);

  const std::string out = temp.File("typed.CSV");
  ASSERT_TRUE(editor.Save(out));  // no question: the tables fit the format
  TEditorDriver reopened;
  ASSERT_TRUE(reopened.Started());
  ASSERT_TRUE(reopened.Open(out));
  EXPECT_EQ(reopened.Tables(), editor.Tables());
  EXPECT_EQ(reopened.Cell(reopened.Table(kComponentColumns), 0, 7), typed);
}

// A cell text that moves a section boundary when read back: the user is
// asked first; No writes nothing, Yes writes as before.
TEST_F(EditorSafety, TablesThatWouldNotReadBackTheSameAreAskedAbout) {
  HWND boards = editor.Table(kBoardColumns);
  std::vector<HWND> boxes = OpenRowForEditing(boards, 100);  // column 1
  ASSERT_EQ(boxes.size(), kBoardColumns);
  TEditorDriver::SendText(boxes[1], "Component");
  Send(boxes[1], WM_KEYDOWN, VK_RETURN);  // the write-back is posted
  ASSERT_TRUE(WaitUntil([&] { return editor.Cell(boards, 0, 1) == "Component"; }));

  const std::string out = temp.File("marked.CSV");
  const std::vector<std::string> before = FilesIn(temp.Path);
  ASSERT_TRUE(editor.Save(out));
  const auto question = editor.AnswerBox("Сохранение файла", IDNO);
  ASSERT_TRUE(question);
  EXPECT_EQ(question->find("Таблица «Платы», строка 1, ячейка 2:"), 0u) << *question;
  // What was written before the question is gone again.
  ASSERT_TRUE(WaitUntil([&] { return FilesIn(temp.Path) == before; }));
  EXPECT_EQ(ReadWholeFile(out), "<missing>");

  ASSERT_TRUE(editor.Save(out));
  ASSERT_TRUE(editor.AnswerBox("Сохранение файла", IDYES));
  EXPECT_EQ(ReadWholeFile(out), WriteJobFile(editor.Tables()));

  // A save that cannot happen is told, and then nothing is asked.
  WriteWholeFile(out, old);
  ASSERT_TRUE(SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_READONLY));
  ExpectSaveTold(out, true);
  ExpectKept(out, temp.Path);
  SetFileAttributesA(out.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
