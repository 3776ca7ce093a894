// The built editor importing placement files, driven from outside with real
// keys: the dialog, the side question, the summary, the rows appended as one
// change (undo, redo, the title), the save; the inch question of a file of
// no stated unit; a file that is no placement file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "job/feeder_assign.h"
#include "job/job_file.h"
#include "job/nozzle_rules.h"
#include "job/placement_import.h"
#include "job/rotation_corrections.h"
#include "tests/editor/editor_driver.h"
#include "tests/editor/job_samples.h"
#include "tests/editor/screen_shot.h"
#include "tests/support/files.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wine_paths.h"

namespace {

const std::string kTitle = TEditorDriver::kAppTitle;
constexpr char kImportCaption[] = "Импорт позиций";

std::string PlacementSample(const std::string& name) {
  return WindowsPath(ZR_PLACEMENT_SAMPLES_DIR) + "\\" + name;
}

// Calls the import up with Ctrl+I and answers its dialog with the file.
bool ImportByKeys(TEditorDriver& editor, const std::string& path) {
  editor.PressKeys({VK_CONTROL, 'I'});
  HWND dialog = editor.FindDialog(kImportCaption);
  if (!dialog) return false;
  TEditorDriver::SendText(GetDlgItem(dialog, 0x47C), path);
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  return TEditorDriver::WaitGone(dialog) && editor.Sync();
}

std::string CrLf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out.substr(0, out.size() - 2);  // no line end after the last line
}

TEST(ImportRun, BothSidesAskedRowsAppendedAsOneChangeThenSaved) {
  TTempDir temp;
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(JobSamplePath("basic.CSV")));
  const JobTables opened = editor.Tables();
  HWND components = editor.Table(kComponentColumns);

  const std::string sample = PlacementSample("kicad-text.pos");
  const TPlacementFile file = ReadPlacementFile(ReadWholeFile(sample), sample);
  const TPlacementImport bottom = ImportPlacements(file, TBoardSide::Bottom);
  ASSERT_TRUE(file.HasTop && file.HasBottom && bottom.Rows.size() > 1);
  JobTables imported = opened;
  imported.Components.insert(imported.Components.end(), bottom.Rows.begin(), bottom.Rows.end());

  ASSERT_TRUE(ImportByKeys(editor, sample));
  const auto question = editor.AnswerBox(kImportCaption, IDNO);  // No: the bottom side
  ASSERT_TRUE(question);
  EXPECT_NE(question->find("Импортировать верхнюю сторону (Да) или нижнюю (Нет)?"), std::string::npos);
  EXPECT_EQ(editor.AnswerBox(kImportCaption), CrLf(ImportSummary(file, bottom)));
  EXPECT_EQ(editor.Tables(), imported) << "appended after the rows opened";
  EXPECT_EQ(editor.WaitTitle("*basic.CSV - " + kTitle), "*basic.CSV - " + kTitle);
  EXPECT_TRUE(TScreenShot::Of(editor.Form).Save(ZR_SHOT_DIR "/editor-import.bmp"));

  editor.PressKeys({VK_CONTROL, 'Z'});
  ASSERT_TRUE(editor.WaitRows(components, static_cast<int>(opened.Components.size())));
  EXPECT_EQ(editor.Tables(), opened) << "one undo takes every imported row back";
  EXPECT_EQ(editor.WaitTitle("basic.CSV - " + kTitle), "basic.CSV - " + kTitle);
  editor.PressKeys({VK_CONTROL, 'Y'});
  ASSERT_TRUE(editor.WaitRows(components, static_cast<int>(imported.Components.size())));
  EXPECT_EQ(editor.Tables(), imported);

  const std::string out = temp.File("out.CSV");
  ASSERT_TRUE(editor.Save(out));
  EXPECT_EQ(ReadWholeFile(out), WriteJobFile(imported));
}

TEST(ImportRun, FileOfNoStatedUnitAsksForInchesCancelledYesThenNo) {
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(JobSamplePath("basic.CSV")));
  JobTables expected = editor.Tables();
  HWND components = editor.Table(kComponentColumns);

  const std::string sample = PlacementSample("kicad-inches.csv");
  const std::string bytes = ReadWholeFile(sample);
  const TPlacementFile millimetres = ReadPlacementFile(bytes, sample);
  ASSERT_TRUE(MayBeInches(millimetres, TBoardSide::Top));
  const TPlacementFile inches = ReadPlacementFile(bytes, sample, TLengthUnit::Inch);
  const std::string question = "В файле не указаны единицы, а все координаты меньше 25. Считать их дюймами?";

  // Cancel imports nothing; Yes appends the rows in inches, No as millimetres.
  ASSERT_TRUE(ImportByKeys(editor, sample));
  EXPECT_EQ(editor.AnswerBox(kImportCaption, IDCANCEL), question);
  for (const auto& [button, file] : {std::pair{IDYES, &inches}, std::pair{IDNO, &millimetres}}) {
    SCOPED_TRACE(button);
    const TPlacementImport import = ImportPlacements(*file, TBoardSide::Top);
    expected.Components.insert(expected.Components.end(), import.Rows.begin(), import.Rows.end());
    ASSERT_TRUE(ImportByKeys(editor, sample));
    EXPECT_EQ(editor.AnswerBox(kImportCaption, button), question);
    EXPECT_EQ(editor.AnswerBox(kImportCaption), CrLf(ImportSummary(*file, import)));
    ASSERT_TRUE(editor.WaitRows(components, static_cast<int>(expected.Components.size())));
    EXPECT_EQ(editor.Tables(), expected);
  }
}

TEST(ImportRun, FileWithoutCoordinatesIsRefusedAndChangesNothing) {
  TTempDir temp;
  const std::string bad = temp.File("parts.csv");
  WriteWholeFile(bad, "Designator,Comment\r\nR1,10k\r\n");
  TEditorDriver editor;
  ASSERT_TRUE(editor.Started());
  ASSERT_TRUE(editor.Open(JobSamplePath("basic.CSV")));
  const JobTables opened = editor.Tables();

  ASSERT_TRUE(editor.ChooseFile(TEditorDriver::kImport, kImportCaption, bad));
  const auto message = editor.AnswerBox(kImportCaption);
  ASSERT_TRUE(message);
  EXPECT_NE(message->find("не похож на файл позиций: нет столбцов X и Y"), std::string::npos) << *message;
  EXPECT_EQ(editor.Tables(), opened);
  EXPECT_EQ(editor.Text(editor.Form), "basic.CSV - " + kTitle);
}

// Imports the top side of a file with parts on both; the summary box's text.
std::optional<std::string> ImportTopSide(TEditorDriver& editor, const std::string& path) {
  if (!editor.ChooseFile(TEditorDriver::kImport, kImportCaption, path) || !editor.AnswerBox(kImportCaption, IDYES))
    return std::nullopt;
  return editor.AnswerBox(kImportCaption);
}

// Rotation corrections chosen through the menu: a bad table is told and
// changes nothing, a good one applies to the import and is remembered in
// the settings across starts until "Без поправок поворота".
TEST(ImportRun, ChosenCorrectionsApplyToImportsAndAreRememberedAcrossStarts) {
  constexpr char kCorrectionsCaption[] = "Поправки поворота";
  TTempDir temp, settings;
  const std::string bad = temp.File("bad.csv");
  WriteWholeFile(bad, "Footprint pattern,Rotation\r\n^SOT-23,x\r\n");
  const std::string table = WindowsPath(ZR_ROTATION_SAMPLES_DIR) + "\\packages.csv";
  const std::string board = WindowsPath(ZR_ROTATION_SAMPLES_DIR) + "\\board.csv";
  TRotationCorrections corrections;
  std::string error;
  ASSERT_TRUE(ReadRotationCorrections(ReadWholeFile(table), table, corrections, error)) << error;
  const TPlacementFile file = ReadPlacementFile(ReadWholeFile(board), board);
  const TPlacementImport corrected = ImportPlacements(file, TBoardSide::Top, &corrections);
  const TPlacementImport plain = ImportPlacements(file, TBoardSide::Top);
  ASSERT_NE(corrected.Rows, plain.Rows);

  auto import = [&](TEditorDriver& editor) { return ImportTopSide(editor, board); };
  {
    TEditorDriver editor("", settings.Path);
    ASSERT_TRUE(editor.Started());
    ASSERT_TRUE(editor.ChooseFile(TEditorDriver::kCorrections, kCorrectionsCaption, bad));
    const auto refused = editor.AnswerBox(kCorrectionsCaption);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find("bad.csv>, строка 2: поворот «x» не число.\r\nПрежний выбор не изменён."),
              std::string::npos) << *refused;
    EXPECT_EQ(import(editor), CrLf(ImportSummary(file, plain))) << "no table yet";

    ASSERT_TRUE(editor.ChooseFile(TEditorDriver::kCorrections, kCorrectionsCaption, table));
    EXPECT_EQ(editor.AnswerBox(kCorrectionsCaption), "Поправки поворота: " + table + "\r\nПравил: 20");
    ASSERT_TRUE(editor.ChooseFile(TEditorDriver::kCorrections, kCorrectionsCaption, bad));
    ASSERT_TRUE(editor.AnswerBox(kCorrectionsCaption)) << "the bad table told again";
    EXPECT_EQ(import(editor), CrLf(ImportSummary(file, corrected))) << "the good table kept";
    JobTables expected;
    expected.Components = plain.Rows;
    expected.Components.insert(expected.Components.end(), corrected.Rows.begin(), corrected.Rows.end());
    EXPECT_EQ(editor.Tables(), expected);
  }
  EXPECT_NE(ReadWholeFile(settings.File("ZR780K Editor\\settings.ini")).find("RotationCorrections=" + table),
            std::string::npos);
  {
    TEditorDriver editor("", settings.Path);
    ASSERT_TRUE(editor.Started());
    EXPECT_EQ(import(editor), CrLf(ImportSummary(file, corrected))) << "remembered from the last start";
    editor.Command(TEditorDriver::kNoCorrections);
    EXPECT_EQ(import(editor), CrLf(ImportSummary(file, plain)));
  }
  EXPECT_NE(ReadWholeFile(settings.File("ZR780K Editor\\settings.ini")).find("RotationCorrections=\r\n"),
            std::string::npos);
}

// Nozzle rules chosen through the menu: a bad table is told and the earlier
// one stays; the imports and "Распределить" give nozzles by the table in
// force, which is remembered in the settings across starts until "Без
// правил сопел".
TEST(ImportRun, ChosenNozzleRulesApplyToImportsAndAssignAndAreRememberedAcrossStarts) {
  constexpr char kNozzlesCaption[] = "Правила сопел";
  TTempDir temp, settings;
  const std::string bad = temp.File("bad.csv");
  WriteWholeFile(bad, "Шаблон;Сопло\r\n0603;2\r\n(SOT;3\r\n");
  const std::string table = temp.File("nozzles.csv");
  WriteWholeFile(table, "Pattern,Nozzle\r\n# the general rules first\r\nC_,1\r\nc_0603,2\r\nSOT-23,3\r\n");
  TNozzleRules rules;
  std::string error;
  ASSERT_TRUE(ReadNozzleRules(ReadWholeFile(table), table, rules, error)) << error;
  const std::string board = WindowsPath(ZR_ROTATION_SAMPLES_DIR) + "\\board.csv";
  const TPlacementFile file = ReadPlacementFile(ReadWholeFile(board), board);
  const TPlacementImport byRule = ImportPlacements(file, TBoardSide::Top, nullptr, {}, &rules);
  const TPlacementImport plain = ImportPlacements(file, TBoardSide::Top);
  ASSERT_GT(byRule.NozzlesByRule, 0u);
  const std::string ini = settings.File("ZR780K Editor\\settings.ini");
  JobTables expected;
  auto chooseTable = [&](TEditorDriver& editor, const std::string& path) {
    return editor.ChooseFile(TEditorDriver::kNozzleRules, kNozzlesCaption, path) ? editor.AnswerBox(kNozzlesCaption)
                                                                                 : std::nullopt;
  };
  {
    TEditorDriver editor("", settings.Path);
    ASSERT_TRUE(editor.Started());
    const auto refused = chooseTable(editor, bad);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find("bad.csv>, строка 3: шаблон «(SOT»"), std::string::npos) << *refused;
    EXPECT_NE(refused->find("\r\nПрежний выбор не изменён."), std::string::npos) << *refused;
    EXPECT_EQ(chooseTable(editor, table), "Правил сопел: 3 — из nozzles.csv");
    ASSERT_TRUE(chooseTable(editor, bad)) << "the bad table told again";
    EXPECT_EQ(ImportTopSide(editor, board), CrLf(ImportSummary(file, byRule))) << "the good table kept";
    expected.Components = byRule.Rows;
    EXPECT_EQ(editor.Tables(), expected);
  }
  EXPECT_NE(ReadWholeFile(ini).find("[Nozzles]\r\nTable=" + table + "\r\n"), std::string::npos);
  {
    TEditorDriver editor("", settings.Path);
    ASSERT_TRUE(editor.Started());
    EXPECT_EQ(ImportTopSide(editor, board), CrLf(ImportSummary(file, byRule))) << "remembered from the last start";
    editor.Command(TEditorDriver::kNoNozzleRules);
    EXPECT_EQ(ImportTopSide(editor, board), CrLf(ImportSummary(file, plain)));
    EXPECT_NE(ReadWholeFile(ini).find("[Nozzles]\r\nTable=\r\n"), std::string::npos);

    // "Распределить" gives the rows without a nozzle theirs by the table in
    // force, as one change.
    ASSERT_TRUE(chooseTable(editor, table));
    expected.Components.insert(expected.Components.end(), plain.Rows.begin(), plain.Rows.end());
    const TFeederAssignment assignment = AssignFeeders(expected, &rules);
    ASSERT_EQ(assignment.NozzlesByRule, byRule.NozzlesByRule);
    editor.Command(TEditorDriver::kDistribute);
    // This box keeps the summary's last line end.
    EXPECT_EQ(editor.AnswerBox("Распределить"), CrLf(AssignSummary(assignment)) + "\r\n");
    const JobTables imported = expected;
    for (const TRowChange& change : assignment.Changes) expected.Components[change.Row] = change.After;
    EXPECT_EQ(editor.Tables(), expected);
    editor.PressKeys({VK_CONTROL, 'Z'});
    EXPECT_TRUE(WaitUntil([&] { return editor.Tables() == imported; }));
  }
}

// Which of the two turns of the bottom side the open Файл menu shows
// checked: the menu is opened by keys (another process cannot read it), and
// the check column of each item's row is looked at.
std::optional<std::pair<bool, bool>> CheckedTurns(TEditorDriver& editor) {
  // Rows of the Файл menu: "УП" is its last; an item's row is its index less one.
  constexpr int kFileItems = TEditorDriver::kProgram;
  editor.PressKeys({VK_F10});
  editor.PressKeysInActive({VK_DOWN});
  HWND popup = editor.FindTopLevel("#32768", "", 10000);
  std::optional<std::pair<bool, bool>> checked;
  if (popup && editor.Sync()) {
    RECT client{};
    GetClientRect(popup, &client);
    TScreenShot shot;
    int border = 0;
    const int itemHeight = client.bottom / kFileItems;
    // Pixels of the text's colour in a part of an item's row, inside the
    // frame: its check column (left), or its text.
    auto inked = [&](int item, int left, int right) {
      const RECT part{border + left, border + item * itemHeight, border + right, border + (item + 1) * itemHeight};
      return shot.Count(GetSysColor(COLOR_MENUTEXT), part) > 4;
    };
    // Once the menu has painted the texts of its items (the first one may be
    // selected and drawn in other colours), the check column of each turn's
    // row holds a mark or not.
    if (WaitUntil([&] {
          shot = TScreenShot::Of(popup);
          border = (shot.Height - client.bottom) / 2;
          return inked(1, 16, client.right - 8) && inked(kFileItems - 1, 16, client.right - 8);
        }))
      checked = std::pair{inked(TEditorDriver::kTurnLeftRight - 1, 2, 14), inked(TEditorDriver::kTurnTopBottom - 1, 2, 14)};
  }
  editor.PressKeysInActive({VK_ESCAPE});
  editor.PressKeysInActive({VK_ESCAPE});
  if (popup) TEditorDriver::WaitGone(popup);
  return checked;
}

// The turn of the bottom side chosen in the Файл menu: it applies to the
// imports that follow, its item is checked, and the choice is remembered in
// the settings across starts.
TEST(ImportRun, BottomTurnChosenInTheMenuAppliesIsCheckedAndRememberedAcrossStarts) {
  TTempDir settings;
  const std::string sample = PlacementSample("kicad-text.pos");
  const TPlacementFile file = ReadPlacementFile(ReadWholeFile(sample), sample);
  TBottomRule rule;
  const TPlacementImport leftRight = ImportPlacements(file, TBoardSide::Bottom, nullptr, rule);
  rule.Turn = TBottomTurn::TopBottom;
  const TPlacementImport topBottom = ImportPlacements(file, TBoardSide::Bottom, nullptr, rule);
  ASSERT_NE(leftRight.Rows, topBottom.Rows);
  const std::string ini = settings.File("ZR780K Editor\\settings.ini");

  // Imports the bottom side; the rows appended and the summary shown must be
  // the expected import's.
  auto importBottom = [&](TEditorDriver& editor, JobTables& expected, const TPlacementImport& import) {
    ASSERT_TRUE(editor.ChooseFile(TEditorDriver::kImport, kImportCaption, sample));
    ASSERT_TRUE(editor.AnswerBox(kImportCaption, IDNO));
    EXPECT_EQ(editor.AnswerBox(kImportCaption), CrLf(ImportSummary(file, import)));
    expected.Components.insert(expected.Components.end(), import.Rows.begin(), import.Rows.end());
    EXPECT_EQ(editor.Tables(), expected);
  };
  // The check marks are read last in each run: the menu opened by keys must
  // not be what a following command meets.
  {
    TEditorDriver editor("", settings.Path);
    ASSERT_TRUE(editor.Started());
    JobTables expected;
    importBottom(editor, expected, leftRight);
    ASSERT_TRUE(editor.CommandNow(TEditorDriver::kTurnTopBottom));
    importBottom(editor, expected, topBottom);
    EXPECT_EQ(CheckedTurns(editor), std::pair(false, true));
  }
  EXPECT_NE(ReadWholeFile(ini).find("BottomTurn=tb"), std::string::npos);
  {
    TEditorDriver editor("", settings.Path);
    ASSERT_TRUE(editor.Started());
    JobTables expected;
    importBottom(editor, expected, topBottom);  // remembered from the last start
    ASSERT_TRUE(editor.CommandNow(TEditorDriver::kTurnLeftRight));
    importBottom(editor, expected, leftRight);
    EXPECT_EQ(CheckedTurns(editor), std::pair(true, false));
  }
  EXPECT_NE(ReadWholeFile(ini).find("BottomTurn=lr"), std::string::npos);
}

}  // namespace
