// Nozzle rules: read in each header style, separator and text form, refused
// with the line and the reason, matched by the last rule in any case, and
// taken by the import and by "Распределить".
#include "job/nozzle_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/feeder_assign.h"
#include "job/placement_import.h"
#include "tests/job/job_rows.h"

namespace {

// The rules as "line:pattern:nozzle", one per line.
std::string RulesText(const TNozzleRules& table) {
  std::string text;
  for (const TNozzleRule& rule : table.Rules)
    text += std::to_string(rule.Line) + ":" + rule.Pattern + ":" + rule.Nozzle + "\n";
  return text;
}

TNozzleRules Table(const std::string& bytes) {
  TNozzleRules table;
  std::string error;
  EXPECT_TRUE(ReadNozzleRules(bytes, "nozzles.csv", table, error)) << error;
  return table;
}

TEST(NozzleRules, ReadsEveryHeaderStyleSeparatorQuotesAndComments) {
  const struct {
    const char* Name;
    std::string Bytes;
    const char* Rules;
  } cases[] = {
      {"Latin header, commas, a row of commas", "Pattern,Nozzle\r\n0402,1\r\n,,\r\n0805,2\r\n", "2:0402:1\n4:0805:2\n"},
      {"no header", "0402,1\n", "1:0402:1\n"},
      {"Cyrillic header, semicolons, a comma in a pattern",
       "Шаблон;Сопло\nR\\d{1,3};3\n\"a;\"\"b\"\"\";4\n", "2:R\\d{1,3}:3\n3:a;\"b\":4\n"},
      {"tabs, comments and empty lines first, spaces around", "# rules\n\n  # more\n Pattern \t Nozzle\n"
                                                              "SOT-23\t 5 \n#QFN\t7\n\nSOIC,8\t6\tspare\n",
       "5:SOT-23:5\n8:SOIC,8:6\n"},
      {"UTF-8 with its mark",
       "\xEF\xBB\xBF\xD0\xA8\xD0\xB0\xD0\xB1\xD0\xBB\xD0\xBE\xD0\xBD;\xD0\xA1\xD0\xBE\xD0\xBF\xD0\xBB\xD0\xBE\n"
       "\xD0\x9A\xD0\xBE\xD0\xBD\xD0\xB4;2\n",
       "2:Конд:2\n"},
      {"UTF-8 without it", "\xD0\x9A\xD0\xBE\xD0\xBD\xD0\xB4,2\n", "1:Конд:2\n"},
      {"Windows-1251", "Конд,02\n", "1:Конд:02\n"},
      {"a header alone", "Pattern,Nozzle\n", ""},
      {"nothing", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const TNozzleRules table = Table(c.Bytes);
    EXPECT_EQ(RulesText(table), c.Rules);
    EXPECT_EQ(table.Name, "nozzles.csv");
  }
}

TEST(NozzleRules, RefusesABadTableWithItsLineAndReason) {
  const struct {
    std::string Bytes;
    const char* Error;
  } cases[] = {
      {"Pattern,Nozzle\n0402,1\n0805\n", "строка 3: одно поле, а нужны шаблон и сопло"},
      {"# x\nPattern\n", "строка 2: одно поле, а нужны шаблон и сопло"},
      {"Pattern,Nozzle\n0402,1\n0603,x2\n", "строка 3: сопло «x2» не номер из одних цифр"},
      {"0402,1\n0603,\n", "строка 2: сопло «» не номер из одних цифр"},
      {"0402;1\n0603,2;-3\n", "строка 2: сопло «-3» не номер из одних цифр"},
      {"Pattern,Nozzle\n(0402,1\n", "строка 2: шаблон «(0402» не регулярное выражение"},
      {"Pattern,Nozzle\n,1\n", "строка 2: пустой шаблон"},
      {"Pattern,Nozzle\n\"0402,1\n", "строка 2: кавычка не закрыта"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Bytes);
    TNozzleRules table;
    table.Name = "kept";
    std::string error;
    EXPECT_FALSE(ReadNozzleRules(c.Bytes, "n.csv", table, error));
    EXPECT_EQ(error, std::string("Правила сопел <n.csv>, ") + c.Error + ".");
    EXPECT_EQ(table.Name, "kept") << "a refused table leaves the one given untouched";
  }
}

TEST(NozzleRules, LastMatchingRuleWinsLettersOfAnyCase) {
  const TNozzleRules table = Table("Pattern,Nozzle\n_0603,2\nC_0603,3\nsot-23,5\nКонд,7\n^LED,9\n");
  const struct {
    const char* Comment;
    const char* Nozzle;  // "" when none matches
  } cases[] = {
      {"10k R_0603_1608Metric", "2"}, {"100n C_0603_1608Metric", "3"}, {"100N c_0603", "3"},
      {"BC847 SOT-23", "5"},          {"Конд. 1мкф", "7"},            {"led_0603", "9"},
      {"Green LED_0805", ""},         {"LED", "9"},                   {"", ""},
  };
  for (const auto& c : cases) {
    const TNozzleRule* rule = MatchingNozzleRule(table, c.Comment);
    EXPECT_EQ(rule ? rule->Nozzle : "", c.Nozzle) << c.Comment;
  }
  EXPECT_EQ(NozzleRulesChosenText(table), "Правил сопел: 5 — из nozzles.csv");
}

TPlacementPart Part(const char* reference, const char* value, const char* package) {
  TPlacementPart part;
  part.Reference = reference;
  part.Value = value;
  part.Package = package;
  return part;
}

TEST(NozzleRules, ImportGivesEveryMatchingRowItsNozzleAndSaysHowMany) {
  TPlacementFile file;
  file.Format = "KiCad (CSV)";
  file.HasTop = true;
  file.Parts = {Part("R1", "10k", "R_0603"), Part("C1", "100n", "C_0402"), Part("U1", "MCU", "QFN-32"),
                Part("R2", "DNP", "R_0603"), Part("FM1", "FIDUCIAL_2", "Fiducial"), Part("R3", "1k", "R_0603")};
  const TNozzleRules table = Table("Pattern,Nozzle\n0603,2\n0402,1\nfiducial,4\n");
  const TPlacementImport import = ImportPlacements(file, TBoardSide::Top, nullptr, {}, &table);
  std::string nozzles;
  for (const auto& row : import.Rows) nozzles += row[kComponentNozzleColumn] + "|";
  EXPECT_EQ(nozzles, "2|1||2|4|2|") << "skipped rows take theirs too";
  EXPECT_EQ(import.NozzlesByRule, 5u);
  EXPECT_EQ(import.Fiducials, 1u);
  const std::string summary = ImportSummary(file, import);
  EXPECT_NE(summary.find("\nСопло по правилам: 5 строк\n"), std::string::npos) << summary;
  EXPECT_EQ(ImportSummary(file, ImportPlacements(file, TBoardSide::Top)).find("Сопло по"), std::string::npos);
}

// Rules go first, to placed rows with an empty nozzle, whatever their
// feeder; the nozzle most used with a feeder is then counted over the job
// as it was.
TEST(NozzleRules, AssignGivesRuleNozzlesBeforeTheFeedersUsualOnes) {
  JobTables job;
  job.Feeders = {FeederRow(kFeederTable, "2", "100n"), FeederRow(kFeederTable, "3", "10k"),
                 FeederRow(kFeederTable, "4", "1u")};
  job.Components = {
      ComponentRow("C1,6,2,1,1,0,0,100n C_0402"),   // 0: feeder and nozzle of its own
      ComponentRow("C2,,,1,1,0,0,100n C_0402"),     // 1: a rule, then feeder 2
      ComponentRow("C3,,,1,1,0,0,100n C_0603"),     // 2: no rule: feeder 2's usual nozzle 6
      ComponentRow("R1,,3,1,1,0,0,10k R_0402"),     // 3: keeps its feeder, a rule's nozzle
      ComponentRow("R2,8,,1,1,0,0,10k R_0402"),     // 4: keeps its nozzle, gets feeder 3
      ComponentRow("R3,,,1,1,0,1,10k R_0402"),      // 5: skipped, untouched
      ComponentRow("L1,,,1,1,0,0,22u L_0402"),      // 6: no feeder, a rule's nozzle
      ComponentRow("C4,,,1,1,0,0,1u C_0805"),       // 7: a rule, feeder 4
      ComponentRow("C5,,,1,1,0,0,1u Case_C"),       // 8: feeder 4, no usual nozzle yet
      ComponentRow("Q1,,,1,1,0,0,BC847"),           // 9: nothing at all
  };
  const TNozzleRules table = Table("Pattern,Nozzle\n_0402,1\n_0805,5\n");
  const TFeederAssignment result = AssignFeeders(job, &table);
  const struct {
    size_t Row;
    const char* After;
  } expected[] = {
      {1, "C2,1,2,1,1,0,0,100n C_0402"}, {2, "C3,6,2,1,1,0,0,100n C_0603"}, {3, "R1,1,3,1,1,0,0,10k R_0402"},
      {4, "R2,8,3,1,1,0,0,10k R_0402"},  {6, "L1,1,,1,1,0,0,22u L_0402"},   {7, "C4,5,4,1,1,0,0,1u C_0805"},
      {8, "C5,,4,1,1,0,0,1u Case_C"},
  };
  ASSERT_EQ(result.Changes.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(result.Changes[i].Row, expected[i].Row);
    EXPECT_EQ(result.Changes[i].Before, job.Components[expected[i].Row]);
    EXPECT_EQ(result.Changes[i].After, ComponentRow(expected[i].After)) << expected[i].After;
  }
  EXPECT_EQ(result.NozzlesByRule, 4u);
  EXPECT_EQ(result.FeedersGiven, 5u);
  EXPECT_EQ(AssignSummary(result),
            "Питатель назначен: 5 строк.\n"
            "Сопло по правилам: 4 строки.\n"
            "Свой питатель сохранили: 2 строки.\n"
            "Питатель не найден: 2 строки:\n"
            "  «22u L_0402»: 1\n"
            "  «BC847»: 1\n"
            "С пропуском, не тронуты: 1 строка.\n");
}

}  // namespace
