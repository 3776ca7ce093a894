// The editor's network as the schema builds it: the instances in creation
// order, every link joined to the right action or data output with the right
// index, the points left open, and the help command's two answers driven
// through the real message box.
#include "editor/schema.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "components/processing/array_enum.h"
#include "components/processing/array_find.h"
#include "components/processing/block_find.h"
#include "components/processing/bottom_turn.h"
#include "components/processing/change_recovery.h"
#include "components/processing/data_to_file.h"
#include "components/processing/do_data.h"
#include "components/processing/document_title.h"
#include "components/processing/feeder_assign.h"
#include "components/processing/feeders_from_job.h"
#include "components/processing/file_stream.h"
#include "components/processing/hub.h"
#include "components/processing/index_to_chanel.h"
#include "components/processing/informer.h"
#include "components/processing/job_check.h"
#include "components/processing/matrix_rw.h"
#include "components/processing/message_box.h"
#include "components/processing/nozzle_rules.h"
#include "components/processing/open_dialog.h"
#include "components/processing/placement_import.h"
#include "components/processing/recent_jobs.h"
#include "components/processing/rotation_corrections.h"
#include "components/processing/save_dialog.h"
#include "components/processing/start_file.h"
#include "components/processing/undo_journal.h"
#include "components/processing/str_cat.h"
#include "components/processing/stream_to_hex.h"
#include "components/processing/vm_math.h"
#include "components/processing/win_exec.h"
#include "components/visual/edit.h"
#include "components/visual/file_drop.h"
#include "components/visual/findings_window.h"
#include "components/visual/hot_keys.h"
#include "components/visual/label.h"
#include "components/visual/main_form.h"
#include "components/visual/menu.h"
#include "components/visual/panel_window.h"
#include "components/visual/part_kinds_window.h"
#include "components/visual/placement_view.h"
#include "components/visual/string_table.h"
#include "job/job_format.h"
#include "editor/job_format_check.h"
#include "job/job_file.h"
#include "tests/components/visual/visual_test.h"
#include "tests/support/answerers.h"
#include "tests/support/temp_dir.h"
#include "toolkit/menu.h"

namespace {

class SchemaNetworkTest : public VisualTest {
 protected:
  // The schema finds the user's settings through APPDATA: a folder of the
  // test's own, never the real user's.
  void SetUp() override {
    VisualTest::SetUp();
    SavedAppData.resize(GetEnvironmentVariableA("APPDATA", SavedAppData.data(), MAX_PATH));
    SetEnvironmentVariableA("APPDATA", Settings.Path.c_str());
    S = new TClassMainForm_C7FA30(nullptr);
  }
  void TearDown() override {
    delete S;
    SetEnvironmentVariableA("APPDATA", SavedAppData.empty() ? nullptr : SavedAppData.c_str());
    VisualTest::TearDown();
  }
  TClassMainForm_C7FA30* S = nullptr;
  TTempDir Settings;
  std::string SavedAppData = std::string(MAX_PATH, '\0');
};

struct TExpectedLink {
  const char* Name;
  TVM_Event* Source;
  TVM_Event Target;
};

TEST_F(SchemaNetworkTest, CreatesTheInstancesInOrder) {
  const std::vector<TVMComponent*> expected = {
      S->MainForm, S->MainMenu, S->MenuRouter, S->OpenJobDialog, S->FeederRowFind,
      S->FeederTable, S->JobTextFlattener, S->JobReadStream, S->FeederMatrix,
      S->FeederSectionFind, S->SaveJobDialog, S->JobWriteStream, S->JobLineWriter, S->SaveHub,
      S->FeederRowEnum, S->FeederHeader, S->SpecialSectionFind, S->SectionSplitHub,
      S->SpecialFeederTable, S->SpecialFeederMatrix, S->SpecialRowEnum, S->SpecialHeader,
      S->ComponentSectionFind, S->ComponentTable, S->ComponentMatrix, S->ComponentRowEnum,
      S->BoardHeader, S->FeederLineMarker, S->SpecialRowFind, S->SpecialLineMarker,
      S->ComponentRowFind, S->ComponentLineMarker, S->SearchEdit, S->ComponentFind,
      S->NextStartMath, S->KeepSearchText, S->SearchHub, S->OneLabel, S->AboutMessage,
      S->ForumUrlLabel, S->ForumOpener, S->SearchTitleLabel, S->ComponentRowComma,
      S->SpecialRowComma, S->FeederRowComma, S->BoardSectionFind, S->BoardRowFind,
      S->BoardLineMarker, S->BoardTable, S->BoardRowEnum, S->ComponentHeader, S->BoardRowComma,
      S->BoardMatrix};
  ASSERT_EQ(expected.size(), 53u);
  EXPECT_EQ(std::set<TVMComponent*>(expected.begin(), expected.end()).size(), 53u);
  const std::vector<TVMComponent*> additions = {
      S->JobFormatCheck, S->Document, S->EditJournal, S->OpenedHub, S->SavedHub,
      S->SaveChangesQuestion, S->UndoKeys, S->FindNextKey, S->FindNextText, S->StartFile,
      S->FileDrop, S->PlacementView, S->EditCommitHub, S->ImportDialog, S->ImportChosenHub,
      S->ImportReadStream, S->PlacementImport, S->ImportSideQuestion, S->ImportErrorMessage,
      S->ImportSummaryMessage, S->FeederAssign, S->AssignSummaryBox, S->JobCheck,
      S->FindingsWindow, S->ImportUnitQuestion, S->CorrectionsDialog, S->RotationCorrections,
      S->CorrectionsErrorMessage, S->CorrectionsChosenMessage, S->StartHub, S->PanelWindow,
      S->PanelErrorMessage, S->BottomTurn, S->PartKindsWindow, S->ModifiedHub,
      S->MissingFeederQuestion, S->KindErrorMessage, S->FeedersDialog, S->FeedersChosenHub,
      S->FeedersReadStream, S->FeedersFromJob, S->FeedersErrorMessage, S->FeedersSummaryMessage,
      S->NozzleRulesDialog, S->NozzleRules, S->NozzleRulesErrorMessage, S->NozzleRulesChosenMessage,
      S->ChangeRecovery, S->RecoveryQuestion, S->RecoveryErrorMessage, S->DiscardHub, S->NewJobHub,
      S->JobClearHub, S->RecentJobs};
  std::vector<TVMComponent*> all = expected;
  all.insert(all.end(), additions.begin(), additions.end());
  EXPECT_EQ(S->CreationOrder(), all) << "the composition first, then its additions";

  // The window components' controls exist in creation order inside the form;
  // the findings and panel windows are windows of their own, made when
  // first shown.
  EXPECT_EQ(S->FindingsWindow->Control, nullptr);
  EXPECT_EQ(S->PanelWindow->Control, nullptr);
  EXPECT_EQ(S->PartKindsWindow->Control, nullptr);
  std::vector<HWND> created;
  for (TVMComponent* c : S->CreationOrder())
    if (auto* w = dynamic_cast<TVMWin*>(c); w && w != S->MainForm && w != S->FindingsWindow && w != S->PanelWindow &&
                                                 w != S->PartKindsWindow) {
      ASSERT_NE(w->Control, nullptr);
      EXPECT_EQ(GetParent(w->Control->Handle), S->MainForm->Control->Handle);
      created.push_back(w->Control->Handle);
    }
  EXPECT_EQ(created.size(), 9u);
  // Only the search box has a hint, so only it has a tooltip.
  for (TVMComponent* c : S->CreationOrder())
    if (auto* w = dynamic_cast<TVMWin*>(c)) {
      EXPECT_EQ(w->HintLink.Tip != nullptr, w == S->SearchEdit);
    }

  // Texts that the writer must produce exactly as the job file module does.
  EXPECT_EQ(S->FeederHeader->Text, std::string(kJobMakerLine) + kJobLineEnd + kFeederHeaderLine);
  EXPECT_EQ(S->SpecialHeader->Text, kSpecialFeederHeaderLine);
  EXPECT_EQ(S->BoardHeader->Text, kBoardHeaderLine);
  EXPECT_EQ(S->ComponentHeader->Text, kComponentHeaderLine);
  EXPECT_EQ(S->FeederTable->ColumnCount(), static_cast<int32_t>(kFeederColumns));
  EXPECT_EQ(S->SpecialFeederTable->ColumnCount(), static_cast<int32_t>(kSpecialFeederColumns));
  EXPECT_EQ(S->BoardTable->ColumnCount(), static_cast<int32_t>(kBoardColumns));
  EXPECT_EQ(S->ComponentTable->ColumnCount(), static_cast<int32_t>(kComponentColumns));
  // Additions: opening refuses oversized files and reads every line end;
  // the tables' cells refuse what the file cannot carry.
  EXPECT_EQ(S->JobReadStream->MaxSize, 4u << 20);
  EXPECT_TRUE(S->JobTextFlattener->CrLfLineEnds);
  for (TvmStringTableMT* table : {S->FeederTable, S->SpecialFeederTable, S->BoardTable, S->ComponentTable})
    EXPECT_EQ(table->RefusedChars, kJobCellRefusedChars);

  // The menu bar: "Файл", "Действия", "Помощь", the last one a command.
  HMENU bar = GetMenu(S->MainForm->Control->Handle);
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  std::vector<std::string> captions;
  for (int i = 0; i < 3; ++i) {
    char text[64] = {};
    GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
    captions.push_back(text);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"Файл", "Действия", "Помощь"}));
  EXPECT_EQ(GetSubMenu(bar, 2), nullptr);
  // "Файл" ends with a separator and a place for each recent job; they
  // are hidden once the network is on and finds the list empty.
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), 12 + 1 + static_cast<int>(kRecentJobsLimit));
  SwitchOnNetwork(S->MainForm);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), 12);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 1)), 4);
  // "Создать", "Открыть" and "Сохранить " show their shortcuts after a tab.
  for (const auto& [position, caption] :
       {std::pair{0, "Создать\tCtrl+N"}, std::pair{1, "Открыть\tCtrl+O"}, std::pair{4, "Поправки поворота…"},
        std::pair{5, "Без поправок поворота"}, std::pair{6, "Правила сопел…"}, std::pair{7, "Без правил сопел"},
        std::pair{8, "Нижняя сторона: переворот слева направо"}, std::pair{9, "Нижняя сторона: переворот сверху вниз"},
        std::pair{10, "Питатели из задания…"}}) {
    char text[64] = {};
    GetMenuStringA(GetSubMenu(bar, 0), position, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, caption);
  }
  // The choices of rotation corrections and of the turn are remembered in
  // the user's settings.
  EXPECT_EQ(S->RotationCorrections->SettingsFile, Settings.Path + "\\ZR780K Editor\\settings.ini");
  EXPECT_EQ(S->BottomTurn->SettingsFile, S->RotationCorrections->SettingsFile);
  EXPECT_EQ(S->RecentJobs->SettingsFile, S->RotationCorrections->SettingsFile);
  // The places of the windows, each in a section of that file.
  const std::string settings = S->RotationCorrections->SettingsFile;
  EXPECT_EQ(S->MainForm->PositionStore, settings + "\\Window");
  EXPECT_EQ(S->FindingsWindow->PositionStore, settings + "\\Window.Check");
  EXPECT_EQ(S->PartKindsWindow->PositionStore, settings + "\\Window.Kinds");
  EXPECT_EQ(S->PanelWindow->PositionStore, settings + "\\Window.Panel");
  EXPECT_EQ(S->ChangeRecovery->Folder, Settings.Path + "\\ZR780K Editor\\Recovery");
  EXPECT_EQ(S->ChangeRecovery->Delay, 3000u);
  EXPECT_EQ(S->NozzleRules->SettingsFile, S->RotationCorrections->SettingsFile);
}

TEST_F(SchemaNetworkTest, JoinsTheLinksAndLeavesTheRestOpen) {
  const std::vector<TExpectedLink> links = {
      {"MainMenu.OnClick", &S->MainMenu->OnClick, MakeEvent<&TVMIndexToChanel::Trigger>(S->MenuRouter)},
      {"MenuRouter.OnOutput[kMenuOpen]", &S->MenuRouter->OnOutput[kMenuOpen], MakeEvent<&TVMODialog::ShowDialog>(S->OpenJobDialog)},
      {"MenuRouter.OnOutput[kMenuSave]", &S->MenuRouter->OnOutput[kMenuSave], MakeEvent<&TVMSDialog::ShowDialog>(S->SaveJobDialog)},
      {"MenuRouter.OnOutput[kMenuHelp]", &S->MenuRouter->OnOutput[kMenuHelp], MakeEvent<&TVMMessage::ShowMessage>(S->AboutMessage)},
      {"OpenJobDialog.OnChosen", &S->OpenJobDialog->OnChosen, MakeEvent<&TVMFileStream::OpenFile>(S->JobReadStream)},
      {"JobReadStream.OnOpened", &S->JobReadStream->OnOpened, MakeEvent<&TVMStream2Hex::Convert>(S->JobTextFlattener)},
      {"JobTextFlattener.OnValue", &S->JobTextFlattener->OnValue, MakeEvent<&TVMHub::Trigger>(S->SectionSplitHub)},
      {"SectionSplitHub.OnOutput[0]", &S->SectionSplitHub->OnOutput[0], MakeEvent<&TVMBlockFind::Search>(S->FeederSectionFind)},
      {"SectionSplitHub.OnOutput[1]", &S->SectionSplitHub->OnOutput[1], MakeEvent<&TVMBlockFind::Search>(S->SpecialSectionFind)},
      {"SectionSplitHub.OnOutput[2]", &S->SectionSplitHub->OnOutput[2], MakeEvent<&TVMBlockFind::Search>(S->BoardSectionFind)},
      {"SectionSplitHub.OnOutput[3]", &S->SectionSplitHub->OnOutput[3], MakeEvent<&TVMBlockFind::Search>(S->ComponentSectionFind)},
      {"FeederSectionFind.OnBlock", &S->FeederSectionFind->OnBlock, MakeEvent<&TVMBlockFind::Search>(S->FeederLineMarker)},
      {"FeederLineMarker.OnRest", &S->FeederLineMarker->OnRest, MakeEvent<&TVMBlockFind::Search>(S->FeederRowFind)},
      {"FeederRowFind.OnBlock", &S->FeederRowFind->OnBlock, MakeEvent<&TvmStringTableMT::AddRow>(S->FeederTable)},
      {"SpecialSectionFind.OnBlock", &S->SpecialSectionFind->OnBlock, MakeEvent<&TVMBlockFind::Search>(S->SpecialLineMarker)},
      {"SpecialLineMarker.OnRest", &S->SpecialLineMarker->OnRest, MakeEvent<&TVMBlockFind::Search>(S->SpecialRowFind)},
      {"SpecialRowFind.OnBlock", &S->SpecialRowFind->OnBlock, MakeEvent<&TvmStringTableMT::AddRow>(S->SpecialFeederTable)},
      {"BoardSectionFind.OnBlock", &S->BoardSectionFind->OnBlock, MakeEvent<&TVMBlockFind::Search>(S->BoardLineMarker)},
      {"BoardLineMarker.OnRest", &S->BoardLineMarker->OnRest, MakeEvent<&TVMBlockFind::Search>(S->BoardRowFind)},
      {"BoardRowFind.OnBlock", &S->BoardRowFind->OnBlock, MakeEvent<&TvmStringTableMT::AddRow>(S->BoardTable)},
      {"ComponentSectionFind.OnRest", &S->ComponentSectionFind->OnRest, MakeEvent<&TVMBlockFind::Search>(S->ComponentLineMarker)},
      {"ComponentLineMarker.OnRest", &S->ComponentLineMarker->OnRest, MakeEvent<&TVMBlockFind::Search>(S->ComponentRowFind)},
      {"ComponentRowFind.OnBlock", &S->ComponentRowFind->OnBlock, MakeEvent<&TvmStringTableMT::AddRow>(S->ComponentTable)},
      // Addition: the format check watches each save: the save path passes it on
      // its way to SaveHub, the row lines on theirs to the writer (the commas'
      // links below), the end of the rows on its way to CloseFile.
      {"SaveJobDialog.OnChosen", &S->SaveJobDialog->OnChosen, MakeEvent<&TVMJobFormatCheck::Check>(S->JobFormatCheck)},
      {"JobFormatCheck.OnOutput", &S->JobFormatCheck->OnOutput, MakeEvent<&TVMHub::Trigger>(S->SaveHub)},
      {"JobFormatCheck.Matrix[0]", &S->JobFormatCheck->Matrix[0], MakeEvent<&TvmStringTableMT::Matrix>(S->FeederTable, 2)},
      {"JobFormatCheck.Matrix[1]", &S->JobFormatCheck->Matrix[1], MakeEvent<&TvmStringTableMT::Matrix>(S->SpecialFeederTable, 2)},
      {"JobFormatCheck.Matrix[2]", &S->JobFormatCheck->Matrix[2], MakeEvent<&TvmStringTableMT::Matrix>(S->BoardTable, 2)},
      {"JobFormatCheck.Matrix[3]", &S->JobFormatCheck->Matrix[3], MakeEvent<&TvmStringTableMT::Matrix>(S->ComponentTable, 2)},
      {"SaveHub.OnOutput[0]", &S->SaveHub->OnOutput[0], MakeEvent<&TVMFileStream::OpenFile>(S->JobWriteStream)},
      {"SaveHub.OnOutput[1]", &S->SaveHub->OnOutput[1], MakeEvent<&TVMFileStream::OpenFile>(S->JobWriteStream)},
      {"SaveHub.OnOutput[3]", &S->SaveHub->OnOutput[3], MakeEvent<&TVMInformer::Trigger>(S->FeederHeader)},
      {"FeederHeader.OnTextOut", &S->FeederHeader->OnTextOut, MakeEvent<&TVMDataToFile::PutLine>(S->JobLineWriter)},
      {"FeederHeader.OnOutput", &S->FeederHeader->OnOutput, MakeEvent<&TVMArrayEnum::Enumerate>(S->FeederRowEnum)},
      {"FeederRowEnum.OnElement", &S->FeederRowEnum->OnElement, MakeEvent<&TVMStrCat::Concat>(S->FeederRowComma)},
      {"FeederRowComma.OnConcat", &S->FeederRowComma->OnConcat, MakeEvent<&TVMJobFormatCheck::Line>(S->JobFormatCheck, 0)},
      {"FeederRowEnum.OnEnumDone", &S->FeederRowEnum->OnEnumDone, MakeEvent<&TVMInformer::Trigger>(S->SpecialHeader)},
      {"SpecialHeader.OnTextOut", &S->SpecialHeader->OnTextOut, MakeEvent<&TVMDataToFile::PutLine>(S->JobLineWriter)},
      {"SpecialHeader.OnOutput", &S->SpecialHeader->OnOutput, MakeEvent<&TVMArrayEnum::Enumerate>(S->SpecialRowEnum)},
      {"SpecialRowEnum.OnElement", &S->SpecialRowEnum->OnElement, MakeEvent<&TVMStrCat::Concat>(S->SpecialRowComma)},
      {"SpecialRowComma.OnConcat", &S->SpecialRowComma->OnConcat, MakeEvent<&TVMJobFormatCheck::Line>(S->JobFormatCheck, 1)},
      {"SpecialRowEnum.OnEnumDone", &S->SpecialRowEnum->OnEnumDone, MakeEvent<&TVMInformer::Trigger>(S->BoardHeader)},
      {"BoardHeader.OnTextOut", &S->BoardHeader->OnTextOut, MakeEvent<&TVMDataToFile::PutLine>(S->JobLineWriter)},
      {"BoardHeader.OnOutput", &S->BoardHeader->OnOutput, MakeEvent<&TVMArrayEnum::Enumerate>(S->BoardRowEnum)},
      {"BoardRowEnum.OnElement", &S->BoardRowEnum->OnElement, MakeEvent<&TVMStrCat::Concat>(S->BoardRowComma)},
      {"BoardRowComma.OnConcat", &S->BoardRowComma->OnConcat, MakeEvent<&TVMJobFormatCheck::Line>(S->JobFormatCheck, 2)},
      {"BoardRowEnum.OnEnumDone", &S->BoardRowEnum->OnEnumDone, MakeEvent<&TVMInformer::Trigger>(S->ComponentHeader)},
      {"ComponentHeader.OnTextOut", &S->ComponentHeader->OnTextOut, MakeEvent<&TVMDataToFile::PutLine>(S->JobLineWriter)},
      {"ComponentHeader.OnOutput", &S->ComponentHeader->OnOutput, MakeEvent<&TVMArrayEnum::Enumerate>(S->ComponentRowEnum)},
      {"ComponentRowEnum.OnElement", &S->ComponentRowEnum->OnElement, MakeEvent<&TVMStrCat::Concat>(S->ComponentRowComma)},
      {"ComponentRowComma.OnConcat", &S->ComponentRowComma->OnConcat, MakeEvent<&TVMJobFormatCheck::Line>(S->JobFormatCheck, 3)},
      {"ComponentRowEnum.OnEnumDone", &S->ComponentRowEnum->OnEnumDone, MakeEvent<&TVMJobFormatCheck::Finish>(S->JobFormatCheck)},
      {"JobFormatCheck.OnLine", &S->JobFormatCheck->OnLine, MakeEvent<&TVMDataToFile::PutLine>(S->JobLineWriter)},
      {"JobFormatCheck.OnDone", &S->JobFormatCheck->OnDone, MakeEvent<&TVMFileStream::CloseFile>(S->JobWriteStream, 1)},
      {"JobFormatCheck.OnAbandon", &S->JobFormatCheck->OnAbandon, MakeEvent<&TVMFileStream::AbandonFile>(S->JobWriteStream)},
      {"JobFormatCheck.Stream", &S->JobFormatCheck->Stream, MakeEvent<&TVMFileStream::Stream>(S->JobWriteStream)},
      {"JobLineWriter.Stream", &S->JobLineWriter->Stream, MakeEvent<&TVMFileStream::Stream>(S->JobWriteStream)},
      {"FeederRowEnum.Array", &S->FeederRowEnum->Array, MakeEvent<&TvmStringTableMT::Array>(S->FeederTable, 3)},
      {"SpecialRowEnum.Array", &S->SpecialRowEnum->Array, MakeEvent<&TvmStringTableMT::Array>(S->SpecialFeederTable, 3)},
      {"BoardRowEnum.Array", &S->BoardRowEnum->Array, MakeEvent<&TvmStringTableMT::Array>(S->BoardTable, 3)},
      {"ComponentRowEnum.Array", &S->ComponentRowEnum->Array, MakeEvent<&TvmStringTableMT::Array>(S->ComponentTable, 3)},
      {"FeederMatrix.Matrix", &S->FeederMatrix->Matrix, MakeEvent<&TvmStringTableMT::Matrix>(S->FeederTable, 2)},
      {"SpecialFeederMatrix.Matrix", &S->SpecialFeederMatrix->Matrix, MakeEvent<&TvmStringTableMT::Matrix>(S->SpecialFeederTable, 2)},
      {"ComponentMatrix.Matrix", &S->ComponentMatrix->Matrix, MakeEvent<&TvmStringTableMT::Matrix>(S->ComponentTable, 2)},
      {"BoardMatrix.Matrix", &S->BoardMatrix->Matrix, MakeEvent<&TvmStringTableMT::Matrix>(S->BoardTable, 2)},
      {"SearchEdit.OnEnter", &S->SearchEdit->OnEnter, MakeEvent<&TVMHub::Trigger>(S->SearchHub)},
      {"SearchHub.OnOutput[0]", &S->SearchHub->OnOutput[0], MakeEvent<&TVMArrayFind::Find>(S->ComponentFind)},
      {"SearchHub.OnOutput[1]", &S->SearchHub->OnOutput[1], MakeEvent<&TVMDoData::SendData>(S->KeepSearchText)},
      {"SearchHub.OnOutput[2]", &S->SearchHub->OnOutput[2], MakeEvent<&TVMMath::Calculate>(S->NextStartMath)},
      {"ComponentFind.Array", &S->ComponentFind->Array, MakeEvent<&TvmStringTableMT::Array>(S->ComponentTable, 3)},
      {"ComponentFind.Start", &S->ComponentFind->StartInput, MakeEvent<&TVMMath::Result>(S->NextStartMath)},
      {"ComponentFind.OnFound", &S->ComponentFind->OnFound, MakeEvent<&TvmStringTableMT::SelectRow>(S->ComponentTable, 5)},
      {"NextStartMath.Operand1", &S->NextStartMath->Operand1Input, MakeEvent<&TVMArrayFind::Index>(S->ComponentFind)},
      {"NextStartMath.Operand2", &S->NextStartMath->Operand2Input, MakeEvent<&TVMLabel::Text>(S->OneLabel)},
      {"KeepSearchText.Data", &S->KeepSearchText->DataInput, MakeEvent<&TVMEdit::Text>(S->SearchEdit)},
      {"KeepSearchText.OnData", &S->KeepSearchText->OnData, MakeEvent<&TVMEdit::ChangeText>(S->SearchEdit)},
      {"AboutMessage.OnYes", &S->AboutMessage->OnYes, MakeEvent<&TVMWinExec::ShellOpen>(S->ForumOpener, 1)},
      {"ForumOpener.FileName", &S->ForumOpener->FileNameInput, MakeEvent<&TVMLabel::Text>(S->ForumUrlLabel)},
  };
  ASSERT_EQ(links.size(), 69u + 9u);  // the format check's nine links with the composition's
  // Additions to the composition: the placement view reads the four tables
  // and hears of their changes, the link index naming the table.
  TVMPlacementView* view = S->PlacementView;
  const std::vector<TExpectedLink> added = {
      {"PlacementView.Feeders", &view->Feeders, MakeEvent<&TvmStringTableMT::Array>(S->FeederTable, 3)},
      {"PlacementView.SpecialFeeders", &view->SpecialFeeders, MakeEvent<&TvmStringTableMT::Array>(S->SpecialFeederTable, 3)},
      {"PlacementView.Boards", &view->Boards, MakeEvent<&TvmStringTableMT::Array>(S->BoardTable, 3)},
      {"PlacementView.Components", &view->Components, MakeEvent<&TvmStringTableMT::Array>(S->ComponentTable, 3)},
      {"FeederTable.OnRowStored", &S->FeederTable->OnRowStored, MakeEvent<&TVMPlacementView::RowsAdded>(view, kFeederTable)},
      {"SpecialFeederTable.OnRowStored", &S->SpecialFeederTable->OnRowStored, MakeEvent<&TVMPlacementView::RowsAdded>(view, kSpecialFeederTable)},
      {"BoardTable.OnRowStored", &S->BoardTable->OnRowStored, MakeEvent<&TVMPlacementView::RowsAdded>(view, kBoardTable)},
      {"ComponentTable.OnRowStored", &S->ComponentTable->OnRowStored, MakeEvent<&TVMPlacementView::RowsAdded>(view, kComponentTable)},
      {"FeederTable.OnCellChanged", &S->FeederTable->OnCellChanged, MakeEvent<&TVMPlacementView::RowChanged>(view, kFeederTable)},
      {"SpecialFeederTable.OnCellChanged", &S->SpecialFeederTable->OnCellChanged, MakeEvent<&TVMPlacementView::RowChanged>(view, kSpecialFeederTable)},
      {"BoardTable.OnCellChanged", &S->BoardTable->OnCellChanged, MakeEvent<&TVMPlacementView::RowChanged>(view, kBoardTable)},
      {"ComponentTable.OnCellChanged", &S->ComponentTable->OnCellChanged, MakeEvent<&TVMPlacementView::RowChanged>(view, kComponentTable)},
      {"FeederTable.OnRowInserted", &S->FeederTable->OnRowInserted, MakeEvent<&TVMPlacementView::RowInserted>(view, kFeederTable)},
      {"SpecialFeederTable.OnRowInserted", &S->SpecialFeederTable->OnRowInserted, MakeEvent<&TVMPlacementView::RowInserted>(view, kSpecialFeederTable)},
      {"BoardTable.OnRowInserted", &S->BoardTable->OnRowInserted, MakeEvent<&TVMPlacementView::RowInserted>(view, kBoardTable)},
      {"ComponentTable.OnRowInserted", &S->ComponentTable->OnRowInserted, MakeEvent<&TVMPlacementView::RowInserted>(view, kComponentTable)},
      {"FeederTable.OnRowDeleted", &S->FeederTable->OnRowDeleted, MakeEvent<&TVMPlacementView::RowDeleted>(view, kFeederTable)},
      {"SpecialFeederTable.OnRowDeleted", &S->SpecialFeederTable->OnRowDeleted, MakeEvent<&TVMPlacementView::RowDeleted>(view, kSpecialFeederTable)},
      {"BoardTable.OnRowDeleted", &S->BoardTable->OnRowDeleted, MakeEvent<&TVMPlacementView::RowDeleted>(view, kBoardTable)},
      {"ComponentTable.OnRowDeleted", &S->ComponentTable->OnRowDeleted, MakeEvent<&TVMPlacementView::RowDeleted>(view, kComponentTable)},
      {"ComponentTable.OnSelect", &S->ComponentTable->OnSelect, MakeEvent<&TVMPlacementView::ShowComponent>(view)},
      {"PlacementView.OnPick", &view->OnPick, MakeEvent<&TvmStringTableMT::SelectRow>(S->ComponentTable, 5)},
      {"MainForm.OnResize", &S->MainForm->OnResize, MakeEvent<&TVMPlacementView::FollowParent>(view)},
      {"SaveJobDialog.FileName", &S->SaveJobDialog->FileNameInput, MakeEvent<&TVMDocument::FilePath>(S->Document)},
      {"SaveJobDialog.OnOpening", &S->SaveJobDialog->OnOpening, MakeEvent<&TVMHub::Trigger>(S->EditCommitHub)},
      {"EditCommitHub.OnOutput[0]", &S->EditCommitHub->OnOutput[0], MakeEvent<&TvmStringTableMT::CommitEdit>(S->FeederTable)},
      {"EditCommitHub.OnOutput[1]", &S->EditCommitHub->OnOutput[1], MakeEvent<&TvmStringTableMT::CommitEdit>(S->SpecialFeederTable)},
      {"EditCommitHub.OnOutput[2]", &S->EditCommitHub->OnOutput[2], MakeEvent<&TvmStringTableMT::CommitEdit>(S->BoardTable)},
      {"EditCommitHub.OnOutput[3]", &S->EditCommitHub->OnOutput[3], MakeEvent<&TvmStringTableMT::CommitEdit>(S->ComponentTable)},
      // Import of placement files.
      {"MenuRouter.OnOutput[kMenuImport]", &S->MenuRouter->OnOutput[kMenuImport], MakeEvent<&TVMODialog::ShowDialog>(S->ImportDialog)},
      {"ImportDialog.OnChosen", &S->ImportDialog->OnChosen, MakeEvent<&TVMHub::Trigger>(S->ImportChosenHub)},
      {"ImportChosenHub.OnOutput[0]", &S->ImportChosenHub->OnOutput[0], MakeEvent<&TVMPlacementImport::SetFileName>(S->PlacementImport)},
      {"ImportChosenHub.OnOutput[1]", &S->ImportChosenHub->OnOutput[1], MakeEvent<&TVMFileStream::OpenFile>(S->ImportReadStream)},
      {"ImportReadStream.OnOpened", &S->ImportReadStream->OnOpened, MakeEvent<&TVMPlacementImport::Read>(S->PlacementImport)},
      {"PlacementImport.OnStreamRead", &S->PlacementImport->OnStreamRead, MakeEvent<&TVMFileStream::CloseFile>(S->ImportReadStream)},
      {"PlacementImport.OnError", &S->PlacementImport->OnError, MakeEvent<&TVMMessage::ShowMessage>(S->ImportErrorMessage)},
      {"PlacementImport.OnAskSide", &S->PlacementImport->OnAskSide, MakeEvent<&TVMMessage::ShowMessage>(S->ImportSideQuestion)},
      {"ImportSideQuestion.OnYes", &S->ImportSideQuestion->OnYes, MakeEvent<&TVMPlacementImport::ChooseSide>(S->PlacementImport, 0)},
      {"ImportSideQuestion.OnNo", &S->ImportSideQuestion->OnNo, MakeEvent<&TVMPlacementImport::ChooseSide>(S->PlacementImport, 1)},
      {"PlacementImport.OnRows", &S->PlacementImport->OnRows, MakeEvent<&TvmStringTableMT::AddRows>(S->ComponentTable, 6)},
      {"PlacementImport.OnImported", &S->PlacementImport->OnImported, MakeEvent<&TVMPlacementView::Fit>(view)},
      {"PlacementImport.OnSummary", &S->PlacementImport->OnSummary, MakeEvent<&TVMMessage::ShowMessage>(S->ImportSummaryMessage)},
      {"PlacementImport.OnAskUnit", &S->PlacementImport->OnAskUnit, MakeEvent<&TVMMessage::ShowMessage>(S->ImportUnitQuestion)},
      {"ImportUnitQuestion.OnYes", &S->ImportUnitQuestion->OnYes, MakeEvent<&TVMPlacementImport::ChooseUnit>(S->PlacementImport, 0)},
      {"ImportUnitQuestion.OnNo", &S->ImportUnitQuestion->OnNo, MakeEvent<&TVMPlacementImport::ChooseUnit>(S->PlacementImport, 1)},
      // Rotation corrections for the imports.
      {"MenuRouter.OnOutput[kMenuCorrections]", &S->MenuRouter->OnOutput[kMenuCorrections], MakeEvent<&TVMODialog::ShowDialog>(S->CorrectionsDialog)},
      {"MenuRouter.OnOutput[kMenuNoCorrections]", &S->MenuRouter->OnOutput[kMenuNoCorrections], MakeEvent<&TVMRotationCorrections::Clear>(S->RotationCorrections)},
      {"CorrectionsDialog.OnChosen", &S->CorrectionsDialog->OnChosen, MakeEvent<&TVMRotationCorrections::Choose>(S->RotationCorrections)},
      {"RotationCorrections.OnError", &S->RotationCorrections->OnError, MakeEvent<&TVMMessage::ShowMessage>(S->CorrectionsErrorMessage)},
      {"RotationCorrections.OnChosen", &S->RotationCorrections->OnChosen, MakeEvent<&TVMMessage::ShowMessage>(S->CorrectionsChosenMessage)},
      {"PlacementImport.CorrectionsName", &S->PlacementImport->CorrectionsName, MakeEvent<&TVMRotationCorrections::FileName>(S->RotationCorrections)},
      {"PlacementImport.CorrectionsText", &S->PlacementImport->CorrectionsText, MakeEvent<&TVMRotationCorrections::Text>(S->RotationCorrections)},
      {"StartHub.OnOutput[0]", &S->StartHub->OnOutput[0], MakeEvent<&TVMRotationCorrections::Load>(S->RotationCorrections)},
      {"MenuRouter.OnOutput[kMenuTurnLeftRight]", &S->MenuRouter->OnOutput[kMenuTurnLeftRight], MakeEvent<&TVMBottomTurn::Choose>(S->BottomTurn, 0)},
      {"MenuRouter.OnOutput[kMenuTurnTopBottom]", &S->MenuRouter->OnOutput[kMenuTurnTopBottom], MakeEvent<&TVMBottomTurn::Choose>(S->BottomTurn, 1)},
      {"BottomTurn.OnTurn[0]", &S->BottomTurn->OnTurn[0], MakeEvent<&TVMMenu::CheckItem>(S->MainMenu, kMenuTurnLeftRight)},
      {"BottomTurn.OnTurn[1]", &S->BottomTurn->OnTurn[1], MakeEvent<&TVMMenu::CheckItem>(S->MainMenu, kMenuTurnTopBottom)},
      {"StartHub.OnOutput[3]", &S->StartHub->OnOutput[3], MakeEvent<&TVMBottomTurn::Load>(S->BottomTurn)},
      {"PlacementImport.BottomTurn", &S->PlacementImport->BottomTurn, MakeEvent<&TVMBottomTurn::Turn>(S->BottomTurn)},
      // "Распределить" and "Проверить".
      {"MenuRouter.OnOutput[kMenuDistribute]", &S->MenuRouter->OnOutput[kMenuDistribute], MakeEvent<&TVMFeederAssign::Assign>(S->FeederAssign)},
      {"FeederAssign.Tables[0]", &S->FeederAssign->Tables[0], MakeEvent<&TvmStringTableMT::Array>(S->FeederTable, 3)},
      {"FeederAssign.Tables[1]", &S->FeederAssign->Tables[1], MakeEvent<&TvmStringTableMT::Array>(S->SpecialFeederTable, 3)},
      {"FeederAssign.Tables[2]", &S->FeederAssign->Tables[2], MakeEvent<&TvmStringTableMT::Array>(S->BoardTable, 3)},
      {"FeederAssign.Tables[3]", &S->FeederAssign->Tables[3], MakeEvent<&TvmStringTableMT::Array>(S->ComponentTable, 3)},
      {"FeederAssign.OnChanges", &S->FeederAssign->OnChanges, MakeEvent<&TvmStringTableMT::ChangeRows>(S->ComponentTable, 7)},
      {"FeederAssign.OnSummary", &S->FeederAssign->OnSummary, MakeEvent<&TVMMessage::ShowMessage>(S->AssignSummaryBox)},
      {"MenuRouter.OnOutput[kMenuCheck]", &S->MenuRouter->OnOutput[kMenuCheck], MakeEvent<&TVMJobCheck::Check>(S->JobCheck)},
      {"JobCheck.Tables[0]", &S->JobCheck->Tables[0], MakeEvent<&TvmStringTableMT::Array>(S->FeederTable, 3)},
      {"JobCheck.Tables[1]", &S->JobCheck->Tables[1], MakeEvent<&TvmStringTableMT::Array>(S->SpecialFeederTable, 3)},
      {"JobCheck.Tables[2]", &S->JobCheck->Tables[2], MakeEvent<&TvmStringTableMT::Array>(S->BoardTable, 3)},
      {"JobCheck.Tables[3]", &S->JobCheck->Tables[3], MakeEvent<&TvmStringTableMT::Array>(S->ComponentTable, 3)},
      {"JobCheck.OnFindings", &S->JobCheck->OnFindings, MakeEvent<&TVMFindingsWindow::ShowFindings>(S->FindingsWindow)},
      {"FindingsWindow.OnPick[0]", &S->FindingsWindow->OnPick[0], MakeEvent<&TvmStringTableMT::SelectRow>(S->FeederTable, 5)},
      {"FindingsWindow.OnPick[1]", &S->FindingsWindow->OnPick[1], MakeEvent<&TvmStringTableMT::SelectRow>(S->SpecialFeederTable, 5)},
      {"FindingsWindow.OnPick[2]", &S->FindingsWindow->OnPick[2], MakeEvent<&TvmStringTableMT::SelectRow>(S->BoardTable, 5)},
      {"FindingsWindow.OnPick[3]", &S->FindingsWindow->OnPick[3], MakeEvent<&TvmStringTableMT::SelectRow>(S->ComponentTable, 5)},
      {"FindingsWindow.OnRecheck", &S->FindingsWindow->OnRecheck, MakeEvent<&TVMJobCheck::Check>(S->JobCheck)},
      // "Панель плат…".
      {"MenuRouter.OnOutput[kMenuPanel]", &S->MenuRouter->OnOutput[kMenuPanel], MakeEvent<&TVMPanelWindow::ShowPanel>(S->PanelWindow)},
      {"PanelWindow.OnOpening", &S->PanelWindow->OnOpening, MakeEvent<&TVMHub::Trigger>(S->EditCommitHub)},
      {"PanelWindow.OnRows", &S->PanelWindow->OnRows, MakeEvent<&TvmStringTableMT::ReplaceRows>(S->BoardTable, 8)},
      {"PanelWindow.OnApplied", &S->PanelWindow->OnApplied, MakeEvent<&TVMPlacementView::Fit>(view)},
      {"PanelWindow.OnInvalid", &S->PanelWindow->OnInvalid, MakeEvent<&TVMMessage::ShowMessage>(S->PanelErrorMessage)},
      // "Детали по видам…".
      {"MenuRouter.OnOutput[kMenuKinds]", &S->MenuRouter->OnOutput[kMenuKinds], MakeEvent<&TVMPartKindsWindow::ShowKinds>(S->PartKindsWindow)},
      {"PartKindsWindow.OnOpening", &S->PartKindsWindow->OnOpening, MakeEvent<&TVMHub::Trigger>(S->EditCommitHub)},
      {"PartKindsWindow.Tables[0]", &S->PartKindsWindow->Tables[0], MakeEvent<&TvmStringTableMT::Array>(S->FeederTable, 3)},
      {"PartKindsWindow.Tables[1]", &S->PartKindsWindow->Tables[1], MakeEvent<&TvmStringTableMT::Array>(S->SpecialFeederTable, 3)},
      {"PartKindsWindow.Tables[2]", &S->PartKindsWindow->Tables[2], MakeEvent<&TvmStringTableMT::Array>(S->BoardTable, 3)},
      {"PartKindsWindow.Tables[3]", &S->PartKindsWindow->Tables[3], MakeEvent<&TvmStringTableMT::Array>(S->ComponentTable, 3)},
      {"PartKindsWindow.ComponentCells", &S->PartKindsWindow->ComponentCells, MakeEvent<&TvmStringTableMT::Matrix>(S->ComponentTable, 2)},
      {"PartKindsWindow.OnChangeBegin", &S->PartKindsWindow->OnChangeBegin, MakeEvent<&TVMUndoJournal::BeginChange>(S->EditJournal)},
      {"PartKindsWindow.OnChangeEnd", &S->PartKindsWindow->OnChangeEnd, MakeEvent<&TVMUndoJournal::EndChange>(S->EditJournal)},
      {"PartKindsWindow.OnRowChanges[0]", &S->PartKindsWindow->OnRowChanges[0], MakeEvent<&TvmStringTableMT::ChangeRows>(S->FeederTable, 7)},
      {"PartKindsWindow.OnRowChanges[1]", &S->PartKindsWindow->OnRowChanges[1], MakeEvent<&TvmStringTableMT::ChangeRows>(S->SpecialFeederTable, 7)},
      {"PartKindsWindow.OnRowChanges[3]", &S->PartKindsWindow->OnRowChanges[3], MakeEvent<&TvmStringTableMT::ChangeRows>(S->ComponentTable, 7)},
      {"PartKindsWindow.OnFeederAdded", &S->PartKindsWindow->OnFeederAdded, MakeEvent<&TvmStringTableMT::AddRows>(S->FeederTable, 6)},
      {"PartKindsWindow.OnAskFeeder", &S->PartKindsWindow->OnAskFeeder, MakeEvent<&TVMMessage::ShowMessage>(S->MissingFeederQuestion)},
      {"MissingFeederQuestion.OnYes", &S->MissingFeederQuestion->OnYes, MakeEvent<&TVMPartKindsWindow::AnswerFeeder>(S->PartKindsWindow, 1)},
      {"MissingFeederQuestion.OnNo", &S->MissingFeederQuestion->OnNo, MakeEvent<&TVMPartKindsWindow::AnswerFeeder>(S->PartKindsWindow, 0)},
      {"PartKindsWindow.OnInvalid", &S->PartKindsWindow->OnInvalid, MakeEvent<&TVMMessage::ShowMessage>(S->KindErrorMessage)},
      {"ModifiedHub.OnOutput[1]", &S->ModifiedHub->OnOutput[1], MakeEvent<&TVMPartKindsWindow::TablesChanged>(S->PartKindsWindow)},
      {"PartKindsWindow.OnPick", &S->PartKindsWindow->OnPick, MakeEvent<&TvmStringTableMT::SelectRow>(S->ComponentTable, 5)},
      {"PartKindsWindow.OnRing", &S->PartKindsWindow->OnRing, MakeEvent<&TVMPlacementView::RingRows>(view)},
      // "Питатели из задания…".
      {"MenuRouter.OnOutput[kMenuFeedersFromJob]", &S->MenuRouter->OnOutput[kMenuFeedersFromJob], MakeEvent<&TVMODialog::ShowDialog>(S->FeedersDialog)},
      {"FeedersDialog.OnOpening", &S->FeedersDialog->OnOpening, MakeEvent<&TVMHub::Trigger>(S->EditCommitHub)},
      {"FeedersDialog.OnChosen", &S->FeedersDialog->OnChosen, MakeEvent<&TVMHub::Trigger>(S->FeedersChosenHub)},
      {"FeedersChosenHub.OnOutput[0]", &S->FeedersChosenHub->OnOutput[0], MakeEvent<&TVMFeedersFromJob::SetFileName>(S->FeedersFromJob)},
      {"FeedersChosenHub.OnOutput[1]", &S->FeedersChosenHub->OnOutput[1], MakeEvent<&TVMFileStream::OpenFile>(S->FeedersReadStream)},
      {"FeedersReadStream.OnOpened", &S->FeedersReadStream->OnOpened, MakeEvent<&TVMFeedersFromJob::Read>(S->FeedersFromJob)},
      {"FeedersFromJob.OnStreamRead", &S->FeedersFromJob->OnStreamRead, MakeEvent<&TVMFileStream::CloseFile>(S->FeedersReadStream)},
      {"FeedersFromJob.OnError", &S->FeedersFromJob->OnError, MakeEvent<&TVMMessage::ShowMessage>(S->FeedersErrorMessage)},
      {"FeedersFromJob.OnChangeStart", &S->FeedersFromJob->OnChangeStart, MakeEvent<&TVMUndoJournal::BeginChange>(S->EditJournal)},
      {"FeedersFromJob.OnFeederRows", &S->FeedersFromJob->OnFeederRows, MakeEvent<&TvmStringTableMT::ReplaceRows>(S->FeederTable, 8)},
      {"FeedersFromJob.OnSpecialRows", &S->FeedersFromJob->OnSpecialRows, MakeEvent<&TvmStringTableMT::ReplaceRows>(S->SpecialFeederTable, 8)},
      {"FeedersFromJob.OnChangeEnd", &S->FeedersFromJob->OnChangeEnd, MakeEvent<&TVMUndoJournal::EndChange>(S->EditJournal)},
      {"FeedersFromJob.OnSummary", &S->FeedersFromJob->OnSummary, MakeEvent<&TVMMessage::ShowMessage>(S->FeedersSummaryMessage)},
      // Nozzle rules for the imports and "Распределить".
      {"MenuRouter.OnOutput[kMenuNozzleRules]", &S->MenuRouter->OnOutput[kMenuNozzleRules], MakeEvent<&TVMODialog::ShowDialog>(S->NozzleRulesDialog)},
      {"MenuRouter.OnOutput[kMenuNoNozzleRules]", &S->MenuRouter->OnOutput[kMenuNoNozzleRules], MakeEvent<&TVMNozzleRules::Clear>(S->NozzleRules)},
      {"NozzleRulesDialog.OnChosen", &S->NozzleRulesDialog->OnChosen, MakeEvent<&TVMNozzleRules::Choose>(S->NozzleRules)},
      {"NozzleRules.OnError", &S->NozzleRules->OnError, MakeEvent<&TVMMessage::ShowMessage>(S->NozzleRulesErrorMessage)},
      {"NozzleRules.OnChosen", &S->NozzleRules->OnChosen, MakeEvent<&TVMMessage::ShowMessage>(S->NozzleRulesChosenMessage)},
      {"StartHub.OnOutput[5]", &S->StartHub->OnOutput[5], MakeEvent<&TVMNozzleRules::Load>(S->NozzleRules)},
      {"PlacementImport.NozzlesName", &S->PlacementImport->NozzlesName, MakeEvent<&TVMNozzleRules::FileName>(S->NozzleRules)},
      {"PlacementImport.NozzlesText", &S->PlacementImport->NozzlesText, MakeEvent<&TVMNozzleRules::Text>(S->NozzleRules)},
      {"FeederAssign.NozzlesName", &S->FeederAssign->NozzlesName, MakeEvent<&TVMNozzleRules::FileName>(S->NozzleRules)},
      {"FeederAssign.NozzlesText", &S->FeederAssign->NozzlesText, MakeEvent<&TVMNozzleRules::Text>(S->NozzleRules)},
      // The document, undo and redo, the keys, the start file and dropped files.
      {"FeederTable.OnEdit", &S->FeederTable->OnEdit, MakeEvent<&TVMUndoJournal::Record>(S->EditJournal, kFeederTable)},
      {"SpecialFeederTable.OnEdit", &S->SpecialFeederTable->OnEdit, MakeEvent<&TVMUndoJournal::Record>(S->EditJournal, kSpecialFeederTable)},
      {"BoardTable.OnEdit", &S->BoardTable->OnEdit, MakeEvent<&TVMUndoJournal::Record>(S->EditJournal, kBoardTable)},
      {"ComponentTable.OnEdit", &S->ComponentTable->OnEdit, MakeEvent<&TVMUndoJournal::Record>(S->EditJournal, kComponentTable)},
      {"EditJournal.OnUndo[0]", &S->EditJournal->OnUndo[kFeederTable], MakeEvent<&TvmStringTableMT::UndoEdit>(S->FeederTable)},
      {"EditJournal.OnUndo[1]", &S->EditJournal->OnUndo[kSpecialFeederTable], MakeEvent<&TvmStringTableMT::UndoEdit>(S->SpecialFeederTable)},
      {"EditJournal.OnUndo[2]", &S->EditJournal->OnUndo[kBoardTable], MakeEvent<&TvmStringTableMT::UndoEdit>(S->BoardTable)},
      {"EditJournal.OnUndo[3]", &S->EditJournal->OnUndo[kComponentTable], MakeEvent<&TvmStringTableMT::UndoEdit>(S->ComponentTable)},
      {"EditJournal.OnRedo[0]", &S->EditJournal->OnRedo[kFeederTable], MakeEvent<&TvmStringTableMT::RedoEdit>(S->FeederTable)},
      {"EditJournal.OnRedo[1]", &S->EditJournal->OnRedo[kSpecialFeederTable], MakeEvent<&TvmStringTableMT::RedoEdit>(S->SpecialFeederTable)},
      {"EditJournal.OnRedo[2]", &S->EditJournal->OnRedo[kBoardTable], MakeEvent<&TvmStringTableMT::RedoEdit>(S->BoardTable)},
      {"EditJournal.OnRedo[3]", &S->EditJournal->OnRedo[kComponentTable], MakeEvent<&TvmStringTableMT::RedoEdit>(S->ComponentTable)},
      {"UndoKeys.OnKey[0]", &S->UndoKeys->OnKey[0], MakeEvent<&TVMUndoJournal::Undo>(S->EditJournal)},
      {"UndoKeys.OnKey[1]", &S->UndoKeys->OnKey[1], MakeEvent<&TVMUndoJournal::Redo>(S->EditJournal)},
      {"EditJournal.OnModified", &S->EditJournal->OnModified, MakeEvent<&TVMHub::Trigger>(S->ModifiedHub)},
      {"ModifiedHub.OnOutput[0]", &S->ModifiedHub->OnOutput[0], MakeEvent<&TVMDocument::SetModified>(S->Document)},
      {"Document.OnTitle", &S->Document->OnTitle, MakeEvent<&TVMMainForm::ChangeCaption>(S->MainForm)},
      {"JobReadStream.OnFileOpened", &S->JobReadStream->OnFileOpened, MakeEvent<&TVMHub::Trigger>(S->OpenedHub)},
      {"OpenedHub.OnOutput[0]", &S->OpenedHub->OnOutput[0], MakeEvent<&TVMUndoJournal::Clear>(S->EditJournal)},
      {"OpenedHub.OnOutput[1]", &S->OpenedHub->OnOutput[1], MakeEvent<&TVMDocument::SetPath>(S->Document)},
      {"JobWriteStream.OnSaved", &S->JobWriteStream->OnSaved, MakeEvent<&TVMHub::Trigger>(S->SavedHub)},
      {"SavedHub.OnOutput[0]", &S->SavedHub->OnOutput[0], MakeEvent<&TVMUndoJournal::MarkSaved>(S->EditJournal)},
      {"SavedHub.OnOutput[1]", &S->SavedHub->OnOutput[1], MakeEvent<&TVMDocument::SetPath>(S->Document)},
      {"MainForm.CloseQuery", &S->MainForm->CloseQuery, MakeEvent<&TVMDocument::CloseQuery>(S->Document)},
      {"Document.OnAskSave", &S->Document->OnAskSave, MakeEvent<&TVMMessage::ShowMessage>(S->SaveChangesQuestion)},
      {"SaveChangesQuestion.OnYes", &S->SaveChangesQuestion->OnYes, MakeEvent<&TVMSDialog::ShowDialog>(S->SaveJobDialog)},
      {"SaveChangesQuestion.OnNo", &S->SaveChangesQuestion->OnNo, MakeEvent<&TVMHub::Trigger>(S->DiscardHub)},
      {"DiscardHub.OnOutput[0]", &S->DiscardHub->OnOutput[0], MakeEvent<&TVMDocument::Discard>(S->Document)},
      {"DiscardHub.OnOutput[1]", &S->DiscardHub->OnOutput[1], MakeEvent<&TVMChangeRecovery::Discard>(S->ChangeRecovery)},
      {"FindNextKey.OnKey[0]", &S->FindNextKey->OnKey[0], MakeEvent<&TVMDoData::SendData>(S->FindNextText)},
      {"FindNextText.Data", &S->FindNextText->DataInput, MakeEvent<&TVMEdit::Text>(S->SearchEdit)},
      {"FindNextText.OnData", &S->FindNextText->OnData, MakeEvent<&TVMHub::Trigger>(S->SearchHub)},
      {"MainForm.OnCreate", &S->MainForm->OnCreate, MakeEvent<&TVMHub::Trigger>(S->StartHub)},
      {"StartHub.OnOutput[2]", &S->StartHub->OnOutput[2], MakeEvent<&TVMStartFile::Send>(S->StartFile)},
      {"StartFile.OnFile", &S->StartFile->OnFile, MakeEvent<&TVMFileStream::OpenFile>(S->JobReadStream)},
      {"FileDrop.OnDropped", &S->FileDrop->OnDropped, MakeEvent<&TVMFileStream::OpenFile>(S->JobReadStream)},
      // The recovery copy of unsaved changes.
      {"ModifiedHub.OnOutput[2]", &S->ModifiedHub->OnOutput[2], MakeEvent<&TVMChangeRecovery::Changed>(S->ChangeRecovery)},
      {"ChangeRecovery.Tables[0]", &S->ChangeRecovery->Tables[0], MakeEvent<&TvmStringTableMT::Array>(S->FeederTable, 3)},
      {"ChangeRecovery.Tables[1]", &S->ChangeRecovery->Tables[1], MakeEvent<&TvmStringTableMT::Array>(S->SpecialFeederTable, 3)},
      {"ChangeRecovery.Tables[2]", &S->ChangeRecovery->Tables[2], MakeEvent<&TvmStringTableMT::Array>(S->BoardTable, 3)},
      {"ChangeRecovery.Tables[3]", &S->ChangeRecovery->Tables[3], MakeEvent<&TvmStringTableMT::Array>(S->ComponentTable, 3)},
      {"ChangeRecovery.JobPath", &S->ChangeRecovery->JobPath, MakeEvent<&TVMDocument::FilePath>(S->Document)},
      {"StartHub.OnOutput[1]", &S->StartHub->OnOutput[1], MakeEvent<&TVMChangeRecovery::Offer>(S->ChangeRecovery)},
      {"ChangeRecovery.OnAsk", &S->ChangeRecovery->OnAsk, MakeEvent<&TVMMessage::ShowMessage>(S->RecoveryQuestion)},
      {"RecoveryQuestion.OnYes", &S->RecoveryQuestion->OnYes, MakeEvent<&TVMChangeRecovery::Restore>(S->ChangeRecovery)},
      {"RecoveryQuestion.OnNo", &S->RecoveryQuestion->OnNo, MakeEvent<&TVMChangeRecovery::Drop>(S->ChangeRecovery)},
      {"ChangeRecovery.OnUnreadable", &S->ChangeRecovery->OnUnreadable, MakeEvent<&TVMMessage::ShowMessage>(S->RecoveryErrorMessage)},
      {"ChangeRecovery.OnRows", &S->ChangeRecovery->OnRows, MakeEvent<&TVMHub::Trigger>(S->SectionSplitHub)},
      {"ChangeRecovery.OnJobFile", &S->ChangeRecovery->OnJobFile, MakeEvent<&TVMDocument::SetPath>(S->Document)},
      {"ChangeRecovery.OnRecovered", &S->ChangeRecovery->OnRecovered, MakeEvent<&TVMUndoJournal::StartOver>(S->EditJournal)},
      // "Создать".
      {"MenuRouter.OnOutput[kMenuNew]", &S->MenuRouter->OnOutput[kMenuNew], MakeEvent<&TVMHub::Trigger>(S->NewJobHub)},
      {"NewJobHub.OnOutput[0]", &S->NewJobHub->OnOutput[0], MakeEvent<&TVMHub::Trigger>(S->EditCommitHub)},
      {"NewJobHub.OnOutput[1]", &S->NewJobHub->OnOutput[1], MakeEvent<&TVMDocument::Leave>(S->Document)},
      {"Document.OnLeave", &S->Document->OnLeave, MakeEvent<&TVMHub::Trigger>(S->JobClearHub)},
      {"JobClearHub.OnOutput[0]", &S->JobClearHub->OnOutput[0], MakeEvent<&TvmStringTableMT::Clear>(S->FeederTable, 9)},
      {"JobClearHub.OnOutput[1]", &S->JobClearHub->OnOutput[1], MakeEvent<&TvmStringTableMT::Clear>(S->SpecialFeederTable, 9)},
      {"JobClearHub.OnOutput[2]", &S->JobClearHub->OnOutput[2], MakeEvent<&TvmStringTableMT::Clear>(S->BoardTable, 9)},
      {"JobClearHub.OnOutput[3]", &S->JobClearHub->OnOutput[3], MakeEvent<&TvmStringTableMT::Clear>(S->ComponentTable, 9)},
      {"JobClearHub.OnOutput[4]", &S->JobClearHub->OnOutput[4], MakeEvent<&TVMUndoJournal::StartOver>(S->EditJournal)},
      {"JobClearHub.OnOutput[5]", &S->JobClearHub->OnOutput[5], MakeEvent<&TVMDocument::SetPath>(S->Document)},
      {"JobClearHub.OnOutput[6]", &S->JobClearHub->OnOutput[6], MakeEvent<&TVMPlacementView::Clear>(view)},
      // The recent jobs.
      {"OpenedHub.OnOutput[2]", &S->OpenedHub->OnOutput[2], MakeEvent<&TVMRecentJobs::Add>(S->RecentJobs)},
      {"SavedHub.OnOutput[2]", &S->SavedHub->OnOutput[2], MakeEvent<&TVMRecentJobs::Add>(S->RecentJobs)},
      {"StartHub.OnOutput[4]", &S->StartHub->OnOutput[4], MakeEvent<&TVMRecentJobs::Load>(S->RecentJobs)},
      {"RecentJobs.OnItems", &S->RecentJobs->OnItems, MakeEvent<&TVMMenu::ShowItemRun>(S->MainMenu, kMenuRecentFirst)},
      {"RecentJobs.CloseQuery", &S->RecentJobs->CloseQuery, MakeEvent<&TVMDocument::CloseQuery>(S->Document)},
      {"RecentJobs.OnChosen", &S->RecentJobs->OnChosen, MakeEvent<&TVMFileStream::OpenFile>(S->JobReadStream)},
  };
  std::vector<TExpectedLink> all = links;
  all.insert(all.end(), added.begin(), added.end());
  for (uint16_t place = 0; place < kRecentJobsLimit; ++place)
    all.push_back({"MenuRouter.OnOutput[kMenuRecentFirst + place]", &S->MenuRouter->OnOutput[kMenuRecentFirst + place],
                   MakeEvent<&TVMRecentJobs::Choose>(S->RecentJobs, place)});
  std::set<TVM_Event*> sources;
  for (const TExpectedLink& link : all) {
    SCOPED_TRACE(link.Name);
    EXPECT_TRUE(sources.insert(link.Source).second) << "listed twice";
    EXPECT_EQ(link.Source->Code, link.Target.Code);
    EXPECT_EQ(link.Source->Target, link.Target.Target);
    EXPECT_EQ(link.Source->Index, link.Target.Index);
  }
  // The read file is closed once the flattener has its bytes.
  TVM_Event close = MakeEvent<&TVMFileStream::CloseFile>(S->JobReadStream);
  EXPECT_EQ(S->JobTextFlattener->OnStreamRead.Code, close.Code);
  EXPECT_EQ(S->JobTextFlattener->OnStreamRead.Target, S->JobReadStream);

  // Left open: the router's outputs of "Файл", "УП", the separator before
  // the recent jobs and "Действия", save output 2, the cancel and
  // missing-mark events, and the events of the form and the tables.
  ASSERT_EQ(S->MenuRouter->OnOutput.size(), static_cast<size_t>(kMenuItemCount));
  ASSERT_EQ(S->SaveHub->OnOutput.size(), 4u);
  ASSERT_EQ(S->SectionSplitHub->OnOutput.size(), 4u);
  ASSERT_EQ(S->SearchHub->OnOutput.size(), 3u);
  std::vector<TVM_Event*> open = {&S->MenuRouter->OnOutput[kMenuFile], &S->MenuRouter->OnOutput[kMenuProgram],
                                  &S->MenuRouter->OnOutput[kMenuRecentSeparator],
                                  &S->MenuRouter->OnOutput[kMenuActions], &S->CorrectionsDialog->OnCancel,
                                  &S->NozzleRulesDialog->OnCancel,
                                  &S->FeedersDialog->OnCancel,
                                  &S->SaveHub->OnOutput[2], &S->OpenJobDialog->OnCancel,
                                  &S->SaveJobDialog->OnCancel, &S->AboutMessage->OnNo,
                                  &S->AboutMessage->OnAnswer, &S->MainForm->OnClose,
                                  &S->JobWriteStream->OnOpened, &S->JobWriteStream->OnSaveFailed,
                                  &S->JobFormatCheck->OnCancel, &S->ImportDialog->OnCancel,
                                  &S->ImportSideQuestion->OnCancel, &S->ImportUnitQuestion->OnCancel,
                                  &S->MissingFeederQuestion->OnCancel, &S->PartKindsWindow->OnRowChanges[kBoardTable],
                                  &S->RecoveryQuestion->OnCancel};
  for (TVMComponent* c : S->CreationOrder()) {
    if (auto* find = dynamic_cast<TVMBlockFind*>(c)) open.push_back(&find->OnMissing);
    if (auto* table = dynamic_cast<TvmStringTableMT*>(c))
      for (TVM_Event* e : {&table->OnClick, &table->OnEditStart}) open.push_back(e);
    if (c != S->ComponentTable)
      if (auto* table = dynamic_cast<TvmStringTableMT*>(c)) open.push_back(&table->OnSelect);
  }
  for (TVM_Event* e : open) EXPECT_EQ(e->Code, nullptr);
}

// Records what the help command hands to the shell instead of starting a
// browser; the rest of the path is the program's own.
struct TShellCall {
  int Count = 0;
  void* Owner = nullptr;
  std::string Verb, File, Params, Folder;
  int32_t ShowCmd = -1;
};
TShellCall LastShellCall;

intptr_t RecordShellOpen(void* owner, const char* verb, const char* file, const char* params,
                         const char* folder, int32_t showCmd) {
  LastShellCall = {LastShellCall.Count + 1, owner, verb ? verb : "", file ? file : "",
                   params ? params : "", folder ? folder : "", showCmd};
  return 42;
}

TEST_F(SchemaNetworkTest, HelpShowsItsMessageAndOpensTheForumOnlyOnYes) {
  SwitchOnNetwork(S->MainForm);
  const TShellOpenProc saved = ShellOpenProc;
  ShellOpenProc = &RecordShellOpen;
  LastShellCall = {};
  HWND form = S->MainForm->Control->Handle;
  const int32_t helpId = MenuItemByIdOrIndex(S->MainMenu->Menu, kMenuHelp)->ItemId;

  TDialogAnswerer answerer;
  answerer.Press(IDNO);
  answerer.Press(IDYES);
  SendMessageA(form, WM_COMMAND, MAKEWPARAM(helpId, 0), 0);
  EXPECT_EQ(LastShellCall.Count, 0) << "No opens nothing";
  SendMessageA(form, WM_COMMAND, MAKEWPARAM(helpId, 0), 0);
  ShellOpenProc = saved;

  ASSERT_EQ(answerer.Dialogs.size(), 2u);
  const auto& box = answerer.Dialogs[0];
  EXPECT_EQ(box.Caption, "Перейти на страницу форума?");
  EXPECT_EQ(box.Text.rfind("Программа на стадии разработки\r\nВсе вопросы и пожелания на форуме\r\n", 0), 0u);
  EXPECT_NE(box.Text.find("\r\nв соответствующей теме\r\n\r\n\r\n\r\n\r\n "), std::string::npos);
  EXPECT_EQ(box.Buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(box.DefaultButton, IDYES);
  EXPECT_EQ(box.Icon, nullptr);
  EXPECT_EQ(box.Owner, S->MainForm->Control->Handle) << "the form is the dialog parent";

  ASSERT_EQ(LastShellCall.Count, 1);
  EXPECT_EQ(LastShellCall.Owner, nullptr);
  EXPECT_EQ(LastShellCall.Verb, "open");
  EXPECT_EQ(LastShellCall.File, WindowText(S->ForumUrlLabel->Control->Handle));
  EXPECT_EQ(LastShellCall.File.find("http://"), 0u);
  EXPECT_NE(LastShellCall.File.find("/viewtopic.php?f="), std::string::npos);
  EXPECT_EQ(LastShellCall.Params, "");
  EXPECT_EQ(LastShellCall.Folder, "");
  EXPECT_EQ(LastShellCall.ShowCmd, 1);
}

}  // namespace
