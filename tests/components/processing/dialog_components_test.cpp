// The open, save and message components in small circuits, with the real
// dialogs answered from the test as a user would; the shell component
// watched through its shell seam and run for real on a harmless program.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "components/processing/message_box.h"
#include "components/processing/open_dialog.h"
#include "components/processing/save_dialog.h"
#include "components/processing/win_exec.h"
#include "tests/components/processing/probe.h"
#include "tests/support/answerers.h"
#include "tests/toolkit/file_dialog_recorder.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/app_window.h"

namespace {

using std::string_literals::operator""s;

// A live network inside an application whose current form owns the dialogs.
class DialogComponentTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ResetDispatch();
    StartDispatch();
    app = Keep(CreateAppWindow("App"));
    form = CreateFormWindow(app, "Form");
    form->SetVisible(false);
    app->GetHandle();
  }
  void TearDown() override {
    ResetDispatch();
    ToolkitTest::TearDown();
  }
  TControl* app = nullptr;
  TControl* form = nullptr;
  TTempDir dir;
  TDialogAnswerer user;
  TFileDialogRecorder platform;
  TProbe chosen{"chosen"}, cancelled{"cancelled"};
};

TEST_F(DialogComponentTest, OpenDialogPassesTheTypedPathOnAndReusesItsDialog) {
  TVMODialog open;
  open.Filter = "Файлы раскладчика|*.CSV*|All|*.*";
  open.OnChosen = chosen.Action();
  open.OnCancel = cancelled.Action();
  TVM_Event show = MakeEvent<&TVMODialog::ShowDialog>(&open);

  // The name is not validated: a missing file is passed on as typed.
  user.TypeAndPress(dir.File("missing.csv"));
  FireStr(show, "incoming.csv");
  EXPECT_EQ(chosen.Texts(), std::vector<std::string>{dir.File("missing.csv")});
  EXPECT_EQ(chosen.Kinds(), std::vector<uint8_t>{kKindString});
  EXPECT_EQ(cancelled.Count(), 0u);
  ASSERT_EQ(user.Dialogs.size(), 1u);
  EXPECT_EQ(user.Dialogs[0].Caption, "Open Dialog");
  EXPECT_EQ(user.Dialogs[0].NameShown, "incoming.csv");  // empty default: the incoming value
  EXPECT_EQ(user.Dialogs[0].Filters, (std::vector<std::string>{"Файлы раскладчика", "All"}));
  EXPECT_EQ(user.Dialogs[0].Owner, form->Handle);
  ASSERT_EQ(platform.Calls.size(), 1u);
  EXPECT_TRUE(platform.Calls[0].Open);
  EXPECT_EQ(platform.Calls[0].Record.Flags, DWORD{OFN_NOVALIDATE | 0x00A80000});
  EXPECT_EQ(platform.Calls[0].Filter, "Файлы раскладчика\0*.CSV*\0All\0*.*\0\0"s);
  EXPECT_EQ(platform.Calls[0].InitialDir, ".");
  EXPECT_EQ(platform.Calls[0].DefaultExt, "<null>");

  // Second use: the same dialog with the settings of its creation, the
  // connected input's name, and Cancel.
  TOpenSaveDialog* dialog = open.Dialog;
  open.Title = "changed after the first use";
  TProbe input;
  SetStrValue(input.Answer, "from-input.csv");
  open.FileNameInput = input.Point();
  user.Press(IDCANCEL);
  FireStr(show, "ignored.csv");
  EXPECT_EQ(open.Dialog, dialog);
  EXPECT_EQ(user.Dialogs.back().Caption, "Open Dialog");
  EXPECT_EQ(user.Dialogs.back().NameShown, "from-input.csv");
  EXPECT_EQ(cancelled.Kinds(), std::vector<uint8_t>{kKindNull});
  EXPECT_EQ(chosen.Count(), 1u);
  EXPECT_EQ(open.FileName, "");
}

TEST_F(DialogComponentTest, SaveDialogStartsFromItsDefaultNameEachTime) {
  TVMSDialog save;
  save.Filter = "Файлы раскладчика|*.CSV|All|*.*";
  save.OnChosen = chosen.Action();
  save.OnCancel = cancelled.Action();
  TVM_Event show = MakeEvent<&TVMSDialog::ShowDialog>(&save);

  user.TypeAndPress(dir.File("job"));
  FireNull(show);
  EXPECT_EQ(chosen.Texts(), std::vector<std::string>{dir.File("job")});  // no extension added
  user.Press(IDCANCEL);
  FireNull(show);
  EXPECT_EQ(cancelled.Kinds(), std::vector<uint8_t>{kKindNull});
  EXPECT_EQ(chosen.Count(), 1u);

  ASSERT_EQ(user.Dialogs.size(), 2u);
  for (const auto& seen : user.Dialogs) {
    EXPECT_EQ(seen.Caption, "Save Dialog");
    EXPECT_EQ(seen.NameShown, ".CSV");
    EXPECT_EQ(seen.Owner, form->Handle);
  }
  ASSERT_EQ(platform.Calls.size(), 2u);
  EXPECT_FALSE(platform.Calls[0].Open);
  EXPECT_EQ(platform.Calls[0].Record.Flags,
            DWORD{OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST |
                  0x00A80000});
  EXPECT_EQ(platform.Calls[0].Filter, "Файлы раскладчика\0*.CSV\0All\0*.*\0\0"s);
}

// Once a file is open or saved, the save dialog opens in its folder with its
// name; before that (the document answers nothing) it offers ".CSV" in ".".
// Whoever must finish work before the dialog shows hears OnOpening first.
TEST_F(DialogComponentTest, SaveDialogProposesTheDocumentsFileInItsFolder) {
  TVMSDialog save;
  TProbe document, opening;
  std::string path;
  std::vector<size_t> openingsSeenByRead;
  document.AnswerWith = [&](TData& answer) {
    openingsSeenByRead.push_back(opening.Count());
    SetStrValue(answer, path);
  };
  save.FileNameInput = document.Point();
  save.OnOpening = opening.Action();
  TVM_Event show = MakeEvent<&TVMSDialog::ShowDialog>(&save);

  for (const auto& [file, shown, folder] :
       {std::tuple<std::string, std::string, std::string>{"", ".CSV", "."},
        {dir.File("panel.CSV"), "panel.CSV", dir.File("")}}) {
    SCOPED_TRACE(file);
    path = file;
    user.Press(IDCANCEL);
    FireNull(show);
    EXPECT_EQ(user.Dialogs.back().NameShown, shown);
    EXPECT_EQ(platform.Calls.back().InitialDir, folder);
  }
  EXPECT_EQ(openingsSeenByRead, (std::vector<size_t>{1, 2})) << "OnOpening comes first";
}

class MessageComponentTest : public DialogComponentTest {
 protected:
  void SetUp() override {
    DialogComponentTest::SetUp();
    box.Message = "Line one\r\nLine two";
    box.Caption = "Перейти на страницу форума?";
    box.OnAnswer = answer.Action();
    TVM_Event* events[] = {&box.OnOK,     &box.OnCancel, &box.OnAbort, &box.OnRetry,
                           &box.OnIgnore, &box.OnYes,    &box.OnNo};
    for (size_t i = 0; i < 7; ++i) *events[i] = buttons[i].Action();
  }
  TVMMessage box;
  std::vector<std::string> log;
  TProbe answer{"answer", &log};
  TProbe buttons[7] = {TProbe("ok", &log),     TProbe("cancel", &log), TProbe("abort", &log),
                       TProbe("retry", &log),  TProbe("ignore", &log), TProbe("yes", &log),
                       TProbe("no", &log)};
  TVM_Event show = MakeEvent<&TVMMessage::ShowMessage>(&box);
};

TEST_F(MessageComponentTest, EachButtonFiresTheAnswerThenItsOwnEvent) {
  const std::vector<std::vector<int>> kButtonsOf = {
      {IDOK}, {IDOK, IDCANCEL}, {IDYES, IDNO}, {IDYES, IDNO, IDCANCEL},
      {IDRETRY, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE}};
  for (uint8_t buttons = 0; buttons < kButtonsOf.size(); ++buttons) {
    std::vector<int> shown = kButtonsOf[buttons];
    std::sort(shown.begin(), shown.end());
    for (int id : kButtonsOf[buttons]) {
      box.Buttons = buttons;
      log.clear();
      user.Press(id);
      FireNull(show);
      EXPECT_EQ(log, (std::vector<std::string>{"answer:" + std::to_string(id),
                                               this->buttons[id - 1].Name + ":"}));
      EXPECT_EQ(user.Dialogs.back().Buttons, shown) << "buttons " << int(buttons);
    }
  }
  // A code of no button of the list: only the answer.
  log.clear();
  user.Press(IDCONTINUE);
  FireNull(show);
  EXPECT_EQ(log, std::vector<std::string>{"answer:11"});
  for (const auto& seen : user.Dialogs) {
    EXPECT_EQ(seen.Caption, "Перейти на страницу форума?");
    EXPECT_EQ(seen.Text, "Line one\r\nLine two");
    EXPECT_EQ(seen.Owner, form->Handle);
  }
}

TEST_F(MessageComponentTest, IconDefaultButtonAndTextsShapeTheBox) {
  struct Case {
    uint8_t Buttons, Icon, DefaultButton;
    LPCSTR IconShown;
    int DefaultShown;
    std::vector<int> Shown;
  };
  const Case kCases[] = {
      {2, 0, 0, nullptr, IDYES, {IDYES, IDNO}},  // the editor's help box
      {3, 1, 1, IDI_HAND, IDNO, {IDCANCEL, IDYES, IDNO}},
      {3, 2, 2, IDI_QUESTION, IDCANCEL, {IDCANCEL, IDYES, IDNO}},
      {5, 3, 2, IDI_EXCLAMATION, IDIGNORE, {IDABORT, IDRETRY, IDIGNORE}},
      {1, 4, 1, IDI_ASTERISK, IDCANCEL, {IDOK, IDCANCEL}},
      {9, 9, 9, nullptr, IDOK, {IDOK}},  // out of range: the first of each
  };
  for (const Case& c : kCases) {
    box.Buttons = c.Buttons;
    box.Icon = c.Icon;
    box.DefaultButton = c.DefaultButton;
    FireNull(show);  // the answerer presses Cancel
    const auto& seen = user.Dialogs.back();
    EXPECT_EQ(seen.Buttons, c.Shown) << int(c.Buttons);
    EXPECT_EQ(seen.DefaultButton, c.DefaultShown) << int(c.Buttons);
    EXPECT_EQ(seen.Icon, c.IconShown ? LoadIcon(nullptr, c.IconShown) : nullptr) << int(c.Icon);
  }

  // Connected inputs give text and caption; unconnected and empty, the
  // incoming value is the text.
  TProbe text, caption;
  SetStrValue(text.Answer, "from the text input");
  SetStrValue(caption.Answer, "from the caption input");
  box.MessageInput = text.Point();
  box.CaptionInput = caption.Point();
  FireStr(show, "incoming");
  EXPECT_EQ(user.Dialogs.back().Text, "from the text input");
  EXPECT_EQ(user.Dialogs.back().Caption, "from the caption input");
  box.MessageInput = box.CaptionInput = TVM_Event();
  box.Message.clear();
  FireStr(show, "incoming");
  EXPECT_EQ(user.Dialogs.back().Text, "incoming");
  EXPECT_EQ(user.Dialogs.back().Caption, "Перейти на страницу форума?");
}

// The shell component: its calls watched through the shell seam.
class ShellComponentTest : public LiveNetworkTest {
 protected:
  struct ShellCall {
    void* Owner;
    std::string Verb, File, Params;
    const char* Folder;
    int32_t ShowCmd;
  };
  static std::vector<ShellCall>& Calls() {
    static std::vector<ShellCall> calls;
    return calls;
  }
  static intptr_t Record(void* owner, const char* verb, const char* file, const char* params,
                         const char* folder, int32_t showCmd) {
    Calls().push_back({owner, verb, file, params, folder, showCmd});
    return 42;
  }
  void TearDown() override {
    ShellOpenProc = saved;
    LiveNetworkTest::TearDown();
  }
  TShellOpenProc saved = ShellOpenProc;
  TVMWinExec exec;
  TProbe started;
  TVM_Event open = MakeEvent<&TVMWinExec::ShellOpen>(&exec);
};

TEST_F(ShellComponentTest, ShellOpenHandsTheAddressToTheShellUnchanged) {
  ShellOpenProc = &Record;
  Calls().clear();
  exec.OnStarted = started.Action();
  const std::string address = "https://forum.example.org/viewtopic.php?f=12&t=3456&sid=0a1b";
  TProbe label;
  SetStrValue(label.Answer, address);
  exec.FileNameInput = label.Point();
  FireNull(open);
  ASSERT_EQ(Calls().size(), 1u);
  EXPECT_EQ(Calls()[0].Owner, nullptr);
  EXPECT_EQ(Calls()[0].Verb, "open");
  EXPECT_EQ(Calls()[0].File, address);
  EXPECT_EQ(Calls()[0].Params, "");
  EXPECT_EQ(Calls()[0].Folder, nullptr);
  EXPECT_EQ(Calls()[0].ShowCmd, 1);
  EXPECT_EQ(started.Count(), 0u);

  // Unconnected: the settings, or the incoming value for an empty one.
  exec.FileNameInput = TVM_Event();
  exec.Params = "-x";
  exec.ShowCmd = SW_SHOWMAXIMIZED;
  FireStr(open, "readme.txt");
  ASSERT_EQ(Calls().size(), 2u);
  EXPECT_EQ(Calls()[1].File, "readme.txt");
  EXPECT_EQ(Calls()[1].Params, "-x");
  EXPECT_EQ(Calls()[1].ShowCmd, SW_SHOWMAXIMIZED);
}

// This test program itself is the harmless target: run with no test chosen,
// it only writes its (empty) report to the named file and ends.
std::string ThisProgram() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}
std::string ReportParams(const std::string& report) {
  return "--gtest_filter=NoSuchTest --gtest_output=xml:" + report;
}
// Waits for the started program's report to be written whole.
bool ReportAppears(const std::string& path) {
  return WaitUntil([&] { return ReadWholeFile(path).find("</testsuites>") != std::string::npos; }, 30000);
}

TEST_F(ShellComponentTest, TheSystemRunsWhatTheShellAndTheRunnerAreGiven) {
  TTempDir dir;
  TDialogAnswerer user;
  exec.OnStarted = started.Action();
  exec.FileName = ThisProgram();
  exec.Params = ReportParams(dir.File("shell.xml"));
  FireNull(open);
  EXPECT_TRUE(ReportAppears(dir.File("shell.xml")));
  EXPECT_EQ(started.Count(), 0u);

  // A failure to open is silent: no box, no event.
  exec.FileName = dir.File("missing.txt");
  exec.Params.clear();
  FireNull(open);
  EXPECT_EQ(user.Dialogs.size(), 0u);

  exec.Runner(ThisProgram(), ReportParams(dir.File("runner.xml")));
  EXPECT_EQ(started.Count(), 1u);
  EXPECT_TRUE(ReportAppears(dir.File("runner.xml")));
  exec.Runner(dir.File("missing.exe"), "");
  EXPECT_EQ(started.Count(), 1u);
}

}  // namespace
