#include "editor/schema.h"

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
#include "components/processing/str_cat.h"
#include "components/processing/stream_to_hex.h"
#include "components/processing/undo_journal.h"
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
#include "core/event.h"
#include "editor/job_chains.h"
#include "job/job_format.h"
#include "editor/job_format_check.h"
#include "toolkit/align.h"
#include "toolkit/colors.h"
#include "toolkit/ini_file.h"
#include "toolkit/list_view.h"
#include "toolkit/navigation.h"

TClassMainForm_C7FA30* SchemaInstance = nullptr;

namespace {

// The string table's points that the links reach.
constexpr uint16_t kTableAddRow = TvmStringTableMT::kAddRowPoint;
constexpr uint16_t kTableMatrix = TvmStringTableMT::kMatrixPoint;
constexpr uint16_t kTableArray = TvmStringTableMT::kArrayPoint;
constexpr uint16_t kTableSelectRow = TvmStringTableMT::kSelectRowPoint;
constexpr uint16_t kTableAddRows = TvmStringTableMT::kAddRowsPoint;

// The keys of the tables' column widths in the settings file, by TJobTable.
constexpr const char* kColumnWidthKeys[kJobTableCount] = {"Feeders", "SpecialFeeders", "Boards", "Components"};

// Steps of saving: the write stream is opened (twice, as the file needs),
// then the lines are written; output 2 between them is left open.
enum TSaveStep : uint8_t { kSaveOpen = 0, kSaveOpenAgain = 1, kSaveWrite = 3, kSaveStepCount = 4 };

// Steps of one search: find from the start row, keep the search text, then
// work out the next start row.
enum TSearchStep : uint8_t { kSearchFind, kSearchKeepText, kSearchNextStart, kSearchStepCount };

// Every window component of the editor uses this font.
TFontRec EditorFont() {
  return MakeFont("MS Sans Serif", 8, 0, static_cast<uint32_t>(SystemColor(kSysWindowText)), 1);
}

// Items show their shortcuts after a tab; the menu takes those keys too.
// "Создать", "Импорт позиций…", the two items of rotation corrections and the
// two of nozzle rules, the two turns of
// the bottom side (radio items, one checked), "Питатели из задания…",
// "Проверить", "Панель плат…" and "Детали по видам…" are additions to the
// composition's menu; so are the recent jobs at the end of "Файл", behind a
// separator, one item for each place of the list (the items of places not
// taken are hidden, the separator too while the list is empty).
constexpr char kMenuTemplate[] =
    "Файл\r\n"
    "(\r\n"
    "Создать\tCtrl+N\r\n"
    "Открыть\tCtrl+O\r\n"
    "Сохранить \tCtrl+S\r\n"
    "Импорт позиций…\tCtrl+I\r\n"
    "Поправки поворота…\r\n"
    "Без поправок поворота\r\n"
    "Правила сопел…\r\n"
    "Без правил сопел\r\n"
    "+!Нижняя сторона: переворот слева направо\r\n"
    "-!Нижняя сторона: переворот сверху вниз\r\n"
    "Питатели из задания…\r\n"
    "УП\r\n"
    "-\r\n"
    "Недавнее задание\r\n"
    "Недавнее задание\r\n"
    "Недавнее задание\r\n"
    "Недавнее задание\r\n"
    "Недавнее задание\r\n"
    "Недавнее задание\r\n"
    "Недавнее задание\r\n"
    "Недавнее задание\r\n"
    ")\r\n"
    "Действия\r\n"
    "(\r\n"
    "Распределить\r\n"
    "Проверить\tF7\r\n"
    "Панель плат…\r\n"
    "Детали по видам…\tF8\r\n"
    ")\r\n"
    "Помощь";

// The support forum's topic page; its host is named in the help text.
constexpr char kForumTopic[] =
    "http://forum.zr780k-editor.example/viewtopic.php?f=4&t=117&sid=5d0c3f2e9a41b7c8";
constexpr char kAboutText[] =
    "Программа на стадии разработки\r\n"
    "Все вопросы и пожелания на форуме\r\n"
    "forum.zr780k-editor.example\r\n"
    "в соответствующей теме\r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    "\r\n"
    " ";

// Position, size, alignment and visibility of a window component.
void Place(TVMWin* window, int32_t left, int32_t top, int32_t width, int32_t height, uint8_t align,
           bool visible) {
  window->Left = left;
  window->Top = top;
  window->Width = width;
  window->Height = height;
  window->Align = align;
  window->Visible = visible;
  window->Enabled = true;
  window->Font = EditorFont();
}

// What the four tables set beyond string_table.h's defaults (which are the
// composition's: "," and "#" separators, report view, grid lines, full row
// select, the cell editor, 80-pixel left-aligned columns, no images or
// colours, no initial items); only the columns differ.
void SetTableLook(TvmStringTableMT* table, const char* columns) {
  table->Color = ComponentSystemColor(kSysWindow);
  table->SetColumns(columns);
}

// An open dialog that starts in the current folder with no name.
void SetOpenDialog(TVMODialog* dialog, const char* title, const char* filter) {
  dialog->Title = title;
  dialog->Filter = filter;
  dialog->InitialDir = ".";
  dialog->FileName = "";
}

// A box with one OK button, its text fired to it.
void SetOkBox(TVMMessage* box, const char* caption, uint8_t icon) {
  box->Caption = caption;
  box->Buttons = kButtonsOk;
  box->Icon = icon;
}

// A question with Да, Нет and Отмена, Да the default.
void SetQuestionBox(TVMMessage* box, const char* caption, const char* message, uint8_t icon) {
  box->Message = message;
  box->Caption = caption;
  box->Buttons = kButtonsYesNoCancel;
  box->Icon = icon;
  box->DefaultButton = kDefaultFirst;
}

void SetLabel(TVMLabel* label, const char* caption) {
  label->Transparent = false;
  label->Caption = caption;
  label->SetAutoSize(true);
  label->SetTextAlign(kTextLeft);
}

}  // namespace

TClassMainForm_C7FA30::TClassMainForm_C7FA30(TVMComponent* owner) {
  SchemaInstance = this;
  CreateComposition();
  JoinComposition();
  CreateAdditions();
  JoinAdditions();
  AttachHints();
  EnableTabNavigation(MainForm->Control);
}

TClassMainForm_C7FA30::~TClassMainForm_C7FA30() {
  while (!Instances.empty()) {
    TVMComponent* instance = Instances.back();
    Instances.pop_back();
    delete instance;
  }
  if (SchemaInstance == this) SchemaInstance = nullptr;
}

// ===========================================================================
// The composition: its 53 instances, then its links (63 of its 69 here; the
// six that pass the format check are joined with the additions).
// ===========================================================================

// The 53 instances in creation order, each configured at once; window
// components are initialised right after their settings.
void TClassMainForm_C7FA30::CreateComposition() {
  // 1. MainForm: the main window.
  MainForm = Keep(new TVMMainForm(nullptr));
  Place(MainForm, 0, 0, 1500, 936, kAlignNone, true);
  MainForm->Color = SystemColor(kSysButtonFace);
  MainForm->SetCaption("ZR780K Editor");
  MainForm->SetIcon(LoadIconA(GetModuleHandleA(nullptr), "VOLA"));
  MainForm->SetFormBorder(kFormBorderSizeable);
  MainForm->PositionStore = "";
  MainForm->Init();
  TControl* form = MainForm->Control;

  // 2. MainMenu: the window's menu bar.
  MainMenu = Keep(new TVMMenu(form));
  MainMenu->SetMenu(kMenuTemplate);

  // 3. MenuRouter: routes a menu item index to one output.
  MenuRouter = Keep(new TVMIndexToChanel);
  MenuRouter->SetCount(kMenuItemCount);

  // 4. OpenJobDialog: file open dialog.
  OpenJobDialog = Keep(new TVMODialog);
  SetOpenDialog(OpenJobDialog, "Open Dialog", "Файлы раскладчика|*.CSV*|All|*.*");

  // 5. FeederRowFind: cuts feeder rows.
  FeederRowFind = Keep(new TVMBlockFind);

  // 6. FeederTable: feeder section table.
  FeederTable = Keep(new TvmStringTableMT(form));
  Place(FeederTable, 0, 140, 1492, 165, kAlignTop, true);
  SetTableLook(FeederTable, kFeederColumnCaptions);
  FeederTable->Init();

  // 7. JobTextFlattener: file bytes to one-line text.
  JobTextFlattener = Keep(new TVMStream2Hex);

  // 8. JobReadStream: file opened for reading.
  JobReadStream = Keep(new TVMFileStream);
  JobReadStream->Mode = kFileModeRead;
  JobReadStream->FileName = "";

  // 9. FeederMatrix: matrix access to FeederTable.
  FeederMatrix = Keep(new TVMMatrixRW);
  FeederMatrix->X = 0;
  FeederMatrix->Y = 0;

  // 10. FeederSectionFind: finds the feeder block.
  FeederSectionFind = Keep(new TVMBlockFind);

  // 11. SaveJobDialog: file save dialog.
  SaveJobDialog = Keep(new TVMSDialog);
  SaveJobDialog->Title = "Save Dialog";
  SaveJobDialog->Filter = "Файлы раскладчика|*.CSV|All|*.*";
  SaveJobDialog->InitialDir = ".";
  SaveJobDialog->FileName = ".CSV";

  // 12. JobWriteStream: file opened for writing.
  JobWriteStream = Keep(new TVMFileStream);
  JobWriteStream->Mode = kFileModeWrite;
  JobWriteStream->FileName = "";

  // 13. JobLineWriter: writes one line to the write stream.
  JobLineWriter = Keep(new TVMDataToFile);
  JobLineWriter->Writer = MakeMethod<&TVMDataToFile::WriteLine>(JobLineWriter);

  // 14. SaveHub: steps of saving.
  SaveHub = Keep(new TVMHub);
  SaveHub->SetCount(kSaveStepCount);

  // 15. FeederRowEnum: enumerates feeder rows for saving.
  FeederRowEnum = Keep(new TVMArrayEnum);

  // 16. FeederHeader: maker and feeder header lines.
  FeederHeader = Keep(new TVMInformer);

  // 17. SpecialSectionFind: finds the special feeder block.
  SpecialSectionFind = Keep(new TVMBlockFind);

  // 18. SectionSplitHub: hands the file text to the four section finders.
  SectionSplitHub = Keep(new TVMHub);

  // 19. SpecialFeederTable: special feeder section table.
  SpecialFeederTable = Keep(new TvmStringTableMT(form));
  Place(SpecialFeederTable, 0, 165, 1492, 182, kAlignTop, true);
  SetTableLook(SpecialFeederTable, kSpecialFeederColumnCaptions);
  SpecialFeederTable->Init();

  // 20. SpecialFeederMatrix: matrix access to SpecialFeederTable.
  SpecialFeederMatrix = Keep(new TVMMatrixRW);
  SpecialFeederMatrix->X = 0;
  SpecialFeederMatrix->Y = 0;

  // 21. SpecialRowEnum: enumerates special feeder rows for saving.
  SpecialRowEnum = Keep(new TVMArrayEnum);

  // 22. SpecialHeader: special feeder header line.
  SpecialHeader = Keep(new TVMInformer);

  // 23. ComponentSectionFind: strips everything up to the component header.
  ComponentSectionFind = Keep(new TVMBlockFind);

  // 24. ComponentTable: component section table.
  ComponentTable = Keep(new TvmStringTableMT(form));
  Place(ComponentTable, 0, 347, 642, 555, kAlignLeft, true);
  SetTableLook(ComponentTable, kComponentColumnCaptions);
  ComponentTable->Init();

  // 25. ComponentMatrix: matrix access to ComponentTable.
  ComponentMatrix = Keep(new TVMMatrixRW);
  ComponentMatrix->X = 0;
  ComponentMatrix->Y = 0;

  // 26. ComponentRowEnum: enumerates component rows for saving.
  ComponentRowEnum = Keep(new TVMArrayEnum);

  // 27. BoardHeader: board header line.
  BoardHeader = Keep(new TVMInformer);

  // 28. FeederLineMarker: marks line ends in the feeder block.
  FeederLineMarker = Keep(new TVMBlockFind);

  // 29. SpecialRowFind: cuts special feeder rows.
  SpecialRowFind = Keep(new TVMBlockFind);

  // 30. SpecialLineMarker: marks line ends in the special feeder block.
  SpecialLineMarker = Keep(new TVMBlockFind);

  // 31. ComponentRowFind: cuts component rows.
  ComponentRowFind = Keep(new TVMBlockFind);

  // 32. ComponentLineMarker: marks line ends in the component block.
  ComponentLineMarker = Keep(new TVMBlockFind);

  // 33. SearchEdit: text box for the component search.
  SearchEdit = Keep(new TVMEdit(form));
  Place(SearchEdit, 650, 360, 45, 20, kAlignNone, true);
  SearchEdit->TextGetter = MakeMethod<&TVMEdit::GetText>(SearchEdit);
  SearchEdit->Password = false;
  SearchEdit->InitialText = "Edit";
  SearchEdit->ReadOnly = false;
  SearchEdit->TextAlign = kTextLeft;
  SearchEdit->Hint = "Введите искомый компонент";
  SearchEdit->SecondText = "Поиск";
  SearchEdit->Init();

  // 34. ComponentFind: finds a component row.
  ComponentFind = Keep(new TVMArrayFind);
  ComponentFind->CaseSensitive = false;
  ComponentFind->Partial = true;
  ComponentFind->Start = 0;
  ComponentFind->Value = TData{};
  // No row is found before the first search: an Enter on the still empty
  // table then leaves the next search starting at row 0.
  ComponentFind->FoundIndex = -1;

  // 35. NextStartMath: row to start the next search from (addition).
  NextStartMath = Keep(new TVMMath);
  NextStartMath->Operand1 = 0.0;
  NextStartMath->Operand2 = 1.0;
  NextStartMath->ResultType = 0;
  NextStartMath->SetResult(0.0);

  // 36. KeepSearchText: keeps the search text after Enter.
  KeepSearchText = Keep(new TVMDoData);

  // 37. SearchHub: steps of one search.
  SearchHub = Keep(new TVMHub);
  SearchHub->SetCount(kSearchStepCount);

  // 38. OneLabel: hidden label holding the constant "1".
  OneLabel = Keep(new TVMLabel(form));
  Place(OneLabel, 650, 390, 50, 15, kAlignNone, false);
  SetLabel(OneLabel, "1");
  OneLabel->Init();

  // 39. AboutMessage: help message box.
  AboutMessage = Keep(new TVMMessage);
  AboutMessage->Message = kAboutText;
  AboutMessage->Caption = "Перейти на страницу форума?";
  AboutMessage->Buttons = kButtonsYesNo;
  AboutMessage->Icon = kIconNone;
  AboutMessage->DefaultButton = kDefaultFirst;

  // 40. ForumUrlLabel: hidden label holding the forum address.
  ForumUrlLabel = Keep(new TVMLabel(form));
  Place(ForumUrlLabel, 650, 415, 50, 15, kAlignNone, false);
  SetLabel(ForumUrlLabel, kForumTopic);
  ForumUrlLabel->Init();

  // 41. ForumOpener: opens the forum address.
  ForumOpener = Keep(new TVMWinExec);
  ForumOpener->FileName = "";
  ForumOpener->Params = "";
  ForumOpener->ShowCmd = SW_SHOWNORMAL;
  ForumOpener->Runner = MakeMethod<&TVMWinExec::RunCommandLine>(ForumOpener);

  // 42. SearchTitleLabel: visible caption of the search box.
  SearchTitleLabel = Keep(new TVMLabel(form));
  Place(SearchTitleLabel, 705, 365, 106, 17, kAlignNone, true);
  SetLabel(SearchTitleLabel, "Поиск компонентов");
  SearchTitleLabel->Init();

  // 43.-45. ComponentRowComma, SpecialRowComma, FeederRowComma: append ","
  // to a row line.
  ComponentRowComma = Keep(new TVMStrCat);
  SpecialRowComma = Keep(new TVMStrCat);
  FeederRowComma = Keep(new TVMStrCat);

  // 46. BoardSectionFind: finds the board block.
  BoardSectionFind = Keep(new TVMBlockFind);

  // 47. BoardRowFind: cuts board rows.
  BoardRowFind = Keep(new TVMBlockFind);

  // 48. BoardLineMarker: marks line ends in the board block.
  BoardLineMarker = Keep(new TVMBlockFind);

  // 49. BoardTable: board section table.
  BoardTable = Keep(new TvmStringTableMT(form));
  Place(BoardTable, 740, 347, 302, 67, kAlignNone, true);
  SetTableLook(BoardTable, kBoardColumnCaptions);
  BoardTable->Init();

  // 50. BoardRowEnum: enumerates board rows for saving.
  BoardRowEnum = Keep(new TVMArrayEnum);

  // 51. ComponentHeader: component header line.
  ComponentHeader = Keep(new TVMInformer);

  // 52. BoardRowComma: appends "," to a board row.
  BoardRowComma = Keep(new TVMStrCat);

  // 53. BoardMatrix: matrix access to BoardTable.
  BoardMatrix = Keep(new TVMMatrixRW);
  BoardMatrix->X = 0;
  BoardMatrix->Y = 0;

  // The instances of the read and save chains take their settings from the
  // chains' one home, which the tests and benchmarks build from as well.
  ConfigureReadChain(ReadChain());
  ConfigureSaveChain(SaveChain());
}

// The composition's links, one line per link: source point = target action or
// data output (index).
void TClassMainForm_C7FA30::JoinComposition() {
  // Menu commands.
  MainMenu->OnClick = MakeEvent<&TVMIndexToChanel::Trigger>(MenuRouter, 0);
  MenuRouter->OnOutput[kMenuOpen] = MakeEvent<&TVMODialog::ShowDialog>(OpenJobDialog, 0);
  MenuRouter->OnOutput[kMenuSave] = MakeEvent<&TVMSDialog::ShowDialog>(SaveJobDialog, 0);
  MenuRouter->OnOutput[kMenuHelp] = MakeEvent<&TVMMessage::ShowMessage>(AboutMessage, 0);

  // Open: file, flat text, four section chains (the flattener's text on to
  // the tables: 17 links).
  OpenJobDialog->OnChosen = MakeEvent<&TVMFileStream::OpenFile>(JobReadStream, 0);
  JobReadStream->OnOpened = MakeEvent<&TVMStream2Hex::Convert>(JobTextFlattener, 0);
  JoinReadChain(ReadChain(), {MakeEvent<&TvmStringTableMT::AddRow>(FeederTable, kTableAddRow),
                              MakeEvent<&TvmStringTableMT::AddRow>(SpecialFeederTable, kTableAddRow),
                              MakeEvent<&TvmStringTableMT::AddRow>(BoardTable, kTableAddRow),
                              MakeEvent<&TvmStringTableMT::AddRow>(ComponentTable, kTableAddRow)});

  // Save: open the write stream, then each header line and each table's rows.
  // The save dialog's choice reaches SaveHub, and the row lines and the end of
  // the rows reach the writer, through the format check, an addition: those
  // links are joined with the additions.
  SaveHub->OnOutput[kSaveOpen] = MakeEvent<&TVMFileStream::OpenFile>(JobWriteStream, 0);
  SaveHub->OnOutput[kSaveOpenAgain] = MakeEvent<&TVMFileStream::OpenFile>(JobWriteStream, 0);
  SaveHub->OnOutput[kSaveWrite] = SaveChainInput(SaveChain());
  JoinSaveChain(SaveChain(),
                {MakeEvent<&TvmStringTableMT::Array>(FeederTable, kTableArray),
                 MakeEvent<&TvmStringTableMT::Array>(SpecialFeederTable, kTableArray),
                 MakeEvent<&TvmStringTableMT::Array>(BoardTable, kTableArray),
                 MakeEvent<&TvmStringTableMT::Array>(ComponentTable, kTableArray)},
                MakeEvent<&TVMDataToFile::PutLine>(JobLineWriter, 0));

  // Data points of saving and of the tables' matrices.
  JobLineWriter->Stream = MakeEvent<&TVMFileStream::Stream>(JobWriteStream, 0);
  FeederMatrix->Matrix = MakeEvent<&TvmStringTableMT::Matrix>(FeederTable, kTableMatrix);
  SpecialFeederMatrix->Matrix = MakeEvent<&TvmStringTableMT::Matrix>(SpecialFeederTable, kTableMatrix);
  ComponentMatrix->Matrix = MakeEvent<&TvmStringTableMT::Matrix>(ComponentTable, kTableMatrix);
  BoardMatrix->Matrix = MakeEvent<&TvmStringTableMT::Matrix>(BoardTable, kTableMatrix);

  // Component search.
  SearchEdit->OnEnter = MakeEvent<&TVMHub::Trigger>(SearchHub, 0);
  SearchHub->OnOutput[kSearchFind] = MakeEvent<&TVMArrayFind::Find>(ComponentFind, 0);
  SearchHub->OnOutput[kSearchKeepText] = MakeEvent<&TVMDoData::SendData>(KeepSearchText, 0);
  SearchHub->OnOutput[kSearchNextStart] = MakeEvent<&TVMMath::Calculate>(NextStartMath, 0);
  ComponentFind->Array = MakeEvent<&TvmStringTableMT::Array>(ComponentTable, kTableArray);
  ComponentFind->StartInput = MakeEvent<&TVMMath::Result>(NextStartMath, 0);
  ComponentFind->OnFound = MakeEvent<&TvmStringTableMT::SelectRow>(ComponentTable, kTableSelectRow);
  NextStartMath->Operand1Input = MakeEvent<&TVMArrayFind::Index>(ComponentFind, 0);
  NextStartMath->Operand2Input = MakeEvent<&TVMLabel::Text>(OneLabel, 0);
  KeepSearchText->DataInput = MakeEvent<&TVMEdit::Text>(SearchEdit, 0);
  KeepSearchText->OnData = MakeEvent<&TVMEdit::ChangeText>(SearchEdit, 0);

  // Help.
  AboutMessage->OnYes = MakeEvent<&TVMWinExec::ShellOpen>(ForumOpener, TVMWinExec::kShellOpenPoint);
  ForumOpener->FileNameInput = MakeEvent<&TVMLabel::Text>(ForumUrlLabel, 0);

  // Besides the links above: the read file is closed as soon as the
  // flattener has read its bytes, before the text goes on, so the file is not
  // held open while the tables fill or afterwards.
  JobTextFlattener->OnStreamRead = MakeEvent<&TVMFileStream::CloseFile>(JobReadStream, 0);
}

TReadChainParts TClassMainForm_C7FA30::ReadChain() const {
  return {JobTextFlattener,    SectionSplitHub,
          FeederSectionFind,   SpecialSectionFind,  BoardSectionFind,  ComponentSectionFind,
          FeederLineMarker,    SpecialLineMarker,   BoardLineMarker,   ComponentLineMarker,
          FeederRowFind,       SpecialRowFind,      BoardRowFind,      ComponentRowFind};
}

TSaveChainParts TClassMainForm_C7FA30::SaveChain() const {
  return {FeederHeader,   SpecialHeader,   BoardHeader,   ComponentHeader,
          FeederRowEnum,  SpecialRowEnum,  BoardRowEnum,  ComponentRowEnum,
          FeederRowComma, SpecialRowComma, BoardRowComma, ComponentRowComma};
}

std::array<TvmStringTableMT*, kJobTableCount> TClassMainForm_C7FA30::JobTables() const {
  return {FeederTable, SpecialFeederTable, BoardTable, ComponentTable};
}

// ===========================================================================
// Additions to the composition: instances 54 on, and their links. Some watch
// links of the composition (the format check takes in the save's row lines),
// which the composition then leaves to them.
// ===========================================================================

// The instances added to the composition, in creation order, each configured
// at once.
void TClassMainForm_C7FA30::CreateAdditions() {
  TControl* form = MainForm->Control;

  // The composition's own instances, set further: opening refuses files
  // larger than the editor can hold; the cells of each table refuse what the
  // file cannot carry, and Insert and Ctrl+Delete add and remove rows.
  JobReadStream->MaxSize = kJobFileMaxSize;
  for (TvmStringTableMT* table : JobTables()) {
    table->SetRefusedChars(kJobCellRefusedChars);
    table->RowKeys = true;
  }

  // 54. JobFormatCheck: before a save takes the target's place, asks about
  // tables that would not read back the same.
  JobFormatCheck = Keep(new TVMJobFormatCheck);
  for (uint16_t table = 0; table < kJobTableCount; ++table)
    JobFormatCheck->TableNames[table] = kJobTableNames[table];

  // 55. Document: the file shown, unsaved changes, the window's caption.
  Document = Keep(new TVMDocument);
  Document->AppTitle = "ZR780K Editor";
  Document->ModifiedMark = "*";

  // 56. EditJournal: the changes to the four tables, for undo and redo; a
  // link index names the table (TJobTable).
  EditJournal = Keep(new TVMUndoJournal);
  EditJournal->SetCount(kJobTableCount);

  // 57. OpenedHub: a file was opened into the tables.
  OpenedHub = Keep(new TVMHub);
  OpenedHub->SetCount(3);

  // 58. SavedHub: the tables were saved to a file.
  SavedHub = Keep(new TVMHub);
  SavedHub->SetCount(3);

  // 59. SaveChangesQuestion: asked when the window closes with unsaved changes.
  SaveChangesQuestion = Keep(new TVMMessage);
  SetQuestionBox(SaveChangesQuestion, "ZR780K Editor", "Сохранить изменения?", kIconExclamation);

  // 60. UndoKeys: Ctrl+Z undoes, Ctrl+Y redoes; in a text box (a cell being
  // edited, the search box) they act on its text instead.
  UndoKeys = Keep(new TVMHotKeys(form));
  UndoKeys->SetKeys("Ctrl+Z\r\nCtrl+Y");
  UndoKeys->LeaveToTextBoxes = true;

  // 61. FindNextKey: F3 searches for the text of the search box again.
  FindNextKey = Keep(new TVMHotKeys(form));
  FindNextKey->SetKeys("F3");

  // 62. FindNextText: the text of the search box, for F3.
  FindNextText = Keep(new TVMDoData);

  // 63. StartFile: the job file named on the command line (the program
  // gives it its name).
  StartFile = Keep(new TVMStartFile);

  // 64. FileDrop: job files dropped on the window.
  FileDrop = Keep(new TVMFileDrop(form));

  // 65. PlacementView: the job drawn in the free area right of the component
  // table and below the board table; it keeps 2 pixels to the form's right
  // and bottom edges as the form is resized.
  PlacementView = Keep(new TVMPlacementView(form));
  Place(PlacementView, 650, 420, 840, 460, kAlignNone, true);
  PlacementView->Color = ComponentSystemColor(kSysWindow);
  PlacementView->RightGap = 2;
  PlacementView->BottomGap = 2;
  PlacementView->MarkSize = 5;
  PlacementView->Init();

  // 66. EditCommitHub: before the save dialog shows, the row being edited in
  // any table is written back, so the file holds what the user sees.
  EditCommitHub = Keep(new TVMHub);
  EditCommitHub->SetCount(kJobTableCount);

  // 67. ImportDialog: the placement file to import.
  ImportDialog = Keep(new TVMODialog);
  SetOpenDialog(ImportDialog, "Импорт позиций", "Файлы позиций|*.pos;*.csv;*.txt;*.mnt;*.mnb;*.xy|Все файлы|*.*");

  // 68. ImportChosenHub: the chosen name to the import, then the file opened.
  ImportChosenHub = Keep(new TVMHub);
  ImportChosenHub->SetCount(2);

  // 69. ImportReadStream: the placement file opened for reading, refused as
  // the open refuses a job file.
  ImportReadStream = Keep(new TVMFileStream);
  ImportReadStream->Mode = kFileModeRead;
  ImportReadStream->MaxSize = kJobFileMaxSize;

  // 70. PlacementImport: the file's parts as component rows.
  PlacementImport = Keep(new TVMPlacementImport);

  // 71. ImportSideQuestion: which side of a file with parts on both.
  ImportSideQuestion = Keep(new TVMMessage);
  SetQuestionBox(ImportSideQuestion, "Импорт позиций",
                 "В файле детали на обеих сторонах платы.\r\n"
                 "Импортировать верхнюю сторону (Да) или нижнюю (Нет)?",
                 kIconQuestion);

  // 72. ImportErrorMessage: why a file gives no rows (the text it is fired).
  ImportErrorMessage = Keep(new TVMMessage);
  SetOkBox(ImportErrorMessage, "Импорт позиций", kIconStop);

  // 73. ImportSummaryMessage: what was imported (the text it is fired).
  ImportSummaryMessage = Keep(new TVMMessage);
  SetOkBox(ImportSummaryMessage, "Импорт позиций", kIconInformation);

  // 74. FeederAssign: "Распределить" gives the component rows their feeders,
  // as one change of the component table.
  FeederAssign = Keep(new TVMFeederAssign);

  // 75. AssignSummaryBox: what "Распределить" did (its text comes with the call).
  AssignSummaryBox = Keep(new TVMMessage);
  SetOkBox(AssignSummaryBox, "Распределить", kIconInformation);

  // 76. JobCheck: "Проверить" finds what the machine would reject or place
  // wrongly.
  JobCheck = Keep(new TVMJobCheck);

  // 77. FindingsWindow: the findings in a window of its own beside the main
  // one, made when the first check shows it.
  FindingsWindow = Keep(new TVMFindingsWindow(form));
  FindingsWindow->Font = EditorFont();

  // 78. ImportUnitQuestion: inches or millimetres, for a file that states no
  // unit and whose coordinates are all small.
  ImportUnitQuestion = Keep(new TVMMessage);
  SetQuestionBox(ImportUnitQuestion, "Импорт позиций",
                 "В файле не указаны единицы, а все координаты меньше 25. Считать их дюймами?", kIconQuestion);

  // 79. CorrectionsDialog: the table of rotation corrections to apply.
  CorrectionsDialog = Keep(new TVMODialog);
  SetOpenDialog(CorrectionsDialog, "Поправки поворота", "Таблицы поправок|*.csv;*.txt|Все файлы|*.*");

  // 80. RotationCorrections: the table chosen, remembered in the user's
  // settings.
  RotationCorrections = Keep(new TVMRotationCorrections);
  RotationCorrections->SettingsFile = UserSettingsFile("ZR780K Editor", "settings.ini");

  // 81. CorrectionsErrorMessage: why a table cannot be used (the text it is fired).
  CorrectionsErrorMessage = Keep(new TVMMessage);
  SetOkBox(CorrectionsErrorMessage, "Поправки поворота", kIconStop);

  // 82. CorrectionsChosenMessage: the table chosen (the text it is fired).
  CorrectionsChosenMessage = Keep(new TVMMessage);
  SetOkBox(CorrectionsChosenMessage, "Поправки поворота", kIconInformation);

  // 83. StartHub: once the network is on, the remembered table is read, then
  // the copies of unsaved changes left are offered, then the start-up file
  // opened, then the remembered turn of the bottom side, the recent jobs and
  // the remembered nozzle rules read.
  StartHub = Keep(new TVMHub);
  StartHub->SetCount(6);

  // 84. PanelWindow: "Панель плат…" asks for a panel of boards, made when
  // first shown.
  PanelWindow = Keep(new TVMPanelWindow(form));
  PanelWindow->Font = EditorFont();

  // 85. PanelErrorMessage: which field of the panel is wrong (the text it is
  // fired).
  PanelErrorMessage = Keep(new TVMMessage);
  SetOkBox(PanelErrorMessage, "Панель плат", kIconExclamation);

  // 86. BottomTurn: how the board is turned over for its bottom side,
  // remembered in the settings file of the rotation corrections.
  BottomTurn = Keep(new TVMBottomTurn);
  BottomTurn->SettingsFile = RotationCorrections->SettingsFile;

  // 87. PartKindsWindow: "Детали по видам…", the job's parts by kind, made
  // when first shown.
  PartKindsWindow = Keep(new TVMPartKindsWindow(form));
  PartKindsWindow->Font = EditorFont();

  // 88. ModifiedHub: after every change of the tables (and every open and
  // save) the title follows, the window of kinds learns of it, and the
  // recovery copy is written or removed.
  ModifiedHub = Keep(new TVMHub);
  ModifiedHub->SetCount(3);

  // 89. MissingFeederQuestion: a feeder number given to a kind that no
  // feeder table has (the text it is fired).
  MissingFeederQuestion = Keep(new TVMMessage);
  SetQuestionBox(MissingFeederQuestion, "Детали задания", "", kIconQuestion);

  // 90. KindErrorMessage: why a text given to a kind is refused (the text it
  // is fired).
  KindErrorMessage = Keep(new TVMMessage);
  SetOkBox(KindErrorMessage, "Детали задания", kIconExclamation);

  // 91. FeedersDialog: the job file whose feeders to take.
  FeedersDialog = Keep(new TVMODialog);
  SetOpenDialog(FeedersDialog, "Питатели из задания", "Файлы раскладчика|*.CSV*|Все файлы|*.*");

  // 92. FeedersChosenHub: the chosen name to the feeders' reader, then the
  // file opened.
  FeedersChosenHub = Keep(new TVMHub);
  FeedersChosenHub->SetCount(2);

  // 93. FeedersReadStream: that job file opened for reading, refused as the
  // open refuses a job file.
  FeedersReadStream = Keep(new TVMFileStream);
  FeedersReadStream->Mode = kFileModeRead;
  FeedersReadStream->MaxSize = kJobFileMaxSize;

  // 94. FeedersFromJob: the file's two feeder tables in place of the job's.
  FeedersFromJob = Keep(new TVMFeedersFromJob);

  // 95. FeedersErrorMessage: why a file gives no feeders (the text it is fired).
  FeedersErrorMessage = Keep(new TVMMessage);
  SetOkBox(FeedersErrorMessage, "Питатели из задания", kIconStop);

  // 96. FeedersSummaryMessage: how many feeders came, and from where (the
  // text it is fired).
  FeedersSummaryMessage = Keep(new TVMMessage);
  SetOkBox(FeedersSummaryMessage, "Питатели из задания", kIconInformation);

  // 97. NozzleRulesDialog: the table of nozzle rules to apply.
  NozzleRulesDialog = Keep(new TVMODialog);
  SetOpenDialog(NozzleRulesDialog, "Правила сопел", "Таблицы правил|*.csv;*.txt|Все файлы|*.*");

  // 98. NozzleRules: the table chosen, remembered in the settings file of
  // the rotation corrections.
  NozzleRules = Keep(new TVMNozzleRules);
  NozzleRules->SettingsFile = RotationCorrections->SettingsFile;

  // 99. NozzleRulesErrorMessage: why a table cannot be used (the text it is fired).
  NozzleRulesErrorMessage = Keep(new TVMMessage);
  SetOkBox(NozzleRulesErrorMessage, "Правила сопел", kIconStop);

  // 100. NozzleRulesChosenMessage: the table chosen (the text it is fired).
  NozzleRulesChosenMessage = Keep(new TVMMessage);
  SetOkBox(NozzleRulesChosenMessage, "Правила сопел", kIconInformation);

  // 101. ChangeRecovery: the recovery copy of unsaved changes, kept in the
  // folder "Recovery" beside the settings file, 3 s after a change.
  ChangeRecovery = Keep(new TVMChangeRecovery);
  ChangeRecovery->Folder = DirOfPath(RotationCorrections->SettingsFile) + "Recovery";
  ChangeRecovery->Delay = 3000;

  // 102. RecoveryQuestion: whether to recover a copy left (the text it is
  // fired), Да or Нет.
  RecoveryQuestion = Keep(new TVMMessage);
  RecoveryQuestion->Caption = "ZR780K Editor";
  RecoveryQuestion->Buttons = kButtonsYesNo;
  RecoveryQuestion->Icon = kIconQuestion;
  RecoveryQuestion->DefaultButton = kDefaultFirst;

  // 103. RecoveryErrorMessage: a copy that cannot be read, and where it was
  // set aside (the text it is fired).
  RecoveryErrorMessage = Keep(new TVMMessage);
  SetOkBox(RecoveryErrorMessage, "ZR780K Editor", kIconExclamation);

  // 104. DiscardHub: Нет to the close question: the document lets the
  // window close, and the copy is removed.
  DiscardHub = Keep(new TVMHub);
  DiscardHub->SetCount(2);

  // 105. NewJobHub: "Создать": the row being edited is written back, then
  // the document is left (after the close question, when needed).
  NewJobHub = Keep(new TVMHub);
  NewJobHub->SetCount(2);

  // 106. JobClearHub: a new job: the four tables emptied, the journal and
  // the title started anew (the value is the menu's, NULL: no file, no
  // changes), the view cleared.
  JobClearHub = Keep(new TVMHub);
  JobClearHub->SetCount(kJobTableCount + 3);

  // 107. RecentJobs: the jobs last opened or saved, kept in the settings file.
  RecentJobs = Keep(new TVMRecentJobs);
  RecentJobs->SettingsFile = RotationCorrections->SettingsFile;

  // The places of the windows and the widths of the tables' columns are kept
  // in the settings file too, a section each (nothing is kept without one).
  const std::string& settings = RotationCorrections->SettingsFile;
  auto section = [&](const char* name) { return settings.empty() ? std::string() : settings + "\\" + name; };
  MainForm->SetPositionStore(section("Window"));
  FindingsWindow->PositionStore = section("Window.Check");
  PartKindsWindow->PositionStore = section("Window.Kinds");
  PanelWindow->PositionStore = section("Window.Panel");
  for (uint16_t table = 0; table < kJobTableCount; ++table)
    JobTables()[table]->KeepColumnWidths(section("Columns"), kColumnWidthKeys[table]);
}

// The links of the additions, one line per link.
void TClassMainForm_C7FA30::JoinAdditions() {
  // The format check watches each save: the chosen path passes it on its way
  // to the save steps, each table's row lines on their way to the writer (the
  // link index names the table), and the end of the rows before the file is
  // closed, so it can ask before the written file takes the target's place.
  SaveJobDialog->OnChosen = MakeEvent<&TVMJobFormatCheck::Check>(JobFormatCheck, 0);
  JobFormatCheck->OnOutput = MakeEvent<&TVMHub::Trigger>(SaveHub, 0);
  JoinSaveChainEnds(SaveChain(),
                    {MakeEvent<&TVMJobFormatCheck::Line>(JobFormatCheck, kFeederTable),
                     MakeEvent<&TVMJobFormatCheck::Line>(JobFormatCheck, kSpecialFeederTable),
                     MakeEvent<&TVMJobFormatCheck::Line>(JobFormatCheck, kBoardTable),
                     MakeEvent<&TVMJobFormatCheck::Line>(JobFormatCheck, kComponentTable)},
                    MakeEvent<&TVMJobFormatCheck::Finish>(JobFormatCheck, 0));
  JobFormatCheck->OnLine = MakeEvent<&TVMDataToFile::PutLine>(JobLineWriter, 0);
  JobFormatCheck->OnDone = MakeEvent<&TVMFileStream::CloseFile>(JobWriteStream, TVMFileStream::kCloseFilePoint);
  JobFormatCheck->OnAbandon = MakeEvent<&TVMFileStream::AbandonFile>(JobWriteStream, 0);
  JobFormatCheck->Stream = MakeEvent<&TVMFileStream::Stream>(JobWriteStream, 0);
  JobFormatCheck->Matrix[kFeederTable] = MakeEvent<&TvmStringTableMT::Matrix>(FeederTable, kTableMatrix);
  JobFormatCheck->Matrix[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::Matrix>(SpecialFeederTable, kTableMatrix);
  JobFormatCheck->Matrix[kBoardTable] = MakeEvent<&TvmStringTableMT::Matrix>(BoardTable, kTableMatrix);
  JobFormatCheck->Matrix[kComponentTable] = MakeEvent<&TvmStringTableMT::Matrix>(ComponentTable, kTableMatrix);

  // Changes made in the tables are journaled; undo and redo go back to them.
  FeederTable->OnEdit = MakeEvent<&TVMUndoJournal::Record>(EditJournal, kFeederTable);
  SpecialFeederTable->OnEdit = MakeEvent<&TVMUndoJournal::Record>(EditJournal, kSpecialFeederTable);
  BoardTable->OnEdit = MakeEvent<&TVMUndoJournal::Record>(EditJournal, kBoardTable);
  ComponentTable->OnEdit = MakeEvent<&TVMUndoJournal::Record>(EditJournal, kComponentTable);
  EditJournal->OnUndo[kFeederTable] = MakeEvent<&TvmStringTableMT::UndoEdit>(FeederTable, 0);
  EditJournal->OnUndo[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::UndoEdit>(SpecialFeederTable, 0);
  EditJournal->OnUndo[kBoardTable] = MakeEvent<&TvmStringTableMT::UndoEdit>(BoardTable, 0);
  EditJournal->OnUndo[kComponentTable] = MakeEvent<&TvmStringTableMT::UndoEdit>(ComponentTable, 0);
  EditJournal->OnRedo[kFeederTable] = MakeEvent<&TvmStringTableMT::RedoEdit>(FeederTable, 0);
  EditJournal->OnRedo[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::RedoEdit>(SpecialFeederTable, 0);
  EditJournal->OnRedo[kBoardTable] = MakeEvent<&TvmStringTableMT::RedoEdit>(BoardTable, 0);
  EditJournal->OnRedo[kComponentTable] = MakeEvent<&TvmStringTableMT::RedoEdit>(ComponentTable, 0);
  UndoKeys->OnKey[0] = MakeEvent<&TVMUndoJournal::Undo>(EditJournal, 0);
  UndoKeys->OnKey[1] = MakeEvent<&TVMUndoJournal::Redo>(EditJournal, 0);

  // The title follows the file opened or saved and the unsaved changes.
  EditJournal->OnModified = MakeEvent<&TVMHub::Trigger>(ModifiedHub, 0);
  ModifiedHub->OnOutput[0] = MakeEvent<&TVMDocument::SetModified>(Document, 0);
  Document->OnTitle = MakeEvent<&TVMMainForm::ChangeCaption>(MainForm, 0);
  JobReadStream->OnFileOpened = MakeEvent<&TVMHub::Trigger>(OpenedHub, 0);
  OpenedHub->OnOutput[0] = MakeEvent<&TVMUndoJournal::Clear>(EditJournal, 0);
  OpenedHub->OnOutput[1] = MakeEvent<&TVMDocument::SetPath>(Document, 0);
  JobWriteStream->OnSaved = MakeEvent<&TVMHub::Trigger>(SavedHub, 0);
  SavedHub->OnOutput[0] = MakeEvent<&TVMUndoJournal::MarkSaved>(EditJournal, 0);
  SavedHub->OnOutput[1] = MakeEvent<&TVMDocument::SetPath>(Document, 0);

  // Closing with unsaved changes asks first: Yes saves (the window closes
  // once the file is saved), No closes, Cancel keeps the window.
  MainForm->CloseQuery = MakeEvent<&TVMDocument::CloseQuery>(Document, 0);
  Document->OnAskSave = MakeEvent<&TVMMessage::ShowMessage>(SaveChangesQuestion, 0);
  SaveChangesQuestion->OnYes = MakeEvent<&TVMSDialog::ShowDialog>(SaveJobDialog, 0);
  SaveChangesQuestion->OnNo = MakeEvent<&TVMHub::Trigger>(DiscardHub, 0);
  DiscardHub->OnOutput[0] = MakeEvent<&TVMDocument::Discard>(Document, 0);
  DiscardHub->OnOutput[1] = MakeEvent<&TVMChangeRecovery::Discard>(ChangeRecovery, 0);

  // F3: the search box's text goes through the search as Enter sends it.
  FindNextKey->OnKey[0] = MakeEvent<&TVMDoData::SendData>(FindNextText, 0);
  FindNextText->DataInput = MakeEvent<&TVMEdit::Text>(SearchEdit, 0);
  FindNextText->OnData = MakeEvent<&TVMHub::Trigger>(SearchHub, 0);

  // A file named on the command line or dropped on the window is opened as
  // if chosen in the open dialog; the start-up file once the network is on,
  // after the remembered rotation corrections are read.
  MainForm->OnCreate = MakeEvent<&TVMHub::Trigger>(StartHub, 0);
  StartHub->OnOutput[0] = MakeEvent<&TVMRotationCorrections::Load>(RotationCorrections, 0);
  StartHub->OnOutput[2] = MakeEvent<&TVMStartFile::Send>(StartFile, 0);
  StartFile->OnFile = MakeEvent<&TVMFileStream::OpenFile>(JobReadStream, 0);
  FileDrop->OnDropped = MakeEvent<&TVMFileStream::OpenFile>(JobReadStream, 0);

  // The placement view reads the tables through their array outputs and hears
  // of their changes through their events (an added row comes with its row
  // line, OnRowStored, so a file of many rows is not read back); the link
  // index names the table.
  PlacementView->Feeders = MakeEvent<&TvmStringTableMT::Array>(FeederTable, kTableArray);
  PlacementView->SpecialFeeders = MakeEvent<&TvmStringTableMT::Array>(SpecialFeederTable, kTableArray);
  PlacementView->Boards = MakeEvent<&TvmStringTableMT::Array>(BoardTable, kTableArray);
  PlacementView->Components = MakeEvent<&TvmStringTableMT::Array>(ComponentTable, kTableArray);

  FeederTable->OnRowStored = MakeEvent<&TVMPlacementView::RowsAdded>(PlacementView, kFeederTable);
  SpecialFeederTable->OnRowStored = MakeEvent<&TVMPlacementView::RowsAdded>(PlacementView, kSpecialFeederTable);
  BoardTable->OnRowStored = MakeEvent<&TVMPlacementView::RowsAdded>(PlacementView, kBoardTable);
  ComponentTable->OnRowStored = MakeEvent<&TVMPlacementView::RowsAdded>(PlacementView, kComponentTable);

  FeederTable->OnCellChanged = MakeEvent<&TVMPlacementView::RowChanged>(PlacementView, kFeederTable);
  SpecialFeederTable->OnCellChanged = MakeEvent<&TVMPlacementView::RowChanged>(PlacementView, kSpecialFeederTable);
  BoardTable->OnCellChanged = MakeEvent<&TVMPlacementView::RowChanged>(PlacementView, kBoardTable);
  ComponentTable->OnCellChanged = MakeEvent<&TVMPlacementView::RowChanged>(PlacementView, kComponentTable);

  FeederTable->OnRowInserted = MakeEvent<&TVMPlacementView::RowInserted>(PlacementView, kFeederTable);
  SpecialFeederTable->OnRowInserted = MakeEvent<&TVMPlacementView::RowInserted>(PlacementView, kSpecialFeederTable);
  BoardTable->OnRowInserted = MakeEvent<&TVMPlacementView::RowInserted>(PlacementView, kBoardTable);
  ComponentTable->OnRowInserted = MakeEvent<&TVMPlacementView::RowInserted>(PlacementView, kComponentTable);

  FeederTable->OnRowDeleted = MakeEvent<&TVMPlacementView::RowDeleted>(PlacementView, kFeederTable);
  SpecialFeederTable->OnRowDeleted = MakeEvent<&TVMPlacementView::RowDeleted>(PlacementView, kSpecialFeederTable);
  BoardTable->OnRowDeleted = MakeEvent<&TVMPlacementView::RowDeleted>(PlacementView, kBoardTable);
  ComponentTable->OnRowDeleted = MakeEvent<&TVMPlacementView::RowDeleted>(PlacementView, kComponentTable);

  ComponentTable->OnSelect = MakeEvent<&TVMPlacementView::ShowComponent>(PlacementView, 0);
  PlacementView->OnPick = MakeEvent<&TvmStringTableMT::SelectRow>(ComponentTable, kTableSelectRow);
  MainForm->OnResize = MakeEvent<&TVMPlacementView::FollowParent>(PlacementView, 0);

  // Saving: the dialog proposes the file open or last saved, and the row being
  // edited in any table is written back before the dialog shows.
  SaveJobDialog->FileNameInput = MakeEvent<&TVMDocument::FilePath>(Document, 0);
  SaveJobDialog->OnOpening = MakeEvent<&TVMHub::Trigger>(EditCommitHub, 0);
  EditCommitHub->OnOutput[kFeederTable] = MakeEvent<&TvmStringTableMT::CommitEdit>(FeederTable, 0);
  EditCommitHub->OnOutput[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::CommitEdit>(SpecialFeederTable, 0);
  EditCommitHub->OnOutput[kBoardTable] = MakeEvent<&TvmStringTableMT::CommitEdit>(BoardTable, 0);
  EditCommitHub->OnOutput[kComponentTable] = MakeEvent<&TvmStringTableMT::CommitEdit>(ComponentTable, 0);

  // Import of placement files: the chosen file is read into component rows,
  // which the component table appends as one change (so undo, the title and
  // the view follow); a file with parts on both sides asks for the side
  // first (Yes top, No bottom, Cancel nothing); a file that gives no rows
  // only says why.
  MenuRouter->OnOutput[kMenuImport] = MakeEvent<&TVMODialog::ShowDialog>(ImportDialog, 0);
  ImportDialog->OnChosen = MakeEvent<&TVMHub::Trigger>(ImportChosenHub, 0);
  ImportChosenHub->OnOutput[0] = MakeEvent<&TVMPlacementImport::SetFileName>(PlacementImport, 0);
  ImportChosenHub->OnOutput[1] = MakeEvent<&TVMFileStream::OpenFile>(ImportReadStream, 0);
  ImportReadStream->OnOpened = MakeEvent<&TVMPlacementImport::Read>(PlacementImport, 0);
  PlacementImport->OnStreamRead = MakeEvent<&TVMFileStream::CloseFile>(ImportReadStream, 0);
  PlacementImport->OnError = MakeEvent<&TVMMessage::ShowMessage>(ImportErrorMessage, 0);
  PlacementImport->OnAskSide = MakeEvent<&TVMMessage::ShowMessage>(ImportSideQuestion, 0);
  ImportSideQuestion->OnYes = MakeEvent<&TVMPlacementImport::ChooseSide>(PlacementImport, TVMPlacementImport::kImportTop);
  ImportSideQuestion->OnNo = MakeEvent<&TVMPlacementImport::ChooseSide>(PlacementImport, TVMPlacementImport::kImportBottom);
  PlacementImport->OnRows = MakeEvent<&TvmStringTableMT::AddRows>(ComponentTable, kTableAddRows);
  PlacementImport->OnImported = MakeEvent<&TVMPlacementView::Fit>(PlacementView, 0);
  PlacementImport->OnSummary = MakeEvent<&TVMMessage::ShowMessage>(ImportSummaryMessage, 0);
  // Then, for a file of no stated unit and small coordinates, the unit (Yes
  // inches, No millimetres, Cancel nothing).
  PlacementImport->OnAskUnit = MakeEvent<&TVMMessage::ShowMessage>(ImportUnitQuestion, 0);
  ImportUnitQuestion->OnYes = MakeEvent<&TVMPlacementImport::ChooseUnit>(PlacementImport, TVMPlacementImport::kUnitInch);
  ImportUnitQuestion->OnNo = MakeEvent<&TVMPlacementImport::ChooseUnit>(PlacementImport, TVMPlacementImport::kUnitMillimetre);

  // Rotation corrections: a chosen table is read at once (a bad one is told
  // and the previous choice stays) and remembered; every import takes the
  // table held, its name and bytes.
  MenuRouter->OnOutput[kMenuCorrections] = MakeEvent<&TVMODialog::ShowDialog>(CorrectionsDialog, 0);
  MenuRouter->OnOutput[kMenuNoCorrections] = MakeEvent<&TVMRotationCorrections::Clear>(RotationCorrections, 0);
  CorrectionsDialog->OnChosen = MakeEvent<&TVMRotationCorrections::Choose>(RotationCorrections, 0);
  RotationCorrections->OnError = MakeEvent<&TVMMessage::ShowMessage>(CorrectionsErrorMessage, 0);
  RotationCorrections->OnChosen = MakeEvent<&TVMMessage::ShowMessage>(CorrectionsChosenMessage, 0);
  PlacementImport->CorrectionsName = MakeEvent<&TVMRotationCorrections::FileName>(RotationCorrections, 0);
  PlacementImport->CorrectionsText = MakeEvent<&TVMRotationCorrections::Text>(RotationCorrections, 0);

  // The turn of the bottom side: the item chosen is checked (the other one
  // unchecked) and remembered, as the remembered one is at start; every
  // import takes the turn in force.
  MenuRouter->OnOutput[kMenuTurnLeftRight] = MakeEvent<&TVMBottomTurn::Choose>(BottomTurn, TVMBottomTurn::kLeftRight);
  MenuRouter->OnOutput[kMenuTurnTopBottom] = MakeEvent<&TVMBottomTurn::Choose>(BottomTurn, TVMBottomTurn::kTopBottom);
  BottomTurn->OnTurn[TVMBottomTurn::kLeftRight] = MakeEvent<&TVMMenu::CheckItem>(MainMenu, kMenuTurnLeftRight);
  BottomTurn->OnTurn[TVMBottomTurn::kTopBottom] = MakeEvent<&TVMMenu::CheckItem>(MainMenu, kMenuTurnTopBottom);
  StartHub->OnOutput[3] = MakeEvent<&TVMBottomTurn::Load>(BottomTurn, 0);
  PlacementImport->BottomTurn = MakeEvent<&TVMBottomTurn::Turn>(BottomTurn, 0);

  // Feeders and the check: both commands read the four tables through their
  // array outputs (the link index names the table); the feeders come back
  // as one change of the component table, then the summary shows; the
  // findings go to their window.
  MenuRouter->OnOutput[kMenuDistribute] = MakeEvent<&TVMFeederAssign::Assign>(FeederAssign, 0);
  FeederAssign->Tables[kFeederTable] = MakeEvent<&TvmStringTableMT::Array>(FeederTable, kTableArray);
  FeederAssign->Tables[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::Array>(SpecialFeederTable, kTableArray);
  FeederAssign->Tables[kBoardTable] = MakeEvent<&TvmStringTableMT::Array>(BoardTable, kTableArray);
  FeederAssign->Tables[kComponentTable] = MakeEvent<&TvmStringTableMT::Array>(ComponentTable, kTableArray);
  FeederAssign->OnChanges = MakeEvent<&TvmStringTableMT::ChangeRows>(ComponentTable, TvmStringTableMT::kChangeRowsPoint);
  FeederAssign->OnSummary = MakeEvent<&TVMMessage::ShowMessage>(AssignSummaryBox, 0);
  MenuRouter->OnOutput[kMenuCheck] = MakeEvent<&TVMJobCheck::Check>(JobCheck, 0);
  JobCheck->Tables[kFeederTable] = MakeEvent<&TvmStringTableMT::Array>(FeederTable, kTableArray);
  JobCheck->Tables[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::Array>(SpecialFeederTable, kTableArray);
  JobCheck->Tables[kBoardTable] = MakeEvent<&TvmStringTableMT::Array>(BoardTable, kTableArray);
  JobCheck->Tables[kComponentTable] = MakeEvent<&TvmStringTableMT::Array>(ComponentTable, kTableArray);
  JobCheck->OnFindings = MakeEvent<&TVMFindingsWindow::ShowFindings>(FindingsWindow, TVMFindingsWindow::kShowFindingsPoint);
  FindingsWindow->OnPick[kFeederTable] = MakeEvent<&TvmStringTableMT::SelectRow>(FeederTable, kTableSelectRow);
  FindingsWindow->OnPick[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::SelectRow>(SpecialFeederTable, kTableSelectRow);
  FindingsWindow->OnPick[kBoardTable] = MakeEvent<&TvmStringTableMT::SelectRow>(BoardTable, kTableSelectRow);
  FindingsWindow->OnPick[kComponentTable] = MakeEvent<&TvmStringTableMT::SelectRow>(ComponentTable, kTableSelectRow);
  FindingsWindow->OnRecheck = MakeEvent<&TVMJobCheck::Check>(JobCheck, 0);

  // The panel: a row being edited is written back before the window shows;
  // the panel's board rows take the board table's place as one change (so
  // undo, the title and the view follow), then the view fits the job; a
  // wrong field is told in a box over the window, which stays.
  MenuRouter->OnOutput[kMenuPanel] = MakeEvent<&TVMPanelWindow::ShowPanel>(PanelWindow, TVMPanelWindow::kShowPanelPoint);
  PanelWindow->OnOpening = MakeEvent<&TVMHub::Trigger>(EditCommitHub, 0);
  PanelWindow->OnRows = MakeEvent<&TvmStringTableMT::ReplaceRows>(BoardTable, TvmStringTableMT::kReplaceRowsPoint);
  PanelWindow->OnApplied = MakeEvent<&TVMPlacementView::Fit>(PlacementView, 0);
  PanelWindow->OnInvalid = MakeEvent<&TVMMessage::ShowMessage>(PanelErrorMessage, 0);

  // The parts by kind: the window reads the four tables through their array
  // outputs (the component rows' few cells it lists through the matrix) once
  // a row being edited is written back; a cell given to a kind
  // comes back as one change of the job (the component rows, and a feeder
  // row added or its comment filled), asking first about a feeder no table
  // has (Да adds it, Нет only gives the number, Отмена nothing). Every
  // change the journal hears of tells the window, which refreshes. Selected
  // kinds are ringed in the view; Enter on a kind selects its first row.
  MenuRouter->OnOutput[kMenuKinds] = MakeEvent<&TVMPartKindsWindow::ShowKinds>(PartKindsWindow, TVMPartKindsWindow::kShowKindsPoint);
  PartKindsWindow->OnOpening = MakeEvent<&TVMHub::Trigger>(EditCommitHub, 0);
  PartKindsWindow->Tables[kFeederTable] = MakeEvent<&TvmStringTableMT::Array>(FeederTable, kTableArray);
  PartKindsWindow->Tables[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::Array>(SpecialFeederTable, kTableArray);
  PartKindsWindow->Tables[kBoardTable] = MakeEvent<&TvmStringTableMT::Array>(BoardTable, kTableArray);
  PartKindsWindow->Tables[kComponentTable] = MakeEvent<&TvmStringTableMT::Array>(ComponentTable, kTableArray);
  PartKindsWindow->ComponentCells = MakeEvent<&TvmStringTableMT::Matrix>(ComponentTable, kTableMatrix);
  PartKindsWindow->OnChangeBegin = MakeEvent<&TVMUndoJournal::BeginChange>(EditJournal, 0);
  PartKindsWindow->OnChangeEnd = MakeEvent<&TVMUndoJournal::EndChange>(EditJournal, 0);
  PartKindsWindow->OnRowChanges[kFeederTable] = MakeEvent<&TvmStringTableMT::ChangeRows>(FeederTable, TvmStringTableMT::kChangeRowsPoint);
  PartKindsWindow->OnRowChanges[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::ChangeRows>(SpecialFeederTable, TvmStringTableMT::kChangeRowsPoint);
  PartKindsWindow->OnRowChanges[kComponentTable] = MakeEvent<&TvmStringTableMT::ChangeRows>(ComponentTable, TvmStringTableMT::kChangeRowsPoint);
  PartKindsWindow->OnFeederAdded = MakeEvent<&TvmStringTableMT::AddRows>(FeederTable, kTableAddRows);
  PartKindsWindow->OnAskFeeder = MakeEvent<&TVMMessage::ShowMessage>(MissingFeederQuestion, 0);
  MissingFeederQuestion->OnYes = MakeEvent<&TVMPartKindsWindow::AnswerFeeder>(PartKindsWindow, 1);
  MissingFeederQuestion->OnNo = MakeEvent<&TVMPartKindsWindow::AnswerFeeder>(PartKindsWindow, 0);
  PartKindsWindow->OnInvalid = MakeEvent<&TVMMessage::ShowMessage>(KindErrorMessage, 0);
  ModifiedHub->OnOutput[1] = MakeEvent<&TVMPartKindsWindow::TablesChanged>(PartKindsWindow, 0);
  PartKindsWindow->OnPick = MakeEvent<&TvmStringTableMT::SelectRow>(ComponentTable, kTableSelectRow);
  PartKindsWindow->OnRing = MakeEvent<&TVMPlacementView::RingRows>(PlacementView, 0);

  // Feeders from another job: a row being edited is written back before the
  // dialog shows; the chosen job's two feeder tables take the place of the
  // job's own, the journal taking both as one change (so one undo, the
  // title and the view follow); then the box says what came. A file that
  // is no job file is only told.
  MenuRouter->OnOutput[kMenuFeedersFromJob] = MakeEvent<&TVMODialog::ShowDialog>(FeedersDialog, 0);
  FeedersDialog->OnOpening = MakeEvent<&TVMHub::Trigger>(EditCommitHub, 0);
  FeedersDialog->OnChosen = MakeEvent<&TVMHub::Trigger>(FeedersChosenHub, 0);
  FeedersChosenHub->OnOutput[0] = MakeEvent<&TVMFeedersFromJob::SetFileName>(FeedersFromJob, 0);
  FeedersChosenHub->OnOutput[1] = MakeEvent<&TVMFileStream::OpenFile>(FeedersReadStream, 0);
  FeedersReadStream->OnOpened = MakeEvent<&TVMFeedersFromJob::Read>(FeedersFromJob, 0);
  FeedersFromJob->OnStreamRead = MakeEvent<&TVMFileStream::CloseFile>(FeedersReadStream, 0);
  FeedersFromJob->OnError = MakeEvent<&TVMMessage::ShowMessage>(FeedersErrorMessage, 0);
  FeedersFromJob->OnChangeStart = MakeEvent<&TVMUndoJournal::BeginChange>(EditJournal, 0);
  FeedersFromJob->OnFeederRows = MakeEvent<&TvmStringTableMT::ReplaceRows>(FeederTable, TvmStringTableMT::kReplaceRowsPoint);
  FeedersFromJob->OnSpecialRows = MakeEvent<&TvmStringTableMT::ReplaceRows>(SpecialFeederTable, TvmStringTableMT::kReplaceRowsPoint);
  FeedersFromJob->OnChangeEnd = MakeEvent<&TVMUndoJournal::EndChange>(EditJournal, 0);
  FeedersFromJob->OnSummary = MakeEvent<&TVMMessage::ShowMessage>(FeedersSummaryMessage, 0);

  // Nozzle rules: a chosen table is read at once (a bad one is told and the
  // previous choice stays) and remembered, as the remembered one is at
  // start; every import and "Распределить" take the table held, its name
  // and bytes.
  MenuRouter->OnOutput[kMenuNozzleRules] = MakeEvent<&TVMODialog::ShowDialog>(NozzleRulesDialog, 0);
  MenuRouter->OnOutput[kMenuNoNozzleRules] = MakeEvent<&TVMNozzleRules::Clear>(NozzleRules, 0);
  NozzleRulesDialog->OnChosen = MakeEvent<&TVMNozzleRules::Choose>(NozzleRules, 0);
  NozzleRules->OnError = MakeEvent<&TVMMessage::ShowMessage>(NozzleRulesErrorMessage, 0);
  NozzleRules->OnChosen = MakeEvent<&TVMMessage::ShowMessage>(NozzleRulesChosenMessage, 0);
  StartHub->OnOutput[5] = MakeEvent<&TVMNozzleRules::Load>(NozzleRules, 0);
  PlacementImport->NozzlesName = MakeEvent<&TVMNozzleRules::FileName>(NozzleRules, 0);
  PlacementImport->NozzlesText = MakeEvent<&TVMNozzleRules::Text>(NozzleRules, 0);
  FeederAssign->NozzlesName = MakeEvent<&TVMNozzleRules::FileName>(NozzleRules, 0);
  FeederAssign->NozzlesText = MakeEvent<&TVMNozzleRules::Text>(NozzleRules, 0);

  // The recovery copy: written from the four tables and the job's file
  // after every change while there are unsaved changes, removed when there
  // are none (a save, an undo back to the saved state, a new job) and when
  // the close question is answered Нет. At start, before the start-up file
  // opens, the copies left are asked about; Да gives the copy's text to the
  // read chain as an open does, then its file to the title, and starts the
  // journal with the changes unsaved.
  ModifiedHub->OnOutput[2] = MakeEvent<&TVMChangeRecovery::Changed>(ChangeRecovery, 0);
  ChangeRecovery->Tables[kFeederTable] = MakeEvent<&TvmStringTableMT::Array>(FeederTable, kTableArray);
  ChangeRecovery->Tables[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::Array>(SpecialFeederTable, kTableArray);
  ChangeRecovery->Tables[kBoardTable] = MakeEvent<&TvmStringTableMT::Array>(BoardTable, kTableArray);
  ChangeRecovery->Tables[kComponentTable] = MakeEvent<&TvmStringTableMT::Array>(ComponentTable, kTableArray);
  ChangeRecovery->JobPath = MakeEvent<&TVMDocument::FilePath>(Document, 0);
  StartHub->OnOutput[1] = MakeEvent<&TVMChangeRecovery::Offer>(ChangeRecovery, 0);
  ChangeRecovery->OnAsk = MakeEvent<&TVMMessage::ShowMessage>(RecoveryQuestion, 0);
  RecoveryQuestion->OnYes = MakeEvent<&TVMChangeRecovery::Restore>(ChangeRecovery, 0);
  RecoveryQuestion->OnNo = MakeEvent<&TVMChangeRecovery::Drop>(ChangeRecovery, 0);
  ChangeRecovery->OnUnreadable = MakeEvent<&TVMMessage::ShowMessage>(RecoveryErrorMessage, 0);
  ChangeRecovery->OnRows = ReadChainTextInput(ReadChain());
  ChangeRecovery->OnJobFile = MakeEvent<&TVMDocument::SetPath>(Document, 0);
  ChangeRecovery->OnRecovered = MakeEvent<&TVMUndoJournal::StartOver>(EditJournal, 0);

  // "Создать": with unsaved changes the close question comes first (Да
  // saves, and a cancelled save creates nothing; Нет discards; Отмена
  // changes nothing); then the job starts anew.
  MenuRouter->OnOutput[kMenuNew] = MakeEvent<&TVMHub::Trigger>(NewJobHub, 0);
  NewJobHub->OnOutput[0] = MakeEvent<&TVMHub::Trigger>(EditCommitHub, 0);
  NewJobHub->OnOutput[1] = MakeEvent<&TVMDocument::Leave>(Document, 0);
  Document->OnLeave = MakeEvent<&TVMHub::Trigger>(JobClearHub, 0);
  JobClearHub->OnOutput[kFeederTable] = MakeEvent<&TvmStringTableMT::Clear>(FeederTable, TvmStringTableMT::kClearPoint);
  JobClearHub->OnOutput[kSpecialFeederTable] = MakeEvent<&TvmStringTableMT::Clear>(SpecialFeederTable, TvmStringTableMT::kClearPoint);
  JobClearHub->OnOutput[kBoardTable] = MakeEvent<&TvmStringTableMT::Clear>(BoardTable, TvmStringTableMT::kClearPoint);
  JobClearHub->OnOutput[kComponentTable] = MakeEvent<&TvmStringTableMT::Clear>(ComponentTable, TvmStringTableMT::kClearPoint);
  JobClearHub->OnOutput[kJobTableCount] = MakeEvent<&TVMUndoJournal::StartOver>(EditJournal, 0);
  JobClearHub->OnOutput[kJobTableCount + 1] = MakeEvent<&TVMDocument::SetPath>(Document, 0);
  JobClearHub->OnOutput[kJobTableCount + 2] = MakeEvent<&TVMPlacementView::Clear>(PlacementView, 0);

  // Recent jobs: every job opened or saved goes in front of the list, which
  // the items at the end of "Файл" show (the remembered one at start). A
  // chosen item asks what to do with unsaved changes as closing does, then
  // opens its job as the open dialog's choice does; a job that could not be
  // opened leaves the list. The link index of Choose is the item's place.
  static_assert(kRecentJobsLimit == 8, "the template and the links below have one item per place");
  OpenedHub->OnOutput[2] = MakeEvent<&TVMRecentJobs::Add>(RecentJobs, 0);
  SavedHub->OnOutput[2] = MakeEvent<&TVMRecentJobs::Add>(RecentJobs, 0);
  StartHub->OnOutput[4] = MakeEvent<&TVMRecentJobs::Load>(RecentJobs, 0);
  RecentJobs->OnItems = MakeEvent<&TVMMenu::ShowItemRun>(MainMenu, kMenuRecentFirst);
  MenuRouter->OnOutput[kMenuRecentFirst + 0] = MakeEvent<&TVMRecentJobs::Choose>(RecentJobs, 0);
  MenuRouter->OnOutput[kMenuRecentFirst + 1] = MakeEvent<&TVMRecentJobs::Choose>(RecentJobs, 1);
  MenuRouter->OnOutput[kMenuRecentFirst + 2] = MakeEvent<&TVMRecentJobs::Choose>(RecentJobs, 2);
  MenuRouter->OnOutput[kMenuRecentFirst + 3] = MakeEvent<&TVMRecentJobs::Choose>(RecentJobs, 3);
  MenuRouter->OnOutput[kMenuRecentFirst + 4] = MakeEvent<&TVMRecentJobs::Choose>(RecentJobs, 4);
  MenuRouter->OnOutput[kMenuRecentFirst + 5] = MakeEvent<&TVMRecentJobs::Choose>(RecentJobs, 5);
  MenuRouter->OnOutput[kMenuRecentFirst + 6] = MakeEvent<&TVMRecentJobs::Choose>(RecentJobs, 6);
  MenuRouter->OnOutput[kMenuRecentFirst + 7] = MakeEvent<&TVMRecentJobs::Choose>(RecentJobs, 7);
  RecentJobs->CloseQuery = MakeEvent<&TVMDocument::CloseQuery>(Document, 0);
  RecentJobs->OnChosen = MakeEvent<&TVMFileStream::OpenFile>(JobReadStream, 0);
}

// Tooltips, for every window component in creation order.
void TClassMainForm_C7FA30::AttachHints() {
  for (TVMComponent* instance : Instances)
    if (auto* window = dynamic_cast<TVMWin*>(instance)) window->AttachHintNow();
}

void SwitchOnNetwork(TVMMainForm* mainForm) {
  if (AppWindow) AppWindow->SetVisible(mainForm->Visible);
  StartDispatch();
}

