// The file dialog against the platform's real dialogs, answered from the
// test as a user would.
#include "toolkit/open_save_dialog.h"

#include <gtest/gtest.h>

#include "tests/support/answerers.h"
#include "tests/toolkit/file_dialog_recorder.h"
#include "tests/support/temp_dir.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/app_window.h"

namespace {

using std::string_literals::operator""s;

class OpenSaveDialogTest : public ToolkitTest {
 protected:
  void TearDown() override {
    FreeObj(dialog);
    ToolkitTest::TearDown();
  }
  TOpenSaveDialog* dialog = nullptr;
  TTempDir dir;
  TDialogAnswerer user;
  TFileDialogRecorder platform;
};

TEST_F(OpenSaveDialogTest, OptionBitsBecomeDialogFlagsAndZeroMeansTheDefaultSet) {
  const DWORD kFlagOfBit[] = {0x2000, 0x0400, 0x1000, 0x0004, 0x0008, 0x100000, 0x0200, 0x20000,
                              0x8000, 0x0002, 0x0800, 0x0001, 0x0100, 0x0040,   0x0020};
  platform.ShowDialogs = false;
  dialog = CreateOpenSaveDialog("", "", 0);
  EXPECT_EQ(dialog->Options, 0x060Cu);
  for (uint32_t bit = 0; bit < 15; ++bit) {
    dialog->Options = 1u << bit;
    dialog->FileName = "kept only until the dialog fails";
    EXPECT_FALSE(OpenSaveDialogExecute(dialog));
    EXPECT_EQ(dialog->FileName, "");
    ASSERT_EQ(platform.Calls.size(), bit + 1);
    const OPENFILENAMEA& record = platform.Calls.back().Record;
    EXPECT_EQ(record.Flags, kFlagOfBit[bit] | 0x00A80000u) << "bit " << bit;
    EXPECT_EQ(record.nMaxFile, bit == 6 ? 0xFFF1u : 262u);
  }
  // Empty texts reach the platform as none; a long name is cut to the buffer.
  const OPENFILENAMEA& record = platform.Calls.back().Record;
  EXPECT_EQ(record.lStructSize, sizeof(OPENFILENAMEA));
  EXPECT_EQ(record.hwndOwner, nullptr);
  EXPECT_EQ(record.hInstance, GetModuleHandleA(nullptr));
  for (const std::string* text : {&platform.Calls.back().Filter, &platform.Calls.back().Title,
                                  &platform.Calls.back().InitialDir,
                                  &platform.Calls.back().DefaultExt})
    EXPECT_EQ(*text, "<null>");
  dialog->Options = 0x060C;
  dialog->FileName = std::string(300, 'n');
  OpenSaveDialogExecute(dialog);
  EXPECT_EQ(platform.Calls.back().Name, std::string(261, 'n'));
}

TEST_F(OpenSaveDialogTest, OpenDialogShowsItsSettingsAndReturnsThePathAndFilterIndex) {
  WriteWholeFile(dir.File("job.txt"), "x");
  dialog = CreateOpenSaveDialog("Pick a job", dir.Path, 0);
  dialog->Filter = "Text|*.txt|All|*.*";
  dialog->FilterIndex = 2;
  dialog->DefaultExt = "txt";
  dialog->FileName = "start.txt";
  user.TypeAndPress(dir.File("job.txt"), IDOK, 0);  // the user picks "Text"
  ASSERT_TRUE(OpenSaveDialogExecute(dialog));
  EXPECT_EQ(dialog->FileName, dir.File("job.txt"));
  EXPECT_EQ(dialog->FilterIndex, 1);

  ASSERT_EQ(platform.Calls.size(), 1u);
  const auto& call = platform.Calls[0];
  EXPECT_TRUE(call.Open);
  EXPECT_EQ(call.Filter, "Text\0*.txt\0All\0*.*\0\0"s);
  EXPECT_EQ(call.Record.Flags, DWORD{OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT |
                                      OFN_PATHMUSTEXIST | 0x00A80000});
  EXPECT_EQ(call.DefaultExt, "txt");
  EXPECT_EQ(call.InitialDir, dir.Path);
  ASSERT_EQ(user.Dialogs.size(), 1u);
  const auto& seen = user.Dialogs[0];
  EXPECT_EQ(seen.Caption, "Pick a job");
  EXPECT_EQ(seen.NameShown, "start.txt");
  EXPECT_EQ(seen.Filters, (std::vector<std::string>{"Text", "All"}));
  EXPECT_EQ(seen.FilterShown, 1);  // "All", as FilterIndex 2 asked
  EXPECT_FALSE(seen.ReadOnlyBox);
  EXPECT_EQ(seen.Owner, nullptr);  // no application window
}

TEST_F(OpenSaveDialogTest, SeveralFilesGiveTheFolderAndEachNameOneFileItsPath) {
  for (const char* name : {"a.txt", "b.txt", "c.txt"}) WriteWholeFile(dir.File(name), name);
  dialog = CreateOpenSaveDialog("", dir.Path, kOptionSeveralFiles | kOptionFileMustExist);
  user.TypeAndPress("\"a.txt\" \"b.txt\" \"c.txt\"");
  ASSERT_TRUE(OpenSaveDialogExecute(dialog));
  EXPECT_EQ(dialog->FileName, dir.Path + "\ra.txt\rb.txt\rc.txt");
  dialog->FileName.clear();
  user.TypeAndPress("b.txt");
  ASSERT_TRUE(OpenSaveDialogExecute(dialog));
  EXPECT_EQ(dialog->FileName, dir.File("b.txt"));
}

TEST_F(OpenSaveDialogTest, SaveDialogAddsTheDefaultExtensionCancelClearsTheName) {
  TControl* app = Keep(CreateAppWindow("App"));
  app->GetHandle();
  dialog = CreateOpenSaveDialog("Store", dir.Path, 0);
  dialog->OpenDialog = 0;
  dialog->DefaultExt = "csv";
  user.TypeAndPress("report");
  ASSERT_TRUE(OpenSaveDialogExecute(dialog));
  EXPECT_EQ(dialog->FileName, dir.File("report.csv"));
  EXPECT_FALSE(platform.Calls.back().Open);
  EXPECT_EQ(user.Dialogs.back().Owner, app->Handle);

  // An owner of its own comes first. Cancel clears the name.
  TControl* form = CreateFormWindow(app, "Form");
  dialog->OwnerHandle = form->GetHandle();
  user.Press(IDCANCEL);
  EXPECT_FALSE(OpenSaveDialogExecute(dialog));
  EXPECT_EQ(user.Dialogs.back().Owner, form->Handle);
  EXPECT_EQ(user.Dialogs.back().NameShown, "report.csv");
  EXPECT_EQ(dialog->FileName, "");
}

}  // namespace
