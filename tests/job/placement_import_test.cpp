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
};

TEST(PlacementImport, ReadsEverySampleIntoItsExpectedRows) {
  const TSample samples[] = {
      {"kicad-text.pos", TBoardSide::Top, "kicad-text.pos.top.rows", "KiCad (текстовый файл позиций)", {}},
      {"kicad-text.pos", TBoardSide::Bottom, "kicad-text.pos.bottom.rows", "KiCad (текстовый файл позиций)", {}},
      // One side in the file: that side, whatever is asked.
      {"kicad-text-inches.pos", TBoardSide::Bottom, "kicad-text-inches.pos.rows", "KiCad (текстовый файл позиций)", {}},
      {"kicad.csv", TBoardSide::Top, "kicad.csv.rows", "KiCad (CSV)", {}},
      {"altium.csv", TBoardSide::Top, "altium.csv.top.rows", "Altium", {17}},
      {"altium.csv", TBoardSide::Bottom, "altium.csv.bottom.rows", "Altium", {17}},
      {"altium.txt", TBoardSide::Bottom, "altium.txt.rows", "Altium", {}},
      {"board.mnb", TBoardSide::Top, "board.mnb.rows", "Eagle/Fusion (.mnt/.mnb)", {4}},
      {"easyeda.csv", TBoardSide::Top, "easyeda.csv.top.rows", "EasyEDA", {}},
      {"easyeda.csv", TBoardSide::Bottom, "easyeda.csv.bottom.rows", "EasyEDA", {}},
      {"jlc.csv", TBoardSide::Top, "jlc.csv.rows", "JLC", {}},
      {"diptrace.csv", TBoardSide::Top, "diptrace.csv.rows", "DipTrace", {}},
      {"generic.txt", TBoardSide::Top, "generic.txt.rows", "таблица с заголовком", {4}},
  };
  for (const TSample& sample : samples) {
    SCOPED_TRACE(std::string(sample.File) + " -> " + sample.Expected);
    const TPlacementFile file = ReadPlacementFile(ReadWholeFile(kSamples + "/" + sample.File), sample.File);
    EXPECT_EQ(file.Error, "");
    EXPECT_EQ(file.Format, sample.Format);
    EXPECT_EQ(file.BadLines, sample.BadLines);
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
  for (const char* fiducial : {"FID", "fid12", "FD1", "Mark", "MARK007"}) EXPECT_TRUE(IsFiducialReference(fiducial));
  for (const char* part : {"FIDU1", "F1", "MARK1A", "R1", "FID 1", ""}) EXPECT_FALSE(IsFiducialReference(part));
  for (const char* value : {"DNP", "dnf", " DNI ", "NC", "nf", "NP", "NoPop", "Do Not Place", "DO_NOT_PLACE", "10k/NM"})
    EXPECT_TRUE(IsNotPlacedValue(value)) << value;
  for (const char* value : {"10k", "DNP1", "NCP", "", "/NM1"}) EXPECT_FALSE(IsNotPlacedValue(value)) << value;
  EXPECT_EQ(CommentCell(" 10k,1%\t", "R/0603\\x "), "10k 1% R 0603 x");
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
  const TPlacementFile fine = ReadPlacementFile("Designator,X,Y\n", "c.csv");
  EXPECT_EQ(fine.Error, "");
  EXPECT_TRUE(fine.Parts.empty());
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
            "В файле обе стороны платы; взята верхняя\n"
            "Помечено пропуском: 2 (реперные знаки: 1, не устанавливаются: 1)\n"
            "Не прочитаны строки (13): 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 и ещё 3\n"
            "Сдвиг координат: X на 1.5 мм, Y на 0.25 мм\n");
  EXPECT_EQ(RowsText(import.Rows), "FID1,,,0,2.25,0,1,,\nR20,,,4.5,0,0,1,DNP,\n");
}

}  // namespace
