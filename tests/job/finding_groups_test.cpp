// Findings told in part kinds: which findings become one line, what that
// line says, and the count's Russian forms.
#include "job/finding_groups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/job/job_rows.h"

namespace {

using Lines = std::vector<std::string>;

// The grouped findings of a job of feeder 1 and these component rows, each
// as its check line and its count.
Lines GroupedLines(const Lines& components) {
  JobTables job;
  job.Feeders = {FeederRow(kFeederTable, "1", "10k"), FeederRow(kFeederTable, "", "")};
  for (const std::string& line : components) job.Components.push_back(ComponentRow(line));
  Lines lines;
  for (const TFinding& finding : GroupFindings(CheckJob(job), job))
    lines.push_back(FindingLine(finding) + " (" + std::to_string(finding.Count) + ")");
  return lines;
}

TEST(FindingGroups, FindingsOfOneTextOnRowsOfOneKindAreOneLine) {
  const struct {
    const char* Case;
    Lines Components;
    Lines Expected;
  } cases[] = {
      {"one kind whatever its case and punctuation; another kind apart; rows of other findings between",
       {"R1,1,,0,0,0,0,10k 0603", "C1,1,,0,0,0,0,100n", "R2,1,1,0,0,0,0,10k 0603", "R3,1,,x,0,0,0,10K; 0603",
        "R4,1,,0,0,0,0,10k  0603"},
       {"feeder\t2\t1\terror\t№ Питателя: пустая ячейка (1)",
        "component\t1\t3\terror\tПитатель: пустая ячейка — 3 строки: R1, R3, R4 (3)",
        "component\t2\t3\terror\tПитатель: пустая ячейка (1)", "component\t4\t4\terror\tX: «x» не число (1)"}},
      {"words in another order are another kind; skipped rows are not checked",
       {"R1,1,,0,0,0,0,0603 10k", "R2,1,,0,0,0,0,10k 0603", "R3,1,,0,0,0,1,0603 10k"},
       {"feeder\t2\t1\terror\t№ Питателя: пустая ячейка (1)", "component\t1\t3\terror\tПитатель: пустая ячейка (1)",
        "component\t2\t3\terror\tПитатель: пустая ячейка (1)"}},
      {"empty comments are one kind; a row of no designator is named by its number; other texts apart",
       {",,,0,0,0,0,", "D1,,,0,0,0,0,-", "D2,1,7,0,0,0,0,", "D3,1,7,0,0,0,0,"},
       {"feeder\t2\t1\terror\t№ Питателя: пустая ячейка (1)",
        "component\t1\t2\terror\tСопло: пустая ячейка — 2 строки: строка 1, D1 (2)",
        "component\t1\t3\terror\tПитатель: пустая ячейка — 2 строки: строка 1, D1 (2)",
        "component\t3\t3\terror\tнет питателя с номером 7 — 2 строки: D2, D3 (2)",
        "component\t1\t1\twarning\tКомпонент: пустая ячейка (1)"}},
      {"a long group names its first rows, then …",
       {"C1,1,,0,0,0,0,1u", "C2,1,,0,0,0,0,1u", "C3,1,,0,0,0,0,1u", "C4,1,,0,0,0,0,1u", "C5,1,,0,0,0,0,1u",
        "C6,1,,0,0,0,0,1u", "C7,1,,0,0,0,0,1u", "C8,1,,0,0,0,0,1u", "C9,1,,0,0,0,0,1u"},
       {"feeder\t2\t1\terror\t№ Питателя: пустая ячейка (1)",
        "component\t1\t3\terror\tПитатель: пустая ячейка — 9 строк: C1, C2, C3, C4, C5, C6, C7, C8, … (9)"}},
  };
  for (const auto& c : cases) EXPECT_EQ(GroupedLines(c.Components), c.Expected) << c.Case;
}

TEST(FindingGroups, CountsRowsInRussianForms) {
  const struct {
    size_t Count;
    const char* Text;
  } cases[] = {{1, "1 строка"},     {2, "2 строки"},     {4, "4 строки"},     {5, "5 строк"},
               {11, "11 строк"},    {12, "12 строк"},    {14, "14 строк"},    {21, "21 строка"},
               {22, "22 строки"},   {45, "45 строк"},    {101, "101 строка"}, {111, "111 строк"},
               {112, "112 строк"},  {1000, "1000 строк"}};
  for (const auto& c : cases) EXPECT_EQ(RowCountText(c.Count), c.Text) << c.Count;
}

}  // namespace
