// "Распределить": the word rule, which feeder a comment matches, the rows
// left alone and the nozzle taken from the feeder's other rows.
#include "job/feeder_assign.h"

#include <gtest/gtest.h>

#include "job/feeder_words.h"
#include "tests/job/job_rows.h"

namespace {

using Words = std::vector<std::string>;

TEST(FeederWords, AreRunsOfLettersDigitsAndPointsLowerCasedOnce) {
  const struct {
    const char* Text;
    Words Expected;
  } cases[] = {
      {"10k R_0603_1608Metric", {"10k", "r", "0603", "1608metric"}},
      {"Конд. 0.1мкФ X7R", {"конд.", "0.1мкф", "x7r"}},
      {"ЁЛКА ёлка Ёлка ЕЛКА", {"ёлка", "елка"}},
      {"АБВ-ЭЮЯ абв", {"абв", "эюя"}},
      {"№5 (b)/a,b", {"5", "b", "a"}},
      {"", {}},
      {" -_ ", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(TextWords(c.Text), c.Expected) << c.Text;
}

// Feeders of both tables; which of them each comment gets.
TEST(FeederAssignment, GivesTheFeederWithMostWordsAndTheLowestNumberOnATie) {
  JobTables job;
  job.Feeders = {FeederRow(kFeederTable, "1", "10k 0603"),   FeederRow(kFeederTable, "2", "10K"),
                 FeederRow(kFeederTable, "3", "ЁМКОСТЬ 100n"), FeederRow(kFeederTable, "05", "1u 0805"),
                 FeederRow(kFeederTable, "10", "BAV99"),       FeederRow(kFeederTable, "11", "skipme", "1"),
                 FeederRow(kFeederTable, "12", " - "),         FeederRow(kFeederTable, "A", "LED")};
  job.SpecialFeeders = {FeederRow(kSpecialFeederTable, "7", "0805 1U"),
                        FeederRow(kSpecialFeederTable, "9", "bav99")};
  const struct {
    const char* Comment;
    const char* Feeder;  // "" when none matches
    Words Tied;          // the feeders reported for an ambiguous row
  } cases[] = {
      {"R1 10k 0603 1%", "1", {}},         {"10k resistor", "2", {}},
      {"ёмкость 100N X7R", "3", {}},       {"1u 0805 10V", "05", {"05", "7"}},
      {"BAV99 SOD323", "9", {"9", "10"}},  {"0603", "", {}},
      {"skipme", "", {}},                  {"LED", "", {}},
      {"", "", {}},
  };
  for (const auto& c : cases) job.Components.push_back(ComponentRow(std::string("C,1,,1,1,0,0,") + c.Comment));

  const TFeederAssignment result = AssignFeeders(job);
  size_t change = 0, ambiguous = 0;
  for (size_t r = 0; r < std::size(cases); ++r) {
    const auto& c = cases[r];
    const bool matched = *c.Feeder != 0;
    if (matched) {
      ASSERT_LT(change, result.Changes.size()) << c.Comment;
      EXPECT_EQ(result.Changes[change].Row, r);
      EXPECT_EQ(result.Changes[change++].After[kComponentFeederColumn], c.Feeder) << c.Comment;
    }
    if (!c.Tied.empty()) {
      ASSERT_LT(ambiguous, result.Ambiguous.size()) << c.Comment;
      EXPECT_EQ(result.Ambiguous[ambiguous].Row, r);
      EXPECT_EQ(result.Ambiguous[ambiguous++].Feeders, c.Tied) << c.Comment;
    }
  }
  EXPECT_EQ(change, result.Changes.size());
  EXPECT_EQ(ambiguous, result.Ambiguous.size());
  EXPECT_EQ(result.Unmatched, 4u);
}

TEST(FeederAssignment, LeavesSkippedAssignedAndUnmatchedRowsAsTheyAre) {
  JobTables job;
  job.Feeders = {FeederRow(kFeederTable, "1", "10k"), FeederRow(kFeederTable, "4", "old", "1")};
  job.Components = {
      ComponentRow("R1,,,1,1,0,1,10k"),      // skipped
      ComponentRow("R2,,01,1,1,0,0,22k"),    // names feeder 1 as a number
      ComponentRow("R3,,4,1,1,0,0,10k"),     // names a skipped feeder, which still exists
      ComponentRow("R4,,99,1,1,0,0,10k"),    // names no feeder: takes part
      ComponentRow("R5,,,1,1,0,0,zzz"),      // finds nothing
      ComponentRow("R6,,,1,1,0,0,zzz"),
      ComponentRow("R7,,,1,1,0,0,"),
  };
  const JobTables before = job;
  const TFeederAssignment result = AssignFeeders(job);
  ASSERT_EQ(result.Changes.size(), 1u);
  EXPECT_EQ(result.Changes[0].Row, 3u);
  EXPECT_EQ(result.Changes[0].Before, before.Components[3]);
  // No row named feeder 1 with a nozzle, so the nozzle stays empty.
  EXPECT_EQ(result.Changes[0].After, ComponentRow("R4,,1,1,1,0,0,10k"));
  EXPECT_EQ(result.Skipped, 1u);
  EXPECT_EQ(result.Kept, 2u);
  EXPECT_EQ(result.Unmatched, 3u);
  EXPECT_EQ(result.UnmatchedGroups.size(), 2u);
  EXPECT_EQ(result.UnmatchedGroups[0].Comment, "zzz");
  EXPECT_EQ(result.UnmatchedGroups[0].Rows, 2u);

  ApplyAssignment(job, result);
  for (size_t r = 0; r < job.Components.size(); ++r)
    EXPECT_EQ(job.Components[r], r == 3 ? result.Changes[0].After : before.Components[r]) << r;
}

// The nozzles of the rows that named feeder 2 before, skipped rows
// included, and what an empty nozzle of a newly assigned row becomes.
TEST(FeederAssignment, TakesTheNozzleMostUsedWithTheFeederTheSmallerOnATie) {
  const struct {
    std::vector<const char*> Rows;  // "nozzle,skip"
    const char* Expected;
  } cases[] = {
      {{"3,0", "1,0", "3,0", "1,0"}, "1"},
      {{"3,0", "1,0", "3,0", "1,0", "3,1"}, "3"},
      {{"02,0", "2,0", "10,0"}, "2"},
      {{"10,0", "9,0"}, "9"},
      {{",0", "x,0"}, ""},
      {{}, ""},
  };
  for (const auto& c : cases) {
    JobTables job;
    job.Feeders = {FeederRow(kFeederTable, "2", "100n"), FeederRow(kFeederTable, "3", "1u")};
    job.Components = {ComponentRow("C1,,,1,1,0,0,100n"), ComponentRow("C2,7,,1,1,0,0,100n"),
                      ComponentRow("C3,5,3,1,1,0,0,1u")};
    for (const char* row : c.Rows) {
      const std::string line(row);
      const size_t comma = line.find(',');
      job.Components.push_back(
          ComponentRow("X," + line.substr(0, comma) + ",2,1,1,0," + line.substr(comma + 1) + ","));
    }
    const TFeederAssignment result = AssignFeeders(job);
    ASSERT_EQ(result.Changes.size(), 2u);
    EXPECT_EQ(result.Changes[0].After[kComponentNozzleColumn], c.Expected);
    EXPECT_EQ(result.Changes[1].After[kComponentNozzleColumn], "7") << "a nozzle given by hand stays";
  }
}

TEST(FeederAssignment, SummarySaysWhatHappenedInRussian) {
  JobTables job;
  job.Feeders = {FeederRow(kFeederTable, "8", "10k"), FeederRow(kFeederTable, "6", "10k")};
  for (int i = 0; i < 21; ++i) job.Components.push_back(ComponentRow("R,1,,1,1,0,0,10k"));
  job.Components.push_back(ComponentRow("D1,1,8,1,1,0,0,"));
  job.Components.push_back(ComponentRow("D2,1,,1,1,0,1,"));
  for (int i = 0; i < 12; ++i)
    for (int n = 0; n <= i; ++n) job.Components.push_back(ComponentRow("U,1,,1,1,0,0,part" + std::to_string(i)));
  std::string expected =
      "Питатель назначен: 21 строка.\n"
      "Свой питатель сохранили: 1 строка.\n"
      "Питатель не найден: 78 строк:\n";
  for (int i = 11; i >= 2; --i) expected += "  «part" + std::to_string(i) + "»: " + std::to_string(i + 1) + "\n";
  expected += "  и ещё 2 других комментов: 3 строки\n"
              "Неоднозначно, взят меньший номер: 21 строка:\n";
  for (int r = 1; r <= 10; ++r) expected += "  строка " + std::to_string(r) + " (R): питатели 6, 8\n";
  expected += "  и ещё 11 строк\n"
              "С пропуском, не тронуты: 1 строка.\n";
  EXPECT_EQ(AssignSummary(AssignFeeders(job)), expected);
}

}  // namespace
