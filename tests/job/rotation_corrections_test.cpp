// Rotation correction tables: read in each header style and text form,
// refused with the line and the reason, matched by the last rule, and
// applied by the import after the side's mirror.
#include "job/rotation_corrections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/placement_import.h"

namespace {

// The rules as "line:pattern:rotation:dx:dy", one per line.
std::string RulesText(const TRotationCorrections& table) {
  std::string text;
  for (const TRotationRule& rule : table.Rules)
    text += std::to_string(rule.Line) + ":" + rule.Pattern + ":" + FixedToText(rule.Rotation) + ":" +
            FixedToText(rule.OffsetX) + ":" + FixedToText(rule.OffsetY) + "\n";
  return text;
}

TEST(RotationCorrections, ReadsEveryHeaderStyleQuotesCommentsAndEmptyOffsets) {
  struct TCase {
    const char* Name;
    std::string Bytes;
    const char* Rules;
  };
  const TCase cases[] = {
      {"quoted, offsets", "\"Footprint pattern\",\"Rotation\",\"Offset X\",\"Offset Y\"\r\n"
                          "\"^SOT-23\",-90\r\n\"^USB_C_Receptacle_XKB\",0,1.44,0\r\n",
       "2:^SOT-23:-90:0:0\n3:^USB_C_Receptacle_XKB:0:1.44:0\n"},
      {"comments and empty lines first, any case and order",
       "# corrections\n\n  # indented comment\nangle , REGEX TO MATCH,delta y,Delta X,Notes\n"
       "+90, ^QFN-,,.5,x\n\n#-90,^SOIC\n180,\"a,\"\"b\"\"\",-0.25,\n",
       "5:^QFN-:90:0.5:0\n8:a,\"b\":180:0:-0.25\n"},
      {"Cyrillic names, Cyrillic Х, UTF-8 with its mark",
       "\xEF\xBB\xBF\xD0\xA8\xD0\xB0\xD0\xB1\xD0\xBB\xD0\xBE\xD0\xBD,\xD0\x9F\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x80"
       "\xD0\xBE\xD1\x82,\xD0\xA1\xD0\xB4\xD0\xB2\xD0\xB8\xD0\xB3 \xD0\xA5,\xD0\xA1\xD0\xB4\xD0\xB2\xD0\xB8\xD0"
       "\xB3 Y\n^\xD0\x9A\xD0\xBE\xD1\x80\xD0\xBF\xD1\x83\xD1\x81,270,1,2\n",
       "2:^Корпус:270:1:2\n"},
      {"Windows-1251", "Шаблон;,Угол,X correction,Y CORRECTION,Pattern\n" "x,7.,-1,1,^Корпус\n",
       "2:^Корпус:7:-1:1\n"},
      {"Regex and Angle", "Regex,Angle\nD_SOD,-180\n", "2:D_SOD:-180:0:0\n"},
      {"no rules", "Pattern,Rotation\n", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TRotationCorrections table;
    std::string error;
    ASSERT_TRUE(ReadRotationCorrections(c.Bytes, "t.csv", table, error)) << error;
    EXPECT_EQ(RulesText(table), c.Rules);
    EXPECT_EQ(table.Name, "t.csv");
    EXPECT_TRUE(table.Warnings.empty());
  }
}

TEST(RotationCorrections, RefusesABadTableWithItsLineAndReason) {
  const struct {
    std::string Bytes;
    const char* Error;
  } cases[] = {
      {"", "строка 1: нет заголовка со столбцами шаблона и поворота"},
      {"# only\n\n", "строка 1: нет заголовка со столбцами шаблона и поворота"},
      {"\n#x\nFootprint,Rotation\n", "строка 3: нет столбца шаблона (Footprint pattern, Regex, Pattern, Шаблон)"},
      {"Pattern,Offset X\n", "строка 1: нет столбца поворота (Rotation, Angle, Поворот, Угол)"},
      {"Pattern,Rotation\n^A,90\n\"^B,90\n", "строка 3: кавычка не закрыта"},
      {"Pattern,Rotation\n^A,90\n^(B,90\n", "строка 3: шаблон «^(B» не регулярное выражение"},
      {"Pattern,Rotation\n,90\n", "строка 2: пустой шаблон"},
      {"Pattern,Rotation\n^A,ninety\n", "строка 2: поворот «ninety» не число"},
      {"Pattern,Rotation\n^A\n", "строка 2: поворот «» не число"},
      {"Pattern,Rotation\n^A,90,\n^B,1e2\n", "строка 3: поворот «1e2» не число"},
      {"Pattern,Rotation,Offset X\n^A,90,1,5\n^B,0,1.5mm\n", "строка 3: сдвиг X «1.5mm» не число"},
      {"Pattern,Rotation,Offset Y\n^A,90,\"1,5\"\n", "строка 2: сдвиг Y «1,5» не число"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Bytes);
    TRotationCorrections table;
    table.Name = "kept";
    std::string error;
    EXPECT_FALSE(ReadRotationCorrections(c.Bytes, "t.csv", table, error));
    EXPECT_EQ(error, std::string("Таблица поправок <t.csv>, ") + c.Error + ".");
    EXPECT_EQ(table.Name, "kept") << "a refused table leaves the one given untouched";
  }
}

TEST(RotationCorrections, LastMatchingRuleWinsAndDuplicatesAreNamed) {
  TRotationCorrections table;
  std::string error;
  ASSERT_TRUE(ReadRotationCorrections("Pattern,Rotation\n^SOT-23,-90\nSOT-23-5,180\nsoic,90\n^SOT-23,90\n"
                                      "^SOIC-,270\n",
                                      "t.csv", table, error));
  EXPECT_EQ(table.Warnings, std::vector<std::string>{"Шаблон «^SOT-23» повторён в строках 2 и 5; действует строка 5"});
  const struct {
    const char* Package;
    size_t Line;  // 0: none matches
  } cases[] = {
      {"SOT-23", 5},   {"SOT-23-5", 5},  {"X_SOT-23-5_Y", 3}, {"SOIC-8_3.9x4.9mm", 6},
      {"soic-8", 4},   {"Soic", 0},      {"", 0},             {"QFN-32", 0},
  };
  for (const auto& c : cases) {
    const TRotationRule* rule = MatchingRule(table, c.Package);
    EXPECT_EQ(rule ? rule->Line : 0, c.Line) << c.Package;
  }
}

TEST(RotationCorrections, PatternsThatWouldHangOrOverflowAnswerOnLongPackages) {
  TRotationCorrections table;
  std::string error;
  ASSERT_TRUE(ReadRotationCorrections("Pattern,Rotation\n^(a+)+$,90\n.*0603,180\n", "t.csv", table, error)) << error;
  const struct {
    std::string Package;
    size_t Line;  // 0: none matches
  } cases[] = {
      {std::string(40, 'a') + "b", 0},
      {std::string(40, 'a'), 2},
      {std::string(200000, 'x'), 0},
      {std::string(200000, 'x') + "0603", 3},
  };
  for (const auto& c : cases) {
    const TRotationRule* rule = MatchingRule(table, c.Package);
    EXPECT_EQ(rule ? rule->Line : 0, c.Line) << c.Package.size();
  }
}

TPlacementPart Part(const char* reference, const char* package, TBoardSide side, TFixed x, TFixed y, TFixed angle) {
  TPlacementPart part;
  part.Reference = reference;
  part.Package = package;
  part.Side = side;
  part.X = x * kFixedPerMillimetre;
  part.Y = y * kFixedPerMillimetre;
  part.Angle = angle * kFixedPerDegree;
  return part;
}

TEST(RotationCorrections, ImportTurnsTheOffsetByTheAngleAfterTheMirror) {
  TRotationCorrections table;
  std::string error;
  ASSERT_TRUE(ReadRotationCorrections("Pattern,Rotation,Offset X,Offset Y\nP,90,1,0.5\nHALF,0,0.005,0\n",
                                      "t.csv", table, error))
      << error;
  const TBoardSide top = TBoardSide::Top, bottom = TBoardSide::Bottom;
  const struct {
    std::vector<TPlacementPart> Parts;
    const char* Row;  // X, Y, angle of the first part
  } cases[] = {
      {{Part("U1", "P", top, 10, 20, 0)}, "11|20.5|90"},
      {{Part("U1", "P", top, 10, 20, 90)}, "9.5|21|180"},
      {{Part("U1", "P", top, 10, 20, 180)}, "9|19.5|-90"},
      {{Part("U1", "P", top, 10, 20, -90)}, "10.5|19|0"},
      {{Part("U1", "P", top, 10, 20, 45)}, "10.35|21.06|135"},
      // Turned over left to right first (the angle becomes 180 - angle),
      // then corrected on the turned angle.
      {{Part("U1", "P", bottom, 10, 20, 0)}, "9|19.5|-90"},
      {{Part("U1", "P", bottom, 10, 20, 90)}, "9.5|21|180"},
      {{Part("U1", "P", bottom, 10, 20, 180)}, "11|20.5|90"},
      {{Part("U1", "P", bottom, 10, 20, -90)}, "10.5|19|0"},
      // Mirrored first (X 10 becomes 30), then corrected.
      {{Part("U1", "P", bottom, 10, 20, 0), Part("U2", "Q", bottom, 30, 20, 0)}, "29|19.5|-90"},
      // A quarter turn moves a half of a hundredth exactly, which rounds up.
      {{Part("U1", "HALF", top, 10, 20, 90)}, "10|20.01|90"},
      // Fiducials are corrected too; a negative X is then shifted to 0.
      {{Part("FID1", "P", top, 0, 20, 180), Part("R1", "Q", top, 5, 20, 0)}, "0|19.5|-90"},
  };
  for (const auto& c : cases) {
    TPlacementFile file;
    file.Parts = c.Parts;
    file.HasTop = c.Parts[0].Side == top;
    file.HasBottom = !file.HasTop;
    const TPlacementImport import = ImportPlacements(file, top, &table);
    const std::vector<std::string>& row = import.Rows[0];
    EXPECT_EQ(row[3] + "|" + row[4] + "|" + row[5], c.Row) << c.Parts[0].Package << " at " << c.Parts[0].Angle;
    EXPECT_EQ(import.Corrected, 1u);
  }
}

TEST(RotationCorrections, SummaryNamesTheTableAndTheMatchedParts) {
  TRotationCorrections table;
  std::string error;
  ASSERT_TRUE(ReadRotationCorrections("Pattern,Rotation\n^R,90\n^R,180\n", "rules.csv", table, error));
  TPlacementFile file;
  file.Format = "KiCad (CSV)";
  file.HasTop = true;
  file.Parts = {Part("R1", "R_0603", TBoardSide::Top, 1, 1, 0), Part("C1", "C_0603", TBoardSide::Top, 2, 2, 0),
                Part("R2", "R_0805", TBoardSide::Top, 3, 3, 0)};
  const TPlacementImport import = ImportPlacements(file, TBoardSide::Top, &table);
  EXPECT_EQ(ImportSummary(file, import),
            "Импортировано строк: 3 (формат: KiCad (CSV))\n"
            "Единицы: мм (в файле не указаны)\n"
            "Помечено пропуском: 0 (реперные знаки: 0, не устанавливаются: 0)\n"
            "Поправки поворота: rules.csv, исправлено деталей: 2 из 3\n"
            "Шаблон «^R» повторён в строках 2 и 3; действует строка 3\n"
            "Сдвиг координат: нет\n");
  EXPECT_EQ(import.Rows[2][5], "180");
  EXPECT_EQ(ImportSummary(file, ImportPlacements(file, TBoardSide::Top)).find("Поправки"), std::string::npos);
}

}  // namespace
