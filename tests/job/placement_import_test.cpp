// Placement files of every form read into component rows: each hand-written
// sample against its expected rows, then the rules one at a time where the
// samples do not reach them (numbers, text forms, bad files).
#include "job/placement_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/job_file.h"
#include "job/text_decoding.h"
#include "tests/support/files.h"

namespace {

const std::string kSamples = ZR_PLACEMENT_SAMPLES_DIR;

std::string RowsText(const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  for (const auto& row : rows) text += JoinRow(row, kComponentColumns) + "\n";
  return text;
}

struct TSample {
  const char* File;
  TBoardSide Side;
  const char* Expected;  // rows file beside the sample
  const char* Format;
  std::vector<size_t> BadLines;
  TLengthUnit Unit = TLengthUnit::Millimetre;
  bool UnitStated = true;
};

TEST(PlacementImport, ReadsEverySampleIntoItsExpectedRows) {
  const TSample samples[] = {
      {"kicad-text.pos", TBoardSide::Top, "kicad-text.pos.top.rows", "KiCad (текстовый файл позиций)", {}},
      {"kicad-text.pos", TBoardSide::Bottom, "kicad-text.pos.bottom.rows", "KiCad (текстовый файл позиций)", {}},
      // One side in the file: that side, whatever is asked.
      {"kicad-text-inches.pos", TBoardSide::Bottom, "kicad-text-inches.pos.rows", "KiCad (текстовый файл позиций)", {},
       TLengthUnit::Inch},
      // Column lines off their rows: KiCad 4's by four, with values of
      // several words; a later one's by two, with two-letter values.
      {"kicad4-shifted.pos", TBoardSide::Top, "kicad4-shifted.pos.rows", "KiCad (текстовый файл позиций)", {}},
      {"kicad-shifted.pos", TBoardSide::Top, "kicad-shifted.pos.top.rows", "KiCad (текстовый файл позиций)", {}},
      {"kicad-shifted.pos", TBoardSide::Bottom, "kicad-shifted.pos.bottom.rows", "KiCad (текстовый файл позиций)", {}},
      {"padded-shifted.txt", TBoardSide::Top, "padded-shifted.txt.rows", "таблица с заголовком", {},
       TLengthUnit::Millimetre, false},
      {"kicad.csv", TBoardSide::Top, "kicad.csv.rows", "KiCad (CSV)", {}, TLengthUnit::Millimetre, false},
      {"altium.csv", TBoardSide::Top, "altium.csv.top.rows", "Altium", {17}, TLengthUnit::Mil},
      {"altium.csv", TBoardSide::Bottom, "altium.csv.bottom.rows", "Altium", {17}, TLengthUnit::Mil},
      {"altium.txt", TBoardSide::Bottom, "altium.txt.rows", "Altium", {}},
      {"altium-quoted.txt", TBoardSide::Top, "altium-quoted.txt.rows", "Altium", {}, TLengthUnit::Mil},
      {"measured-inches.csv", TBoardSide::Top, "measured-inches.csv.rows", "таблица с заголовком", {}, TLengthUnit::Inch},
      {"board.mnb", TBoardSide::Top, "board.mnb.rows", "Eagle/Fusion (.mnt/.mnb)", {4}},
      {"easyeda.csv", TBoardSide::Top, "easyeda.csv.top.rows", "EasyEDA", {}},
      {"easyeda.csv", TBoardSide::Bottom, "easyeda.csv.bottom.rows", "EasyEDA", {}},
      {"jlc.csv", TBoardSide::Top, "jlc.csv.rows", "JLC", {}},
      {"diptrace.csv", TBoardSide::Top, "diptrace.csv.rows", "DipTrace", {}},
      {"generic.txt", TBoardSide::Top, "generic.txt.rows", "таблица с заголовком", {4}, TLengthUnit::Inch},
  };
  for (const TSample& sample : samples) {
    SCOPED_TRACE(std::string(sample.File) + " -> " + sample.Expected);
    const TPlacementFile file = ReadPlacementFile(ReadWholeFile(kSamples + "/" + sample.File), sample.File);
    EXPECT_EQ(file.Error, "");
    EXPECT_EQ(file.Format, sample.Format);
    EXPECT_EQ(file.BadLines, sample.BadLines);
    EXPECT_EQ(file.Unit, sample.Unit);
    EXPECT_EQ(file.UnitStated, sample.UnitStated);
    const TPlacementImport import = ImportPlacements(file, sample.Side);
    EXPECT_EQ(RowsText(import.Rows), ReadWholeFile(kSamples + "/" + sample.Expected));
    for (const auto& row : import.Rows) {
      EXPECT_EQ(row.size(), kComponentColumns);
      for (const std::string& cell : row) EXPECT_TRUE(CellFitsJobFormat(cell)) << cell;
    }
  }
}

TEST(PlacementImport, KeepsCoordinatesExactUntilOneRoundingAtTheEnd) {
  struct TCase {
    const char* Field;
    TLengthUnit Unit;
    bool Comma;
    const char* Text;
  };
  const TCase cases[] = {
      {"3.175", TLengthUnit::Millimetre, false, "3.18"},  // a double holds 3.17499...
      {"-3.175", TLengthUnit::Millimetre, false, "-3.18"},
      {"1.005", TLengthUnit::Unknown, false, "1.01"},
      {"0.125", TLengthUnit::Inch, false, "3.18"},
      {"255.905", TLengthUnit::Mil, false, "6.5"},
      {"2310mil", TLengthUnit::Millimetre, false, "58.67"},
      {" 1.5 in ", TLengthUnit::Millimetre, false, "38.1"},
      {"58.674MM", TLengthUnit::Inch, false, "58.67"},
      {"12,5", TLengthUnit::Millimetre, true, "12.5"},
      {"+7.000", TLengthUnit::Millimetre, false, "7"},
      {"-0.004", TLengthUnit::Millimetre, false, "0"},
      {"-3.05", TLengthUnit::Millimetre, false, "-3.05"},
      {"0.0049999999999", TLengthUnit::Millimetre, false, "0"},
  };
  for (const TCase& c : cases) {
    TFixed value = 0;
    ASSERT_TRUE(ReadLength(c.Field, c.Unit, c.Comma, value)) << c.Field;
    EXPECT_EQ(FixedToText(value), c.Text) << c.Field;
  }
  for (const char* bad : {"", "-", "12,5", "1e3", "1.2.3", "12 mm x", "10k", "0x10", "1 2", "99999999999999"}) {
    TFixed value = 42;
    EXPECT_FALSE(ReadLength(bad, TLengthUnit::Millimetre, false, value)) << bad;
    EXPECT_EQ(value, 42) << bad;
  }
  for (auto [field, text] : {std::pair<const char*, const char*>{"315", "-45"}, {"-180", "180"}, {"540", "180"},
                             {"-179.996", "180"}, {"179.994", "179.99"}, {"-90.005", "-90.01"}, {"720", "0"},
                             {"270 deg", "-90"}}) {
    TFixed angle = 0;
    ASSERT_TRUE(ReadAngle(field, false, angle)) << field;
    EXPECT_EQ(AngleToText(angle), text) << field;
  }
}

TEST(PlacementImport, DecodesEachTextFormIntoWindows1251) {
  // "Ж1" in each form; Ω has no Windows-1251 form.
  EXPECT_EQ(PlacementTextToCp1251(std::string("\xFF\xFE\x16\x04\x31\x00\xA9\x03", 8)), "\xC6" "1?");
  EXPECT_EQ(PlacementTextToCp1251(std::string("\xFE\xFF\x04\x16\x00\x31", 6)), "\xC6" "1");
  EXPECT_EQ(PlacementTextToCp1251("\xEF\xBB\xBF\xD0\x96\x31\xE2\x82\xAC"), "\xC6" "1\x88");
  EXPECT_EQ(PlacementTextToCp1251("\xD0\x96\x31"), "\xC6" "1");
  // Not UTF-8: taken as Windows-1251 already.
  EXPECT_EQ(PlacementTextToCp1251("\xC6\x31\xE0"), "\xC6\x31\xE0");
  EXPECT_EQ(Cp1251ToUtf8("\xC6" "1\x88\x98"), "\xD0\x96" "1\xE2\x82\xAC?");
}

TEST(PlacementImport, MarksFiducialsAndPartsNotPlacedAndCleansCells) {
  for (const char* fiducial : {"FID", "fid12", "FD1", "Mark", "MARK007"})
    EXPECT_TRUE(IsFiducialPart(fiducial, "10k", "R_0603")) << fiducial;
  for (const char* part : {"FIDU1", "F1", "MARK1A", "R1", "FID 1", "", "FID1A", "MARKER1"})
    EXPECT_FALSE(IsFiducialPart(part, "10k", "R_0603")) << part;
  // By value or footprint, whatever the designator.
  const struct {
    const char* Value;
    const char* Package;
    bool Fiducial;
  } byName[] = {{"FIDUCIAL_2", "Fiducial", true},        {"", "Fiducial_1mm_Mask2mm", true},
                {"FIDUCIAL_DUAL", "", true},             {"fiducial", "R_0603", true},
                {"Fid", "MountingHole_3.2mm", false},    {"100n", "C_0402", false}};
  for (const auto& c : byName) EXPECT_EQ(IsFiducialPart("FM1", c.Value, c.Package), c.Fiducial) << c.Value << c.Package;
  for (const char* value : {"DNP", "dnf", " DNI ", "NC", "nf", "NP", "NoPop", "Do Not Place", "DO_NOT_PLACE", "10k/NM"})
    EXPECT_TRUE(IsNotPlacedValue(value)) << value;
  for (const char* value : {"10k", "DNP1", "NCP", "", "/NM1"}) EXPECT_FALSE(IsNotPlacedValue(value)) << value;
  // Joined, then cleaned: inner spaces stay.
  EXPECT_EQ(CommentCell(" 10k,1%\t", "R/0603\\x "), "10k 1%  R 0603 x");
  EXPECT_EQ(CommentCell(",x,", "P"), "x  P");
  EXPECT_EQ(CommentCell("", "SOT-23"), "SOT-23");
  EXPECT_EQ(CommentCell("LED", ""), "LED");
  EXPECT_EQ(CellText(",/\\\x01\x7F"), "");
}

TEST(PlacementImport, RefusesFilesInNoRecognisedForm) {
  EXPECT_EQ(ReadPlacementFile("", "C:\\pos\\a.csv").Error, "Файл a.csv пуст");
  EXPECT_EQ(ReadPlacementFile(" \r\n\t\n", "a.csv").Error, "Файл a.csv пуст");
  const std::string noPlace = "Файл b.csv не похож на файл позиций: нет столбцов X и Y";
  EXPECT_EQ(ReadPlacementFile("Ref,Val,Package,Rot\nR1,10k,0603,90\n", "/tmp/b.csv").Error, noPlace);
  EXPECT_EQ(ReadPlacementFile(std::string("\x7F" "ELF\x02\x01\x01\0\0\0\x89PNG\r\n\x1A\n\xFF\xD8", 20), "b.csv").Error,
            noPlace);
  EXPECT_EQ(ReadPlacementFile("hello world\nthis is text\n", "b.csv").Error, noPlace);
  // Files of no part: a KiCad file of a side without parts, a table without
  // rows, a table none of whose rows could be read.
  EXPECT_EQ(ReadPlacementFile(ReadWholeFile(kSamples + "/kicad-no-parts.pos"), "kicad-no-parts.pos").Error,
            "В файле kicad-no-parts.pos нет ни одного компонента");
  EXPECT_EQ(ReadPlacementFile("Designator,X,Y\n", "c.csv").Error, "В файле c.csv нет ни одного компонента");
  EXPECT_EQ(ReadPlacementFile("Designator,X,Y\nR1,a,1\nR2,1,\n", "c.csv").Error,
            "В файле c.csv нет ни одного компонента (не прочитано строк: 2)");
}

TEST(PlacementImport, TakesTheUnitAFileStatesInWordsElseTheOneAssumed) {
  struct TCase {
    const char* Preamble;
    TLengthUnit Assumed;
    TLengthUnit Unit;
    bool Stated;
    const char* X;  // of "R1,0.5,..." as imported
  };
  const TCase cases[] = {
      {"Measurements are in inches.\n", TLengthUnit::Millimetre, TLengthUnit::Inch, true, "12.7"},
      {"UUNITS = MILLIMETERS\n", TLengthUnit::Inch, TLengthUnit::Millimetre, true, "0.5"},
      {"Units: mil\n", TLengthUnit::Millimetre, TLengthUnit::Mil, true, "0.01"},
      {"Board A\nUnits used: Thou\n\n", TLengthUnit::Inch, TLengthUnit::Mil, true, "0.01"},
      {"## Unit = Millimetres, Angle = deg.\n", TLengthUnit::Inch, TLengthUnit::Millimetre, true, "0.5"},
      // No unit named, or no word of units: the assumed one.
      {"Measured by hand, all in place\n", TLengthUnit::Millimetre, TLengthUnit::Millimetre, false, "0.5"},
      {"Positions in inches\n", TLengthUnit::Millimetre, TLengthUnit::Millimetre, false, "0.5"},
      {"", TLengthUnit::Inch, TLengthUnit::Inch, false, "12.7"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Preamble);
    const TPlacementFile file =
        ReadPlacementFile(std::string(c.Preamble) + "Designator,X,Y\nR1,0.5,-0.25\nR2,1,-1\n", "u.csv", c.Assumed);
    ASSERT_EQ(file.Error, "");
    EXPECT_EQ(file.Unit, c.Unit);
    EXPECT_EQ(file.UnitStated, c.Stated);
    EXPECT_EQ(ImportPlacements(file, TBoardSide::Top).Rows.at(0).at(kComponentXColumn), c.X);
  }
  // A line after the header is a row, not a preamble.
  EXPECT_FALSE(ReadPlacementFile("Designator,X,Y\nUnits: inch,1,1\nR1,1,1\n", "u.csv").UnitStated);
}

TEST(PlacementImport, SuspectsInchesOnlyWhenNoUnitIsStatedAndEveryCoordinateIsSmall) {
  struct TCase {
    const char* Text;
    const char* Name;
    TLengthUnit Assumed;
    TBoardSide Side;
    bool MayBeInches;
  };
  const TCase cases[] = {
      {"Ref,X,Y\nR1,1.25,-0.5\nR2,24.99,-24.99\n", "a.csv", TLengthUnit::Millimetre, TBoardSide::Top, true},
      {"Ref,X,Y\nR1,1.25,-0.5\nR2,1,-25\n", "a.csv", TLengthUnit::Millimetre, TBoardSide::Top, false},
      {"Ref,X,Y\nR1,1.25,-0.5\nR2,25,1\n", "a.csv", TLengthUnit::Millimetre, TBoardSide::Top, false},
      {"Ref,X,Y\nR1,1.25,-0.5\n", "a.csv", TLengthUnit::Inch, TBoardSide::Top, false},
      {"Ref,X (mm),Y (mm)\nR1,1.25,-0.5\n", "a.csv", TLengthUnit::Millimetre, TBoardSide::Top, false},
      {"Ref,X,Y\nR1,1.25mm,-0.5mm\n", "a.csv", TLengthUnit::Millimetre, TBoardSide::Top, false},
      {"Designator,Mid X,Mid Y,Layer\nR1,1,1,Top\n", "jlc.csv", TLengthUnit::Millimetre, TBoardSide::Top, false},
      {"R1 1.5 2.5 0 10k R0603\n", "board.mnt", TLengthUnit::Millimetre, TBoardSide::Top, false},
      // Only the imported side counts.
      {"Ref,X,Y,Side\nR1,1,1,top\nR2,100,1,bottom\n", "a.csv", TLengthUnit::Millimetre, TBoardSide::Top, true},
      {"Ref,X,Y,Side\nR1,1,1,top\nR2,100,1,bottom\n", "a.csv", TLengthUnit::Millimetre, TBoardSide::Bottom, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text);
    const TPlacementFile file = ReadPlacementFile(c.Text, c.Name, c.Assumed);
    ASSERT_EQ(file.Error, "");
    EXPECT_EQ(MayBeInches(file, c.Side), c.MayBeInches);
  }
}

TEST(PlacementImport, SummarisesRowsSkipsUnreadableLinesAndTheShift) {
  std::string text = "Ref\tX\tY\tRot\tSide\tValue\n";
  for (int i = 0; i < 12; ++i) text += "R" + std::to_string(i) + "\tx\t1\t0\ttop\t\n";
  text += "FID1\t-1,5\t2\t0\ttop\t\nR20\t3\t-0,25\t0\ttop\tDNP\nR21\t3\t\t0\ttop\t\nQ1\t4\t4\t0\tbottom\t\n";
  const TPlacementFile file = ReadPlacementFile(text, "t.txt");
  ASSERT_EQ(file.BadLines.size(), 13u);
  EXPECT_EQ(file.BadLines.back(), 16u);
  const TPlacementImport import = ImportPlacements(file, TBoardSide::Top);
  EXPECT_EQ(import.Rows.size(), 2u);
  EXPECT_EQ(ImportSummary(file, import),
            "Импортировано строк: 2 (формат: таблица с заголовком)\n"
            "Единицы: мм (в файле не указаны)\n"
            "В файле обе стороны платы; взята верхняя\n"
            "Помечено пропуском: 2 (реперные знаки: 1, не устанавливаются: 1)\n"
            "Не прочитаны строки (13): 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 и ещё 3\n"
            "Сдвиг координат: X на 1.5 мм, Y на 0.25 мм\n");
  EXPECT_EQ(RowsText(import.Rows), "FID1,,,0,2.25,0,1,,\nR20,,,4.5,0,0,1,DNP,\n");
}

}  // namespace
